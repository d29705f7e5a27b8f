// The working windows as a user sees them on a real display: each placed at
// the work area's corner by its frame with its title bar in sight, the
// calibration item going with the profile view, the analysis dialog leaving
// nothing behind it, a failed run leaving no stale year, the pump text boxes
// and the calibration window's pick list and grids.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionTitleBar>
#include <QTimer>

#include "calibration/frmRoughness.h"
#include "calibration/frmViewRoughness.h"
#include "display/DisplayFixture.h"
#include "engine/EngineProjects.h"
#include "input/frmLCC.h"
#include "input/frmPumpView.h"
#include "input/frmView.h"
#include "platform/FlexGrid.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "project/ProjectFile.h"
#include "results/AnalysedProjects.h"
#include "results/frmIRRView.h"
#include "results/frmResults.h"
#include "shell/frmAnalyse.h"
#include "shell/frmLCCType.h"
#include "support/FramePlacement.h"

namespace vemora::test {
namespace {

// The working window as it stands on the screen: shown, its frame at the
// work area's corner, a press on the middle of the title bar reaching the
// frame (not the window's content painted over it), and the window's
// content reaching down to the frame's bottom border.
// The analysis dialog's Analyse button, once the dialog shows it.
void PressAnalyse(QWidget* w)
{
    auto* dialog = static_cast<frmAnalyse*>(w);
    EXPECT_TRUE(WaitFor([&] { return dialog->sscAnalyse->isVisible(); },
                        QStringLiteral("the Analyse button")));
    Click(dialog->sscAnalyse);
}

// The analysis dialog once its run has ended, and its Cancel button.
bool AnalyseDialogAfterItsRun(QWidget* w)
{
    auto* dialog = qobject_cast<frmAnalyse*>(w);
    return dialog && dialog->sscAnalyse->isEnabled();
}

void PressCancel(QWidget* w)
{
    Click(static_cast<frmAnalyse*>(w)->sscCancel);
}

void ExpectOnScreenAtCorner(QWidget* window)
{
    ASSERT_TRUE(WaitShown(window)) << window->objectName().toStdString();
    ExpectFramedAtCorner(window);
    QMdiSubWindow* frame = FrameOf(window);
    ASSERT_TRUE(frame);
    const QMargins m = frame->contentsMargins();
    const QPoint title = frame->mapToGlobal(QPoint(frame->width() / 2, m.top() / 2));
    EXPECT_EQ(QApplication::widgetAt(title), frame) << window->objectName().toStdString();
    const QPoint low =
        frame->mapToGlobal(QPoint(frame->width() / 2, frame->height() - m.bottom() - 2));
    QWidget* at = QApplication::widgetAt(low);
    EXPECT_TRUE(at && (at == window || window->isAncestorOf(at)))
        << window->objectName().toStdString() << " leaves a strip at its bottom";
}

// The close box of a working window's frame.
QPoint CloseBox(QMdiSubWindow* frame)
{
    QStyleOptionTitleBar option;
    option.initFrom(frame);
    option.subControls = QStyle::SC_All;
    option.titleBarFlags = frame->windowFlags();
    option.titleBarState = static_cast<int>(frame->windowState());
    option.text = frame->windowTitle();
    const int border =
        frame->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, frame);
    const int height = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, frame);
    option.rect = QRect(border, border, frame->width() - 2 * border, height);
    return frame->style()
        ->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarCloseButton, frame)
        .center();
}

// Pixels darker than mid grey in the widget's area of the screen: its text.
int DarkPixelsOnScreen(QWidget* w)
{
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    const QImage shot =
        w->screen()->grabWindow(0, at.x(), at.y(), w->width(), w->height()).toImage();
    int dark = 0;
    for (int y = 2; y < shot.height() - 2; ++y)
        for (int x = 2; x < shot.width() - 2; ++x)
            if (qGray(shot.pixel(x, y)) < 96) ++dark;
    return dark;
}

// The grid's cells fill its whole inner area: no band of the grid's
// background below the last row or right of the last column.
void ExpectNoEmptyBand(FlexGrid* grid)
{
    const QRect inner = grid->viewport()->geometry();
    const QRect last = grid->cellRect(grid->Rows() - 1, grid->Cols() - 1);
    EXPECT_EQ(last.bottom(), inner.bottom()) << grid->objectName().toStdString();
    EXPECT_EQ(last.right(), inner.right()) << grid->objectName().toStdString();
}

