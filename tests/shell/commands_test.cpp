// Every menu item and toolbar button of the main window as a user runs it:
// what it hides, checks and says, and the window it opens (a plain stand-in
// for a window not built yet).
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "ShellFixture.h"
#include "app/PrintCopies.h"
#include "app/ProjectFiles.h"
#include "platform/PictureButton.h"
#include "shell/frmLCCType.h"
#include "support/FileAccess.h"

namespace vemora::test {
namespace {

class CommandsTest : public ShellTest
{
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m = &makeMain();
    }

    bool shown(const char* dialog) const
    {
        return std::find(ui.dialogsShown.begin(), ui.dialogsShown.end(), dialog) !=
               ui.dialogsShown.end();
    }

    // A valid gravity project saved under `name` and deleted again.
    void SaveAndDelete()
    {
        input()->txtProject->setText(QStringLiteral("P"));
        input()->txtDesigner->setText(QStringLiteral("D"));
        input()->txtGFlowrate->setText(QStringLiteral("10"));
        ui.files.push_back(dir.filePath(QStringLiteral("p.kpj")));
        m->mnuSave->trigger();
        ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("p.kpj"))));
        ui.answers.push_back(MsgAnswer::Yes);
        m->mnuDelete->trigger();
        ASSERT_FALSE(ctx.store.ProjectOpen);
    }

    // Fills the checked boxes and saves through Save As into `file`.
    void SaveNamed(const QString& file, const char* name)
    {
        input()->txtProject->setText(QString::fromLatin1(name));
        input()->txtDesigner->setText(QStringLiteral("D"));
        input()->txtGFlowrate->setText(QStringLiteral("10"));
        ui.files.push_back(file);
        m->mnuSave->trigger();
        ASSERT_TRUE(QFile::exists(file));
    }

    static QByteArray ReadAll(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    MDIProject* m = nullptr;
    QTemporaryDir dir;
};

TEST_F(CommandsTest, WithoutAnOpenProjectTheCommandsSayWhatIsMissing)
{
    SaveAndDelete();
    EXPECT_EQ(m->lblSystem->text(), "");
    const std::pair<QAction*, const char*> rows[] = {
        {m->mnuSave, "First open an existing project or start a new project"},
        {m->mnuSaveAs, "First open an existing project or start a new project"},
        {m->mnuImport,
         "First open an existing project or start a new project and then import the profile"},
        {m->mnuPrint,
         "First open an existing project or start a new project and then print the data."},
        {m->mnuAnalyse, "First open an existing project or start a new project"},
        {m->mnuGeneral, "No project has been opened."},
        {m->mnuResults, "Project has not been analysed."},
        {m->mnuDelete, "First open the project that you want to delete"},
    };
    for (const auto& [action, message] : rows) {
        const size_t dialogs = ui.dialogsShown.size();
        action->trigger();
        EXPECT_EQ(ui.lastMessage(), message) << action->text().toStdString();
        EXPECT_EQ(ui.messages.back().title, "Vemora");
        EXPECT_EQ(ui.dialogsShown.size(), dialogs);
        EXPECT_TRUE(input()->isHidden());
    }
    // New goes straight to the system-type dialog.
    const size_t said = ui.messages.size();
    ui.dialogHandlers.push_back(RejectDialog);
    m->mnuNew->trigger();
    EXPECT_EQ(ui.messages.size(), said);
    EXPECT_EQ(ui.dialogsShown.back(), "frmLCCType");
    // The bookkeeping of a dialog does not bring the deleted project back.
    ui.dialogHandlers.push_back(
        [](QDialog* d) { d->findChild<PictureButton*>(QStringLiteral("sscOK"))->click(); });
    m->mnuAbout->trigger();
    EXPECT_EQ(ui.dialogsShown.back(), "frmAbout");
    EXPECT_TRUE(input()->isHidden());
}

TEST_F(CommandsTest, DialogCommandsOpenTheirWindows)
{
    const std::pair<QAction*, const char*> rows[] = {
        {m->mnuImport, "frmImport"},     {m->mnuPrint, "frmPrint"},
        {m->mnuAnalyse, "frmAnalyse"},   {m->mnuPreferences, "frmPref"},
        {m->mnuConvert, "frmConverter"}, {m->mnuDisclaimer, "frmDisclaimer"},
        {m->mnuAbout, "frmAbout"},
    };
    for (const auto& [action, dialog] : rows) {
        ui.dialogHandlers.push_back(RejectDialog);
        action->trigger();
        ASSERT_FALSE(ui.dialogsShown.empty());
        EXPECT_EQ(ui.dialogsShown.back(), dialog);
    }
    EXPECT_TRUE(ui.messages.empty());
    ui.answers.push_back(MsgAnswer::Cancel); // no guide file in the test folder
    ui.dialogHandlers.push_back(RejectDialog);
    m->mnuStep->trigger();
    EXPECT_EQ(ui.dialogsShown.back(), "frmPDFView");
    ui.dialogHandlers.push_back(RejectDialog);
    m->sscPrint->click();
    EXPECT_EQ(ui.dialogsShown.back(), "frmPrint");
    m->mnuContents->trigger();
    m->mnuHelpOn->trigger();
    m->mnuMethod->trigger();
    m->sscHelp->click();
    EXPECT_EQ(ui.helpTopics, (std::vector<int>{1000, 1000, 7000, 1000}));
    EXPECT_FALSE(m->mnuExport->isEnabled());
}

