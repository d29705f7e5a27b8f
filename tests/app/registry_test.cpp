// The window registry's slots, and the results window's unloading when an
// edit discards the results.
#include <QWidget>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "platform/ScriptedUi.h"
#include "support/CheckedUi.h"

namespace vemora {
namespace {

// A stand-in results window that counts its own end.
class CountedResults : public QWidget, public ResultsWindow
{
  public:
    CountedResults(int& ended, QWidget* parent) : QWidget(parent), ended_(ended) {}
    ~CountedResults() override { ++ended_; }
    QWidget* widget() override { return this; }
    void Refresh(AnalysisObserver&) override {}
    void ShowCostTables() override {}
    void FillDistanceCombos() override {}

  private:
    int& ended_;
};

class RegistryTest : public ::testing::Test
{
  protected:
    // Installs a counted results window into `context`, made in `area`.
    void InstallResults(AppContext& context, int& ended)
    {
        context.windows.results.Install([this, &ended]() -> ResultsWindow* {
            ++made;
            return new CountedResults(ended, &area);
        });
    }

    ScriptedUi ui;
    AppContext ctx{ui};
    QWidget area;
    int made = 0;
    int ended = 0;
};

TEST_F(RegistryTest, SlotsWithoutAFactoryAreNotLoadedAndDoNothing)
{
    EXPECT_FALSE(ctx.windows.results.Installed());
    EXPECT_EQ(ctx.windows.results.Load(), nullptr);
    EXPECT_FALSE(ctx.windows.results.Loaded());
    ctx.windows.results.Unload();
    EXPECT_EQ(ctx.windows.pumpView.Get(), nullptr);
    EXPECT_FALSE(ctx.windows.converter.Installed());
    EXPECT_EQ(ctx.windows.converter.Exec(), QDialog::Rejected);
}

TEST_F(RegistryTest, WindowIsMadeOnceAndUnloadingEndsIt)
{
    InstallResults(ctx, ended);
    EXPECT_EQ(ctx.windows.results.Get(), nullptr);
    ResultsWindow* first = ctx.windows.results.Load();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ctx.windows.results.Load(), first);
    EXPECT_EQ(ctx.windows.results.Get(), first);
    EXPECT_EQ(made, 1);

    ctx.windows.results.Unload();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(ctx.windows.results.Loaded());
    ASSERT_NE(ctx.windows.results.Load(), nullptr); // a fresh window, as after an unload
    EXPECT_EQ(made, 2);
}

TEST_F(RegistryTest, WindowDeletedWithItsParentIsForgotten)
{
    auto* parent = new QWidget;
    ctx.windows.results.Install([this, parent]() -> ResultsWindow* {
        ++made;
        return new CountedResults(ended, parent);
    });
    ASSERT_NE(ctx.windows.results.Load(), nullptr);
    delete parent; // the main window going away takes its working windows with it
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(ctx.windows.results.Get(), nullptr);
    ctx.windows.results.Unload(); // nothing left to delete twice
    EXPECT_EQ(ended, 1);
}

TEST_F(RegistryTest, DialogSlotShowsTheInstalledDialog)
{
    int shown = 0;
    ctx.windows.about.Install([&shown] {
        ++shown;
        return static_cast<int>(QDialog::Accepted);
    });
    EXPECT_EQ(ctx.windows.about.Exec(), QDialog::Accepted);
    EXPECT_EQ(ctx.windows.about.Exec(), QDialog::Accepted);
    EXPECT_EQ(shown, 2);
}

TEST_F(RegistryTest, DiscardResultsClosesTheResultsWindowOnlyWhenResultsAreValid)
{
    int closed = 0;
    InstallResults(ctx, closed);
    ctx.windows.results.Load();
    ProjectStore& store = ctx.store;
    store.ResultsValid = true;
    DiscardResults(ctx);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(store.ResultsValid);
    DiscardResults(ctx);
    EXPECT_EQ(closed, 1);
}

// Nothing is shared between contexts: an edit in one closes no window of
// another.
TEST_F(RegistryTest, TwoContextsKeepTheirOwnWindows)
{
    ScriptedUi otherUi;
    AppContext other(otherUi);
    int otherEnded = 0;
    InstallResults(ctx, ended);
    InstallResults(other, otherEnded);
    ctx.windows.results.Load();
    other.windows.results.Load();
    ctx.store.ResultsValid = true;
    other.store.ResultsValid = true;
    DiscardResults(ctx);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(otherEnded, 0);
    EXPECT_TRUE(other.windows.results.Loaded());
    EXPECT_TRUE(other.store.ResultsValid);
    other.windows.results.Unload();
}

// What window tests stand on: an answer a test queued and the program never
// used fails the test, and so does a dialog shown with no handler queued or
// with no dialog installed in its slot. Answers used up fail nothing.
TEST(CheckedServicesTest, UnusedAnswersAndUnscriptedDialogsFailTheTest)
{
    // Two answers queued, one used.
    const auto oneOfTwoAnswers = [] {
        test::CheckedUi checked;
        checked.answers = {MsgAnswer::No, MsgAnswer::Cancel};
        checked.msgBox("Save ?", MsgButtons::YesNoCancel, MsgIcon::Question, "Vemora");
    };
    EXPECT_NONFATAL_FAILURE(oneOfTwoAnswers(),
                            "the test queued answers the program never used: 1 message answer(s)");
    EXPECT_NONFATAL_FAILURE(
        {
            test::CheckedUi checked;
            checked.printAnswers = {true};
        },
        "never used: 1 print dialog answer(s)");
    EXPECT_NONFATAL_FAILURE(
        {
            test::CheckedUi checked;
            QDialog dialog;
            dialog.setObjectName("frmAbout");
            EXPECT_EQ(checked.execDialog(&dialog), QDialog::Rejected);
        },
        "the program showed frmAbout, but the test queued no handler for it");
    EXPECT_NONFATAL_FAILURE(
        {
            test::CheckedUi checked;
            test::CheckedContext context{checked};
            EXPECT_EQ(context.windows.converter.Exec(), QDialog::Rejected);
        },
        "the program showed frmConverter, but the test installed no dialog in its slot");

    test::CheckedUi used;
    used.answers = {MsgAnswer::No};
    used.dialogHandlers.push_back(test::RejectDialog);
    EXPECT_EQ(used.msgBox("Save ?", MsgButtons::YesNo, MsgIcon::Question, "Vemora"), MsgAnswer::No);
    QDialog dialog;
    EXPECT_EQ(used.execDialog(&dialog), QDialog::Rejected);
}

} // namespace
} // namespace vemora
