#include "files/SafeReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <string_view>

#include "files/FileReasons.h"
#include "files/FileStamp.h"
#include "files/PathWalk.h"

namespace vemora {

namespace {

constexpr int64_t CopyBlock = 64 * 1024; // bytes moved at a time
constexpr size_t TempSuffixLength = 6;   // random characters that make a name unique
constexpr int TempNameAttempts = 100;

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
void RemoveLeftovers(int folder, const std::string& prefix)
{
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!dir) {
        if (listed >= 0) ::close(listed);
        return;
    }
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

void SyncFolder(int folder)
{
    FileHandle dir(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.IsOpen()) ::fsync(dir.Get());
}

// A temporary file beside the target, in the target's folder (a descriptor
// the caller keeps open); removed again unless renamed over the target.
class TempFile
{
  public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile()
    {
        if (name_.empty()) return;
        file_.Close();
        ::unlinkat(folder_, name_.c_str(), 0);
    }

    // Creates the file with `mode` (less the umask) in `folder` (whose path
    // is `folderPath`) and locks it before any other save's clean-up can
    // take it. Where the file system makes unnamed files and the process
    // reaches its own descriptors by path (/proc/self/fd), it stays unnamed
    // until RenameOver, so that a save cut short leaves nothing behind, and
    // a writer that opens it by its path opens it there; elsewhere it is
    // named, locked, and made again under another name when a clean-up took
    // it first.
    bool Create(int folder, const std::string& folderPath, const std::string& prefix, mode_t mode)
    {
        folder_ = folder;
        folderPath_ = folderPath;
        prefix_ = prefix;
        if (!TestSeams().unnamedRefused && CreateUnnamed(mode)) return true;
        return CreateNamed(mode);
    }
    int Get() const { return file_.Get(); }
    // A path that opens the file, named or not.
    std::string Path() const { return name_.empty() ? SelfPath() : JoinPath(folderPath_, name_); }

    // Flushes the file and renames it over the file `target` of the folder.
    // An unnamed file is named only now: a new file takes the target's name
    // at once, a file that replaces another a temporary name first.
    bool RenameOver(const std::string& target, bool replacing)
    {
        if (::fsync(file_.Get()) != 0) return false;
        if (TestSeams().tempFileWritten) TestSeams().tempFileWritten();
        if (name_.empty() && !replacing) {
            if (LinkUnnamed(target)) {
                file_.Close();
                return true;
            }
            if (errno != EEXIST) return false;
        }
        if (name_.empty() && !NameUnnamed()) return false;
        if (::renameat(folder_, name_.c_str(), folder_, target.c_str()) != 0) return false;
        name_.clear();
        file_.Close(); // the data are on disk: a late close error changes nothing
        return true;
    }

  private:
    std::string RandomName() const
    {
        static constexpr char Letters[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        static thread_local std::mt19937_64 random{std::random_device{}()};
        std::uniform_int_distribution<size_t> letter(0, sizeof Letters - 2);
        std::string name = prefix_;
        for (size_t i = 0; i < TempSuffixLength; ++i)
            name += Letters[letter(random)];
        return name;
    }

    void Made() const
    {
        if (TestSeams().tempFileMade) TestSeams().tempFileMade(folderPath_);
    }

    // The unnamed file's path through the process's own descriptors.
    std::string SelfPath() const
    {
        const std::string self = "/proc/self/fd/" + std::to_string(file_.Get());
        return TestSeams().procMissing ? "/vemora-no-proc" + self : self;
    }

    bool CreateUnnamed(mode_t mode)
    {
        file_.Reset(::openat(folder_, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
        if (!file_.IsOpen()) return false;
        // Without /proc the file could never be named.
        if (::access(SelfPath().c_str(), F_OK) != 0) {
            file_.Close();
            return false;
        }
        Made();
        if (::flock(file_.Get(), LOCK_EX | LOCK_NB) == 0) return true;
        file_.Close();
        return false;
    }

    // Links the unnamed file, its lock held on, at `name` of the folder;
    // linking by the descriptor's path needs no privilege.
    bool LinkUnnamed(const std::string& name) const
    {
        return ::linkat(AT_FDCWD, SelfPath().c_str(), folder_, name.c_str(), AT_SYMLINK_FOLLOW) ==
               0;
    }

    // Gives the unnamed file a temporary name beside the target.
    bool NameUnnamed()
    {
        for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
            std::string name = RandomName();
            if (LinkUnnamed(name)) {
                name_ = std::move(name);
                return true;
            }
            if (errno != EEXIST) return false;
        }
        errno = EAGAIN;
        return false;
    }

    bool CreateNamed(mode_t mode)
    {
        for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
            std::string name = RandomName();
            const int fd =
                ::openat(folder_, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd < 0) {
                if (errno == EEXIST) continue;
                return false;
            }
            file_.Reset(fd);
            Made();
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                if (StillNamed(name)) {
                    name_ = std::move(name);
                    return true;
                }
            } else if (errno != EWOULDBLOCK) {
                ::unlinkat(folder_, name.c_str(), 0); // a file system without locks
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
    bool StillNamed(const std::string& name) const
    {
        struct stat open
        {
        }, named{};
        return ::fstat(file_.Get(), &open) == 0 && open.st_nlink > 0 &&
               ::fstatat(folder_, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
               StampOf(named).SameFile(StampOf(open));
    }

    FileHandle file_;
    int folder_ = -1;
    std::string folderPath_, prefix_;
    std::string name_; // empty while the file is unnamed
};

} // namespace

SafeReplaceSeams& TestSeams()
{
    static SafeReplaceSeams seams;
    return seams;
}

bool OpenFileToReplace(const WalkedPath& where, FileToReplace& old, std::string& why)
{
    const int folder = where.folder.Get();
    const char* name = where.name.c_str();
    const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
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
    // The replacement would keep the file's mode, so that its owner could
    // read and write what the user saves.
    if (IsAnotherUsersInSharedFolder(folder, info.st_uid)) {
        why = OtherUsersFileReason();
        return false;
    }
    // The effective user, as the kernel will check the replacement.
    if (::faccessat(folder, name, W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
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
    return WalkPath(path, where_, why, FileUse::Write) && OpenFileToReplace(where_, old_, why);
}

bool FileReplacement::MakeTemp(std::string& why)
{
    if (temp_) return true;
    if (where_.name == "." || where_.name == "..") {
        why = SystemErrorReason(EISDIR, FileUse::Write);
        return false;
    }
    const std::string prefix = TempPrefix(where_.name);
    RemoveLeftovers(where_.folder.Get(), prefix);
    temp_ = std::make_unique<Temp>();
    if (!temp_->Create(where_.folder.Get(), where_.folderPath, prefix,
                       old_.file.IsOpen() ? 0600 : 0666)) {
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
        !temp_->RenameOver(where_.name, old_.file.IsOpen()))
        return Failed(why, FileUse::Folder);
    temp_.reset();
    SyncFolder(where_.folder.Get());
    return true;
}

} // namespace vemora
