#include "project/FileStamp.h"

#include <sys/stat.h>

namespace vemora {

std::optional<FileStamp> StampOfFile(const std::string& path)
{
    struct stat info
    {
    };
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileStamp{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                     static_cast<int64_t>(info.st_size), static_cast<int64_t>(info.st_mtim.tv_sec),
                     static_cast<int64_t>(info.st_mtim.tv_nsec)};
}

} // namespace vemora
