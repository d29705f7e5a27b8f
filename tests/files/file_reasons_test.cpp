// The reason that follows a refused open or save, for each cause a user
// meets: a missing, unreadable, short or damaged file, a folder that is
// closed to the user, read-only or missing, a full disk, and a link planted
// in a shared folder.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <filesystem>

#include "project/ProjectFile.h"
#include "project/RecordCodec.h"
#include "project/test_files.h"
#include "support/FileAccess.h"

namespace vemora {
namespace {

using std::filesystem::perms;
using test::NewProjectRecord;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// The reason a read of `path` is refused with (and its status).
std::string OpenRefusal(const std::string& path, FileStatus expected = FileStatus::CannotOpen)
{
    ProjectRecord out;
    int64_t number = 0;
    std::string why;
    EXPECT_EQ(ReadProjectFile(path, out, number, &why), expected) << path;
    return why;
}

// The reason a save of a new project to `path` is refused with.
std::string SaveRefusal(const std::string& path, const ProjectRecord& rec = NewProjectRecord(1),
                        FileStatus expected = FileStatus::CannotWrite)
{
    int64_t number = 0;
    std::string why;
    EXPECT_EQ(WriteProjectFile(path, rec, number, &why), expected) << path;
    return why;
}

// A temporary folder that the other user may enter and read.
void OpenToOthers(const TempFolder& folder)
{
    std::filesystem::permissions(folder.Path(), perms::owner_all | perms::group_read |
                                                    perms::group_exec | perms::others_read |
                                                    perms::others_exec);
}

TEST(FileReasons, OpenSaysWhatIsWrongWithTheFile)
{
    TempFolder folder;
    EXPECT_EQ(OpenRefusal(folder.File("missing.kpj")), "The file does not exist.");
    EXPECT_EQ(OpenRefusal(folder.Path().string()), "The name is a folder, not a file.");
    ASSERT_EQ(::mkfifo(folder.File("pipe.kpj").c_str(), 0600), 0);
    EXPECT_EQ(OpenRefusal(folder.File("pipe.kpj")), "The name is not an ordinary file.");

    const std::string good = EncodeRecord(NewProjectRecord(0));
    WriteBytes(folder.File("short.kpj"), "abc");
    EXPECT_EQ(OpenRefusal(folder.File("short.kpj")),
              "The file is too short for a project: 3 bytes where 16,650 are needed.");
    WriteBytes(folder.File("half.kpj"), good + good.substr(0, 8325)); // read at record 2
    EXPECT_EQ(OpenRefusal(folder.File("half.kpj")),
              "The file is too short for a project: 24,975 bytes where 33,300 are needed.");

    // A text file long enough for a record: its first field is out of range.
    std::string text;
    while (text.size() < good.size())
        text += "Pipeline from the dam to the town, 12 km.\r\n";
    WriteBytes(folder.File("notes.kpj"), text);
    EXPECT_EQ(OpenRefusal(folder.File("notes.kpj"), FileStatus::Damaged)
                  .rfind("The file is damaged: SystemType is ", 0),
              0u);

    ProjectRecord rec = NewProjectRecord(0);
    rec.DesignLife = 500;
    WriteBytes(folder.File("life.kpj"), EncodeRecord(rec));
    EXPECT_EQ(OpenRefusal(folder.File("life.kpj"), FileStatus::Damaged),
              "The file is damaged: DesignLife is 500, outside 2 to 100.");
    rec = NewProjectRecord(0);
    rec.PipeDiameter[3] = std::nanf("");
    WriteBytes(folder.File("nan.kpj"), EncodeRecord(rec));
    EXPECT_EQ(OpenRefusal(folder.File("nan.kpj"), FileStatus::Damaged),
              "The file is damaged: PipeDiameter(3) is not a finite number.");
}

TEST(FileReasons, OpenSaysWhenTheUserMayNotReadTheFile)
{
    TempFolder folder;
    OpenToOthers(folder);
    const std::string path = folder.File("private.kpj");
    WriteBytes(path, EncodeRecord(NewProjectRecord(0)));
    std::filesystem::permissions(path, perms::owner_write);
    test::AsOtherUser other;
    EXPECT_EQ(OpenRefusal(path), "You may not read this file.");
    EXPECT_EQ(SaveRefusal(path), "You may not read this file.");
}

TEST(FileReasons, SaveSaysWhyItCannotWrite)
{
    TempFolder folder;
    EXPECT_EQ(SaveRefusal(folder.File("no/such/folder.kpj")), "The folder does not exist.");
    std::filesystem::create_directory(folder.File("dir.kpj"));
    EXPECT_EQ(SaveRefusal(folder.File("dir.kpj")), "The name is a folder, not a file.");

    ProjectRecord bad = NewProjectRecord(0);
    bad.DesignLife = 500;
    EXPECT_EQ(SaveRefusal(folder.File("new.kpj"), bad, FileStatus::Damaged),
              "The project holds a value the file cannot keep: DesignLife is 500, outside 2 to "
              "100.");

    // A file-size limit of the process.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lower = old;
    lower.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lower), 0);
    const std::string limited = SaveRefusal(folder.File("big.kpj"));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(limited, "The file would be larger than the system allows.");
}

