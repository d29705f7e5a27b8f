// The edges of a safe save: huge and sparse files under a memory limit,
// interrupted saves, the longest names, links and permissions.
#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <limits>
#include <vector>

#include "files/SafeReplace.h"
#include "project/ProjectFile.h"
#include "project/ProjectStore.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"
#include "project/test_files.h"

namespace vemora {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

constexpr int64_t RecordSize = ProjectRecord::Size;

using test::NewProjectRecord;

// Runs `body` in a child process and returns the child's wait status; the
// child exits with 0 when `body` returns true, 1 otherwise.
template <typename Body> int InChild(Body body)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body() ? 0 : 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

// The address space this process uses now, in bytes.
rlim_t AddressSpaceInUse()
{
    std::ifstream statm("/proc/self/statm");
    unsigned long long pages = 0;
    statm >> pages;
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

bool WritesRecord(const std::string& path, int16_t systemType)
{
    int64_t number = 0;
    return WriteProjectFile(path, NewProjectRecord(systemType), number) == FileStatus::Ok;
}

// Saves `path` in a child process that a file-size limit kills half way, as
// a power cut or a crash would: the child dies with its temporary file made,
// named (`named`) or as the file system makes it.
int InterruptedSave(const std::string& path, bool named = true)
{
    return InChild([&] {
        TestSeams().unnamedRefused = named;
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{10000, 10000};
        ::setrlimit(RLIMIT_FSIZE, &small);
        return WritesRecord(path, 1);
    });
}

TEST(SafeSave, SavingOverASparseFileOfSeveralGiBKeepsMemoryAndDiskSmall)
{
    TempFolder folder;
    const std::string path = folder.File("huge.kpj");
    const int64_t records = 290000; // 4.5 GiB
    const int64_t length = records * RecordSize + 1000;
    ASSERT_TRUE(test::MakeSparseFile(path, length));
    const std::string head = test::PatternBytes(100000, 1);
    const std::string middle = test::PatternBytes(70000, 2);
    const std::string tail = test::PatternBytes(40000, 3);
    const int64_t middleAt = int64_t{2} << 30;
    test::WriteBytesAt(path, 0, head);
    test::WriteBytesAt(path, middleAt, middle);
    test::WriteBytesAt(path, length - 40000, tail);

    // Reading the whole file into memory cannot happen under this limit; the
    // save, which copies the file in blocks, must succeed.
    const rlim_t limit = AddressSpaceInUse() + (rlim_t{64} << 20);
    const ProjectRecord rec = NewProjectRecord(1);
    const int status = InChild([&] {
        const rlimit memory{limit, limit};
        if (::setrlimit(RLIMIT_AS, &memory) != 0) return false;
        int64_t number = 0;
        return WriteProjectFile(path, rec, number) == FileStatus::Ok && number == records;
    });
    ASSERT_TRUE(WIFEXITED(status)) << "the save ended on signal " << WTERMSIG(status);
    ASSERT_EQ(WEXITSTATUS(status), 0);

    struct stat info
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_size, length);
    EXPECT_LT(info.st_blocks * 512, 8 << 20); // still sparse
    EXPECT_EQ(test::ReadBytesAt(path, 0, head.size()), head);
    EXPECT_EQ(test::ReadBytesAt(path, middleAt, middle.size()), middle);
    EXPECT_EQ(test::ReadBytesAt(path, middleAt - 4096, 4096), std::string(4096, '\0'));
    std::string expectedTail = tail;
    const int64_t recordAt = (records - 1) * RecordSize;
    expectedTail.replace(static_cast<size_t>(recordAt - (length - 40000)), RecordSize,
                         EncodeRecord(rec));
    EXPECT_EQ(test::ReadBytesAt(path, length - 40000, 40000), expectedTail);
    EXPECT_EQ(test::EntryCount(folder.Path()), 1u);
}

TEST(SafeSave, TheNextSaveRemovesWhatAnInterruptedSaveLeftButNothingElse)
{
    TempFolder folder;
    const std::string path = folder.File("keep.kpj");
    const std::string other = folder.File("other.kpj");
    const std::string before = EncodeRecord(NewProjectRecord(0));
    WriteBytes(path, before);
    WriteBytes(other, before);
    WriteBytes(folder.File(".notes"), "hidden, and not ours");

    const int status = InterruptedSave(path);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadBytes(path), before);
    ASSERT_EQ(test::EntryCount(folder.Path()), 4u); // the two projects, .notes, the leftover
    std::string leftover;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        if (entry.path().filename() != ".notes" && entry.path().filename().string()[0] == '.')
            leftover = entry.path().string();
    ASSERT_FALSE(leftover.empty());
    ASSERT_TRUE(WIFSIGNALED(InterruptedSave(other)));
    ASSERT_EQ(test::EntryCount(folder.Path()), 5u);