class WindowsTest : public DisplayTest
{
  protected:
    frmRoughness* OpenCalibration()
    {
        ViewProfile();
        ChooseMenuBarItem(main_->mnuRoughness);
        auto* roughness = static_cast<frmRoughness*>(ctx.windows.roughness.Get());
        EXPECT_TRUE(roughness && WaitShown(roughness));
        return roughness;
    }

    // The pump curve panel of the General Data page, with the pump text
    // boxes (the pump curve chosen first where it is not).
    void ShowPumpDetails()
    {
        frmLCC* input = Input();
        ShowPageOf(input->sstInput, input->optPumpDetails);
        if (!input->optPumpDetails->isChecked())
            QTest::mouseClick(input->optPumpDetails, Qt::LeftButton, {},
                              QPoint(8, input->optPumpDetails->height() / 2));
        ASSERT_TRUE(WaitShown(input->sscPumpcurve));
        Click(input->sscPumpcurve);
        ASSERT_TRUE(WaitShown(input->txtPumptype));
    }

    // The item stands on the menu bar where the user can click it.
    bool OnMenuBar(QAction* item)
    {
        const QRect place = main_->menuBar()->actionGeometry(item);
        return item->isVisible() && !place.isEmpty() &&
               main_->menuBar()->actionAt(place.center()) == item;
    }
};

TEST_F(WindowsTest, EveryWorkingWindowStandsInItsFrameAtTheCorner)
{
    OpenPumpingProject(QStringLiteral("Corner"));
    ExpectOnScreenAtCorner(Input());
    AnalyseAndContinue();
    ExpectOnScreenAtCorner(Results());
    ShowPageOf(Results()->sstResults, Results()->sscIRR);
    Click(Results()->sscIRR);
    auto* irr = static_cast<frmIRRView*>(ctx.windows.irrView.Get());
    ASSERT_TRUE(irr);
    ExpectOnScreenAtCorner(irr);
    Click(irr->sscOK);
    ExpectOnScreenAtCorner(Results());

    Click(Results()->sscInput); // "Input screen"
    ExpectOnScreenAtCorner(Input());
    ChooseMenu(main_->mnuFile, main_->mnuView, main_->mnuResults);
    ExpectOnScreenAtCorner(Results());
    ChooseMenu(main_->mnuFile, main_->mnuView, main_->mnuGeneral);
    ExpectOnScreenAtCorner(Input());

    ShowPumpDetails();
    Click(Input()->sscViewCurve); // "View pump curve"
    auto* pump = static_cast<frmPumpView*>(ctx.windows.pumpView.Get());
    ASSERT_TRUE(pump);
    ExpectOnScreenAtCorner(pump);
    Click(pump->sscOK);

    ExpectOnScreenAtCorner(ViewProfile());
    ChooseMenuBarItem(main_->mnuRoughness);
    auto* roughness = static_cast<frmRoughness*>(ctx.windows.roughness.Get());
    ASSERT_TRUE(roughness);
    ExpectOnScreenAtCorner(roughness);
    Click(roughness->sscViewGraph); // "View graph"
    auto* graph = static_cast<frmViewRoughness*>(ctx.windows.roughnessView.Get());
    ASSERT_TRUE(graph);
    ExpectOnScreenAtCorner(graph);
}

TEST_F(WindowsTest, RoughnessCalibrationItemGoesWithTheProfileView)
{
    OpenPumpingProject(QStringLiteral("Calibration item"));
    const QRect preferences = main_->menuBar()->actionGeometry(main_->mnuPreferences);
    EXPECT_FALSE(OnMenuBar(main_->mnuRoughness));
    ViewProfile();
    EXPECT_TRUE(OnMenuBar(main_->mnuRoughness));

    // Help > About: the command's prelude unloads the view.
    ModalScript about;
    about.then("About", Named("frmAbout"), ClickButton("&OK"));
    Run(about, [&] { ChooseMenu(main_->mnuHelp, main_->mnuAbout); });
    EXPECT_FALSE(ctx.windows.profileView.Loaded());
    EXPECT_FALSE(OnMenuBar(main_->mnuRoughness));
    EXPECT_EQ(main_->menuBar()->actionGeometry(main_->mnuPreferences), preferences);

    // The view's close box: the view goes, the item with it, the input
    // window comes back.
    ASSERT_TRUE(WaitShown(Input()));
    frmView* view = ViewProfile();
    ASSERT_TRUE(view);
    EXPECT_TRUE(OnMenuBar(main_->mnuRoughness));
    QMdiSubWindow* frame = FrameOf(view);
    ASSERT_TRUE(frame);
    // The frame knows its button by the pointer over it, as a user points.
    QTest::mouseMove(frame, CloseBox(frame));
    QTest::mouseClick(frame, Qt::LeftButton, {}, CloseBox(frame));
    EXPECT_TRUE(WaitFor([&] { return !ctx.windows.profileView.Loaded(); }));
    EXPECT_FALSE(OnMenuBar(main_->mnuRoughness));
    EXPECT_EQ(main_->menuBar()->actionGeometry(main_->mnuPreferences), preferences);
    ExpectOnScreenAtCorner(Input());
}

