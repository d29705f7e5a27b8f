// Nothing the user typed is lost on a real display: with edits pending, Open,
// Exit, the main window's close box and Analyse first ask whether to save
// (Yes saves, No goes on, Cancel ends the command); without edits they ask
// nothing new. A New cancelled in the system-type dialog brings the project's
// window and caption back, a New that makes a blank project leaves no name in
// the title, and a save check that stops at a box shows its page, so the
// next keys go into that box.
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <cstdio>

#include "display/DisplayFixture.h"
#include "engine/EngineProjects.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"
#include "project/ProjectFile.h"
#include "project/TextCodec.h"
#include "results/frmResults.h"
#include "shell/frmLCCType.h"

namespace vemora::test {
namespace {

// "Do you want to save the project ?" with Yes, No and Cancel, the question
// icon and the title "Vemora".
ModalScript::Match SaveQuestion()
{
    return [](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        return box && box->text() == QStringLiteral("Do you want to save the project ?") &&
               box->icon() == QMessageBox::Question && box->windowTitle() == "Vemora" &&
               box->button(QMessageBox::Yes) && box->button(QMessageBox::No) &&
               box->button(QMessageBox::Cancel);
    };
}

// The project name that the file holds.
std::string NameInFile(const QString& path)
{
    ProjectRecord rec;
    int64_t number = 0;
    EXPECT_EQ(ReadProjectFile(path.toStdString(), rec, number), FileStatus::Ok);
    return TrimBlanks(rec.ProjectName);
}

class SaveTest : public DisplayTest
{
  protected:
    frmLCC* Input() { return static_cast<frmLCC*>(ctx.windows.input.Get()); }

    // A gravity project that passes every save check, in the Projects folder.
    QString GravityFile(const QString& name)
    {
        return SaveProjectFile(*GravityProject(100, 50, {{60, 0}, {55, 500}, {40, 1000}}), name);
    }

    // Starts the program and opens the file: nothing is pending at start-up,
    // so Open asks nothing before its file dialog.
    void StartWith(const QString& path)
    {
        StartUp();
        OpenThroughMenu(path);
        ASSERT_TRUE(WaitShown(Input()));
    }

    // As a user types a new text into a box: its page, a click into it, the
    // old text taken away with Backspace, the keys.
    void TypeInto(QLineEdit* box, const QString& text)
    {
        ShowPageOf(Input()->sstInput, box);
        Click(box);
        QTest::keyClick(box, Qt::Key_End);
        for (int n = static_cast<int>(box->text().size()); n > 0; --n)
            QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        ASSERT_EQ(box->text(), text);
    }

    // Keys as the keyboard sends them: to the active window, which hands
    // them to its focus.
    static void TypeAtFocus(const QString& text)
    {
        ASSERT_TRUE(WaitFor([] { return QGuiApplication::focusWindow() != nullptr; }));
        for (QChar c : text)
            QTest::keyClick(QGuiApplication::focusWindow(), c.toLatin1());
    }

    // A click on a cell of a grid of the input window, its page shown first.
    void ClickCell(FlexGrid* grid, int row, int col)
    {
        ShowPageOf(Input()->sstInput, grid);
        QWidget* inner = grid->viewport();
        QTest::mouseClick(inner, Qt::LeftButton, {},
                          inner->mapFrom(grid, grid->cellRect(row, col).center()));
    }

    // The main window's close box, as the window manager passes it on.
    void CloseBox() { main_->windowHandle()->close(); }

    ::testing::AssertionResult Ended()
    {
        return WaitFor([&] { return !main_ || !main_->isVisible(); },
                       QStringLiteral("the main window to close"));
    }

