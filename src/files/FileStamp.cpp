#include "files/FileStamp.h"

#include <fcntl.h>

#include "files/PathWalk.h"

namespace vemora {

FileStamp StampOf(const struct stat& info)
{
    return FileStamp{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                     static_cast<int64_t>(info.st_size), static_cast<int64_t>(info.st_mtim.tv_sec),
                     static_cast<int64_t>(info.st_mtim.tv_nsec)};
}

std::optional<FileStamp> StampOfFile(const std::string& path)
{
    WalkedPath where;
    std::string why;
    struct stat info
    {
    };
    if (!WalkPath(path, where, why, FileUse::Read) ||
        ::fstatat(where.folder.Get(), where.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return StampOf(info);
}

} // namespace vemora
