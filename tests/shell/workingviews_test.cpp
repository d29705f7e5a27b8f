// Hiding the working windows when a dialog opens and showing one again, by
// the view code, when it closes.
#include <QAction>
#include <QMenu>
#include <QTimer>

#include "ShellFixture.h"
#include "StandInResults.h"
#include "app/WorkingViews.h"
#include "shell/StartupWorkspace.h"

namespace vemora::test {
namespace {

class WorkingViewsTest : public ShellTest
{
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        results = InstallStandInResults(ctx, makeMain());
        currency = input()->tmrCurrency;
        currency->stop();
    }

    void showOnly(bool inputShowing, bool resultsShowing)
    {
        input()->setVisible(inputShowing);
        if (results) results->setVisible(resultsShowing);
    }
    bool inputShown() const { return !input()->isHidden(); }
    bool resultsShown() const { return !results->isHidden(); }

    StandInResults* results = nullptr;
    QTimer* currency = nullptr;
};

TEST_F(WorkingViewsTest, HideRecordsWhichWindowWasShowing)
{
    showOnly(true, false);
    ctx.viewCode = WorkingView::None;
    HideMainViews(ctx);
    EXPECT_EQ(ctx.viewCode, WorkingView::Input);
    EXPECT_FALSE(inputShown());

    showOnly(false, true);
    HideMainViews(ctx);
    EXPECT_EQ(ctx.viewCode, WorkingView::InputAfterResults);
    EXPECT_FALSE(resultsShown());

    showOnly(true, true); // both: the results window wins
    ctx.viewCode = WorkingView::Input;
    HideMainViews(ctx);
    EXPECT_EQ(ctx.viewCode, WorkingView::InputAfterResults);
    EXPECT_FALSE(inputShown());
    EXPECT_FALSE(resultsShown());

    showOnly(false, false); // neither: the code stays
    HideMainViews(ctx);
    EXPECT_EQ(ctx.viewCode, WorkingView::InputAfterResults);
}

TEST_F(WorkingViewsTest, RestoreByEveryCode)
{
    struct Case
    {
        WorkingView code;
        bool inputAfter;
        bool resultsAfter;
    };
    // Starting with both windows showing and then with neither, so that each
    // code shows what it must and hides what it must.
    const Case cases[] = {{WorkingView::Input, true, false},
                          {WorkingView::Results, true, true},
                          {WorkingView::AnalysisDialog, true, false},
                          {WorkingView::Nothing, false, false}};
    for (const Case& c : cases) {
        showOnly(true, true);
        ctx.viewCode = c.code;
        RestoreCurrentView(ctx);
        EXPECT_EQ(inputShown(), c.inputAfter) << "code " << static_cast<int>(c.code);
        EXPECT_EQ(resultsShown(), c.resultsAfter) << "code " << static_cast<int>(c.code);
    }
    showOnly(false, false);
    ctx.viewCode = WorkingView::Input;
    RestoreCurrentView(ctx);
    EXPECT_TRUE(inputShown());
    showOnly(false, false);
    ctx.viewCode = WorkingView::Results;
    RestoreCurrentView(ctx);
    EXPECT_TRUE(resultsShown());
    EXPECT_FALSE(inputShown());
    EXPECT_FALSE(currency->isActive());
}

TEST_F(WorkingViewsTest, AfterResultsTheInputShowsAndRefreshesItsCurrencyLabels)
{
    showOnly(false, true);
    HideMainViews(ctx);
    ASSERT_EQ(ctx.viewCode, WorkingView::InputAfterResults);
    RestoreCurrentView(ctx);
    EXPECT_TRUE(inputShown());
    EXPECT_FALSE(resultsShown()); // stays hidden, its results still valid
    EXPECT_TRUE(currency->isActive());
}

TEST_F(WorkingViewsTest, OtherCodesDoNothing)
{
    for (int16_t code : {int16_t{0}, int16_t{6}, int16_t{-1}, int16_t{32767}}) {
        showOnly(true, false);
        ctx.viewCode = static_cast<WorkingView>(code);
        RestoreCurrentView(ctx);
        EXPECT_TRUE(inputShown()) << code;
        EXPECT_FALSE(resultsShown()) << code;
        EXPECT_EQ(ctx.viewCode, static_cast<WorkingView>(code));
    }
}

TEST_F(WorkingViewsTest, WorksWithoutAResultsWindow)
{
    ctx.windows.results.Unload();
    results = nullptr;
    showOnly(true, false);
    HideMainViews(ctx);
    EXPECT_EQ(ctx.viewCode, WorkingView::Input);
    for (WorkingView code :
         {WorkingView::Input, WorkingView::InputAfterResults, WorkingView::Results,
          WorkingView::AnalysisDialog, WorkingView::Nothing}) {
        ctx.viewCode = code;
        RestoreCurrentView(ctx);
    }
    EXPECT_FALSE(inputShown()); // Nothing last
}

TEST_F(WorkingViewsTest, DialogAfterTheCommandPreludeBringsBackTheLastRecordedWindow)
{
    // A command hides the results window itself; the dialog then finds
    // nothing showing and keeps Input from the start-up.
    ASSERT_EQ(ctx.viewCode, WorkingView::Input);
    showOnly(false, true);
    results->hide();
    HideMainViews(ctx);
    EXPECT_EQ(ctx.viewCode, WorkingView::Input);
    RestoreCurrentView(ctx);
    EXPECT_TRUE(inputShown());
    EXPECT_FALSE(resultsShown());
}

TEST_F(WorkingViewsTest, StartupWorkspaceShowsMenusToolbarAndTheInputWindow)
{
    MDIProject& m = *main_;
    m.mnuFile->menuAction()->setVisible(false);
    m.mnuAnalyse->setVisible(false);
    m.mnuExit1->setVisible(true);
    m.sspProject->hide();
    input()->hide();
    ctx.viewCode = WorkingView::AnalysisDialog;
    ctx.store.ProjectOpen = false;
    ShowStartupWorkspace(m);
    EXPECT_TRUE(m.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(m.mnuMethod->isVisible());
    EXPECT_TRUE(m.mnuAnalyse->isVisible());
    EXPECT_TRUE(m.mnuPreferences->isVisible());
    EXPECT_TRUE(m.mnuStep->isVisible());
    EXPECT_FALSE(m.mnuExit1->isVisible());
    EXPECT_FALSE(m.sspProject->isHidden());
    EXPECT_EQ(ctx.viewCode, WorkingView::Input);
    EXPECT_TRUE(ctx.store.ProjectOpen);
    EXPECT_TRUE(inputShown());
}

} // namespace
} // namespace vemora::test
