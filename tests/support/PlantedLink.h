// A link that another user plants in a shared folder, as an attacker would:
// a child process drops to the user "nobody" and makes it. The suite runs as
// root; a user who cannot change to another user cannot plant one.
#pragma once

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/FileAccess.h"

namespace vemora::test {

// Makes `folder` sticky and world-writable, like /tmp.
inline void MakeShared(const std::string& folder)
{
    std::filesystem::create_directories(folder);
    ::chmod(folder.c_str(), 01777);
}

// The link `name` in `folder` to `target` (relative to the folder where it is
// relative), made by the user "nobody"; false where it could not be made.
inline bool PlantLink(const std::string& folder, const std::string& name, const std::string& target)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) return false;
    if (pid == 0) {
        // The folder is entered before the user changes: the folders above it
        // may be closed to others.
        const bool planted = ::chdir(folder.c_str()) == 0 && ::setgroups(0, nullptr) == 0 &&
                             ::setresgid(OtherUser, OtherUser, OtherUser) == 0 &&
                             ::setresuid(OtherUser, OtherUser, OtherUser) == 0 &&
                             ::symlink(target.c_str(), name.c_str()) == 0;
        ::_exit(planted ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    struct stat info
    {
    };
    const std::string link = folder + "/" + name;
    return ::lstat(link.c_str(), &info) == 0 && S_ISLNK(info.st_mode) && info.st_uid == OtherUser;
}

// A project file and the two ways another user leads a path onto it from a
// shared folder beside it: `sticky/d/victim` through a planted link to the
// folder (".."), and `sticky/victim` through a planted link at the name.
struct PlantedPaths
{
    std::string victim, throughFolder, atName;
};

inline bool PlantBoth(const std::string& folder, const std::string& name, PlantedPaths& paths)
{
    const std::string sticky = folder + "/sticky";
    MakeShared(sticky);
    paths = {folder + "/" + name, sticky + "/d/" + name, sticky + "/" + name};
    return PlantLink(sticky, "d", "..") && PlantLink(sticky, name, "../" + name);
}

// The reasons a refusal gives for each.
inline const char* FolderLinkReason()
{
    return "The path goes through a link that another user made in a shared folder; it is not "
           "followed.";
}
inline const char* NameLinkReason()
{
    return "The name is a link that another user made in a shared folder; it is not followed.";
}

} // namespace vemora::test
