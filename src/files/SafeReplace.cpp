#include "files/SafeReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string_view>

#include "files/FileReasons.h"

namespace vemora {

namespace {

constexpr int MaxLinkHops = 40;          // the system's own limit for one path
constexpr int64_t CopyBlock = 64 * 1024; // bytes moved at a time
constexpr size_t TempSuffixLength = 6;   // random characters that make a name unique
constexpr int TempNameAttempts = 100;

struct PathParts
{
    std::string folder;
    std::string name;
};

PathParts SplitPath(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// 64-bit FNV-1a: the same value for the same name in every run and build.
uint64_t NameHash(const std::string& name)
{
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : name) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

// Temporary files of one target are named prefix + 6 random characters. The
// prefix has a fixed length whatever the target's name, so a temporary name
// fits wherever the target's name does, and it is told apart from the
// temporary files of other targets in the same folder.
std::string TempPrefix(const std::string& targetName)
{
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(NameHash(targetName)));
    return std::string(".vemora-save-") + hash + "-";
}

// Removes what interrupted saves of the same target left behind. A save in
// progress holds a lock on its temporary file, so its file is left alone.
void RemoveLeftovers(const std::string& folder, const std::string& prefix)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.size() != prefix.size() + TempSuffixLength || !name.starts_with(prefix)) continue;
        FileHandle file(
            ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        struct stat info
        {
        };
        if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) continue;
        ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

bool AllZero(const char* data, size_t size)
{
    return std::all_of(data, data + size, [](char c) { return c == 0; });
}

// False after setting `why` to the system's reason for the last error.
bool Failed(std::string& why, FileUse use)
{
    why = SystemErrorReason(errno, use);
    return false;
}

// Copies bytes [begin, end) of `from` to the same offsets of `to`, which is
// already sized and reads as zeros, through `block` (`blockSize` bytes).
// Holes, and blocks that hold only zeros, are not written, so the copy stays
// as sparse as the original.
bool CopyRange(int from, int to, int64_t begin, int64_t end, char* block, int64_t blockSize,
               std::string& why)
{
    int64_t pos = begin;
    while (pos < end) {
        off_t data = ::lseek(from, pos, SEEK_DATA);
        if (data < 0) {
            if (errno == ENXIO) return true; // only a hole from here on
            data = pos;                      // no hole information: copy it all
        }
        if (data >= end) return true;
        const off_t hole = ::lseek(from, data, SEEK_HOLE);
        const int64_t stop = hole > data ? std::min<int64_t>(hole, end) : end;
        for (pos = data; pos < stop;) {
            const size_t size = static_cast<size_t>(std::min(blockSize, stop - pos));
            if (!ReadAt(from, block, size, pos)) return Failed(why, FileUse::Read);
            if (!AllZero(block, size) && !WriteAt(to, block, size, pos))
                return Failed(why, FileUse::Folder);
            pos += static_cast<int64_t>(size);
        }
    }
    return true;
}

void SyncFolder(const std::string& folder)
{
    FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.IsOpen()) ::fsync(dir.Get());
}

// A temporary file beside the target; removed again unless renamed over it.
class TempFile
{
  public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile()
    {
        if (path_.empty()) return;
        file_.Close();
        ::unlink(path_.c_str());
    }

    // Creates the file with `mode` (less the umask) and locks it before any
    // other save's clean-up can take it. Where the file system makes unnamed
    // files it stays unnamed until RenameOver, so that a save cut short
    // leaves nothing behind; elsewhere it is named, locked, and made again
    // under another name when a clean-up took it first. A file that another
    // writer opens by its path is `named` at once.
    bool Create(const std::string& folder, const std::string& prefix, mode_t mode, bool named)
    {
        if (!TestSeams().unnamedRefused && CreateUnnamed(folder, mode)) {
            folder_ = folder;
            prefix_ = prefix;
            return !named || NameUnnamed();
        }
        return CreateNamed(folder, prefix, mode);
    }
    int Get() const { return file_.Get(); }
    const std::string& Path() const { return path_; }