    // No modal window is left standing (none came that the script did not
    // expect) once the events already queued are handled; one that comes
    // there fails the test and is closed.
    static void ExpectNoModalLeft()
    {
        ModalScript none;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
};

TEST_F(SaveTest, OpenAsksFirstCancelKeepsNoOpensYesSavesThenOpens)
{
    const QString first = GravityFile(QStringLiteral("First"));
    const QString second = GravityFile(QStringLiteral("Second"));
    StartWith(first);
    TypeInto(Input()->txtProject, QStringLiteral("First edited"));

    ModalScript cancel;
    cancel.then("the save question", SaveQuestion(), ClickButton("Cancel"));
    Run(cancel, [&] { ChooseMenu(main_->mnuFile, main_->mnuOpen); });
    ExpectNoModalLeft();
    EXPECT_TRUE(Shown(Input()));
    EXPECT_EQ(Input()->txtProject->text(), QStringLiteral("First edited"));
    EXPECT_EQ(QString::fromStdString(ctx.store.ProjectFilePath), first);

    ModalScript no;
    no.then("the save question", SaveQuestion(), ClickButton("&No"))
        .then("the open dialog", FileDialog(), ChooseFile(second));
    Run(no, [&] { ChooseMenu(main_->mnuFile, main_->mnuOpen); });
    EXPECT_EQ(QString::fromStdString(ctx.store.ProjectFilePath), second);
    EXPECT_EQ(NameInFile(first), "First");

    TypeInto(Input()->txtProject, QStringLiteral("Second edited"));
    ModalScript yes;
    yes.then("the save question", SaveQuestion(), ClickButton("&Yes"))
        .then("the open dialog", FileDialog(), ChooseFile(first));
    Run(yes, [&] { ChooseMenu(main_->mnuFile, main_->mnuOpen); });
    EXPECT_EQ(NameInFile(second), "Second edited");
    EXPECT_EQ(QString::fromStdString(ctx.store.ProjectFilePath), first);
    EXPECT_EQ(Input()->txtProject->text(), QStringLiteral("First"));
    ExpectNoModalLeft();
}

TEST_F(SaveTest, ExitWithEditsCancelKeepsYesSavesAndEnds)
{
    const QString path = GravityFile(QStringLiteral("Leaving"));
    StartWith(path);
    TypeInto(Input()->txtProject, QStringLiteral("Saved at exit"));

    ModalScript cancel;
    cancel.then("the save question", SaveQuestion(), ClickButton("Cancel"));
    Run(cancel, [&] { ChooseMenu(main_->mnuFile, main_->mnuExit); });
    ExpectNoModalLeft();
    EXPECT_TRUE(main_->isVisible());
    EXPECT_EQ(Input()->txtProject->text(), QStringLiteral("Saved at exit"));

    ModalScript yes;
    yes.then("the save question", SaveQuestion(), ClickButton("&Yes"));
    Run(yes, [&] { ChooseMenu(main_->mnuFile, main_->mnuExit); });
    EXPECT_TRUE(Ended());
    EXPECT_EQ(NameInFile(path), "Saved at exit");
}

// Another program moves its project over the one open: Save asks before it
// writes over it; Cancel keeps the other project, Yes writes this one.
TEST_F(SaveTest, ASaveOverAFileAnotherProgramReplacedAsksFirst)
{
    const QString path = GravityFile(QStringLiteral("Mine"));
    const QString theirs = GravityFile(QStringLiteral("Theirs"));
    StartWith(path);
    ASSERT_EQ(::rename(theirs.toLocal8Bit().constData(), path.toLocal8Bit().constData()), 0);
    const auto changedQuestion = [](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        return box &&
               box->text() == QStringLiteral("The project file has been changed by another "
                                             "program since it was opened.\nDo you want to "
                                             "overwrite it ?") &&
               box->button(QMessageBox::Yes) && box->button(QMessageBox::No) &&
               box->button(QMessageBox::Cancel);
    };

    ModalScript cancel;
    cancel.then("the changed-file question", changedQuestion, ClickButton("Cancel"));
    Run(cancel, [&] { ChooseMenu(main_->mnuFile, main_->mnuSave); });
    ExpectNoModalLeft();
    EXPECT_EQ(NameInFile(path), "Theirs");

    ModalScript yes;
    yes.then("the changed-file question", changedQuestion, ClickButton("&Yes"));
    Run(yes, [&] { ChooseMenu(main_->mnuFile, main_->mnuSave); });
    EXPECT_TRUE(WaitFor([&] { return NameInFile(path) == "Mine"; }));
    ExpectNoModalLeft();
}

// The laying panel's Cancel gives back what it showed when it opened: the
// rate typed and cancelled is not saved.
TEST_F(SaveTest, LayingCancelKeepsTheTypedRateOutOfTheFile)
{
    auto project = GravityProject(100, 50, {{60, 0}, {55, 500}, {40, 1000}});
    project->LayingCost[2] = 12;
    const QString path = SaveProjectFile(*project, QStringLiteral("Laid"));
    StartWith(path);
    frmLCC* in = Input();
    ShowPageOf(in->sstInput, in->sscLaying);
    Click(in->sscLaying);
    ASSERT_TRUE(WaitFor([&] { return Shown(in->msgLaying); }));
    QWidget* cells = in->msgLaying->viewport();
    QTest::mouseClick(cells, Qt::LeftButton, {},
                      cells->mapFrom(in->msgLaying, in->msgLaying->cellRect(2, 1).center()));
    TypeAtFocus(QStringLiteral("99"));
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Return);
    EXPECT_EQ(in->msgLaying->TextMatrix(2, 1), QStringLiteral("99"));
    Click(in->sscCancelLaying);
    EXPECT_TRUE(WaitFor([&] { return !in->fraLaying->isVisible(); }));

