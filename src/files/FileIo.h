// Small POSIX file helpers: a descriptor that closes itself, whole reads
// and writes at a 64-bit offset, and the file-size signal ignored.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vemora {

class FileHandle
{
  public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes the descriptor held (if any) and takes `fd` instead.
    void Reset(int fd)
    {
        Close();
        fd_ = fd;
    }
    // Gives the descriptor up without closing it.
    void Release() { fd_ = -1; }
    // Closes the descriptor now; false when the close reports an error.
    bool Close();

  private:
    int fd_ = -1;
};

// Reads exactly `size` bytes at `offset`; false on an error or an early end
// of file, with errno telling which (0 for the early end).
bool ReadAt(int fd, char* data, size_t size, int64_t offset);

// Writes all `size` bytes at `offset`; false with errno on an error.
bool WriteAt(int fd, const char* data, size_t size, int64_t offset);

// Ignores the signal the system sends a process that writes past its
// file-size limit (ulimit -f), which would end the program with every edit
// lost; such a write then fails with EFBIG and is reported as any other.
// Every program that saves files calls it first thing in main.
void IgnoreFileSizeSignal();

} // namespace vemora
