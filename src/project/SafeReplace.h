// Replacing a file so that it is always either wholly old or wholly new: the
// new contents go to a temporary file beside it, are flushed to disk and the
// temporary file is renamed over it. The copy moves fixed-size blocks and
// skips holes, so replacing even a huge sparse file costs little memory and
// disk.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

#include "project/FileIo.h"

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
// False for a loop of links or a link that cannot be read.
bool FollowLinks(const std::string& path, std::string& target);

// Opens `target` for a replacement. A missing file is a new one (true, with
// nothing open); anything but a regular file that the user may write is
// refused.
bool OpenFileToReplace(const std::string& target, FileToReplace& old);

// Replaces `target` by its old contents with `bytes` written at `offset`; a
// shorter file grows with zero bytes up to the end of `bytes`. First removes
// the temporary files that interrupted earlier replacements of `target` left
// behind. The new file keeps the old one's permission bits; a new file gets
// the system's mode for new files (0666 less the umask). On failure the old
// file is as it was and no temporary file remains.
bool ReplaceFilePatched(const std::string& target, const FileToReplace& old, int64_t offset,
                        const std::string& bytes);

} // namespace vemora