    const auto layingInFile = [&] {
        ProjectRecord rec;
        int64_t number = 0;
        EXPECT_EQ(ReadProjectFile(path.toStdString(), rec, number), FileStatus::Ok);
        return rec.LayingCost[2];
    };
    ASSERT_TRUE(QFile::remove(path)); // the save makes it again
    ChooseMenu(main_->mnuFile, main_->mnuSave);
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(path); }));
    EXPECT_EQ(layingInFile(), 12.0f);
    ExpectNoModalLeft();
}

// Without edits (a grid cell made current is none) Exit asks its own
// question; with edits, No ends the program and the file stays as it was.
TEST_F(SaveTest, ExitAsksAsBeforeWithoutEditsAndNoEndsWithoutSaving)
{
    const QString path = GravityFile(QStringLiteral("Unsaved"));
    StartWith(path);
    ClickCell(Input()->msgProfile, 2, 2);
    ModalScript stay;
    stay.then("the quit question", MessageBox("Are you sure you want to quit ?"),
              ClickButton("&No"));
    Run(stay, [&] { ChooseMenu(main_->mnuFile, main_->mnuExit); });
    ExpectNoModalLeft();
    EXPECT_TRUE(main_->isVisible());

    TypeInto(Input()->txtProject, QStringLiteral("Never saved"));
    ModalScript no;
    no.then("the save question", SaveQuestion(), ClickButton("&No"));
    Run(no, [&] { ChooseMenu(main_->mnuFile, main_->mnuExit); });
    EXPECT_TRUE(Ended());
    EXPECT_EQ(NameInFile(path), "Unsaved");
}

// The close box: Cancel keeps the program; Yes with a box the save refuses
// ends at the check, the focus in that box; Yes again saves and ends.
TEST_F(SaveTest, CloseBoxCancelKeepsYesStopsAtACheckThenSavesAndEnds)
{
    const QString path = GravityFile(QStringLiteral("Closing"));
    StartWith(path);
    TypeInto(Input()->txtProject, QStringLiteral("Closed"));
    TypeInto(Input()->txtDesigner, QString());

    ModalScript cancel;
    cancel.then("the save question", SaveQuestion(), ClickButton("Cancel"));
    Run(cancel, [&] { CloseBox(); });
    ExpectNoModalLeft();
    EXPECT_TRUE(main_->isVisible());

    ModalScript stopped;
    stopped.then("the save question", SaveQuestion(), ClickButton("&Yes"))
        .then("the check", MessageBox("Enter the designer !"), ClickButton("OK"));
    Run(stopped, [&] { CloseBox(); });
    ExpectNoModalLeft();
    EXPECT_TRUE(main_->isVisible());
    EXPECT_EQ(NameInFile(path), "Closing");
    EXPECT_TRUE(WaitFor([&] { return Input()->txtDesigner->hasFocus(); }));
    TypeAtFocus(QStringLiteral("Me"));
    EXPECT_EQ(Input()->txtDesigner->text(), QStringLiteral("Me"));

    ModalScript yes;
    yes.then("the save question", SaveQuestion(), ClickButton("&Yes"));
    Run(yes, [&] { CloseBox(); });
    EXPECT_TRUE(Ended());
    EXPECT_EQ(NameInFile(path), "Closed");
}

