// Helpers for tests that work with project files in a private temporary folder.
#pragma once

#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "project/ProjectStore.h"
#include "project/RecordStore.h"
#include <sys/file.h>
#include <unistd.h>

namespace vemora::test {

// A fresh folder under the system's temporary folder, removed at the end.
class TempFolder
{
  public:
    explicit TempFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path())
    {
        std::string pattern = (base / "vemora-test-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    bool Made() const { return !path_.empty(); }
    ~TempFolder()
    {
        if (path_.empty()) return;
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Makes `path` a file of `length` bytes that holds no data: a sparse file,
// which takes next to no disk. False where the file system refuses the length.
inline bool MakeSparseFile(const std::string& path, int64_t length)
{
    WriteBytes(path, "");
    return ::truncate(path.c_str(), length) == 0;
}

// Writes `bytes` at `offset` of an existing file.
inline void WriteBytesAt(const std::string& path, int64_t offset, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0) return;
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    (void)n;
    ::close(fd);
}

// `size` bytes at `offset` of a file (fewer at its end).
inline std::string ReadBytesAt(const std::string& path, int64_t offset, size_t size)
{
    std::string bytes(size, '\0');
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return {};
    const ssize_t n = ::pread(fd, bytes.data(), size, offset);
    ::close(fd);
    bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return bytes;
}

// The entries of a folder, hidden ones included.
inline size_t EntryCount(const std::filesystem::path& folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                             std::filesystem::directory_iterator()));
}

// Holds an exclusive lock (flock) on a file for its lifetime.
class FileLock
{
  public:
    explicit FileLock(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY))
    {
        if (fd_ >= 0) ::flock(fd_, LOCK_EX);
    }
    ~FileLock()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
    int fd_;
};

// The record of a blank new project of the system type (0 gravity, 1 pumping).
inline ProjectRecord NewProjectRecord(int16_t systemType)
{
    ProjectStore store;
    store.SystemType = systemType;
    WriteNewProjectDefaults(store, "01/02/2026");
    return store.ProjectRec;
}

// `count` bytes of a repeating, position-dependent pattern.
inline std::string PatternBytes(size_t count, unsigned seed)
{
    std::string bytes(count, '\0');
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>((i * 31 + seed) & 0xFF);
    return bytes;
}

} // namespace vemora::test