TEST_F(CommandsTest, PreludeHidesTheWorkingWindowsBeforeADialog)
{
    ASSERT_FALSE(input()->isHidden());
    bool inputHidden = false;
    ui.dialogHandlers.push_back([&](QDialog*) { inputHidden = input()->isHidden(); });
    m->mnuPrint->trigger();
    EXPECT_TRUE(inputHidden);
    m->mnuGeneral->trigger();
    EXPECT_FALSE(input()->isHidden());
}

TEST_F(CommandsTest, RoughnessCalibrationShowsItsWindow)
{
    m->mnuRoughness->trigger();
    RoughnessWindow* window = ctx.windows.roughness.Get();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->widget()->isHidden());
    EXPECT_EQ(window->widget()->windowTitle(), "  ROUGHNESS CALCULATION");
}

TEST_F(CommandsTest, NewAsksToSaveAndAnUnfinishedSaveStopsIt)
{
    input()->txtProject->setText(QStringLiteral("typed"));
    ui.answers.push_back(MsgAnswer::Yes); // save: the designer is empty
    m->sscNew->click();
    EXPECT_EQ(ui.messages[0].text, "Do you want to save the project ?");
    EXPECT_EQ(ui.lastMessage(), "Enter the designer !");
    EXPECT_FALSE(shown("frmLCCType"));
    EXPECT_FALSE(input()->isHidden());
    EXPECT_EQ(input()->txtProject->text(), "typed");
    EXPECT_EQ(m->windowTitle(), "  Vemora");

    // Yes and a cancelled Save As: stopped as well.
    input()->txtDesigner->setText(QStringLiteral("D"));
    input()->txtGFlowrate->setText(QStringLiteral("10"));
    ui.answers.push_back(MsgAnswer::Yes);
    m->mnuNew->trigger();
    EXPECT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_FALSE(shown("frmLCCType"));
    EXPECT_TRUE(m->lblProgessBar->isHidden());

    // No: the system-type dialog.
    ui.answers.push_back(MsgAnswer::No);
    ui.dialogHandlers.push_back(RejectDialog);
    m->mnuNew->trigger();
    EXPECT_TRUE(shown("frmLCCType"));
}

// New asks only with edits pending, with Yes, No and Cancel; Cancel, and a
// save stopped at a check, leave the project, its window and its caption.
TEST_F(CommandsTest, NewAsksOnlyWithEditsPendingAndKeepsTheProjectWhenStopped)
{
    ui.dialogHandlers.push_back(RejectDialog);
    m->mnuNew->trigger(); // nothing typed since start-up: no question
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(shown("frmLCCType"));

    SaveNamed(dir.filePath(QStringLiteral("n.kpj")), "Named");
    ASSERT_EQ(m->windowTitle(), "  Vemora (Named)");
    input()->txtDesigner->clear();
    ui.answers.push_back(MsgAnswer::Cancel);
    m->mnuNew->trigger();
    EXPECT_EQ(ui.messages.back().buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(ui.dialogsShown.size(), 1u);
    EXPECT_FALSE(input()->isHidden());
    EXPECT_EQ(m->windowTitle(), "  Vemora (Named)");

    ui.answers.push_back(MsgAnswer::Yes);
    m->mnuNew->trigger();
    EXPECT_EQ(ui.lastMessage(), "Enter the designer !");
    EXPECT_EQ(ui.dialogsShown.size(), 1u);
    EXPECT_FALSE(input()->isHidden());
    EXPECT_EQ(m->windowTitle(), "  Vemora (Named)");
    EXPECT_TRUE(ctx.store.ProjectOpen);
}

TEST_F(CommandsTest, SaveOfANewProjectGoesThroughSaveAsThenWritesItsFile)
{
    input()->txtProject->setText(QStringLiteral("P"));
    input()->txtDesigner->setText(QStringLiteral("D"));
    input()->txtGFlowrate->setText(QStringLiteral("10"));
    const QString file = dir.filePath(QStringLiteral("p.kpj"));
    ui.files.push_back(file);
    m->sscSave->click();
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(input()->lblFileName->text(), file);
    EXPECT_EQ(m->windowTitle(), "  Vemora (P)");
    EXPECT_FALSE(input()->isHidden());
    EXPECT_TRUE(m->lblProgessBar->isHidden());

    input()->txtGFlowrate->setText(QStringLiteral("12"));
    m->mnuSave->trigger(); // no dialog this time
    EXPECT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ctx.store.FixedDemand, 12.0f);

    // Open it from a new project: every value as saved.
    ui.dialogHandlers.push_back([](QDialog* d) { static_cast<QDialog*>(d)->reject(); });
    m->mnuNew->trigger();
    ui.files.push_back(file);
    m->sscOpen->click();
    EXPECT_EQ(input()->txtGFlowrate->text(), "12");
    EXPECT_EQ(input()->txtDesigner->text(), "D");
    EXPECT_FALSE(input()->isHidden());
}