TEST_F(SaveTest, CloseBoxNoEndsWithoutSaving)
{
    const QString path = GravityFile(QStringLiteral("Dropped"));
    StartWith(path);
    TypeInto(Input()->txtProject, QStringLiteral("Not kept"));
    ModalScript no;
    no.then("the save question", SaveQuestion(), ClickButton("&No"));
    Run(no, [&] { CloseBox(); });
    EXPECT_TRUE(Ended());
    EXPECT_EQ(NameInFile(path), "Dropped");
}

TEST_F(SaveTest, CloseBoxWithoutEditsEndsAtOnce)
{
    StartWith(GravityFile(QStringLiteral("Untouched")));
    CloseBox();
    EXPECT_TRUE(Ended());
    ExpectNoModalLeft();
}

// Analyse: with nothing pending the analysis dialog comes at once; with
// edits, Cancel does nothing, No analyses the saved project, Yes saves and
// then analyses.
TEST_F(SaveTest, AnalyseAsksFirstWhenEditsArePending)
{
    const QString path = SavePumpingProject(QStringLiteral("Pumped"));
    StartWith(path);
    AnalyseAndContinue();
    const auto editName = [&](const QString& name) {
        ChooseMenu(main_->mnuFile, main_->mnuView, main_->mnuGeneral);
        ASSERT_TRUE(WaitShown(Input()));
        TypeInto(Input()->txtProject, name);
        EXPECT_FALSE(ctx.store.ResultsValid);
    };
    editName(QStringLiteral("Pumped twice"));

    ModalScript cancel;
    cancel.then("the save question", SaveQuestion(), ClickButton("Cancel"));
    Run(cancel, [&] { ChooseMenuBarItem(main_->mnuAnalyse); });
    ExpectNoModalLeft();
    EXPECT_TRUE(Shown(Input()));
    EXPECT_FALSE(ctx.store.ResultsValid);

    AnalyseAndContinue([](ModalScript& script) {
        script.then("the save question", SaveQuestion(), ClickButton("&No"));
    });
    // No analyses what the window shows and leaves the file as it was.
    EXPECT_EQ(NameInFile(path), "Pumped");
    EXPECT_EQ(ctx.store.ProjectName.substr(0, 12), "Pumped twice");

    editName(QStringLiteral("Pumped thrice"));
    AnalyseAndContinue([](ModalScript& script) {
        script.then("the save question", SaveQuestion(), ClickButton("&Yes"));
    });
    EXPECT_EQ(NameInFile(path), "Pumped thrice");
    EXPECT_TRUE(ctx.store.ResultsValid);
    ExpectNoModalLeft();
}

// New, No to its question, Cancel in the system-type dialog: the project's
// window and caption come back with what was typed.
TEST_F(SaveTest, NewCancelledBringsTheProjectBack)
{
    StartWith(GravityFile(QStringLiteral("Kept")));
    TypeInto(Input()->txtProject, QStringLiteral("Kept edited"));
    ModalScript script;
    script
        .then("the New question", MessageBox("Do you want to save the project ?"),
              ClickButton("&No"))
        .then("the system type", Named("frmLCCType"),
              [](QWidget* w) { Click(static_cast<frmLCCType*>(w)->sscCancel); });
    Run(script, [&] { ChooseMenu(main_->mnuFile, main_->mnuNew); });
    ExpectNoModalLeft();
    EXPECT_TRUE(WaitShown(Input()));
    EXPECT_EQ(main_->windowTitle(), QStringLiteral("  Vemora (Kept)"));
    EXPECT_EQ(Input()->txtProject->text(), QStringLiteral("Kept edited"));
    EXPECT_TRUE(ctx.store.ProjectOpen);
}

