// The print run on a recording printer and into real PDFs: the fixed order,
// copies each numbered from page 1, one document, landscape graph pages
// after portrait reports, and each kind of failure reported as the failure
// of the step that was printing.
#include "ReportsFixture.h"
#include "app/PrintFailure.h"
#include "files/FileReasons.h"
#include "files/SafeReplace.h"
#include "pages/PageFrames.h"
#include "support/FileAccess.h"
#include "support/PdfPages.h"
#include "support/PlantedLink.h"

#include <QDir>
#include <filesystem>

namespace vemora::test {
namespace {

class PrintRunTest : public ReportsTest
{
  protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        auto project = GravityProject(100, 0, {{100, 0}, {60, 800}, {0, 2000}});
        AddCosts(*project);
        Open(*project);
        Analyse();
    }
};

TEST_F(PrintRunTest, TwoCopiesOfAOnePageReportAreEachPageOne)
{
    EXPECT_FALSE(Record({ReportBox::Cost}, 2));
    ASSERT_EQ(pages().size(), 2u);
    for (const RecordedPage& page : pages()) {
        EXPECT_NE(page.findText("Page 1"), nullptr);
        EXPECT_NE(page.findText("PIPELINE TO TOWN"), nullptr);
        EXPECT_NE(page.findText("COST ANALYSIS"), nullptr);
        EXPECT_NE(page.findText("Vemora : VERSION: 1.0.0"), nullptr);
    }
    EXPECT_EQ(device.documentsOpened(), 1);
    EXPECT_EQ(device.documentsClosed(), 1);

    // In a real PDF too.
    const auto pdf = readPdfPages(PrintPdf({ReportBox::Cost}, 2));
    ASSERT_EQ(pdf.size(), 2u);
    for (const PdfPage& page : pdf) {
        EXPECT_TRUE(page.text.contains("Page 1"));
        EXPECT_TRUE(page.text.contains("Designer :"));
        EXPECT_TRUE(page.text.contains("without warranty"));
        EXPECT_FALSE(page.landscape);
    }
}

TEST_F(PrintRunTest, CopiesBelowOnePrintOneCopy)
{
    EXPECT_FALSE(Record({ReportBox::Cost}, 0));
    EXPECT_EQ(pages().size(), 1u);
    EXPECT_FALSE(RunPrint(ctx, device, -3, Only({ReportBox::Cost})));
    EXPECT_EQ(pages().size(), 2u);
}

TEST_F(PrintRunTest, ItemsPrintInTheFixedOrderAndGraphPagesAreLandscape)
{
    printYear = 1;
    EXPECT_FALSE(Record({ReportBox::Income, ReportBox::Cost, ReportBox::Demand, ReportBox::General,
                         ReportBox::TextHydraulic}));
    ASSERT_EQ(pages().size(), 5u); // general, hydraulic, cost, two graphs
    EXPECT_NE(pages()[0].findTextStartingWith("GENERAL PROJECT DATA"), nullptr);
    EXPECT_NE(pages()[1].findText("HYDRAULIC ANALYSIS"), nullptr);
    EXPECT_NE(pages()[2].findText("COST ANALYSIS"), nullptr);
    EXPECT_NE(pages()[3].findText("System Analysis: Demand & Capacity"), nullptr);
    EXPECT_NE(pages()[4].findText("System Analysis: Income & Expenditure"), nullptr);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(pages()[static_cast<size_t>(i)].orientation,
                  i >= 3 ? PageOrientation::Landscape : PageOrientation::Portrait);
    EXPECT_NE(pages()[4].findText("Page 5"), nullptr);

    const auto pdf = readPdfPages(PrintPdf({ReportBox::Cost, ReportBox::Demand}));
    ASSERT_EQ(pdf.size(), 2u);
    EXPECT_FALSE(pdf[0].landscape);
    EXPECT_TRUE(pdf[1].landscape);
    EXPECT_TRUE(pdf[1].text.contains("LEGEND:"));
}

// A failing item ends the run with its own message; earlier pages stay.
TEST_F(PrintRunTest, AFailureAtTheEnergyStepKeepsOnlyTheEarlierPages)
{
    auto items = ReportItems();
    items[2].print = [](AppContext&, PageRun&, ReportPrinter&) {
        throw PrintFailure("bad energy data");
    };
    PrintSelection ticked = Only({ReportBox::General, ReportBox::Energy, ReportBox::Cost});
    EXPECT_EQ(RunPrint(ctx, device, 2, ticked, 0, items),
              QString("Could not print the Energy Data ! Check the input data."));
    EXPECT_EQ(pages().size(), 1u);
    EXPECT_EQ(device.documentsClosed(), 1);

    const QString pdf = QString::fromStdString(folder.File("energy.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    PrinterPageDevice::setUpPdf(printer, pdf);
    PrinterPageDevice pdfDevice(printer);
    EXPECT_TRUE(RunPrint(ctx, pdfDevice, 1, ticked, 0, items));
    const auto read = readPdfPages(pdf);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_TRUE(read[0].text.contains("GENERAL PROJECT DATA"));
}

TEST_F(PrintRunTest, PrinterFailuresAreFailuresOfTheirStep)
{
    // Nothing could be opened: printing never started.
    RecordingPageDevice closed;
    closed.failAtOpen();
    EXPECT_EQ(RunPrint(ctx, closed, 1, Only({ReportBox::Cost})),
              QString("Could not start printing. Check the printer."));

    // A page that cannot be started, during the second item.
    RecordingPageDevice full;
    full.failAtPage(2);
    EXPECT_EQ(
        RunPrint(ctx, full, 1, Only({ReportBox::General, ReportBox::Cost})),
        QString("Could not print the Summary of the Cost Analysis ! Check the obtained results."));
    EXPECT_EQ(full.pages().size(), 1u);

    // The printer in error after the end: the printer says so, the item
    // printed last is not blamed.
    RecordingPageDevice jammed;
    jammed.failAtEnd();
    EXPECT_EQ(RunPrint(ctx, jammed, 1, Only({ReportBox::General})),
              QString("The printer reported an error at the end."));
}

// A PDF file that cannot be opened names the file, and the system's reason
// below it: a missing folder, a folder closed to the user, another user's
// file in a shared folder (which keeps every byte).
TEST_F(PrintRunTest, APdfThatCannotBeOpenedNamesTheFileAndTheReason)
{
    const std::string closed = folder.File("closed"), shared = folder.File("shared");
    std::filesystem::create_directory(closed);
    using std::filesystem::perms;
    const perms enter = perms::group_read | perms::group_exec | perms::others_read |
                        perms::others_exec; // the other user keeps root's group
    std::filesystem::permissions(closed, perms::owner_read | perms::owner_exec | enter);
    std::filesystem::permissions(folder.Path(), perms::owner_all | enter);
    MakeShared(shared);
    const std::string theirs = shared + "/theirs.pdf";
    WriteBytes(theirs, "their print");
    const bool given = ::chown(theirs.c_str(), OtherUser, static_cast<gid_t>(-1)) == 0;
    struct Case
    {
        std::string pdf;
        const char* reason;
        bool asOtherUser;
    };
    const Case cases[] = {
        {"/nonexistent-folder/x.pdf", "The folder does not exist.", false},
        {closed + "/x.pdf", "You may not write in this folder.", true},
        {theirs, "The file belongs to another user in a shared folder; it is not replaced.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pdf);
        if (c.pdf == theirs && !given) continue; // only root may give a file away
        QPrinter printer(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(printer, QString::fromStdString(c.pdf));
        PrinterPageDevice unwritable(printer);
        std::optional<AsOtherUser> other;
        if (c.asOtherUser) other.emplace();
        EXPECT_EQ(RunPrint(ctx, unwritable, 1, Only({ReportBox::Cost})).value_or("").toStdString(),
                  "Could not open the file \"" + c.pdf + "\".\n" + c.reason);
    }
    EXPECT_EQ(ReadBytes(theirs), "their print");
}

// A PDF printed onto a full disk: the file and the system's reason are
// named, and an earlier file of that name is left as it was, with nothing
// else in its folder.
TEST_F(PrintRunTest, APdfThatCannotBeFinishedNamesTheFileAndLeavesTheEarlierOne)
{
    const std::string folderPath = folder.File("small");
    std::filesystem::create_directory(folderPath);
    SmallDisk disk(folderPath, 16384);
    if (!disk.Mounted()) GTEST_SKIP() << "this user may not mount a small disk";
    const QString pdf = QString::fromStdString(folderPath + "/report.pdf");
    {
        QFile earlier(pdf);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier print");
    }
    QPrinter printer(QPrinter::HighResolution);
    PrinterPageDevice::setUpPdf(printer, pdf);
    PrinterPageDevice device(printer);
    const std::optional<QString> failure =
        RunPrint(ctx, device, 3, Only({ReportBox::General, ReportBox::Rates}));
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->startsWith(QStringLiteral("Could not ")));
    EXPECT_TRUE(
        failure->endsWith(QStringLiteral(" on the file \"%1\".\nThe disk is full.").arg(pdf)))
        << failure->toStdString();
    QFile earlier(pdf);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("an earlier print"));
    EXPECT_EQ(QDir(QString::fromStdString(folderPath))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("report.pdf")});
    EXPECT_EQ(printer.outputFileName(), pdf);

    // Room again: the file is replaced whole.
    const std::string roomy = folder.File("roomy.pdf");
    QPrinter fresh(QPrinter::HighResolution);
    PrinterPageDevice::setUpPdf(fresh, QString::fromStdString(roomy));
    PrinterPageDevice again(fresh);
    EXPECT_FALSE(RunPrint(ctx, again, 1, Only({ReportBox::General})));
    EXPECT_EQ(readPdfPages(QString::fromStdString(roomy)).size(), 1u);
}

// A PDF printed through a link replaces the file the link names and keeps
// the link, as a project save does; a link another user planted in a shared
// folder is refused with the save's reason, and its file is left alone.
TEST_F(PrintRunTest, APdfIsWrittenThroughALinkButNotThroughAPlantedOne)
{
    const std::string real = folder.File("real.pdf");
    {
        QFile earlier(QString::fromStdString(real));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier print");
    }
    const std::string link = folder.File("link.pdf");
    std::filesystem::create_symlink(real, link);
    const auto print = [&](const std::string& path) {
        QPrinter printer(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(printer, QString::fromStdString(path));
        PrinterPageDevice device(printer);
        return RunPrint(ctx, device, 1, Only({ReportBox::General})).value_or("").toStdString();
    };
    EXPECT_EQ(print(link), "");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readPdfPages(QString::fromStdString(real)).size(), 1u);

    if (const std::string why = CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
    const std::string shared = folder.File("shared");
    std::filesystem::create_directory(shared);
    std::filesystem::permissions(shared,
                                 std::filesystem::perms::all | std::filesystem::perms::sticky_bit);
    const std::string planted = shared + "/report.pdf";
    std::filesystem::create_symlink(real, planted);
    ASSERT_EQ(::lchown(planted.c_str(), OtherUser, static_cast<gid_t>(-1)), 0);
    const auto before = std::filesystem::last_write_time(real);
    EXPECT_EQ(print(planted),
              "Could not open the file \"" + planted + "\".\n" + PlantedLinkReason());
    EXPECT_EQ(std::filesystem::last_write_time(real), before);
    EXPECT_TRUE(std::filesystem::is_symlink(planted));
}

// Print to File through a link another user planted at a folder of the path
// or at the name: refused with its reason, the PDF there kept whole.
TEST_F(PrintRunTest, APdfIsNotWrittenThroughALinkPlantedAnywhereInItsPath)
{
    if (const std::string why = CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
    PlantedPaths paths;
    ASSERT_TRUE(PlantBoth(folder.Path().string(), "victim.pdf", paths));
    {
        QFile earlier(QString::fromStdString(paths.victim));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier print");
    }
    for (const auto& [path, reason] : {std::pair{paths.throughFolder, FolderLinkReason()},
                                       std::pair{paths.atName, NameLinkReason()}}) {
        SCOPED_TRACE(path);
        QPrinter printer(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(printer, QString::fromStdString(path));
        PrinterPageDevice pdf(printer);
        EXPECT_EQ(RunPrint(ctx, pdf, 1, Only({ReportBox::General})).value_or("").toStdString(),
                  "Could not open the file \"" + path + "\".\n" + reason);
        EXPECT_EQ(ReadBytes(paths.victim), "an earlier print");
    }
}

// While a PDF is printed its file has no name in the folder, so that a print
// cut short leaves nothing; where the system cannot make unnamed files or has
// no /proc, it is a hidden file beside the PDF, and gone once it is renamed.
TEST_F(PrintRunTest, APdfHasNoNameUntilItIsWhole)
{
    const size_t entries = EntryCount(folder.Path());
    struct Case
    {
        const char* name;
        bool unnamedRefused, procMissing;
        size_t entriesWhileWritten;
    };
    const Case cases[] = {{"unnamed", false, false, entries},
                          {"no unnamed files", true, false, entries + 1},
                          {"no /proc", false, true, entries + 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string pdf = folder.File("report.pdf");
        size_t whileWritten = 0;
        TestSeams().unnamedRefused = c.unnamedRefused;
        TestSeams().procMissing = c.procMissing;
        TestSeams().tempFileWritten = [&] { whileWritten = EntryCount(folder.Path()); };
        QPrinter printer(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(printer, QString::fromStdString(pdf));
        PrinterPageDevice device(printer);
        const auto failure = RunPrint(ctx, device, 1, Only({ReportBox::General}));
        TestSeams() = {};
        EXPECT_FALSE(failure) << failure.value_or("").toStdString();
        EXPECT_EQ(whileWritten, c.entriesWhileWritten);
        EXPECT_EQ(readPdfPages(QString::fromStdString(pdf)).size(), 1u);
        EXPECT_EQ(EntryCount(folder.Path()), entries + 1);
        std::filesystem::remove(pdf);
    }
}

TEST_F(PrintRunTest, AGraphPageWithoutItsWindowFails)
{
    ctx.graphPages.profilePlot = nullptr;
    EXPECT_EQ(
        Record({ReportBox::Hydraulic}),
        QString("Could not print the Hydraulic Analysis graph ! Check the obtained results."));
}

// A results window with no profile view of its own, as a test or a stand-in
// installs one.
class PlainResults : public QWidget, public ResultsWindow
{
  public:
    QWidget* widget() override { return this; }
    void Refresh(AnalysisObserver&) override {}
    void ShowCostTables() override {}
    void FillDistanceCombos() override {}
};

TEST_F(PrintRunTest, AResultsWindowWithoutTheProfileViewFailsTheProfilePageAlone)
{
    ctx.windows.results.Unload();
    ctx.windows.results.Install([]() -> ResultsWindow* { return new PlainResults; });
    EXPECT_EQ(
        Record({ReportBox::Hydraulic}),
        QString("Could not print the Hydraulic Analysis graph ! Check the obtained results."));
    device = RecordingPageDevice();
    EXPECT_FALSE(Record({ReportBox::Demand, ReportBox::Income}));
    EXPECT_EQ(pages().size(), 2u);
    ctx.windows.results.Unload();
}

} // namespace
} // namespace vemora::test