    // A temporary file that is locked belongs to a save still under way.
    {
        test::FileLock busy(leftover);
        ASSERT_TRUE(WritesRecord(path, 1));
        EXPECT_TRUE(std::filesystem::exists(leftover));
    }
    ASSERT_TRUE(WritesRecord(path, 1));
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_EQ(ReadBytes(path)[0], 1);
    // The other project's leftover and the unrelated hidden file stay.
    EXPECT_EQ(test::EntryCount(folder.Path()), 4u);
    EXPECT_EQ(ReadBytes(folder.File(".notes")), "hidden, and not ours");
    ASSERT_TRUE(WritesRecord(other, 1));
    EXPECT_EQ(test::EntryCount(folder.Path()), 3u);
}

// A save of an unnamed temporary file killed part way, while writing or with
// the file whole and not yet renamed, leaves nothing beside the project.
TEST(SafeSave, ASaveKilledPartWayLeavesNoTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder.File("keep.kpj");
    const std::string before = EncodeRecord(NewProjectRecord(0));
    WriteBytes(path, before);

    const int limited = InterruptedSave(path, false);
    ASSERT_TRUE(WIFSIGNALED(limited));
    EXPECT_EQ(WTERMSIG(limited), SIGXFSZ);
    EXPECT_EQ(test::EntryCount(folder.Path()), 1u);

    const int killed = InChild([&] {
        TestSeams().tempFileWritten = [] { ::kill(::getpid(), SIGKILL); };
        return WritesRecord(path, 1);
    });
    ASSERT_TRUE(WIFSIGNALED(killed));
    EXPECT_EQ(WTERMSIG(killed), SIGKILL);
    EXPECT_EQ(test::EntryCount(folder.Path()), 1u);
    EXPECT_EQ(ReadBytes(path), before);
}

// Two programs saving the same project over and over, with unnamed and with
// named temporary files: no save fails, the file is whole, and no temporary
// file is left.
TEST(SafeSave, TwoProgramsSavingTheSameFileAThousandTimesEach)
{
    for (const bool unnamedRefused : {false, true}) {
        SCOPED_TRACE(unnamedRefused ? "named temporary files" : "unnamed temporary files");
        TempFolder folder;
        const std::string path = folder.File("shared.kpj");
        WriteBytes(path, EncodeRecord(NewProjectRecord(0)));
        std::fflush(nullptr);
        std::vector<pid_t> savers;
        for (int16_t systemType : {0, 1}) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                TestSeams().unnamedRefused = unnamedRefused;
                int failures = 0;
                for (int i = 0; i < 1000; ++i)
                    failures += WritesRecord(path, systemType) ? 0 : 1;
                ::_exit(failures == 0 ? 0 : 1);
            }
            savers.push_back(pid);
        }
        for (pid_t pid : savers) {
            int status = -1;
            ::waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
        }
        const std::string after = ReadBytes(path);
        EXPECT_TRUE(after == EncodeRecord(NewProjectRecord(0)) ||
                    after == EncodeRecord(NewProjectRecord(1)));
        EXPECT_EQ(test::EntryCount(folder.Path()), 1u);
    }
}

// Another program saves the same project at the moment this save has made
// its temporary file and not yet locked it: that program's clean-up of
// leftovers must not take the new file, on file systems that make unnamed
// files and on those that refuse them.
TEST(SafeSave, AnotherSaveAtTheSameMomentLeavesTheNewTemporaryFileAlone)
{
    for (const bool unnamedRefused : {false, true}) {
        SCOPED_TRACE(unnamedRefused ? "named temporary files" : "unnamed temporary files");
        TempFolder folder;
        const std::string path = folder.File("shared.kpj");
        WriteBytes(path, EncodeRecord(NewProjectRecord(0)));
        int made = 0;
        int otherStatus = -1;
        TestSeams().unnamedRefused = unnamedRefused;
        TestSeams().tempFileMade = [&](const std::string&) {
            if (++made > 1) return;
            otherStatus = InChild([&] {
                TestSeams().tempFileMade = nullptr;
                return WritesRecord(path, 0);
            });
        };
        int64_t number = 0;
        std::string why;
        const FileStatus saved = WriteProjectFile(path, NewProjectRecord(1), number, &why);
        TestSeams() = SafeReplaceSeams{};

        EXPECT_EQ(otherStatus, 0); // the other program saved too
        ASSERT_EQ(saved, FileStatus::Ok) << why;
        EXPECT_EQ(ReadBytes(path), EncodeRecord(NewProjectRecord(1))); // whole, and ours
        EXPECT_EQ(test::EntryCount(folder.Path()), 1u);
        // A named file that the clean-up took is made again under another name.
        EXPECT_EQ(made, unnamedRefused ? 2 : 1);
    }
}