// New with nothing typed goes straight to the system type; with edits
// pending it asks as Open does: Cancel keeps everything, and Yes with a save
// stopped at a check keeps the project under its name.
TEST_F(SaveTest, NewAsksOnlyWithEditsAndAStoppedSaveKeepsTheName)
{
    StartWith(GravityFile(QStringLiteral("Named")));
    const auto chooseNew = [&] { ChooseMenu(main_->mnuFile, main_->mnuNew); };
    ModalScript straight;
    straight.then("the system type", Named("frmLCCType"),
                  [](QWidget* w) { Click(static_cast<frmLCCType*>(w)->sscCancel); });
    Run(straight, chooseNew);
    EXPECT_TRUE(WaitFor([&] { return Shown(Input()); }));

    TypeInto(Input()->txtDesigner, QString());
    ModalScript cancel;
    cancel.then("the New question", SaveQuestion(), ClickButton("Cancel"));
    Run(cancel, chooseNew);
    EXPECT_TRUE(WaitFor([&] { return Shown(Input()); }));
    EXPECT_EQ(main_->windowTitle(), QStringLiteral("  Vemora (Named)"));

    ModalScript stopped;
    stopped.then("the New question", SaveQuestion(), ClickButton("&Yes"))
        .then("the check", MessageBox("Enter the designer !"), ClickButton("OK"));
    Run(stopped, chooseNew);
    ExpectNoModalLeft();
    EXPECT_TRUE(WaitFor([&] { return Shown(Input()); }));
    EXPECT_EQ(main_->windowTitle(), QStringLiteral("  Vemora (Named)"));
    EXPECT_TRUE(ctx.store.ProjectOpen);
}

// How a New ends: what was edited before it, the button that answers its
// save question (none when nothing is pending) and the one pressed in the
// system-type dialog (none when New stops before it).
enum class EditBeforeNew { Nothing, Name, DesignerEmptied };
struct NewEnding
{
    const char* name;
    EditBeforeNew edit;
    const char* answer;
    const char* systemTypeButton;
};
void PrintTo(const NewEnding& ending, std::ostream* os)
{
    *os << ending.name;
}

class NewTest : public SaveTest, public ::testing::WithParamInterface<NewEnding>
{
};

// After Continue the title names no project, not even once a name is typed,
// until a save names it; wherever New stops the project and its title stay.
TEST_P(NewTest, TheTitleNamesOnlyTheProjectInTheWindow)
{
    const NewEnding& ending = GetParam();
    const QString path = GravityFile(QStringLiteral("Reference case"));
    StartWith(path);
    ASSERT_EQ(main_->windowTitle().toStdString(), "  Vemora (Reference case)");
    if (ending.edit == EditBeforeNew::Name)
        TypeInto(Input()->txtProject, QStringLiteral("Reference case edited"));
    if (ending.edit == EditBeforeNew::DesignerEmptied) TypeInto(Input()->txtDesigner, QString());
    const QString typedName = Input()->txtProject->text();

    ModalScript script;
    if (*ending.answer) script.then("the New question", SaveQuestion(), ClickButton(ending.answer));
    if (ending.edit == EditBeforeNew::DesignerEmptied)
        script.then("the check", MessageBox("Enter the designer !"), ClickButton("OK"));
    const QString button = QString::fromLatin1(ending.systemTypeButton);
    if (!button.isEmpty())
        script.then("the system type", Named("frmLCCType"),
                    [button](QWidget* w) { Click(w->findChild<QWidget*>(button)); });
    Run(script, [&] { ChooseMenu(main_->mnuFile, main_->mnuNew); });
    ExpectNoModalLeft();
    ASSERT_TRUE(WaitShown(Input()));

    if (button == QStringLiteral("sscContinue")) {
        EXPECT_EQ(main_->windowTitle().toStdString(), "  Vemora");
        EXPECT_EQ(Input()->lblFileName->text(), QStringLiteral("Vemora (New project file)"));
        TypeInto(Input()->txtProject, QStringLiteral("Fresh"));
        EXPECT_EQ(main_->windowTitle().toStdString(), "  Vemora");
        return;
    }
    EXPECT_EQ(main_->windowTitle().toStdString(), "  Vemora (Reference case)");
    EXPECT_EQ(QString::fromStdString(ctx.store.ProjectFilePath), path);
    EXPECT_EQ(Input()->txtProject->text(), typedName);
    EXPECT_EQ(NameInFile(path), "Reference case");
    EXPECT_TRUE(ctx.store.ProjectOpen);
}