TEST(FileReasons, SaveSaysWhenTheFileOrItsFolderIsReadOnly)
{
    TempFolder folder;
    OpenToOthers(folder);
    const std::string mine = folder.File("mine.kpj");     // the other user may write it
    const std::string theirs = folder.File("theirs.kpj"); // only its owner may
    const std::string bytes = EncodeRecord(NewProjectRecord(0));
    WriteBytes(mine, bytes);
    WriteBytes(theirs, bytes);
    std::filesystem::permissions(mine, perms::all);
    std::filesystem::permissions(theirs, perms::owner_read | perms::owner_write |
                                             perms::group_read | perms::others_read);
    std::filesystem::permissions(folder.Path(), perms::owner_read | perms::owner_exec |
                                                    perms::group_read | perms::group_exec |
                                                    perms::others_read | perms::others_exec);
    {
        test::AsOtherUser other;
        if (test::CannotActAsOtherUser().empty()) { // else the folder refuses first
            EXPECT_EQ(SaveRefusal(theirs), "You may not write this file.");
        }
        EXPECT_EQ(SaveRefusal(folder.File("new.kpj")), "You may not write in this folder.");
        EXPECT_EQ(SaveRefusal(mine), "You may not write in this folder.");
    }
    EXPECT_EQ(ReadBytes(mine), bytes);
    EXPECT_EQ(ReadBytes(theirs), bytes);
    EXPECT_FALSE(std::filesystem::exists(folder.File("new.kpj")));
}

// A disk that is full, then read-only: the second refuses the folder to every
// user alike, a new file and a file there that anyone may write.
TEST(FileReasons, SaveSaysWhenTheDiskIsFullOrReadOnly)
{
    TempFolder folder;
    test::SmallDisk disk(folder.Path().string(), 20480);
    if (!disk.Mounted()) GTEST_SKIP() << "this user may not mount a small disk";
    const std::string path = folder.File("p.kpj");
    const std::string bytes = EncodeRecord(NewProjectRecord(0));
    WriteBytes(path, bytes); // 16,650 of the 20,480 bytes
    ASSERT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(SaveRefusal(path), "The disk is full.");
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(test::EntryCount(folder.Path()), 1u);

    std::filesystem::permissions(path, perms::all);
    ASSERT_TRUE(disk.MakeReadOnly());
    EXPECT_EQ(SaveRefusal(path), "The folder is read-only.");
    EXPECT_EQ(SaveRefusal(folder.File("new.kpj")), "The folder is read-only.");
    EXPECT_EQ(ReadBytes(path), bytes);
}

// A sticky, world-writable folder like /tmp, made by the test's user.
class SharedFolder
{
  public:
    SharedFolder() { std::filesystem::permissions(folder_.Path(), perms::all | perms::sticky_bit); }
    std::string File(const std::string& name) const { return folder_.File(name); }
    const std::filesystem::path& Path() const { return folder_.Path(); }

