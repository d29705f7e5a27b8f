// The path walk that every open, save, print and delete goes through: it
// reaches the file the kernel reaches, and refuses a link another user
// planted in a shared folder wherever it lies in the path.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "files/FileReasons.h"
#include "files/PathWalk.h"
#include "files/SafeReplace.h"
#include "project/ProjectFile.h"
#include "project/RecordCodec.h"
#include "project/test_files.h"
#include "support/PlantedLink.h"

namespace vemora {
namespace {

namespace fs = std::filesystem;
using test::NewProjectRecord;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// The inode the walk's folder and name lead to; 0 when the walk fails.
ino_t WalkedInode(const std::string& path, std::string& why)
{
    WalkedPath where;
    if (!WalkPath(path, where, why, FileUse::Read)) return 0;
    struct stat info
    {
    };
    if (::fstatat(where.folder.Get(), where.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return 0;
    // The path without links names the same file.
    struct stat again
    {
    };
    if (::lstat(where.Path().c_str(), &again) != 0 || again.st_ino != info.st_ino) return 0;
    return info.st_ino;
}

ino_t KernelInode(const std::string& path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// Each path reaches the file the kernel reaches, from the absolute path and
// from a relative one alike.
TEST(PathWalk, ReachesTheFileTheKernelReaches)
{
    TempFolder root;
    const std::string r = root.Path().string();
    fs::create_directories(r + "/a/b/c");
    WriteBytes(r + "/a/b/file", "b");
    WriteBytes(r + "/a/file", "a");
    fs::create_directory_symlink("a/b", r + "/rel");        // relative, to a folder two deep
    fs::create_directory_symlink(r + "/a/b/c", r + "/abs"); // absolute
    fs::create_symlink("../file", r + "/a/b/c/up");         // relative with ".."
    fs::create_symlink("chain2", r + "/chain1");            // a chain of three
    fs::create_symlink("rel/c/up", r + "/chain2");
    fs::create_directory_symlink("..", r + "/a/b/c/parent");
    const char* paths[] = {
        "a/b/file",
        "a//b///file",
        "./a/./b/./file",
        "rel/file",
        "rel/../file",
        "abs/../file",
        "abs/up",
        "abs/../../file",
        "chain1",
        "abs/parent/file",
        "rel/c/../../b/file",
        "abs/parent/../file",
        "a/b/c/parent/c/../../file",
    };
    const std::string cwd = fs::current_path().string();
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        std::string why;
        const ino_t kernel = KernelInode(r + "/" + path);
        ASSERT_NE(kernel, 0u);
        EXPECT_EQ(WalkedInode(r + "/" + path, why), kernel) << why;
        ASSERT_EQ(::chdir((r + "/a").c_str()), 0);
        EXPECT_EQ(WalkedInode(std::string("../") + path, why), kernel) << why;
        ASSERT_EQ(::chdir(cwd.c_str()), 0);
    }
}

// Forty links in a row are followed, as the kernel follows them; one more is
// the system's loop of links.
TEST(PathWalk, StopsAfterFortyLinks)
{
    TempFolder root;
    const std::string r = root.Path().string();
    WriteBytes(r + "/file", "x");
    fs::create_symlink("file", r + "/l0");
    for (int i = 1; i <= 40; ++i)
        fs::create_symlink("l" + std::to_string(i - 1), r + "/l" + std::to_string(i));
    std::string why;
    EXPECT_EQ(WalkedInode(r + "/l39", why), KernelInode(r + "/file")) << why;
    EXPECT_EQ(KernelInode(r + "/l40"), 0u);
    EXPECT_EQ(errno, ELOOP);
    EXPECT_EQ(WalkedInode(r + "/l40", why), 0u);
    EXPECT_EQ(why, SystemErrorReason(ELOOP, FileUse::Read));
    fs::create_symlink("loop", r + "/loop");
    EXPECT_EQ(WalkedInode(r + "/loop/file", why), 0u);
    EXPECT_EQ(why, SystemErrorReason(ELOOP, FileUse::Read));
}

// A link another user planted, at the name or at a folder of the path, is
// refused by open, save, a replacement (the PDF's) and delete alike, and the
// file it leads to keeps every byte.
TEST(PathWalk, APlantedLinkAnywhereInThePathIsRefused)
{
    if (const std::string why = test::CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
    TempFolder root;
    test::PlantedPaths paths;
    ASSERT_TRUE(test::PlantBoth(root.Path().string(), "victim.kpj", paths));
    int64_t number = 0;
    ASSERT_EQ(WriteProjectFile(paths.victim, NewProjectRecord(1), number), FileStatus::Ok);
    const std::string bytes = ReadBytes(paths.victim);

    for (const auto& [path, reason] : {std::pair{paths.throughFolder, test::FolderLinkReason()},
                                       std::pair{paths.atName, test::NameLinkReason()}}) {
        SCOPED_TRACE(path);
        std::string why;
        ProjectRecord rec;
        EXPECT_EQ(ReadProjectFile(path, rec, number, &why), FileStatus::CannotOpen);
        EXPECT_EQ(why, reason);
        EXPECT_EQ(WriteProjectFile(path, NewProjectRecord(0), number, &why),
                  FileStatus::CannotWrite);
        EXPECT_EQ(why, reason);
        FileReplacement pdf;
        EXPECT_FALSE(pdf.Begin(path, why));
        EXPECT_EQ(why, reason);
        EXPECT_FALSE(DeleteFile(path, why));
        EXPECT_EQ(why, reason);
        EXPECT_EQ(ReadBytes(paths.victim), bytes);
    }
    EXPECT_EQ(test::EntryCount(root.Path()), 2u); // the file and the shared folder
}

// The user's own links in a shared folder, and the folder owner's, are
// followed at a folder of the path as at the name.
TEST(PathWalk, OwnAndFolderOwnersLinksInASharedFolderAreFollowed)
{
    if (const std::string why = test::CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
    TempFolder root;
    const std::string r = root.Path().string();
    test::MakeShared(r + "/mine");
    fs::create_directory_symlink("..", r + "/mine/d");
    test::MakeShared(r + "/theirs");
    ASSERT_EQ(::chown((r + "/theirs").c_str(), test::OtherUser, test::OtherUser), 0);
    ASSERT_TRUE(test::PlantLink(r + "/theirs", "d", ".."));
    for (const char* path : {"/mine/d/p.kpj", "/theirs/d/p.kpj"}) {
        SCOPED_TRACE(path);
        int64_t number = 0;
        std::string why;
        ASSERT_EQ(WriteProjectFile(r + path, NewProjectRecord(0), number, &why), FileStatus::Ok)
            << why;
        EXPECT_EQ(ReadBytes(r + "/p.kpj"), EncodeRecord(NewProjectRecord(0)));
        EXPECT_TRUE(DeleteFile(r + path, why)) << why;
        EXPECT_FALSE(fs::exists(r + "/p.kpj"));
    }
}

// The one rule for a link to follow and a file to replace: another user's
// entry is refused only in a folder both sticky and world-writable, and only
// when neither the user nor the folder's owner owns it; root is no exception.
TEST(SharedFolderRule, RefusesOnlyAnotherUsersEntryInAStickyWorldWritableFolder)
{
    constexpr uid_t user = 1000, owner = 2000, other = 3000;
    struct Case
    {
        mode_t folderMode;
        uid_t folderOwner, entryOwner, user;
        bool refused;
    };
    const Case cases[] = {
        {S_IFDIR | 01777, owner, other, user, true}, // like /tmp
        {01733, owner, other, user, true},           // others may not list it
        {01777, user, other, user, true},            // the user's own shared folder
        {01777, owner, other, 0, true},              // root
        {01777, owner, user, user, false},           // the user's own
        {01777, owner, owner, user, false},          // the folder owner's
        {0777, owner, other, user, false},           // not sticky
        {01775, owner, other, user, false},          // not world-writable
        {01770, owner, other, user, false},          // writable by its group only
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsAnotherUsersInSharedFolder(c.folderMode, c.folderOwner, c.entryOwner, c.user),
                  c.refused)
            << std::oct << c.folderMode << std::dec << " " << c.folderOwner << " " << c.entryOwner
            << " " << c.user;
}

} // namespace
} // namespace vemora
