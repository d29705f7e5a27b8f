#include "files/PathWalk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <deque>
#include <vector>

namespace vemora {

namespace {

constexpr int MaxLinkHops = 40; // the system's own limit for one path

// The parts of `path` between its slashes, in order; a path that ends in a
// slash names the folder itself, as a last part ".".
void PushParts(const std::string& path, std::deque<std::string>& parts)
{
    std::deque<std::string> own;
    size_t begin = 0;
    while (begin <= path.size()) {
        const size_t slash = std::min(path.find('/', begin), path.size());
        if (slash > begin) own.push_back(path.substr(begin, slash - begin));
        begin = slash + 1;
    }
    if (!path.empty() && path.back() == '/') own.push_back(".");
    parts.insert(parts.begin(), own.begin(), own.end());
}

// The folder a walk stands in, by descriptor and by a path without links.
class WalkFolder
{
  public:
    bool Start(bool absolute)
    {
        absolute_ = absolute;
        parts_.clear();
        folder_.Reset(::open(absolute ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
        return folder_.IsOpen();
    }
    bool Enter(const std::string& name)
    {
        const int next =
            ::openat(folder_.Get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) return false;
        folder_.Reset(next);
        if (name != "..")
            parts_.push_back(name);
        else if (!parts_.empty() && parts_.back() != "..")
            parts_.pop_back();
        else if (!absolute_)
            parts_.push_back(name); // above the folder the walk began in
        return true;
    }
    int Get() const { return folder_.Get(); }
    std::string Path() const
    {
        std::string path = absolute_ ? "/" : "";
        for (const std::string& part : parts_)
            path += (path.empty() || path.back() == '/' ? "" : "/") + part;
        return path.empty() ? "." : path;
    }
    // Hands the folder to `out`, with the file's name in it; true.
    bool MoveTo(WalkedPath& out, std::string name)
    {
        out.folderPath = Path();
        out.folder.Reset(folder_.Get());
        folder_.Release();
        out.name = std::move(name);
        return true;
    }

  private:
    FileHandle folder_;
    std::vector<std::string> parts_;
    bool absolute_ = false;
};

bool Refused(std::string& why, std::string reason)
{
    why = std::move(reason);
    return false;
}

// The target of the link `name` in `folder`.
bool ReadLink(int folder, const std::string& name, std::string& target, std::string& why)
{
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t size = ::readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
    if (size <= 0 || static_cast<size_t>(size) >= buffer.size())
        return Refused(why, SystemErrorReason(size < 0 ? errno : ENOENT, FileUse::Read));
    target.assign(buffer.data(), static_cast<size_t>(size));
    return true;
}

// A folder of the path that is missing is the folder's, for a save.
std::string WalkReason(int error, FileUse use)
{
    return SystemErrorReason(error,
                             error == ENOENT && use != FileUse::Read ? FileUse::Folder : use);
}

} // namespace

bool IsAnotherUsersInSharedFolder(mode_t folderMode, uid_t folderOwner, uid_t entryOwner,
                                  uid_t user)
{
    constexpr mode_t Shared = S_ISVTX | S_IWOTH;
    return (folderMode & Shared) == Shared && entryOwner != user && entryOwner != folderOwner;
}

bool IsAnotherUsersInSharedFolder(int folder, uid_t entryOwner)
{
    const uid_t user = ::geteuid();
    if (entryOwner == user) return false;
    struct stat info
    {
    };
    if (::fstat(folder, &info) != 0) return true;
    return IsAnotherUsersInSharedFolder(info.st_mode, info.st_uid, entryOwner, user);
}

std::string JoinPath(const std::string& folderPath, const std::string& name)
{
    return folderPath == "/" ? "/" + name : folderPath + "/" + name;
}

std::string WalkedPath::Path() const
{
    return JoinPath(folderPath, name);
}

bool WalkPath(const std::string& path, WalkedPath& out, std::string& why, FileUse use,
              bool followName)
{
    if (path.empty()) return Refused(why, SystemErrorReason(ENOENT, use));
    WalkFolder folder;
    if (!folder.Start(path.front() == '/')) return Refused(why, WalkReason(errno, use));
    std::deque<std::string> parts;
    PushParts(path, parts);
    for (int hops = 0; !parts.empty();) {
        const std::string name = std::move(parts.front());
        parts.pop_front();
        const bool last = parts.empty();
        if (last && (name == "." || name == "..")) return folder.MoveTo(out, name);
        if (name == ".") continue;
        struct stat info
        {
        };
        if (::fstatat(folder.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (last && errno == ENOENT) return folder.MoveTo(out, name); // a file to be made
            return Refused(why, WalkReason(errno, use));
        }
        if (S_ISLNK(info.st_mode)) {
            if (++hops > MaxLinkHops) return Refused(why, SystemErrorReason(ELOOP, use));
            if (IsAnotherUsersInSharedFolder(folder.Get(), info.st_uid))
                return Refused(why, last ? PlantedLinkReason() : PlantedFolderLinkReason());
            if (last && !followName) return folder.MoveTo(out, name);
            std::string target;
            if (!ReadLink(folder.Get(), name, target, why)) return false;
            PushParts(target, parts);
            if (target.front() == '/' && !folder.Start(true))
                return Refused(why, WalkReason(errno, use));
            continue;
        }
        if (last) return folder.MoveTo(out, name);
        if (!folder.Enter(name)) return Refused(why, WalkReason(errno, use));
    }
    return Refused(why, SystemErrorReason(ENOENT, use)); // not reached: the last part returns
}

bool DeleteFile(const std::string& path, std::string& why)
{
    WalkedPath walked;
    if (!WalkPath(path, walked, why, FileUse::Write, false)) return false;
    if (::unlinkat(walked.folder.Get(), walked.name.c_str(), 0) == 0) return true;
    // A file already gone is named as the file; any other refusal is the folder's.
    why = SystemErrorReason(errno, errno == ENOENT ? FileUse::Write : FileUse::Folder);
    return false;
}

} // namespace vemora