  private:
    static std::string RandomName(const std::string& folder, const std::string& prefix)
    {
        static constexpr char Letters[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        static thread_local std::mt19937_64 random{std::random_device{}()};
        std::uniform_int_distribution<size_t> letter(0, sizeof Letters - 2);
        std::string path = folder + "/" + prefix;
        for (size_t i = 0; i < TempSuffixLength; ++i)
            path += Letters[letter(random)];
        return path;
    }

    static void Made(const std::string& folder)
    {
        if (TestSeams().tempFileMade) TestSeams().tempFileMade(folder);
    }

    bool CreateUnnamed(const std::string& folder, mode_t mode)
    {
        file_.Reset(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
        if (!file_.IsOpen()) return false;
        Made(folder);
        if (::flock(file_.Get(), LOCK_EX | LOCK_NB) == 0) return true;
        file_.Close();
        return false;
    }

    // Gives the unnamed file a name beside the target, its lock held on: the
    // rename needs one.
    bool NameUnnamed()
    {
        // Linking by the descriptor's name needs no privilege.
        const std::string self = "/proc/self/fd/" + std::to_string(file_.Get());
        for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
            std::string path = RandomName(folder_, prefix_);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                path_ = std::move(path);
                return true;
            }
            if (errno != EEXIST) return false;
        }
        errno = EAGAIN;
        return false;
    }

    bool CreateNamed(const std::string& folder, const std::string& prefix, mode_t mode)
    {
        for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
            std::string path = RandomName(folder, prefix);
            const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd < 0) {
                if (errno == EEXIST) continue;
                return false;
            }
            file_.Reset(fd);
            Made(folder);
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                if (StillNamed(fd, path)) {
                    path_ = std::move(path);
                    return true;
                }
            } else if (errno != EWOULDBLOCK) {
                ::unlink(path.c_str()); // a file system without locks
                file_.Close();
                return false;
            }
            // Another save's clean-up holds the file, or took it already; it
            // removes the name itself.
            file_.Close();
        }
        errno = EAGAIN;
        return false;
    }

    // The name still leads to the open file (no clean-up removed it).
    static bool StillNamed(int fd, const std::string& path)
    {
        struct stat open
        {
        }, named{};
        return ::fstat(fd, &open) == 0 && open.st_nlink > 0 && ::lstat(path.c_str(), &named) == 0 &&
               named.st_dev == open.st_dev && named.st_ino == open.st_ino;
    }

  public:
    // Flushes the file and renames it over `target`; an unnamed file is named
    // only now.
    bool RenameOver(const std::string& target)
    {
        if (::fsync(file_.Get()) != 0) return false;
        if (TestSeams().tempFileWritten) TestSeams().tempFileWritten();
        if (path_.empty() && !NameUnnamed()) return false;
        if (std::rename(path_.c_str(), target.c_str()) != 0) return false;
        path_.clear();
        file_.Close(); // the data are on disk: a late close error changes nothing
        return true;
    }

  private:
    FileHandle file_;
    std::string path_;            // empty while the file is unnamed
    std::string folder_, prefix_; // where and how an unnamed file is named
};

// True when the kernel's fs.protected_symlinks rule would not follow the
// link `path` (`link` its lstat): it lies in a sticky, world-writable folder
// and belongs neither to the user nor to the folder's owner. A folder that
// cannot be looked at counts as such a folder.
bool IsPlantedLink(const std::string& path, const struct stat& link)
{
    if (link.st_uid == ::geteuid()) return false;
    struct stat folder
    {
    };
    if (::stat(SplitPath(path).folder.c_str(), &folder) != 0) return true;
    constexpr mode_t Shared = S_ISVTX | S_IWOTH;
    return (folder.st_mode & Shared) == Shared && folder.st_uid != link.st_uid;
}

} // namespace

SafeReplaceSeams& TestSeams()
{
    static SafeReplaceSeams seams;
    return seams;
}

