// The main road of the program on a real display, as a user walks it: the
// start-up, File > Open, the analysis, every page of the results, the duty
// points and the IRR window, with every picture button painted disabled on
// the way (painting a disabled picture button must not take the program
// down).
#include <QComboBox>
#include <QLabel>

#include "display/DisplayFixture.h"
#include "results/frmIRRView.h"
#include "results/frmResults.h"

namespace vemora::test {
namespace {

class WalkTest : public DisplayTest
{
};

TEST_F(WalkTest, StartUpOpenAnalyseAndEveryResultsPage)
{
    StartUp();
    EXPECT_TRUE(Shown(ctx.windows.input.Get()->widget()));
    EXPECT_GT(RepaintPictureButtonsDisabled(), 0); // the main window's toolbar

    OpenThroughMenu(SavePumpingProject(QStringLiteral("Walk")));
    EXPECT_EQ(ctx.store.ProjectName.substr(0, 4), "Walk");
    AnalyseAndContinue();

    auto* results = static_cast<frmResults*>(ctx.windows.results.Get());
    ASSERT_TRUE(results);
    for (int i = 0; i < results->sstResults->count(); ++i) {
        ClickTab(results->sstResults, i);
        EXPECT_EQ(results->sstResults->currentIndex(), i);
        RepaintPictureButtonsDisabled();
    }

    ShowPageOf(results->sstResults, results->sscDutypoint);
    Click(results->sscDutypoint);
    EXPECT_TRUE(WaitShown(results->sscPrintDutyYear));
    RepaintPictureButtonsDisabled();
    Click(results->sscHideDuty);

    ShowPageOf(results->sstResults, results->sscIRR);
    Click(results->sscIRR);
    IrrViewWindow* irr = ctx.windows.irrView.Get();
    ASSERT_TRUE(irr);
    EXPECT_TRUE(WaitShown(irr->widget()));
    EXPECT_GT(RepaintPictureButtonsDisabled(), 0);
}

} // namespace
} // namespace vemora::test
