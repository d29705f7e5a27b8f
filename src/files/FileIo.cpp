#include "files/FileIo.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace vemora {

bool FileHandle::Close()
{
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

namespace {

// Repeats `transfer(done)` (a read or write of the bytes from `done` on, giving
// the count moved) until all `size` bytes are moved; false on an error or an
// early end of file (errno 0).
template <typename Transfer> bool MoveAll(size_t size, Transfer transfer)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = transfer(done);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = 0;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool ReadAt(int fd, char* data, size_t size, int64_t offset)
{
    return MoveAll(size, [&](size_t done) {
        return ::pread(fd, data + done, size - done, offset + static_cast<int64_t>(done));
    });
}

bool WriteAt(int fd, const char* data, size_t size, int64_t offset)
{
    return MoveAll(size, [&](size_t done) {
        return ::pwrite(fd, data + done, size - done, offset + static_cast<int64_t>(done));
    });
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace vemora
