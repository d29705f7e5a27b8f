#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <optional>
#include <sys/resource.h>

#include "project/ProjectFile.h"
#include "project/ProjectStore.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"
#include "support/FileAccess.h"
#include "test_files.h"

namespace vemora {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

using test::NewProjectRecord;

TEST(ProjectFile, RecordNumberRoundsHalfToEvenAndNeverGivesZero)
{
    const std::pair<int64_t, int32_t> cases[] = {
        {0, 1},     {100, 1},   {8325, 1},  {16650, 1}, {24974, 1},
        {24975, 2}, {33300, 2}, {41625, 2}, {41626, 3}, {58275, 4},
    };
    for (auto [length, record] : cases)
        EXPECT_EQ(RecordNumberForLength(length), record) << length;
}

TEST(ProjectFile, RecordNumbersBeyondThirtyTwoBitsAreRefusedNotWrapped)
{
    constexpr int64_t Size = ProjectRecord::Size;
    constexpr int64_t Max = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(RecordNumberForLength(Size * Max), Max);
    EXPECT_EQ(RecordNumberForLength(Size * Max + Size / 2 - 1), Max);
    EXPECT_EQ(RecordNumberForLength(Size * Max + Size / 2), std::nullopt); // to even: 2^31
    EXPECT_EQ(RecordNumberForLength(Size * (Max + 1)), std::nullopt);
    EXPECT_EQ(RecordNumberForLength(Size * ((int64_t{1} << 32) + 1)), std::nullopt);
    EXPECT_EQ(RecordNumberForLength(std::numeric_limits<int64_t>::max()), std::nullopt);
}

// Sparse files of tens of terabytes: only a memory-backed file system takes
// them (ext4 stops at 16 TiB), so these checks run where /dev/shm does.
TEST(ProjectFile, HugeSparseFilesAreReadAndWrittenAtTheirRecordOrRefused)
{
    TempFolder folder("/dev/shm");
    if (!folder.Made()) GTEST_SKIP() << "no /dev/shm";
    constexpr int64_t Size = ProjectRecord::Size;
    const std::string first = EncodeRecord(NewProjectRecord(0));

    // Record 2^32 + 1 must not wrap to record 1 and load that one silently.
    const std::string wraps = folder.File("wraps.kpj");
    if (!test::MakeSparseFile(wraps, Size * ((int64_t{1} << 32) + 1)))
        GTEST_SKIP() << "the file system refuses a sparse file of 71 TB";
    test::WriteBytesAt(wraps, 0, first);
    ProjectRecord out = NewProjectRecord(1);
    int64_t number = 5;
    EXPECT_EQ(ReadProjectFile(wraps, out, number), FileStatus::CannotOpen);
    EXPECT_EQ(WriteProjectFile(wraps, NewProjectRecord(1), number), FileStatus::CannotWrite);
    EXPECT_EQ(number, 5);
    EXPECT_EQ(test::ReadBytesAt(wraps, 0, first.size()), first);
    EXPECT_EQ(std::filesystem::file_size(wraps), static_cast<uintmax_t>(Size) * ((1ull << 32) + 1));
    std::filesystem::remove(wraps);

    // The last record number that fits: read and saved at 35.7 TB.
    const int64_t last = std::numeric_limits<int32_t>::max();
    const std::string largest = folder.File("largest.kpj");
    ASSERT_TRUE(test::MakeSparseFile(largest, Size * last));
    test::WriteBytesAt(largest, 0, first);
    test::WriteBytesAt(largest, (last - 1) * Size, EncodeRecord(NewProjectRecord(1)));
    ASSERT_EQ(ReadProjectFile(largest, out, number), FileStatus::Ok);
    EXPECT_EQ(number, last);
    EXPECT_EQ(out.SystemType, 1);
    const ProjectRecord saved = NewProjectRecord(0);
    ASSERT_EQ(WriteProjectFile(largest, saved, number), FileStatus::Ok);
    EXPECT_EQ(test::ReadBytesAt(largest, (last - 1) * Size, Size), EncodeRecord(saved));
    EXPECT_EQ(test::ReadBytesAt(largest, 0, first.size()), first);
    EXPECT_EQ(test::EntryCount(folder.Path()), 1u);
}

TEST(ProjectFile, NewFileHoldsOneRecordThatReadsBackUnchanged)
{
    TempFolder folder;
    const std::string path = folder.File("new.kpj");
    ProjectRecord rec = NewProjectRecord(1);
    rec.ProjectName = std::string("Pipeline \xC9") + std::string(70, ' '); // "É" in the code page
    rec.ReservedValue = 3.5f;
    int64_t number = 0;
    ASSERT_EQ(WriteProjectFile(path, rec, number), FileStatus::Ok);
    EXPECT_EQ(number, 1);
    const std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 16650u);
    EXPECT_EQ(bytes[0], 1);

