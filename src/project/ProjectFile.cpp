#include "project/ProjectFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "project/RecordCheck.h"
#include "project/RecordCodec.h"

namespace vemora {

namespace {

constexpr int64_t RecordSize = ProjectRecord::Size;

bool IsRegularFile(const std::string& path, struct stat& info)
{
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool ReadWholeFile(const std::string& path, std::string& content)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

mode_t ModeForNewFile()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes `bytes` to a temporary file in the target's folder and renames it over
// the target, so the target is either wholly old or wholly new.
bool ReplaceFile(const std::string& target, const std::string& bytes, mode_t mode)
{
    const std::filesystem::path targetPath(target);
    std::filesystem::path folder = targetPath.parent_path();
    if (folder.empty()) folder = ".";
    std::string temp = (folder / ("." + targetPath.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');

    const int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(name.data(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(name.data());
        return false;
    }
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

} // namespace

int32_t RecordNumberForLength(int64_t length)
{
    if (length <= 0) return 1;
    int64_t r = length / RecordSize;
    const int64_t twiceRest = 2 * (length % RecordSize);
    if (twiceRest > RecordSize || (twiceRest == RecordSize && r % 2 == 1)) ++r;
    return r == 0 ? 1 : static_cast<int32_t>(r);
}

FileStatus ReadProjectFile(const std::string& path, ProjectRecord& out, int32_t& recordNumber)
{
    struct stat info
    {
    };
    if (!IsRegularFile(path, info)) return FileStatus::CannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileStatus::CannotOpen;

    const int64_t length = static_cast<int64_t>(info.st_size);
    const int32_t r = RecordNumberForLength(length);
    if (length < r * RecordSize) return FileStatus::CannotOpen;

    std::string bytes(RecordSize, '\0');
    in.seekg((r - 1) * RecordSize);
    in.read(bytes.data(), RecordSize);
    if (in.gcount() != RecordSize) return FileStatus::CannotOpen;

    const ProjectRecord rec = DecodeRecord(bytes.data());
    if (!CheckRecord(rec)) return FileStatus::Damaged;
    out = rec;
    recordNumber = r;
    return FileStatus::Ok;
}

FileStatus WriteProjectFile(const std::string& path, const ProjectRecord& rec,
                            int32_t& recordNumber)
{
    std::string target = path;
    std::string content;
    mode_t mode = ModeForNewFile();
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        // Write through a link to the file it names; refuse anything but a
        // writable regular file.
        target = std::filesystem::canonical(path, ec).string();
        struct stat info
        {
        };
        if (ec || !IsRegularFile(target, info) || ::access(target.c_str(), W_OK) != 0)
            return FileStatus::CannotWrite;
        if (!ReadWholeFile(target, content)) return FileStatus::CannotWrite;
        mode = info.st_mode & 07777;
    } else if (ec) {
        return FileStatus::CannotWrite;
    }

    const int32_t r = RecordNumberForLength(static_cast<int64_t>(content.size()));
    const size_t offset = static_cast<size_t>(r - 1) * RecordSize;
    if (content.size() < offset + RecordSize) content.resize(offset + RecordSize, '\0');
    content.replace(offset, RecordSize, EncodeRecord(rec));

    if (!ReplaceFile(target, content, mode)) return FileStatus::CannotWrite;
    recordNumber = r;
    return FileStatus::Ok;
}

} // namespace vemora
