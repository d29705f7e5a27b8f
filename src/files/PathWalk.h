// A path walked one part at a time from a folder descriptor, as the kernel
// walks it, so that no link is followed that the program has not looked at:
// ".", "..", repeated slashes and links (absolute and relative, in chains)
// lead to the file the kernel would reach, and a ".." after a followed link
// goes to the parent of the link's target. A link that another user planted
// in a shared folder is refused wherever it lies in the path.
#pragma once

#include <sys/types.h>

#include <string>

#include "files/FileIo.h"
#include "files/FileReasons.h"

namespace vemora {

// Whether an entry of a folder (a link the walk would follow, a file a save
// would replace) is another user's in a shared folder, as the kernel's
// fs.protected_symlinks and fs.protected_regular=1 rules see it: the folder
// (`folderMode`, `folderOwner`) is sticky and world-writable, and the entry's
// owner is neither `user` nor the folder's owner. Another user may have put
// such an entry there to lead the user's save onto a file of theirs, or to
// read what the user writes into it.
bool IsAnotherUsersInSharedFolder(mode_t folderMode, uid_t folderOwner, uid_t entryOwner,
                                  uid_t user);
// The same for the open folder `folder` and the effective user; a folder that
// cannot be looked at counts as a shared folder.
bool IsAnotherUsersInSharedFolder(int folder, uid_t entryOwner);

// The path of the file `name` in the folder at `folderPath` ("/" included).
std::string JoinPath(const std::string& folderPath, const std::string& name);

// Where a path leads: the folder that holds the file, open as a descriptor,
// and the file's name in it. Every later use opens, makes, renames or
// removes the name relative to that descriptor, so that no later lookup of
// the path can be led elsewhere.
struct WalkedPath
{
    FileHandle folder;      // opened with O_PATH
    std::string folderPath; // the same folder by a path with no link in it
    std::string name;       // "." or ".." when the path names a folder itself
    // folderPath and name together.
    std::string Path() const;
};

// Walks `path` to the folder of its file. The file itself need not exist
// (a file to be made); every folder before it must. False for a link that
// is another user's in a shared folder (IsAnotherUsersInSharedFolder), which
// may have been planted there to lead a save onto a file of the user's; for
// more than 40 links; and for a folder that cannot be looked at. Every
// failure sets `why`, the system's refusals worded for `use`. Without
// `followName` a link at the file's name is the file itself (still refused
// when planted).
bool WalkPath(const std::string& path, WalkedPath& out, std::string& why, FileUse use,
              bool followName = true);

// Removes the file `path` names; a link at its name (one of the user's own)
// is removed itself, as unlink does. A missing file is named as the file,
// any other refusal is the folder's.
bool DeleteFile(const std::string& path, std::string& why);

} // namespace vemora
