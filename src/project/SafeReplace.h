// Replacing a file so that it is always either wholly old or wholly new: the
// new contents go to a temporary file beside it, are flushed to disk and the
// temporary file is renamed over it. The copy moves fixed-size blocks and
// skips holes, so replacing even a huge sparse file costs little memory and
// disk.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>

#include "project/FileIo.h"
#include "project/FileReasons.h"

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

// Replaces `target` by its old contents with `bytes` written at `offset`; a
// shorter file grows with zero bytes up to the end of `bytes`. First removes
// the temporary files that interrupted earlier replacements of `target` left
// behind. The new file keeps the old one's permission bits; a new file gets
// the system's mode for new files (0666 less the umask). On failure the old
// file is as it was, no temporary file remains and `why` says what failed.
bool ReplaceFilePatched(const std::string& target, const FileToReplace& old, int64_t offset,
                        const std::string& bytes, std::string& why);

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
