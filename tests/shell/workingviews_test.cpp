// Hiding the working windows when a dialog opens and showing one again, by
// the view code, when it closes.
#include <QAction>
#include <QMenu>
#include <QTimer>

#include "ShellFixture.h"
#include "input/frmLCC.h"
#include "shell/WorkingViews.h"

namespace vemora::test {
namespace {

class WorkingViewsTest : public ShellTest
{
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        MDIProject& m = makeMain();
        // A stand-in results window in the client area.
        results = new QWidget(m.mdiArea);
        results->hide();
        m.resultsWindow = results;
        currency = m.inputWindow->tmrCurrency;
        currency->stop();
    }

    void showOnly(bool input, bool resultsShowing)
    {
        main_->inputWindow->setVisible(input);
        results->setVisible(resultsShowing);
    }
    bool inputShown() const { return !main_->inputWindow->isHidden(); }
    bool resultsShown() const { return !results->isHidden(); }

    QWidget* results = nullptr;
    QTimer* currency = nullptr;
};

TEST_F(WorkingViewsTest, HideRecordsWhichWindowWasShowing)
{
    showOnly(true, false);
    ws.ViewCode = 0;
    HideMainViews(*main_);
    EXPECT_EQ(ws.ViewCode, 1);
    EXPECT_FALSE(inputShown());

    showOnly(false, true);
    HideMainViews(*main_);
    EXPECT_EQ(ws.ViewCode, 2);
    EXPECT_FALSE(resultsShown());

    showOnly(true, true); // both: the results window wins
    ws.ViewCode = 1;
    HideMainViews(*main_);
    EXPECT_EQ(ws.ViewCode, 2);
    EXPECT_FALSE(inputShown());
    EXPECT_FALSE(resultsShown());

    showOnly(false, false); // neither: the code stays
    HideMainViews(*main_);
    EXPECT_EQ(ws.ViewCode, 2);
}

TEST_F(WorkingViewsTest, RestoreByEveryCode)
{
    struct Case
    {
        int16_t code;
        bool inputAfter;
        bool resultsAfter;
    };
    // Starting with both windows showing and then with neither, so that each
    // code shows what it must and hides what it must.
    const Case cases[] = {{1, true, false}, {3, true, true}, {4, true, false}, {5, false, false}};
    for (const Case& c : cases) {
        showOnly(true, true);
        ws.ViewCode = c.code;
        RestoreCurrentView(*main_);
        EXPECT_EQ(inputShown(), c.inputAfter) << "code " << c.code;
        EXPECT_EQ(resultsShown(), c.resultsAfter) << "code " << c.code;
    }
    showOnly(false, false);
    ws.ViewCode = 1;
    RestoreCurrentView(*main_);
    EXPECT_TRUE(inputShown());
    showOnly(false, false);
    ws.ViewCode = 3;
    RestoreCurrentView(*main_);
    EXPECT_TRUE(resultsShown());
    EXPECT_FALSE(inputShown());
    EXPECT_FALSE(currency->isActive());
}

TEST_F(WorkingViewsTest, CodeTwoShowsTheInputAndRefreshesItsCurrencyLabels)
{
    showOnly(false, true);
    HideMainViews(*main_);
    ASSERT_EQ(ws.ViewCode, 2);
    RestoreCurrentView(*main_);
    EXPECT_TRUE(inputShown());
    EXPECT_FALSE(resultsShown()); // stays hidden, its results still valid
    EXPECT_TRUE(currency->isActive());
}

TEST_F(WorkingViewsTest, OtherCodesDoNothing)
{
    for (int16_t code : {int16_t{0}, int16_t{6}, int16_t{-1}, int16_t{32767}}) {
        showOnly(true, false);
        ws.ViewCode = code;
        RestoreCurrentView(*main_);
        EXPECT_TRUE(inputShown()) << code;
        EXPECT_FALSE(resultsShown()) << code;
        EXPECT_EQ(ws.ViewCode, code);
    }
}

TEST_F(WorkingViewsTest, WorksWithoutAResultsWindow)
{
    main_->resultsWindow = nullptr;
    showOnly(true, false);
    HideMainViews(*main_);
    EXPECT_EQ(ws.ViewCode, 1);
    for (int16_t code = 1; code <= 5; ++code) {
        ws.ViewCode = code;
        RestoreCurrentView(*main_);
    }
    EXPECT_FALSE(inputShown()); // code 5 last
}

TEST_F(WorkingViewsTest, DialogAfterTheCommandPreludeBringsBackTheLastRecordedWindow)
{
    // A command hides the results window itself; the dialog then finds
    // nothing showing and keeps code 1 from the start-up.
    ASSERT_EQ(ws.ViewCode, 1);
    showOnly(false, true);
    results->hide();
    HideMainViews(*main_);
    EXPECT_EQ(ws.ViewCode, 1);
    RestoreCurrentView(*main_);
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
    m.inputWindow->hide();
    ws.ViewCode = 4;
    ws.store.ProjectOpen = 0;
    ShowStartupWorkspace(m);
    EXPECT_TRUE(m.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(m.mnuMethod->isVisible());
    EXPECT_TRUE(m.mnuAnalyse->isVisible());
    EXPECT_TRUE(m.mnuPreferences->isVisible());
    EXPECT_TRUE(m.mnuStep->isVisible());
    EXPECT_FALSE(m.mnuExit1->isVisible());
    EXPECT_FALSE(m.sspProject->isHidden());
    EXPECT_EQ(ws.ViewCode, 1);
    EXPECT_EQ(ws.store.ProjectOpen, 1);
    EXPECT_TRUE(inputShown());
}

} // namespace
} // namespace vemora::test
