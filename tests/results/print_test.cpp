// The print buttons: the printer dialog through the print service, silence
// on a cancel, and a plain word while their pages are not there yet.
#include "ResultsWindowFixture.h"

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
    EXPECT_EQ(ctx.PageNumber, 0);
}

TEST_F(PrintButtonsTest, APrintButtonSaysPlainlyThatItsPageIsNotThereYet)
{
    ctx.PageNumber = 9;
    scripted.printAnswers = {true};
    scripted.printCopies = {3};
    w->sscPrintDutyYear->click();
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text, "The printed page of the duty point pages is not "
                                         "available yet: nothing was printed.");
    EXPECT_EQ(scripted.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(ctx.PageNumber, 0);
}

} // namespace
} // namespace vemora::test
