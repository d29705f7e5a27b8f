// The print buttons: the printer dialog through the print service, silence
// on a cancel, and a plain word while their pages are not there yet.
#include <QTemporaryDir>

#include "ResultsWindowFixture.h"
#include "support/PdfPages.h"
#include "support/PumpLegendKeys.h"

namespace vemora::test {
namespace {

class PrintButtonsTest : public ResultsWindowTest
{
};

TEST_F(PrintButtonsTest, ACancelledPrinterDialogEndsQuietly)
{
    ThreeNodes();
    Refresh();
    for (PictureButton* b : {w->sscPrintView, w->sscPrintSystem, w->sscPrintDutyYear})
        b->click(); // the scripted dialog is cancelled
    EXPECT_EQ(scripted.printDialogs, 3);
    EXPECT_TRUE(scripted.messages.empty());
}

TEST_F(PrintButtonsTest, DutyYearButtonPrintsTheGraphAndTablePagesOncePerCopy)
{
    PumpingStores();
    ThreeNodes();
    Refresh();
    QTemporaryDir dir;
    scripted.printAnswers = {true};
    scripted.printCopies = {2};
    scripted.printFiles = {dir.filePath("duty.pdf")};
    w->sscPrintDutyYear->click();
    EXPECT_TRUE(scripted.messages.empty());
    const auto pages = readPdfPages(dir.filePath("duty.pdf"));
    ASSERT_EQ(pages.size(), 4u); // graph page and one table page, twice
    EXPECT_TRUE(pages[0].text.contains("RESULTS: PUMP & SYSTEM CURVE"));
    EXPECT_TRUE(pages[1].text.contains("RESULTS: DUTY POINTS"));
    EXPECT_TRUE(pages[2].text.contains("Page 1"));
    ExpectPumpLegendKeysOn(dir.filePath("duty.pdf"), 0); // the system curve green
}

} // namespace
} // namespace vemora::test