TEST(SafeSave, ANameOfTheLongestLengthSaves)
{
    TempFolder folder;
    const std::string longest = folder.File(std::string(251, 'n') + ".kpj"); // 255 bytes
    ASSERT_TRUE(WritesRecord(longest, 1));
    ASSERT_TRUE(WritesRecord(longest, 0)); // over the existing file too
    ProjectRecord back;
    int64_t number = 0;
    ASSERT_EQ(ReadProjectFile(longest, back, number), FileStatus::Ok);
    EXPECT_EQ(back.SystemType, 0);
    EXPECT_EQ(test::EntryCount(folder.Path()), 1u);

    // One byte more is past what the system allows for any file.
    EXPECT_FALSE(WritesRecord(folder.File(std::string(252, 'n') + ".kpj"), 1));
    EXPECT_EQ(test::EntryCount(folder.Path()), 1u);
}

TEST(SafeSave, SavingThroughLinksWritesTheFileTheyNameAndKeepsTheLinks)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.File("sub"));
    // A link to a file not made yet, and a chain of two links to it.
    std::filesystem::create_symlink("sub/target.kpj", folder.File("link.kpj"));
    std::filesystem::create_symlink(folder.File("link.kpj"), folder.File("chain.kpj"));
    ASSERT_TRUE(WritesRecord(folder.File("chain.kpj"), 1));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("chain.kpj")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.kpj")));
    EXPECT_EQ(ReadBytes(folder.File("sub/target.kpj")).size(), 16650u);
    ASSERT_TRUE(WritesRecord(folder.File("link.kpj"), 0));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.kpj")));
    EXPECT_EQ(ReadBytes(folder.File("sub/target.kpj"))[0], 0);
    EXPECT_EQ(test::EntryCount(folder.File("sub")), 1u);

    // A loop of links names no file: refused, and the links stay.
    std::filesystem::create_symlink("b.kpj", folder.File("a.kpj"));
    std::filesystem::create_symlink("a.kpj", folder.File("b.kpj"));
    EXPECT_FALSE(WritesRecord(folder.File("a.kpj"), 1));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("a.kpj")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("b.kpj")));
}

TEST(SafeSave, TheSavedFileKeepsItsPermissionsAndANewOneFollowsTheUmask)
{
    TempFolder folder;
    const std::string path = folder.File("shared.kpj");
    WriteBytes(path, EncodeRecord(NewProjectRecord(0)));
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    ASSERT_TRUE(WritesRecord(path, 1));
    struct stat info
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0604u);

    const mode_t previous = ::umask(027);
    const bool saved = WritesRecord(folder.File("new.kpj"), 1);
    const mode_t after = ::umask(previous);
    ASSERT_TRUE(saved);
    EXPECT_EQ(after, 027u);
    ASSERT_EQ(::stat(folder.File("new.kpj").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(SafeSave, ARecordThatCouldNotBeOpenedAgainIsNotWritten)
{
    TempFolder folder;
    const std::string path = folder.File("kept.kpj");
    const std::string before = EncodeRecord(NewProjectRecord(0));
    WriteBytes(path, before);
    ProjectRecord bad = NewProjectRecord(1);
    bad.DiscountRate = std::numeric_limits<float>::infinity();
    int64_t number = 3;
    EXPECT_EQ(WriteProjectFile(path, bad, number), FileStatus::Damaged);
    EXPECT_EQ(WriteProjectFile(folder.File("new.kpj"), bad, number), FileStatus::Damaged);
    bad = NewProjectRecord(1);
    bad.PumpingHours = 0;
    EXPECT_EQ(WriteProjectFile(path, bad, number), FileStatus::Damaged);
    EXPECT_EQ(number, 3);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(test::EntryCount(folder.Path()), 1u);
}

} // namespace
} // namespace vemora