// After New the project has no file of its own, whatever was open before:
// its label, its printed pages and its PDF say so, Save goes through Save
// As and the file opened before stays as it was.
TEST_F(CommandsTest, NewLeavesTheProjectWithoutAFile)
{
    const QString file = dir.filePath(QStringLiteral("a.kpj"));
    SaveNamed(file, "A");
    const QByteArray before = ReadAll(file);

    input()->txtProject->setText(QStringLiteral("Second")); // pending: New asks
    ui.answers.push_back(MsgAnswer::No);
    ui.dialogHandlers.push_back(
        [](QDialog* d) { static_cast<frmLCCType*>(d)->sscContinue->click(); });
    m->mnuNew->trigger();
    EXPECT_EQ(input()->lblFileName->text(), NewProjectFileLabel);
    EXPECT_EQ(FileLabelText(ctx), NewProjectFileLabel);
    EXPECT_EQ(ProjectPdfPath(ctx), ctx.paths.projectsPath() + QStringLiteral("Project.pdf"));

    const size_t asked = ui.fileRequests.size();
    SaveNamed(dir.filePath(QStringLiteral("b.kpj")), "Second");
    EXPECT_EQ(ui.fileRequests.size(), asked + 1);
    EXPECT_EQ(ReadAll(file), before);
}

TEST_F(CommandsTest, DeleteOfANewProjectKeepsTheSystemLabel)
{
    m->mnuDelete->trigger();
    EXPECT_EQ(ui.lastMessage(), "The project has not been saved and thus cannot be deleted");
    EXPECT_EQ(m->lblSystem->text(), "Gravity system");
}

TEST_F(CommandsTest, OpenCancelledShowsTheInputWindowAgain)
{
    m->mnuOpen->trigger();
    EXPECT_EQ(ui.fileRequests.back().req.title, "OPEN AN EXISTING VEMORA PROJECT");
    EXPECT_EQ(m->windowTitle(), "  Vemora");
    EXPECT_FALSE(input()->isHidden());
    EXPECT_TRUE(m->lblProgessBar->isHidden());
    EXPECT_TRUE(ctx.store.ProjectOpen);
}

TEST_F(CommandsTest, InputWindowClosedByItsCloseBoxComesBackAsTyped)
{
    input()->txtProject->setText(QStringLiteral("kept"));
    auto* frame = qobject_cast<QMdiSubWindow*>(input()->parentWidget());
    ASSERT_NE(frame, nullptr);
    frame->close();
    EXPECT_TRUE(input()->isHidden());
    m->mnuGeneral->trigger();
    EXPECT_FALSE(input()->isHidden());
    EXPECT_EQ(input()->txtProject->text(), "kept");
}

TEST_F(CommandsTest, ExitAnsweredNoChangesNothing)
{
    ui.answers.push_back(MsgAnswer::No);
    m->mnuExit->trigger();
    EXPECT_EQ(ui.lastMessage(), "Are you sure you want to quit ?");
    EXPECT_FALSE(input()->isHidden());
    EXPECT_TRUE(ctx.store.ProjectOpen);
}

// A project opened from another user's file in a shared folder, then edited:
// the save that Yes to the save question starts is refused, and Exit, Open
// and New stop there as after any failed save, with the edit on screen and
// the file as it was.
class RefusedSaveTest : public CommandsTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(RefusedSaveTest, StopsTheCommandWithTheEditKept)
{
    if (const std::string why = CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
    const QString shared = dir.filePath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString file = shared + QStringLiteral("/p.kpj");
    SaveNamed(file, "Theirs");
    ASSERT_EQ(::chown(QFile::encodeName(file).constData(), OtherUser, gid_t(-1)), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0666), 0);
    ui.files.push_back(file);
    m->mnuOpen->trigger();
    const QByteArray before = ReadAll(file);
    m->show();

    input()->txtProject->setText(QStringLiteral("edited"));
    ui.answers.push_back(MsgAnswer::Yes);
    const size_t asked = ui.fileRequests.size();
    const std::string command = GetParam();
    (command == "Exit" ? m->mnuExit : command == "Open" ? m->mnuOpen : m->mnuNew)->trigger();
    EXPECT_EQ(ui.lastMessage(), "Can't Save the project !\nThe file belongs to another user in a "
                                "shared folder; it is not replaced.");
    EXPECT_EQ(ui.fileRequests.size(), asked);
    EXPECT_FALSE(shown("frmLCCType"));
    EXPECT_TRUE(m->isVisible());
    EXPECT_FALSE(input()->isHidden());
    EXPECT_EQ(input()->txtProject->text(), "edited");
    EXPECT_EQ(ReadAll(file), before);
}

INSTANTIATE_TEST_SUITE_P(EachCommand, RefusedSaveTest, ::testing::Values("Exit", "Open", "New"));

} // namespace
} // namespace vemora::test
