#include "project/FileIo.h"

#include <unistd.h>

#include <cerrno>

namespace vemora {

bool FileHandle::Close()
{
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

bool ReadAt(int fd, char* data, size_t size, int64_t offset)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(fd, data + done, size - done, offset + static_cast<int64_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool WriteAt(int fd, const char* data, size_t size, int64_t offset)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pwrite(fd, data + done, size - done, offset + static_cast<int64_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace vemora
