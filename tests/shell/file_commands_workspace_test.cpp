// The File commands hide the working windows first; a command that ends
// without a new project on screen (a cancelled or failed Open, a failed or
// cancelled Save or Save As, a refused Delete) brings back the window that
// was showing, with the title that named the project.
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "ShellFixture.h"
#include "StandInResults.h"
#include "app/PendingEdits.h"
#include "app/WorkingViews.h"
#include "platform/PictureButton.h"

namespace vemora::test {
namespace {

class FileCommandsWorkspaceTest : public ShellTest
{
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m = &makeMain();
        InstallStandInResults(ctx, *m);
    }

    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // A valid gravity project saved as p.kpj and opened from it, so the
    // welcome animation is over and the title names the project.
    void SaveAndOpen()
    {
        input()->txtProject->setText(QStringLiteral("Canal"));
        input()->txtDesigner->setText(QStringLiteral("D"));
        input()->txtGFlowrate->setText(QStringLiteral("10"));
        input()->txtDescription->setPlainText(QStringLiteral("Gravity main"));
        ui.files.push_back(file("p.kpj"));
        m->mnuSaveAs->trigger();
        ui.files.push_back(file("p.kpj"));
        m->mnuOpen->trigger();
        ASSERT_EQ(m->windowTitle(), "  Vemora (Canal)");
        ASSERT_TRUE(inputShown());
    }

    // Results of the input on screen, their window showing, as View >
    // Results leaves it.
    void ShowResults()
    {
        ctx.store.ResultsValid = true;
        ctx.analysedInput = BuildSaveImage(ctx);
        m->mnuResults->trigger();
        ASSERT_TRUE(resultsShown());
        ASSERT_FALSE(inputShown());
    }

    bool inputShown() const { return !input()->isHidden(); }
    // An edit unloads the results window: it is looked up each time.
    bool resultsShown() const { return IsWorkingWindowShowing(ctx, ctx.windows.results.Get()); }

    MDIProject* m = nullptr;
    QTemporaryDir dir;
};

TEST_F(FileCommandsWorkspaceTest, OpenCancelledOrFailedKeepsTheProjectOnScreen)
{
    SaveAndOpen();
    m->mnuOpen->trigger(); // cancelled
    EXPECT_TRUE(inputShown());
    EXPECT_EQ(m->windowTitle(), "  Vemora (Canal)");
    EXPECT_TRUE(m->lblProgessBar->isHidden());

    ui.files.push_back(file("missing.kpj"));
    m->sscOpen->click();
    EXPECT_EQ(ui.lastMessage(), " Can't open project !\nThe file does not exist.");
    EXPECT_TRUE(inputShown());
    EXPECT_EQ(m->windowTitle(), "  Vemora (Canal)");

    ShowResults();
    m->mnuOpen->trigger(); // cancelled
    EXPECT_TRUE(resultsShown());
    EXPECT_FALSE(inputShown());
    EXPECT_TRUE(ctx.store.ResultsValid);
}

TEST_F(FileCommandsWorkspaceTest, FailedOrCancelledSavesBringTheWindowBack)
{
    SaveAndOpen();
    m->mnuSaveAs->trigger(); // cancelled
    EXPECT_TRUE(inputShown());
    EXPECT_TRUE(m->lblProgessBar->isHidden());

    ui.files.push_back(file("missing/q.kpj"));
    m->mnuSaveAs->trigger();
    EXPECT_EQ(ui.lastMessage(), "Can't Save the project !\nThe folder does not exist.");
    EXPECT_TRUE(inputShown());
    EXPECT_EQ(m->windowTitle(), "  Vemora (Canal)");

    // The project's folder is gone: the plain save fails with the results showing.
    ShowResults();
    ASSERT_TRUE(QDir(dir.path()).removeRecursively());
    m->mnuSave->trigger();
    EXPECT_EQ(ui.lastMessage(), "Can't Save the project !\nThe folder does not exist.");
    EXPECT_TRUE(resultsShown());
    EXPECT_FALSE(inputShown());
    // A save that discards the results (an empty description becomes a
    // blank) brings the input window back in their place.
    input()->txtDescription->clear();
    ShowResults();
    m->mnuSave->trigger();
    EXPECT_EQ(ui.lastMessage(), "Can't Save the project !\nThe folder does not exist.");
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_TRUE(inputShown());

    // A save stopped at a check shows the input window with the box to fill.
    input()->txtDesigner->clear();
    m->mnuSave->trigger();
    EXPECT_EQ(ui.lastMessage(), "Enter the designer !");
    EXPECT_TRUE(inputShown());
    EXPECT_FALSE(resultsShown());
}

TEST_F(FileCommandsWorkspaceTest, RefusedDeleteBringsTheWindowBackAndADeletedProjectStaysAway)
{
    m->mnuDelete->trigger(); // the start-up project has no file
    EXPECT_EQ(ui.lastMessage(), "The project has not been saved and thus cannot be deleted");
    EXPECT_TRUE(inputShown());

    SaveAndOpen();
    ASSERT_TRUE(QFile::remove(file("p.kpj")));
    ui.answers.push_back(MsgAnswer::Yes);
    m->mnuDelete->trigger();
    EXPECT_EQ(ui.lastMessage(), "Could not delete the project.\nThe file does not exist.");
    EXPECT_TRUE(inputShown());
    EXPECT_EQ(m->windowTitle(), "  Vemora (Canal)");

    input()->txtProject->setText(QStringLiteral("Canal 2")); // an edit since the save
    ShowResults();
    m->mnuDelete->trigger();
    EXPECT_EQ(ui.lastMessage(), "The project has not been saved and thus cannot be deleted");
    EXPECT_TRUE(resultsShown());

    NoteSavedInput(ctx); // as if it had been saved
    ASSERT_TRUE(QFile(file("p.kpj")).open(QIODevice::WriteOnly));
    ui.answers.push_back(MsgAnswer::Yes);
    m->mnuDelete->trigger();
    EXPECT_EQ(ui.lastMessage(), "The current project was successfully deleted");
    EXPECT_FALSE(inputShown());
    EXPECT_FALSE(resultsShown());
}

} // namespace
} // namespace vemora::test