bool FollowLinks(const std::string& path, std::string& target, std::string& why, FileUse use)
{
    target = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat info
        {
        };
        if (::lstat(target.c_str(), &info) != 0) {
            if (errno == ENOENT) return true; // a file to be made
            return Failed(why, use);
        }
        if (!S_ISLNK(info.st_mode)) return true;
        if (IsPlantedLink(target, info)) {
            why = PlantedLinkReason();
            return false;
        }
        std::error_code ec;
        const std::string link = std::filesystem::read_symlink(target, ec).string();
        if (ec || link.empty()) {
            why = SystemErrorReason(ec ? ec.value() : ENOENT, FileUse::Read);
            return false;
        }
        target = link.front() == '/' ? link : SplitPath(target).folder + "/" + link;
    }
    why = SystemErrorReason(ELOOP, use);
    return false;
}

bool OpenFileToReplace(const std::string& target, FileToReplace& old, std::string& why)
{
    const int fd = ::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) return true; // a new file
        return Failed(why, FileUse::Read);
    }
    old.file.Reset(fd);
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0) return Failed(why, FileUse::Read);
    if (!S_ISREG(info.st_mode)) {
        why = NotAFileReason(info.st_mode);
        return false;
    }
    // The effective user, as the kernel will check the replacement.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return Failed(why, FileUse::Write);
    old.length = static_cast<int64_t>(info.st_size);
    old.mode = info.st_mode & 07777;
    return true;
}

struct FileReplacement::Temp : TempFile
{
};

FileReplacement::FileReplacement() = default;
FileReplacement::~FileReplacement() = default;

bool FileReplacement::Begin(const std::string& path, std::string& why)
{
    return FollowLinks(path, target_, why) && OpenFileToReplace(target_, old_, why);
}

bool FileReplacement::MakeTemp(std::string& why, TempName name)
{
    if (temp_) return true;
    const PathParts parts = SplitPath(target_);
    if (parts.name.empty()) {
        why = SystemErrorReason(EISDIR, FileUse::Write);
        return false;
    }
    const std::string prefix = TempPrefix(parts.name);
    RemoveLeftovers(parts.folder, prefix);
    temp_ = std::make_unique<Temp>();
    if (!temp_->Create(parts.folder, prefix, old_.file.IsOpen() ? 0600 : 0666,
                       name == TempName::Now)) {
        temp_.reset();
        return Failed(why, FileUse::Folder);
    }
    return true;
}

std::string FileReplacement::TempPath() const
{
    return temp_ ? temp_->Path() : std::string();
}

bool FileReplacement::WritePatched(int64_t offset, const std::string& bytes, std::string& why)
{
    if (offset < 0) {
        why = SystemErrorReason(EISDIR, FileUse::Write);
        return false;
    }
    if (!MakeTemp(why)) return false;
    const int to = temp_->Get();
    const int64_t end = offset + static_cast<int64_t>(bytes.size());
    if (::ftruncate(to, std::max(old_.length, end)) != 0) return Failed(why, FileUse::Folder);
    if (old_.file.IsOpen()) {
        const int from = old_.file.Get();
        const int64_t blockSize = std::clamp<int64_t>(old_.length, 1, CopyBlock);
        const std::unique_ptr<char[]> block(new char[static_cast<size_t>(blockSize)]);
        if (!CopyRange(from, to, 0, std::min(offset, old_.length), block.get(), blockSize, why) ||
            !CopyRange(from, to, end, old_.length, block.get(), blockSize, why))
            return false;
    }
    if (!WriteAt(to, bytes.data(), bytes.size(), offset)) return Failed(why, FileUse::Folder);
    return true;
}

bool FileReplacement::Commit(std::string& why)
{
    if (!temp_) {
        why = SystemErrorReason(EISDIR, FileUse::Write);
        return false;
    }
    if ((old_.file.IsOpen() && ::fchmod(temp_->Get(), old_.mode) != 0) ||
        !temp_->RenameOver(target_))
        return Failed(why, FileUse::Folder);
    temp_.reset();
    SyncFolder(SplitPath(target_).folder);
    return true;
}

} // namespace vemora
