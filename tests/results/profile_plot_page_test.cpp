// The printed page of the hydraulic profile: the section, flow, head and
// year it names, the graph in its box, the legend, and a section that is not
// chosen stopping it.
#include <QComboBox>
#include <QPrinter>
#include <QTemporaryDir>

#include "ResultsWindowFixture.h"
#include "app/PageRun.h"
#include "app/PrintFailure.h"
#include "platform/PrinterPageDevice.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "support/PdfPages.h"

namespace vemora::test {
namespace {

class ProfilePlotPageTest : public ResultsWindowTest
{
  protected:
    std::vector<RecordedPage> PrintPage()
    {
        RecordingPageDevice device;
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        ctx.graphPages.profilePlot(run, printer);
        printer.EndDoc();
        return device.pages();
    }

    static QStringList Lines(const RecordedPage& page)
    {
        QStringList lines = page.textLines();
        for (QString& line : lines)
            line = line.simplified();
        return lines;
    }
};

TEST_F(ProfilePlotPageTest, GravityPageNamesSectionFlowAndYear)
{
    ThreeNodes();
    Refresh();
    w->comEnd->setCurrentIndex(2);
    ctx.view.SelectedYear = 3;
    const auto pages = PrintPage();
    ASSERT_EQ(pages.size(), 1u);
    const RecordedPage& page = pages[0];
    EXPECT_EQ(page.orientation, PageOrientation::Portrait);
    const QStringList lines = Lines(page);
    EXPECT_TRUE(lines.contains("PROFILE PLOT:"));
    EXPECT_TRUE(lines.contains("Begin distance: 0 m")) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines.contains("End distance: 1250.5 m"));
    EXPECT_TRUE(lines.contains("Flow rate: 12.500 Mega liters/day"));
    const PageText* year = page.findText("Year 2003");
    ASSERT_TRUE(year);
    EXPECT_EQ(year->tab, 8);
    EXPECT_FALSE(page.findText("Pumping head:"));
    // The graph fills its box; the five symbols and their labels follow.
    ASSERT_EQ(page.paintings.size(), 1u);
    EXPECT_EQ(page.paintings[0].rect, QRectF(16, 115, 170, 90));
    EXPECT_EQ(page.pictures.size(), 5u);
    for (const char* label :
         {"- Air valve", "- Non-return", "- Isolating", "- Reservoir", "- Pumpstation"})
        EXPECT_TRUE(page.findText(label)) << label;
    EXPECT_TRUE(page.findText("LEGEND:"));
}

TEST_F(ProfilePlotPageTest, PumpingPagePrintsTheHeadWithTheYearBeside)
{
    PumpingStores();
    ThreeNodes();
    ctx.store.StartReservoirLevel = 100;
    ctx.results.StartLevelSI = 100; // as the analysis's SI conversion leaves it
    ctx.results.PumpFlowUnitFactor = 1;
    for (int y = 1; y <= MaxYears; ++y) {
        ctx.results.Gradeline(1, y) = 185;
        ctx.results.YearFlow[y] = 0.25f;
    }
    Refresh();
    const auto pages = PrintPage();
    ASSERT_EQ(pages.size(), 1u);
    const QStringList lines = Lines(pages[0]);
    EXPECT_TRUE(lines.filter("Pumping head: 85.000").size()) << lines.join("\n").toStdString();
    const PageText* year = pages[0].findText("Year 2001");
    ASSERT_TRUE(year);
    EXPECT_EQ(year->tab, 80);
}

TEST_F(ProfilePlotPageTest, ListWithoutSelectionStopsBeforeAnyPage)
{
    ThreeNodes();
    Refresh();
    w->comBegin->setCurrentIndex(-1);
    RecordingPageDevice device;
    {
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        EXPECT_THROW(ctx.graphPages.profilePlot(run, printer), PrintFailure);
    }
    EXPECT_TRUE(device.pages().empty());
}

TEST_F(ProfilePlotPageTest, ChainageCodeOutsideTheListPrintsNoWord)
{
    ThreeNodes();
    Refresh();
    ctx.store.ChainageUnit = 9;
    const auto pages = PrintPage();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].findText("0 "));
}

TEST_F(ProfilePlotPageTest, PageReadsBackFromAPdf)
{
    ThreeNodes();
    Refresh();
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.pdf");
    {
        QPrinter qprinter(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(qprinter, path);
        PrinterPageDevice device(qprinter);
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        ctx.graphPages.profilePlot(run, printer);
        ASSERT_TRUE(printer.EndDoc());
    }
    const auto pages = readPdfPages(path);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_FALSE(pages[0].landscape);
    for (const char* text : {"PROFILE PLOT:", "Begin distance:", "1250.5 m", "- Pumpstation"})
        EXPECT_TRUE(pages[0].text.contains(text)) << text;
}

} // namespace
} // namespace vemora::test
