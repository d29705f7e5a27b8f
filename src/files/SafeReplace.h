// Replacing a file so that it is always either wholly old or wholly new: the
// new contents go to a temporary file beside it, are flushed to disk and the
// temporary file is renamed over it. The copy moves fixed-size blocks and
// skips holes, so replacing even a huge sparse file costs little memory and
// disk.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "files/FileIo.h"
#include "files/FileReasons.h"

namespace vemora {

// The file a save replaces, open for reading; nothing is open for a new file.
struct FileToReplace
{
    FileHandle file;
    int64_t length = 0; // bytes
    mode_t mode = 0;    // permission bits
};

// The path `path` names once symbolic links are followed, to the end of the
// chain even when the last link points to a file that does not exist yet.
// False for a loop of links, a link that cannot be read, and a link that the
// kernel's protected-symlinks rule would not follow: one in a sticky,
// world-writable folder (like /tmp) owned by neither the user nor the
// folder's owner, which another user may have planted there to make the
// save overwrite a file of the user's. Every failure sets `why`, the
// system's refusals worded for `use` (a save's write or an open's read).
bool FollowLinks(const std::string& path, std::string& target, std::string& why,
                 FileUse use = FileUse::Write);

// Opens `target` for a replacement. A missing file is a new one (true, with
// nothing open); anything but a regular file that the user may read and
// write is refused, with `why`.
bool OpenFileToReplace(const std::string& target, FileToReplace& old, std::string& why);

// The replacement of one file, always either wholly old or wholly new: the
// project save and the PDF writer both go through it. Begin follows the
// links of the path to the file they name (FollowLinks) and opens that file
// (OpenFileToReplace). MakeTemp makes a locked temporary file beside it,
// after removing the temporary files that interrupted replacements of the
// same file left behind. The new contents go into the temporary file, by
// WritePatched or by any writer given TempPath. Commit gives it the old file's permission
// bits (a new file has the system's mode for new files, 0666 less the
// umask), flushes it to disk, renames it over the file and flushes the
// folder. Until then the old file is as it was; a replacement dropped
// uncommitted removes its temporary file. Every failure sets `why`.
class FileReplacement
{
  public:
    FileReplacement();
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool Begin(const std::string& path, std::string& why);
    // The file being replaced, open for reading (nothing open for a new file).
    const FileToReplace& Old() const { return old_; }
    // Whether the temporary file has a name before Commit: a writer that
    // opens it by its path (TempPath) needs one Now; one that writes through
    // WritePatched leaves it unnamed where the file system allows, so that a
    // replacement cut short leaves nothing behind.
    enum class TempName { AtCommit, Now };
    bool MakeTemp(std::string& why, TempName name = TempName::AtCommit);
    // The temporary file's path once made and named.
    std::string TempPath() const;
    // Writes the old contents with `bytes` at `offset` into the temporary
    // file (made first when it is not yet); a shorter file grows with zero
    // bytes up to the end of `bytes`.
    bool WritePatched(int64_t offset, const std::string& bytes, std::string& why);
    bool Commit(std::string& why);

  private:
    struct Temp;
    std::string target_;
    FileToReplace old_;
    std::unique_ptr<Temp> temp_;
};

// Seams for the tests of concurrent and interrupted saves: `tempFileMade`
// runs between the making of a temporary file and its lock (with the
// folder), `tempFileWritten` once the temporary file is whole on disk and
// not yet renamed, and `unnamedRefused` makes the save behave as on a file
// system that cannot make unnamed files. Left empty and false by the program.
struct SafeReplaceSeams
{
    std::function<void(const std::string& folder)> tempFileMade;
    std::function<void()> tempFileWritten;
    bool unnamedRefused = false;
};
SafeReplaceSeams& TestSeams();

} // namespace vemora
