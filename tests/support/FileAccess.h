// Files the test's user may not use, and a disk that fills up, for tests of
// the refusals of opening and saving. Tests run as root, who may read and
// write any file: while AsOtherUser lives, this thread checks file access as
// an unprivileged user instead (its file-system user id), as the program
// would run. A full disk is a small memory file system mounted in a mount
// namespace of this thread's own.
#pragma once

#include <sched.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace vemora::test {

// The user "nobody", who owns none of the test's files.
constexpr uid_t OtherUser = 65534;

// Why the test's user cannot act as another user (give a file or a link to
// one, plant a link or check access as one); empty when it can: only root may.
inline std::string CannotActAsOtherUser()
{
    return ::geteuid() == 0 ? std::string() : "only root may act as another user";
}

// Without root no change is needed: the permission bits refuse the test's
// own user as well (its files are its own, and chmod took its rights). The
// thread keeps root's groups, so a test gives the group what it gives
// others.
class AsOtherUser
{
  public:
    AsOtherUser()
    {
        if (CannotActAsOtherUser().empty()) ::setfsuid(OtherUser);
    }
    ~AsOtherUser()
    {
        if (CannotActAsOtherUser().empty()) ::setfsuid(0);
    }
    AsOtherUser(const AsOtherUser&) = delete;
    AsOtherUser& operator=(const AsOtherUser&) = delete;
};

// A memory file system of `bytes` on the existing folder `folder`, seen by
// this thread only; Mounted() false where the system does not allow it
// (a user without the right to mount).
class SmallDisk
{
  public:
    SmallDisk(const std::string& folder, size_t bytes) : folder_(folder)
    {
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
        mounted_ = ::unshare(CLONE_NEWNS) == 0 &&
                   ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   ::mount("vemora-test", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool Mounted() const { return mounted_; }
    // Mounts it again read-only, as a disk that refuses every write.
    bool MakeReadOnly()
    {
        return mounted_ &&
               ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    std::string folder_;
    bool mounted_ = false;
};

} // namespace vemora::test