    ProjectRecord back;
    ASSERT_EQ(ReadProjectFile(path, back, number), FileStatus::Ok);
    EXPECT_EQ(number, 1);
    EXPECT_TRUE(back == rec);
    // Only the file is left in the folder: no temporary file lingers.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ProjectFile, SavingIntoATwoRecordFileChangesOnlyTheSecondRecord)
{
    TempFolder folder;
    const std::string path = folder.File("two.kpj");
    const std::string before = test::PatternBytes(33300, 7);
    WriteBytes(path, before);

    const ProjectRecord rec = NewProjectRecord(0);
    int64_t number = 0;
    ASSERT_EQ(WriteProjectFile(path, rec, number), FileStatus::Ok);
    EXPECT_EQ(number, 2);
    const std::string after = ReadBytes(path);
    ASSERT_EQ(after.size(), 33300u);
    EXPECT_EQ(after.substr(0, 16650), before.substr(0, 16650));
    EXPECT_EQ(after.substr(16650), EncodeRecord(rec));

    ProjectRecord back;
    ASSERT_EQ(ReadProjectFile(path, back, number), FileStatus::Ok);
    EXPECT_EQ(number, 2);
    EXPECT_TRUE(back == rec);
}

TEST(ProjectFile, ShortFilesGrowOnWriteAndKeepTheirOtherBytes)
{
    TempFolder folder;
    const ProjectRecord rec = NewProjectRecord(0);
    int64_t number = 0;

    const std::string small = folder.File("small.kpj");
    WriteBytes(small, test::PatternBytes(100, 1));
    ASSERT_EQ(WriteProjectFile(small, rec, number), FileStatus::Ok);
    EXPECT_EQ(number, 1);
    EXPECT_EQ(ReadBytes(small), EncodeRecord(rec));

    // One and a half records: written at record 2, the file grows to 33,300.
    const std::string half = folder.File("half.kpj");
    const std::string before = test::PatternBytes(24975, 2);
    WriteBytes(half, before);
    ASSERT_EQ(WriteProjectFile(half, rec, number), FileStatus::Ok);
    EXPECT_EQ(number, 2);
    const std::string after = ReadBytes(half);
    ASSERT_EQ(after.size(), 33300u);
    EXPECT_EQ(after.substr(0, 16650), before.substr(0, 16650));
    EXPECT_EQ(after.substr(16650), EncodeRecord(rec));
}

TEST(ProjectFile, ReadingRefusesMissingAndShortFilesAndCreatesNothing)
{
    TempFolder folder;
    const ProjectRecord sentinel = NewProjectRecord(1);
    ProjectRecord out = sentinel;
    int64_t number = 42;

    const std::string missing = folder.File("missing.kpj");
    EXPECT_EQ(ReadProjectFile(missing, out, number), FileStatus::CannotOpen);
    EXPECT_FALSE(std::filesystem::exists(missing));

    EXPECT_EQ(ReadProjectFile(folder.Path().string(), out, number), FileStatus::CannotOpen);

    const std::string good = EncodeRecord(NewProjectRecord(0));
    const std::pair<std::string, std::string> shortFiles[] = {
        {"empty.kpj", ""},
        {"hundred.kpj", good.substr(0, 100)},
        {"almost.kpj", good.substr(0, 16649)},
        {"half.kpj", good + good.substr(0, 8325)}, // record 2 lies past the end
    };
    for (const auto& [name, bytes] : shortFiles) {
        WriteBytes(folder.File(name), bytes);
        EXPECT_EQ(ReadProjectFile(folder.File(name), out, number), FileStatus::CannotOpen) << name;
        EXPECT_EQ(ReadBytes(folder.File(name)), bytes) << name;
    }
    EXPECT_TRUE(out == sentinel);
    EXPECT_EQ(number, 42);

    // Just under one and a half records is still read at record 1.
    WriteBytes(folder.File("long.kpj"), good + std::string(8324, 'x'));
    EXPECT_EQ(ReadProjectFile(folder.File("long.kpj"), out, number), FileStatus::Ok);
    EXPECT_EQ(number, 1);
}

TEST(ProjectFile, DamagedRecordsAreRefusedAndNothingChanges)
{
    using Damage = void (*)(ProjectRecord&);
    const std::pair<const char*, Damage> damages[] = {
        {"system type", [](ProjectRecord& r) { r.SystemType = 2; }},
        {"flow unit", [](ProjectRecord& r) { r.FixedDemandUnit = 13; }},
        {"length unit", [](ProjectRecord& r) { r.ChainageUnit = -1; }},
        {"demand mode", [](ProjectRecord& r) { r.DemandMode = 2; }},
        {"lining", [](ProjectRecord& r) { r.LiningSystem = -1; }},
        {"design life", [](ProjectRecord& r) { r.DesignLife = 1; }},
        {"base year", [](ProjectRecord& r) { r.BaseYear = 1949; }},
        {"supply year", [](ProjectRecord& r) { r.SupplyStartYear = 2501; }},
        {"maintenance", [](ProjectRecord& r) { r.MaintenancePipeline = 2001; }},
        {"pump option", [](ProjectRecord& r) { r.PumpCurveGiven = 2; }},
        {"summer months", [](ProjectRecord& r) { r.SummerMonths = 13; }},
        {"pumping hours", [](ProjectRecord& r) { r.PumpingHours = 0; }},
        {"curve flow unit", [](ProjectRecord& r) { r.CurveFlowUnit = 4; }},
        {"operating flow unit", [](ProjectRecord& r) { r.OperatingFlowRateUnit = 10; }},
    };
    TempFolder folder;
    const ProjectRecord sentinel = NewProjectRecord(0);
    for (const auto& [name, damage] : damages) {
        SCOPED_TRACE(name);
        const std::string path = folder.File("bad.kpj");
        ProjectRecord bad = NewProjectRecord(1);
        damage(bad);
        const std::string bytes = EncodeRecord(bad);
        WriteBytes(path, bytes);

        ProjectRecord out = sentinel;
        int64_t number = 9;
        EXPECT_EQ(ReadProjectFile(path, out, number), FileStatus::Damaged);
        EXPECT_TRUE(out == sentinel);
        EXPECT_EQ(number, 9);
        EXPECT_EQ(ReadBytes(path), bytes);
    }
}

// Runs `body` with files limited to `limit` bytes, so that writing more fails.
template <typename Body> void WithFileSizeLimit(rlim_t limit, Body body)
{
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lower = old;
    lower.rlim_cur = limit;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lower), 0);
    body();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
}