INSTANTIATE_TEST_SUITE_P(
    , NewTest,
    ::testing::Values(
        NewEnding{"NothingPendingContinue", EditBeforeNew::Nothing, "", "sscContinue"},
        NewEnding{"NoThenContinue", EditBeforeNew::Name, "&No", "sscContinue"},
        NewEnding{"YesSavedThenContinue", EditBeforeNew::Name, "&Yes", "sscContinue"},
        NewEnding{"CancelAtTheQuestion", EditBeforeNew::Name, "Cancel", ""},
        NewEnding{"YesWhoseSaveIsRefused", EditBeforeNew::DesignerEmptied, "&Yes", ""},
        NewEnding{"NoThenCancelTheSystemType", EditBeforeNew::Name, "&No", "sscCancel"}),
    [](const ::testing::TestParamInfo<NewEnding>& info) { return info.param.name; });

// A check that stops at a box on another page, or in the closed pump-curve
// panel, shows it first: the focus and the next keys go into that box.
TEST_F(SaveTest, ASaveCheckShowsThePageAndPanelOfTheBoxItNames)
{
    StartWith(SavePumpingProject(QStringLiteral("Checked")));
    frmLCC* in = Input();
    TypeInto(in->txtProject, QString());
    ClickCell(in->msgProfile, 2, 2);
    const QString cell = in->msgProfile->TextMatrix(2, 2);

    ModalScript name;
    name.then("the check", MessageBox("Enter the project name !"), ClickButton("OK"));
    Run(name, [&] { ChooseMenu(main_->mnuFile, main_->mnuSave); });
    EXPECT_TRUE(WaitFor([&] { return in->txtProject->hasFocus(); }));
    EXPECT_EQ(in->sstInput->currentIndex(), 0);
    TypeAtFocus(QStringLiteral("Named"));
    EXPECT_EQ(in->txtProject->text(), QStringLiteral("Named"));
    EXPECT_EQ(in->msgProfile->TextMatrix(2, 2), cell);

    Click(in->sscPumpcurve);
    TypeInto(in->txtH[2], QString());
    Click(in->sscOK);
    ShowPageOf(in->sstInput, in->txtSupervision);
    Click(in->txtSupervision);
    ModalScript head;
    head.then("the check", MessageBox("Enter the pump head !"), ClickButton("OK"));
    Run(head, [&] { ChooseMenu(main_->mnuFile, main_->mnuSave); });
    EXPECT_TRUE(WaitFor([&] { return in->txtH[2]->hasFocus(); }));
    EXPECT_TRUE(Shown(in->fraPumpDetails));
    TypeAtFocus(QStringLiteral("55"));
    EXPECT_EQ(in->txtH[2]->text(), QStringLiteral("55"));
    ExpectNoModalLeft();
}

// A level typed, Analyse with No, the file's level typed back from the input
// screen, Analyse: the run analyses the level on screen, the file's, as the
// first run did, not the one the No run took.
TEST_F(SaveTest, TheFilesValueTypedBackAfterANoRunIsAnalysed)
{
    StartWith(SaveProjectFile(*GravityProject(180, 50, {{60, 0}, {55, 500}, {40, 1000}}),
                              QStringLiteral("Typed back")));
    AnalyseAndContinue();
    const QString fileFlow = Results()->lblMaxFlow->text();
    Click(Results()->sscInput);
    ASSERT_TRUE(WaitShown(Input()));

    TypeInto(Input()->txtTRWL, QStringLiteral("190"));
    AnalyseAndContinue([](ModalScript& script) {
        script.then("the save question", SaveQuestion(), ClickButton("&No"));
    });
    const QString editedFlow = Results()->lblMaxFlow->text();
    EXPECT_NE(editedFlow, fileFlow);
    Click(Results()->sscInput);
    ASSERT_TRUE(WaitShown(Input()));

    TypeInto(Input()->txtTRWL, QStringLiteral("180"));
    AnalyseAndContinue();
    EXPECT_EQ(Results()->lblMaxFlow->text(), fileFlow);
    EXPECT_EQ(ctx.store.StartReservoirLevel, 180.0f);
    ExpectNoModalLeft();
}

