// The workspace as the user reads it: what the status line says and when it
// lets go of it, which windows stand after a refused command, and where the
// working windows' frames lie in the work area, on a large and a small
// screen.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStatusBar>

#include "converter/frmConverter.h"
#include "display/DisplayFixture.h"
#include "input/frmLCC.h"
#include "input/frmView.h"
#include "platform/FlexGrid.h"
#include "platform/TextBox.h"
#include "reports/frmPrint.h"
#include "results/frmIRRView.h"
#include "results/frmResults.h"
#include "shell/frmPref.h"
#include "support/FramePlacement.h"

namespace vemora::test {
namespace {

const QString ProfilePasteRefused = QStringLiteral(
    "Nothing pasted: paste a profile through File > Import & Export > Import Profile.");

class WorkspaceTest : public DisplayTest
{
  protected:
    QString Status() const { return main_->panelText(MainWindow::HintPanel); }

    // The text is on the desktop's clipboard, then Ctrl+V goes to `field`.
    static void PasteFromTheDesktop(QWidget* field, const QString& text)
    {
        ASSERT_TRUE(HoldOnTheClipboard(text)) << "xclip is missing";
        ASSERT_TRUE(WaitFor([&] { return QGuiApplication::clipboard()->text() == text; }));
        ASSERT_TRUE(WaitFor([&] { return field->hasFocus(); }))
            << field->objectName().toStdString();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    // The frame's lower edge, on the screen, once the work area is scrolled
    // as far down as it goes.
    int LowestFrameEdge(QWidget* window)
    {
        auto* area = main_->findChild<QMdiArea*>();
        EXPECT_TRUE(area);
        if (!area) return 0;
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QMdiSubWindow* frame = FrameOf(window);
        return frame->mapToGlobal(QPoint(0, frame->height())).y();
    }
};

// A block pasted on the profile grid says where a profile goes in; a paste
// that goes in ends the refusal; the converter takes its refusal away when
// it closes and the input window writes its own hint again.
TEST_F(WorkspaceTest, InputWindowPastesAndTheConverterLeaveNoStaleReason)
{
    OpenPumpingProject(QStringLiteral("Status"));
    frmLCC* input = Input();
    ShowPageOf(input->sstInput, input->msgProfile);
    ClickGridCell(input->msgProfile, 2, 2);
    const QString cell = input->msgProfile->TextMatrix(2, 2);
    PasteFromTheDesktop(input->msgProfile, QStringLiteral("0\t100\r\n50\t110\r\n"));
    EXPECT_EQ(Status(), ProfilePasteRefused);
    EXPECT_EQ(input->msgProfile->TextMatrix(2, 2), cell);

    ShowPageOf(input->sstInput, input->txtMechanical);
    Click(input->txtMechanical);
    input->txtMechanical->selectAll();
    PasteFromTheDesktop(input->txtMechanical, QStringLiteral("250000\n"));
    EXPECT_EQ(input->txtMechanical->text(), QStringLiteral("250000"));
    EXPECT_FALSE(Status().startsWith(QStringLiteral("Nothing pasted"))) << Status().toStdString();

    ShowPageOf(input->sstInput, input->txtProject);
    Click(input->txtProject);
    ASSERT_TRUE(WaitFor([&] { return input->txtProject->hasFocus(); }));
    const QString projectHint = Status();
    ASSERT_EQ(projectHint, QStringLiteral("Enter the project name"));
    ModalScript script;
    QString refused;
    script.then("the converter", Named("frmConverter"), [&](QWidget* w) {
        auto* converter = static_cast<frmConverter*>(w);
        Click(converter->txtConvert);
        PasteFromTheDesktop(converter->txtConvert, QStringLiteral("12\n34\n"));
        refused = Status();
        Click(converter->sscExit);
    });
    Run(script, [&] { ChooseMenu(main_->mnuHelp, main_->mnuConvert); });
    EXPECT_TRUE(refused.startsWith(QStringLiteral("Nothing pasted"))) << refused.toStdString();
    ASSERT_TRUE(WaitFor([&] { return Shown(input); }));
    EXPECT_TRUE(WaitFor([&] { return Status() == projectHint; })) << Status().toStdString();
}

// The input window's hint goes with it when the results window comes up.
TEST_F(WorkspaceTest, ResultsWindowShowsNoHintOfTheInputWindow)
{
    OpenPumpingProject(QStringLiteral("Hints"));
    Click(Input()->txtProject);
    ASSERT_TRUE(WaitFor([&] { return Status() == QStringLiteral("Enter the project name"); }))
        << Status().toStdString();
    AnalyseAndContinue();
    EXPECT_NE(Status(), QStringLiteral("Enter the project name"));
}

// The check boxes show the window's hint under the mouse and with the
// focus; the hint goes when the window closes.
TEST_F(WorkspaceTest, PrintWindowCheckBoxesShowTheirHint)
{
    OpenPumpingProject(QStringLiteral("PrintHint"));
    const QString hint = QStringLiteral("Select the components to print");
    QString byMouse, byFocus;
    ModalScript script;
    script.then("the print window", Named("frmPrint"), [&](QWidget* w) {
        auto* print = static_cast<frmPrint*>(w);
        main_->setPanelText(MainWindow::HintPanel, QString());
        QTest::mouseMove(print->chkProfile, print->chkProfile->rect().center());
        WaitFor([&] { return Status() == hint; });
        byMouse = Status();
        main_->setPanelText(MainWindow::HintPanel, QString());
        print->chkRates->setFocus(Qt::TabFocusReason);
        WaitFor([&] { return Status() == hint; });
        byFocus = Status();
        Click(print->sscCancel);
    });
    Run(script, [&] { ChooseMenu(main_->mnuFile, main_->mnuPrint); });
    EXPECT_EQ(byMouse, hint);
    EXPECT_EQ(byFocus, hint);
    EXPECT_TRUE(WaitFor([&] { return Status() != hint; }));
}

// A save check's message stands over the input window, on the page of the
// box it names, never over an empty workspace.
TEST_F(WorkspaceTest, SaveCheckMessageStandsOverItsBox)
{
    OpenPumpingProject(QStringLiteral("Checked"));
    frmLCC* input = Input();
    ShowPageOf(input->sstInput, input->txtDiscountRate);
    Click(input->txtDiscountRate);
    input->txtDiscountRate->selectAll();
    QTest::keyClick(input->txtDiscountRate, Qt::Key_Backspace);
    bool boxUp = false;
    ModalScript script;
    script.then("the check", MessageBox("Enter the estimated discount rate !"), [&](QWidget* w) {
        boxUp = Shown(input) && Shown(input->txtDiscountRate);
        ClickButton("OK")(w);
    });
    ShowPageOf(input->sstInput, input->txtProject);
    Run(script, [&] { ChooseMenu(main_->mnuFile, main_->mnuSave); });
    EXPECT_TRUE(boxUp);
    EXPECT_TRUE(WaitFor([&] { return input->txtDiscountRate->hasFocus(); }));
}

// A refused View > Results leaves the input window alone in the work area:
// the profile view goes as View > Input Data sends it, with its menu item,
// and Preferences brings nothing of it back. A minimised view goes with
// Print as a normal one does.
TEST_F(WorkspaceTest, ProfileViewGoesWithRefusedResultsAndWhenMinimised)
{
    OpenPumpingProject(QStringLiteral("Views"));
    ViewProfile();
    ModalScript refused;
    refused.then("the refusal", MessageBox("Project has not been analysed."), ClickButton("OK"));
    Run(refused, [&] { ChooseMenu(main_->mnuFile, main_->mnuView, main_->mnuResults); });
    ASSERT_TRUE(WaitFor([&] { return Shown(Input()); }));
    EXPECT_EQ(ctx.windows.profileView.Get(), nullptr);
    EXPECT_FALSE(main_->mnuRoughness->isVisible());
    bool viewUp = true;
    ModalScript preferences;
    preferences.then("preferences", Named("frmPref"), [&](QWidget* w) {
        auto* view = ctx.windows.profileView.Get();
        viewUp = view && Shown(view->widget());
        Click(static_cast<frmPref*>(w)->sscCancel);
    });
    Run(preferences, [&] { ChooseMenuBarItem(main_->mnuPreferences); });
    EXPECT_FALSE(viewUp);

    frmView* view = ViewProfile();
    ASSERT_TRUE(view);
    FrameOf(view)->showMinimized();
    ASSERT_TRUE(WaitFor([&] { return FrameOf(view)->isMinimized(); }));
    ModalScript print;
    print.then("the print window", Named("frmPrint"),
               [](QWidget* w) { Click(static_cast<frmPrint*>(w)->sscCancel); });
    Run(print, [&] { ChooseMenu(main_->mnuFile, main_->mnuPrint); });
    EXPECT_TRUE(WaitFor([&] { return ctx.windows.profileView.Get() == nullptr; }));
    EXPECT_FALSE(main_->mnuRoughness->isVisible());
}

// Maximised, the results window keeps its tabs at the frame's top-left
// corner; the IRR window's frame cannot be made smaller than the window; on
// a screen of 1280 x 1024 the profile view's frame lies above the status
// bar.
TEST_F(WorkspaceTest, FramesHoldTheirWindowsFromTheTopLeftAndNoSmaller)
{
    OpenPumpingProject(QStringLiteral("Frames"));
    AnalyseAndContinue();
    frmResults* results = Results();
    ASSERT_TRUE(results);
    QMdiSubWindow* frame = FrameOf(results);
    frame->showMaximized();
    ASSERT_TRUE(WaitFor([&] { return frame->isMaximized(); }));
    EXPECT_EQ(results->pos(), frame->contentsRect().topLeft());
    frame->showNormal();

    ShowPageOf(results->sstResults, results->sscIRR);
    Click(results->sscIRR);
    auto* irr = static_cast<frmIRRView*>(ctx.windows.irrView.Get());
    ASSERT_TRUE(irr && WaitFor([&] { return Shown(irr); }));
    const QSize whole = irr->size();
    FrameOf(irr)->resize(FrameOf(irr)->size() / 2);
    EXPECT_EQ(irr->size(), whole);
    EXPECT_TRUE(FrameOf(irr)->contentsRect().contains(irr->geometry()));
    EXPECT_TRUE(irr->isAncestorOf(irr->sscOK) && irr->rect().contains(irr->sscOK->geometry()));
    Click(irr->sscOK);

    // The profile view's frame stands whole above the status bar.
    Click(Results()->sscInput);
    ASSERT_TRUE(WaitFor([&] { return Shown(Input()); }));
    frmView* view = ViewProfile();
    ASSERT_TRUE(view);
    ExpectFramedAtCorner(view);
    EXPECT_LE(FrameOf(view)->mapToGlobal(QPoint(0, FrameOf(view)->height())).y(),
              main_->statusBar()->mapToGlobal(QPoint(0, 0)).y());
}

// On a screen of 800 x 600 the work area scrolls to bring the profile view's
// frame whole above the status bar (at 1280 x 1024 it stands there at once,
// as the test above finds).
TEST_F(WorkspaceTest, ProfileViewFrameCanBeBroughtAboveTheStatusBarAt800x600)
{
    ctx.screen.setSizeOverride(QSize(800, 600));
    OpenPumpingProject(QStringLiteral("Small"));
    ASSERT_TRUE(WaitFor([&] { return main_->frameGeometry().size() == QSize(800, 600); }));
    const int statusTop = main_->statusBar()->mapToGlobal(QPoint(0, 0)).y();
    EXPECT_LE(statusTop + main_->statusBar()->height(), 600);
    frmView* view = ViewProfile();
    ASSERT_TRUE(view);
    ExpectFramedAtCorner(view);
    EXPECT_LE(LowestFrameEdge(view), statusTop);
}

} // namespace
} // namespace vemora::test
