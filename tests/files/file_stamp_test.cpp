// The stamp that tells a file from another and from itself after a change,
// and the save's check that a temporary file's name still leads to it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "files/FileStamp.h"
#include "files/SafeReplace.h"
#include "project/test_files.h"

namespace vemora {
namespace {

using test::TempFolder;
using test::WriteBytes;

TEST(FileStamp, IsTheStatOfTheFileAPathNames)
{
    TempFolder dir;
    const std::string path = dir.File("a.kpj");
    WriteBytes(path, "twelve bytes");
    struct stat info
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    const std::optional<FileStamp> stamp = StampOfFile(path);
    ASSERT_TRUE(stamp.has_value());
    EXPECT_EQ(*stamp, StampOf(info));
    EXPECT_EQ(stamp->size, 12);
}

TEST(FileStamp, NothingForAMissingFile)
{
    TempFolder dir;
    EXPECT_FALSE(StampOfFile(dir.File("missing.kpj")).has_value());
}

TEST(FileStamp, ALinkGivesTheStampOfTheFileItLeadsTo)
{
    TempFolder dir;
    const std::string target = dir.File("target.kpj");
    const std::string link = dir.File("link.kpj");
    WriteBytes(target, "data");
    std::filesystem::create_symlink(target, link);
    const std::optional<FileStamp> viaLink = StampOfFile(link);
    ASSERT_TRUE(viaLink.has_value());
    EXPECT_EQ(*viaLink, StampOfFile(target));
}

TEST(FileStamp, AChangeOfSizeChangesTheStampButNotTheFile)
{
    TempFolder dir;
    const std::string path = dir.File("a.kpj");
    WriteBytes(path, "short");
    const FileStamp before = StampOfFile(path).value();
    WriteBytes(path, "a longer text"); // truncated and written in place
    const FileStamp after = StampOfFile(path).value();
    EXPECT_NE(before, after);
    EXPECT_EQ(after.size, 13);
    EXPECT_TRUE(before.SameFile(after));
}

TEST(FileStamp, TwoFilesAreNotTheSameFile)
{
    TempFolder dir;
    WriteBytes(dir.File("a.kpj"), "same");
    WriteBytes(dir.File("b.kpj"), "same");
    const FileStamp a = StampOfFile(dir.File("a.kpj")).value();
    const FileStamp b = StampOfFile(dir.File("b.kpj")).value();
    EXPECT_FALSE(a.SameFile(b));
    EXPECT_NE(a, b);
}

TEST(FileStamp, AReplacedFileIsAnotherFile)
{
    TempFolder dir;
    const std::string path = dir.File("a.kpj");
    WriteBytes(path, "old contents");
    const FileStamp before = StampOfFile(path).value();
    FileReplacement replacement;
    std::string why;
    ASSERT_TRUE(replacement.Begin(path, why)) << why;
    ASSERT_TRUE(replacement.WritePatched(0, "new contents", why)) << why;
    ASSERT_TRUE(replacement.Commit(why)) << why;
    const FileStamp after = StampOfFile(path).value();
    EXPECT_FALSE(before.SameFile(after)); // renamed over it: a new inode
    EXPECT_EQ(after.size, 12);
}

} // namespace
} // namespace vemora
