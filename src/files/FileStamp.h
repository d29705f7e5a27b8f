// What tells one file from another, and a file from itself after a change:
// the device and inode it lives at, its size and its modification time.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>

namespace vemora {

struct FileStamp
{
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
    // The same file (device and inode), whatever its size and time.
    bool SameFile(const FileStamp& other) const
    {
        return device == other.device && inode == other.inode;
    }
};

// The stamp of what a stat call told of a file.
FileStamp StampOf(const struct stat& info);

// The stamp of the file `path` names, its path walked as a save walks it;
// nothing when there is no such file or it cannot be looked at.
std::optional<FileStamp> StampOfFile(const std::string& path);

} // namespace vemora