TEST_F(WindowsTest, AnalysisDialogLeavesNoFrameBehindItAndEscActsAsCancel)
{
    OpenPumpingProject(QStringLiteral("Analysis dialog"));
    AnalyseAndContinue();

    // Opened over the results: the results window leaves the screen with
    // its frame at once, while the dialog is up.
    QWidget* atCorner = nullptr;
    bool framesShown = true;
    ModalScript script;
    script.then("the analysis dialog", Named("frmAnalyse"), [&](QWidget* dialog) {
        QWidget* area = main_->mdiArea->viewport();
        atCorner = QApplication::widgetAt(area->mapToGlobal(QPoint(30, 30)));
        framesShown = false;
        for (QMdiSubWindow* frame : main_->findChildren<QMdiSubWindow*>())
            framesShown = framesShown || frame->isVisible();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    // The click comes from the event loop, as a user's does: what that loop
    // would delete later waits for the dialog's end.
    Run(script,
        [&] { QTimer::singleShot(0, main_, [&] { ChooseMenuBarItem(main_->mnuAnalyse); }); });
    EXPECT_FALSE(framesShown);
    EXPECT_EQ(atCorner, main_->mdiArea->viewport());

    // Esc did what Cancel does.
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_FALSE(ctx.windows.results.Loaded());
    ExpectOnScreenAtCorner(Input());
}

TEST_F(WindowsTest, AnalysisDialogCloseBoxActsAsCancelAfterARun)
{
    OpenPumpingProject(QStringLiteral("Close box"));
    ModalScript script;
    script.then("Analyse", Named("frmAnalyse"), PressAnalyse)
        .then(
            "the close box after the run",
            [](QWidget* w) {
                auto* dialog = qobject_cast<frmAnalyse*>(w);
                return dialog && dialog->sscAnalyse->Caption() == QStringLiteral("&Continue");
            },
            [](QWidget* dialog) { dialog->windowHandle()->close(); });
    Run(script, [&] { ChooseMenuBarItem(main_->mnuAnalyse); });
    EXPECT_TRUE(WaitFor([&] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_FALSE(ctx.windows.results.Loaded());
    ExpectOnScreenAtCorner(Input());
}

TEST_F(WindowsTest, FailedRunLeavesNoYearForTheNextProject)
{
    // A pump that can barely lift the water: the ageing pipe defeats it in
    // a later year.
    auto failing = PumpingCurveProject();
    failing->SupplyStartYear = 2030;
    failing->RoughnessOld = 50;
    SetPumpCurve(*failing, {{51, 0.1f, 60},
                            {50.8f, 0.12f, 65},
                            {50.6f, 0.14f, 70},
                            {50.4f, 0.16f, 72},
                            {50.2f, 0.18f, 70},
                            {50, 0.2f, 65}});
    const QString failingPath = SaveProjectFile(*failing, QStringLiteral("Failing"));
    const QString goodPath = SavePumpingProject(QStringLiteral("Good"));
    StartUp();
    OpenThroughMenu(failingPath);

    ModalScript script;
    script.then("Analyse", Named("frmAnalyse"), PressAnalyse)
        .then("the missed pump curve", MessageBox("does not intersect the system curve"),
              ClickButton("OK"))
        .then("the duty-point warning", Named("frmDutyPoint"), ClickButton("&OK"))
        .then("Cancel after the failed run", AnalyseDialogAfterItsRun, PressCancel);
    Run(script, [&] { ChooseMenuBarItem(main_->mnuAnalyse); });
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_FALSE(ctx.windows.results.Loaded());

    OpenThroughMenu(goodPath);
    AnalyseAndContinue();
    frmResults* results = Results();
    ASSERT_TRUE(results);
    const QString first = QString::number(ctx.store.SupplyStartYear);
    EXPECT_EQ(results->lblYear->text(), first);
    ShowPageOf(results->sstResults, results->sscViewHydraulicTable);
    Click(results->sscViewHydraulicTable);
    ASSERT_TRUE(WaitShown(results->lblYear1));
    EXPECT_EQ(results->lblYear1->text(), QStringLiteral("Year: ") + first);
}

// A refused analysis shows its message and, on a second line, the cause in
// the user's terms, in the real message box; the dialog stays for Cancel.
TEST_F(WindowsTest, ARefusedAnalysisSaysWhyOnASecondLine)
{
    auto backwards = GravityProject(100, 0, {{100, 0}, {90, 2400}, {80, 1000}, {0, 3000}});
    const QString path = SaveProjectFile(*backwards, QStringLiteral("Backwards"));
    StartUp();
    OpenThroughMenu(path);

    const QString expected = QStringLiteral(
        "Could not determine the flow for each year.\nNode 3 at chainage 1000 m comes after node "
        "2 at 2400 m: chainages must not fall along the profile.");
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalScript script;
    script.then("Analyse", Named("frmAnalyse"), PressAnalyse)
        .then("the refusal", MessageBox(QStringLiteral("Could not determine the flow")),
              [&](QWidget* w) {
                  auto* box = static_cast<QMessageBox*>(w);
                  text = box->text();
                  title = box->windowTitle();
                  icon = box->icon();
                  ClickButton("OK")(w);
              })
        .then("Cancel after the refused run", AnalyseDialogAfterItsRun, PressCancel);
    Run(script, [&] { ChooseMenuBarItem(main_->mnuAnalyse); });
    EXPECT_EQ(text, expected);
    EXPECT_EQ(title, QStringLiteral("Vemora Error"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_FALSE(ctx.store.ResultsValid);
}

TEST_F(WindowsTest, PumpTextBoxesShowTheirTextsAndStartEmpty)
{
    auto project = PumpingCurveProject();
    project->PumpType = "Acme 200";
    project->PumpDescription = "Two pumps in parallel";
    const QString path = SaveProjectFile(*project, QStringLiteral("Pump texts"));
    StartUp();
    OpenThroughMenu(path);
    ShowPumpDetails();
    frmLCC* input = Input();
    EXPECT_EQ(input->txtPumptype->text(), QStringLiteral("Acme 200"));
    EXPECT_EQ(input->txtPumpDescription->text(), QStringLiteral("Two pumps in parallel"));
    // The text comes into sight once the boxes are painted.
    EXPECT_TRUE(WaitFor([&] { return DarkPixelsOnScreen(input->txtPumptype) > 20; },
                        QStringLiteral("the pump type's text on the screen")));
    EXPECT_TRUE(WaitFor([&] { return DarkPixelsOnScreen(input->txtPumpDescription) > 20; },
                        QStringLiteral("the pump description's text on the screen")));

    // A new type typed over the old one is saved at the record's fixed width.
    input->txtPumptype->setFocus();
    input->txtPumptype->selectAll();
    QTest::keyClicks(input->txtPumptype, QStringLiteral("Split case"));
    ChooseMenu(main_->mnuFile, main_->mnuSave);
    ProjectRecord saved;
    int64_t record = 0;
    ASSERT_EQ(ReadProjectFile(path.toStdString(), saved, record), FileStatus::Ok);
    EXPECT_EQ(saved.PumpType, "Split case" + std::string(ProjectRecord::PumpTypeWidth - 10, ' '));
    EXPECT_EQ(saved.PumpDescription,
              "Two pumps in parallel" + std::string(ProjectRecord::PumpDescriptionWidth - 21, ' '));

    // A new pumping project: both boxes empty, and what is typed is all
    // they hold. The project was just saved, so New asks no save question.
    ModalScript script;
    script.then("the system type", Named("frmLCCType"), [](QWidget* w) {
        auto* type = static_cast<frmLCCType*>(w);
        QTest::mouseClick(type->optPumping, Qt::LeftButton, {},
                          QPoint(8, type->optPumping->height() / 2));
        Click(type->sscContinue);
    });
    Click(input->sscOK); // the pump panel closed
    Run(script, [&] { ChooseMenu(main_->mnuFile, main_->mnuNew); });
    ASSERT_TRUE(WaitShown(Input()));
    ShowPumpDetails();
    EXPECT_TRUE(input->txtPumptype->text().isEmpty());
    EXPECT_TRUE(input->txtPumpDescription->text().isEmpty());
    Click(input->txtPumptype);
    QTest::keyClicks(input->txtPumptype, QStringLiteral("Inline"));
    EXPECT_EQ(input->txtPumptype->text(), QStringLiteral("Inline"));
}

TEST_F(WindowsTest, CalibrationPickListAndGridsFitTheirCells)
{
    OpenPumpingProject(QStringLiteral("Calibration window"));
    frmLCC* input = Input();
    ShowPageOf(input->sstInput, input->sscLaying);
    Click(input->sscLaying);
    ASSERT_TRUE(WaitShown(input->msgLaying));
    ExpectNoEmptyBand(input->msgLaying);
    Click(input->sscCancelLaying);
    ASSERT_TRUE(WaitFor([&] { return !Shown(input->fraLaying); }));

    frmRoughness* w = OpenCalibration();
    ASSERT_TRUE(w);
    ExpectNoEmptyBand(w->msgRoughness);
    ExpectNoEmptyBand(w->msgRoughnessResults);

    // The pick list lies exactly over its cell, the elevation row below it
    // in sight.
    FlexGrid* grid = w->msgRoughness;
    ClickGridCell(grid, frmRoughness::LengthRow, 1);
    ASSERT_TRUE(WaitShown(w->comAccLength));
    const QRect cell = grid->cellRect(frmRoughness::LengthRow, 1);
    EXPECT_EQ(w->comAccLength->mapToGlobal(QPoint(0, 0)), grid->mapToGlobal(cell.topLeft()));
    EXPECT_EQ(w->comAccLength->size(), cell.size());
    const QPoint elevation =
        grid->mapToGlobal(grid->cellRect(frmRoughness::ElevationRow, 1).center());
    EXPECT_EQ(QApplication::widgetAt(elevation), grid->viewport());

    // A chainage typed into the cell shows there, not the list's old choice.
    QTest::keyClick(grid, Qt::Key_7, {}); // the first key opens the cell's editor
    ASSERT_TRUE(WaitShown(w->txtCell));
    QTest::keyClicks(w->txtCell, QStringLiteral("50"));
    QTest::keyClick(w->txtCell, Qt::Key_Return);
    EXPECT_EQ(grid->TextMatrix(frmRoughness::LengthRow, 1), QStringLiteral("750"));
    const QPoint typed = grid->mapToGlobal(cell.center());
    EXPECT_EQ(QApplication::widgetAt(typed), grid->viewport());

    // Back on the cell, the list shows what the cell holds.
    ClickGridCell(grid, frmRoughness::LengthRow, 1);
    ASSERT_TRUE(WaitShown(w->comAccLength));
    EXPECT_EQ(w->comAccLength->currentIndex(), -1);
    EXPECT_EQ(w->comAccLength->placeholderText(), QStringLiteral("750"));
}

// The profile view's read-outs say "Out of range" from the start, read the
// plot under the mouse, and say it again once the mouse has left the plot.
TEST_F(WindowsTest, ProfileViewReadOutsAreOutOfRangeOffThePlot)
{
    OpenPumpingProject(QStringLiteral("Read-out"));
    frmView* view = ViewProfile();
    ASSERT_TRUE(view);
    const QString outside = QStringLiteral("Out of range");
    const auto readOuts = [&] { return QStringList{view->lblX->text(), view->lblY->text()}; };
    EXPECT_EQ(readOuts(), (QStringList{outside, outside}));
    QTest::mouseMove(view->picGraph, view->picGraph->rect().center());
    EXPECT_TRUE(WaitFor([&] { return !readOuts().contains(outside); },
                        QStringLiteral("the read-outs over the plot")));
    QTest::mouseMove(view->picGraph, QPoint(2, view->picGraph->height() / 2));
    EXPECT_TRUE(WaitFor(
        [&] {
            return readOuts() == QStringList{outside, outside};
        },
        QStringLiteral("the read-outs off the plot")));
}

} // namespace
} // namespace vemora::test
