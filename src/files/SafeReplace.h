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
#include "files/PathWalk.h"

namespace vemora {

// The file a save replaces, open for reading; nothing is open for a new file.
struct FileToReplace
{
    FileHandle file;
    int64_t length = 0; // bytes
    mode_t mode = 0;    // permission bits
};

// Opens the file `where` leads to for a replacement. A missing file is a new
// one (true, with nothing open); anything but a regular file that the user
// may read and write is refused, with `why`, and so is another user's file
// in a shared folder (IsAnotherUsersInSharedFolder).
bool OpenFileToReplace(const WalkedPath& where, FileToReplace& old, std::string& why);

// The replacement of one file, always either wholly old or wholly new: the
// project save and the PDF writer both go through it. Begin walks the path
// to the folder of the file it names (WalkPath) and opens that file
// (OpenFileToReplace); everything after works in that folder by its
// descriptor. MakeTemp makes a locked temporary file beside it, after
// removing the temporary files that interrupted replacements of the same
// file left behind. The new contents go into the temporary file, by
// WritePatched or by any writer given TempPath. Commit gives it the old
// file's permission bits (a new file has the system's mode for new files,
// 0666 less the umask), flushes it to disk, renames it over the file and
// flushes the folder. Until then the old file is as it was; a replacement
// dropped uncommitted removes its temporary file. Every failure sets `why`.
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
    bool MakeTemp(std::string& why);
    // A path that opens the temporary file once made: while the file is
    // unnamed (see TempFile), its descriptor's path under /proc/self/fd, so
    // that a writer that opens it by path (Qt's PDF writer) leaves nothing
    // behind when it is cut short.
    std::string TempPath() const;
    // Writes the old contents with `bytes` at `offset` into the temporary
    // file (made first when it is not yet); a shorter file grows with zero
    // bytes up to the end of `bytes`.
    bool WritePatched(int64_t offset, const std::string& bytes, std::string& why);
    bool Commit(std::string& why);

  private:
    struct Temp;
    WalkedPath where_;
    FileToReplace old_;
    std::unique_ptr<Temp> temp_;
};

// Seams for the tests of concurrent and interrupted saves: `tempFileMade`
// runs between the making of a temporary file and its lock (with the
// folder), `tempFileWritten` once the temporary file is whole on disk and
// not yet renamed, `unnamedRefused` makes the save behave as on a file
// system that cannot make unnamed files, and `procMissing` as on a system
// without /proc. Left empty and false by the program.
struct SafeReplaceSeams
{
    std::function<void(const std::string& folder)> tempFileMade;
    std::function<void()> tempFileWritten;
    bool unnamedRefused = false;
    bool procMissing = false;
};
SafeReplaceSeams& TestSeams();

} // namespace vemora