// Beside "x.kpj" lies "x.kpj " (a blank ends its name). Opened, edited and
// saved, it is the file written. Save As that picks it writes it after the
// file dialog's own question; one that types it where it is gone asks the
// same question for "x.kpj" before writing that, and No writes nothing.
TEST_F(SaveTest, AFileWhoseNameEndsInABlankIsTheFileSaved)
{
    const QString plain = GravityFile(QStringLiteral("x"));
    const QString blank = plain + QStringLiteral(" ");
    ASSERT_TRUE(QFile::rename(GravityFile(QStringLiteral("Blank")), blank));
    const auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray plainBytes = bytes(plain);
    const auto replaceQuestion = [](const QString& name) {
        return [name](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            return box && box->text() == name + " already exists.\nDo you want to replace it?" &&
                   box->windowTitle() == "SAVE THE VEMORA PROJECT" &&
                   box->button(QMessageBox::Yes) && box->button(QMessageBox::No);
        };
    };
    // Its name does not end in ".kpj": the open dialog lists it under "All
    // Files" only, and opens it from there.
    StartUp();
    const auto listing = [](int files) {
        return [files](QWidget* w) {
            auto* list =
                qobject_cast<QFileDialog*>(w) ? w->findChild<QListView*>("listView") : nullptr;
            return list && list->model()->rowCount(list->rootIndex()) == files;
        };
    };
    ModalScript open;
    open.then("the open dialog", FileDialog(),
              [](QWidget* w) {
                  auto* dialog = static_cast<QFileDialog*>(w);
                  dialog->selectNameFilter(dialog->nameFilters().first());
              })
        .then("both files listed", listing(2), ChooseFile(blank));
    Run(open, [&] { ChooseMenu(main_->mnuFile, main_->mnuOpen); });
    ASSERT_TRUE(WaitShown(Input()));
    EXPECT_EQ(QString::fromStdString(ctx.store.ProjectFilePath), blank);
    EXPECT_EQ(Input()->txtProject->text(), QStringLiteral("Blank"));
    TypeInto(Input()->txtProject, QStringLiteral("Blank saved"));
    ChooseMenu(main_->mnuFile, main_->mnuSave);
    EXPECT_TRUE(WaitFor([&] { return NameInFile(blank) == "Blank saved"; }));
    EXPECT_EQ(Input()->txtProject->text(), QStringLiteral("Blank saved"));

    // Save As to `blank`, its replace question for `asked` answered `answer`.
    const auto saveAs = [&](const char* asked, const char* answer) {
        ModalScript script;
        script.then("the save dialog", FileDialog(), ChooseFile(blank))
            .then(QStringLiteral("the question for ") + asked,
                  replaceQuestion(QString::fromLatin1(asked)), ClickButton(answer));
        Run(script, [&] { ChooseMenu(main_->mnuFile, main_->mnuSaveAs); });
    };
    TypeInto(Input()->txtProject, QStringLiteral("Blank saved as"));
    saveAs("x.kpj ", "&Yes"); // the file dialog's own question
    EXPECT_TRUE(WaitFor([&] { return NameInFile(blank) == "Blank saved as"; }));
    EXPECT_EQ(bytes(plain), plainBytes);

    ASSERT_TRUE(QFile::remove(blank));
    saveAs("x.kpj", "&No");
    ExpectNoModalLeft();
    EXPECT_EQ(bytes(plain), plainBytes);
    EXPECT_FALSE(QFile::exists(blank));
    saveAs("x.kpj", "&Yes");
    EXPECT_TRUE(WaitFor([&] { return NameInFile(plain) == "Blank saved as"; }));
    EXPECT_EQ(QString::fromStdString(ctx.store.ProjectFilePath), plain);
    EXPECT_FALSE(QFile::exists(blank));
    ExpectNoModalLeft();
}

} // namespace
} // namespace vemora::test
