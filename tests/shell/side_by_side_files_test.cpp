// Project files whose names differ only in blanks at their ends, side by
// side: the file opened is the one every later save, stamp, printed label
// and delete uses, and Save As writes the file its dialog chose.
#include <QDir>

#include "ProjectFilesFixture.h"
#include "app/PageRun.h"
#include "pages/PageFrames.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "project/ProjectFile.h"

namespace vemora::test {
namespace {

const char* const SideBySide[] = {"x.kpj", "x.kpj ", "x.kpj  "};

class SideBySideTest : public ProjectFilesTest, public ::testing::WithParamInterface<const char*>
{
  protected:
    void SetUp() override
    {
        ProjectFilesTest::SetUp();
        FillGravity();
        ASSERT_TRUE(SaveAs("plain.kpj"));
        for (int i = 0; i < 3; ++i)
            Write(SideBySide[i], 41.0f + static_cast<float>(i));
    }

    // Another program moves a project whose end level is `level` to `name`.
    void Write(const char* name, float level)
    {
        ProjectRecord rec = ctx.store.ProjectRec;
        rec.EndReservoirLevel = level;
        QFile file(path("new"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(EncodeRecord(rec)));
        file.close();
        ASSERT_EQ(::rename(QFile::encodeName(file.fileName()).constData(),
                           QFile::encodeName(path(name)).constData()),
                  0);
        bytes[name] = Bytes(name);
    }

    float LevelIn(const char* name) const
    {
        ProjectRecord rec;
        int64_t number = 0;
        EXPECT_EQ(ReadProjectFile(path(name).toStdString(), rec, number), FileStatus::Ok);
        return rec.EndReservoirLevel;
    }

    // Every file but the one opened keeps each byte it had.
    void ExpectTheOthersKept() const
    {
        for (const char* name : SideBySide) {
            if (name != std::string(GetParam())) {
                EXPECT_EQ(Bytes(name), bytes.at(name)) << name;
            }
        }
    }

    QString Opened() const { return path(GetParam()); }

    std::map<std::string, QByteArray> bytes;
};

TEST_P(SideBySideTest, OpenSaveStampLabelAndDeleteTouchOnlyTheFileOpened)
{
    scripted.files.push_back(Opened());
    OpenProject(ctx);
    EXPECT_EQ(w->txtBRWL->text(), QString::number(LevelIn(GetParam())));
    EXPECT_EQ(w->lblFileName->text(), Opened());
    RecordingPageDevice device;
    ReportPrinter printer(device);
    PageRun run{HeaderTextsOf(ctx.store)};
    ReportPages pages(ctx, run, printer);
    pages.PrintPageHeader();
    EXPECT_NE(device.pages().back().findText(Opened()), nullptr);

    // Another program changes the files beside it: the save asks nothing.
    for (const char* name : SideBySide)
        if (name != std::string(GetParam())) Write(name, 99);
    w->txtBRWL->setText(QStringLiteral("7"));
    const size_t said = scripted.messages.size();
    EXPECT_EQ(SaveProject(ctx), SaveOutcome::Saved);
    EXPECT_EQ(scripted.messages.size(), said);
    EXPECT_EQ(LevelIn(GetParam()), 7.0f);
    ExpectTheOthersKept();

    // It changes the file opened: the save asks first.
    const float theirs = 98;
    Write(GetParam(), theirs);
    w->txtBRWL->setText(QStringLiteral("8"));
    scripted.answers.push_back(MsgAnswer::Cancel);
    EXPECT_EQ(SaveProject(ctx), SaveOutcome::Cancelled);
    EXPECT_TRUE(scripted.lastMessage().startsWith("The project file has been changed"));
    EXPECT_EQ(LevelIn(GetParam()), theirs);

    w->txtBRWL->setText(QStringLiteral("7")); // as saved: nothing pending
    scripted.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(DeleteProject(ctx));
    EXPECT_FALSE(QFile::exists(Opened()));
    ExpectTheOthersKept();
}

INSTANTIATE_TEST_SUITE_P(EachName, SideBySideTest, ::testing::ValuesIn(SideBySide));

// The name the Save As dialog returns, the files already there, and the
// answer to the question whether to replace the file of its name without
// blanks at its ends.
struct SaveAsCase
{
    const char* what;
    std::vector<const char*> existing;
    const char* chosen;
    std::optional<MsgAnswer> answer; // no question asked without one
    const char* written;             // nothing written without one
};

void PrintTo(const SaveAsCase& c, std::ostream* os)
{
    *os << c.what;
}

class SaveAsNameTest : public ProjectFilesTest, public ::testing::WithParamInterface<SaveAsCase>
{
};

TEST_P(SaveAsNameTest, WritesTheFileChosenOrAsksBeforeReplacingItsTrimmedName)
{
    const SaveAsCase& c = GetParam();
    std::map<std::string, QByteArray> before;
    for (const char* name : c.existing) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before[name] = QByteArray("an earlier file: ") + name);
    }
    FillGravity();
    scripted.files.push_back(path(c.chosen));
    if (c.answer) scripted.answers.push_back(*c.answer);
    EXPECT_EQ(SaveProjectAs(ctx), c.written ? SaveOutcome::Saved : SaveOutcome::Cancelled);

    if (c.answer) {
        ASSERT_EQ(scripted.messages.size(), 1u);
        const ScriptedUi::Message& asked = scripted.messages[0];
        EXPECT_EQ(asked.text, "x.kpj already exists.\nDo you want to replace it?");
        EXPECT_EQ(asked.title, "SAVE THE VEMORA PROJECT");
        EXPECT_EQ(asked.buttons, MsgButtons::YesNo);
    } else {
        EXPECT_TRUE(scripted.messages.empty());
    }
    // Only the file written changed, and no other appeared.
    for (const auto& [name, kept] : before) {
        if (!c.written || name != c.written) {
            EXPECT_EQ(Bytes(name.c_str()), kept) << name;
        }
    }
    if (c.written) {
        EXPECT_EQ(Bytes(c.written).size(), ProjectRecord::Size);
        EXPECT_EQ(ctx.store.ProjectFilePath, path(c.written).toStdString());
        before[c.written];
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(),
              static_cast<qsizetype>(before.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveAsNameTest,
    ::testing::Values(
        SaveAsCase{
            "PickedBesideItsTrimmedName", {"x.kpj", "x.kpj ", "x.kpj  "}, "x.kpj ", {}, "x.kpj "},
        SaveAsCase{
            "TypedOverTheTrimmedNameAnsweredNo", {"x.kpj"}, "x.kpj ", MsgAnswer::No, nullptr},
        SaveAsCase{
            "TypedOverTheTrimmedNameAnsweredYes", {"x.kpj"}, "x.kpj ", MsgAnswer::Yes, "x.kpj"},
        SaveAsCase{"TypedWhereNoFileIs", {}, "x.kpj  ", {}, "x.kpj"}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace vemora::test