TEST(ProjectFile, AFailedWriteLeavesTheOldFileAsItWas)
{
    TempFolder folder;
    const std::string path = folder.File("keep.kpj");
    const std::string before = test::PatternBytes(33300, 3);
    WriteBytes(path, before);
    int64_t number = 5;

    WithFileSizeLimit(20000, [&] {
        EXPECT_EQ(WriteProjectFile(path, NewProjectRecord(1), number), FileStatus::CannotWrite);
    });
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(number, 5);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ProjectFile, WritingIntoAMissingFolderOrOntoAFolderFails)
{
    TempFolder folder;
    int64_t number = 0;
    EXPECT_EQ(WriteProjectFile(folder.File("no/such/folder.kpj"), NewProjectRecord(0), number),
              FileStatus::CannotWrite);
    std::filesystem::create_directory(folder.File("dir.kpj"));
    EXPECT_EQ(WriteProjectFile(folder.File("dir.kpj"), NewProjectRecord(0), number),
              FileStatus::CannotWrite);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("dir.kpj")));
}

TEST(ProjectFile, AReadOnlyFileIsNotReplaced)
{
    TempFolder folder;
    const std::string path = folder.File("locked.kpj");
    const std::string before = EncodeRecord(NewProjectRecord(0));
    WriteBytes(path, before);
    using std::filesystem::perms;
    std::filesystem::permissions(path, perms::owner_read | perms::group_read | perms::others_read);
    std::filesystem::permissions(folder.Path(), perms::all); // only the file is read-only
    int64_t number = 0;
    test::AsOtherUser other; // root may write any file
    EXPECT_EQ(WriteProjectFile(path, NewProjectRecord(1), number), FileStatus::CannotWrite);
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(ProjectFile, WritingThroughALinkReplacesTheFileItNames)
{
    TempFolder folder;
    const std::string target = folder.File("target.kpj");
    const std::string link = folder.File("link.kpj");
    WriteBytes(target, EncodeRecord(NewProjectRecord(0)));
    std::filesystem::create_symlink(target, link);
    int64_t number = 0;
    ASSERT_EQ(WriteProjectFile(link, NewProjectRecord(1), number), FileStatus::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(target)[0], 1);
}

} // namespace
} // namespace vemora