  private:
    TempFolder folder_;
};

// A link at `link` to `target`, owned by `owner`; false where the test's
// user may not give a file away.
bool LinkOwnedBy(const std::string& target, const std::string& link, uid_t owner)
{
    std::filesystem::create_symlink(target, link);
    return ::lchown(link.c_str(), owner, static_cast<gid_t>(-1)) == 0;
}

TEST(PlantedLinks, ALinkOfAnotherUserInASharedFolderIsNotFollowed)
{
    if (const std::string why = test::CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
    TempFolder home;
    const std::string target = home.File("report.kpj");
    const std::string bytes = test::PatternBytes(33300, 7);
    WriteBytes(target, bytes);

    SharedFolder shared;
    const std::string planted = shared.File("project.kpj");
    ASSERT_TRUE(LinkOwnedBy(target, planted, test::OtherUser));
    EXPECT_EQ(SaveRefusal(planted),
              "The name is a link that another user made in a shared folder; it is not followed.");
    EXPECT_EQ(ReadBytes(target), bytes);
    EXPECT_TRUE(std::filesystem::is_symlink(planted));
    // Open refuses it as Save does, even when the file it names is a project.
    int64_t number = 0;
    ASSERT_EQ(WriteProjectFile(target, NewProjectRecord(1), number), FileStatus::Ok);
    EXPECT_EQ(OpenRefusal(planted),
              "The name is a link that another user made in a shared folder; it is not followed.");
    WriteBytes(target, bytes);

    // Reached through a link of the user's own elsewhere: refused all the same.
    const std::string own = home.File("own.kpj");
    std::filesystem::create_symlink(planted, own);
    EXPECT_EQ(SaveRefusal(own),
              "The name is a link that another user made in a shared folder; it is not followed.");
    EXPECT_EQ(OpenRefusal(own),
              "The name is a link that another user made in a shared folder; it is not followed.");
    EXPECT_EQ(ReadBytes(target), bytes);
}

TEST(PlantedLinks, EveryOtherLinkIsFollowed)
{
    if (const std::string why = test::CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
    TempFolder home;
    const std::string target = home.File("report.kpj");
    int64_t number = 0;
    const auto savesThrough = [&](const std::string& link) {
        WriteBytes(target, test::PatternBytes(33300, 7));
        std::string why;
        const bool saved =
            WriteProjectFile(link, NewProjectRecord(1), number, &why) == FileStatus::Ok;
        return saved && ReadBytes(target).substr(16650) == EncodeRecord(NewProjectRecord(1));
    };

    SharedFolder shared; // the user's own link there
    ASSERT_TRUE(LinkOwnedBy(target, shared.File("mine.kpj"), ::geteuid()));
    EXPECT_TRUE(savesThrough(shared.File("mine.kpj")));

    SharedFolder theirs; // a link of the folder's owner
    ASSERT_EQ(::chown(theirs.Path().c_str(), test::OtherUser, static_cast<gid_t>(-1)), 0);
    ASSERT_TRUE(LinkOwnedBy(target, theirs.File("owner.kpj"), test::OtherUser));
    EXPECT_TRUE(savesThrough(theirs.File("owner.kpj")));

    const std::pair<perms, const char*> folders[] = {
        {perms::all, "world-writable, not sticky"},
        {perms::owner_all | perms::others_read | perms::others_exec | perms::sticky_bit,
         "sticky, not world-writable"},
    };
    for (const auto& [mode, name] : folders) {
        SCOPED_TRACE(name);
        TempFolder folder;
        std::filesystem::permissions(folder.Path(), mode);
        ASSERT_TRUE(LinkOwnedBy(target, folder.File("other.kpj"), test::OtherUser));
        EXPECT_TRUE(savesThrough(folder.File("other.kpj")));
    }
}

} // namespace
} // namespace vemora
