// The results window's event handlers.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "app/AppContext.h"
#include "app/PrintCopies.h"
#include "app/WorkingViews.h"
#include "graphs/ProfileGraph.h"
#include "pages/ProfilePlotPage.h"
#include "pages/PumpPages.h"
#include "pages/SystemGraphPage.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"
#include "platform/Screen.h"
#include "platform/ScrollBar.h"
#include "project/ProjectYears.h"
#include "results/frmResults.h"

namespace vemora {

namespace {

constexpr int HydraulicHelpTopic = 6010;
constexpr int SystemHelpTopic = 6020;
constexpr int CostHelpTopic = 6030;

QString CalendarYear(const ProjectStore& s, int year)
{
    return QString::number(OperatingCalendarYear(s, year));
}

// The two view windows a switch of working window closes when they show.
void UnloadShowingViews(AppContext& ctx)
{
    if (IsWorkingWindowShowing(ctx, ctx.windows.profileView.Get()))
        ctx.windows.profileView.Unload();
    if (IsWorkingWindowShowing(ctx, ctx.windows.pumpView.Get())) ctx.windows.pumpView.Unload();
}

} // namespace

// ---- Hydraulic page -------------------------------------------------------------

void frmResults::sscChangeView_Click()
{
    RedrawProfile();
}

void frmResults::sscView_Click()
{
    RedrawProfile();
}

// Each box switches its part of the drawing to what the box now shows.
void frmResults::chkComponents_Click()
{
    ctx.view.HideComponents = !chkComponents->isChecked();
    RedrawProfile();
}

void frmResults::chkGradeline_Click()
{
    ctx.view.HideGradeline = !chkGradeline->isChecked();
    RedrawProfile();
}

// The year changes at once; the graph follows at the next redraw.
void frmResults::hscYears_Change()
{
    lblYear->setText(CalendarYear(ctx.store, hscYears->Value()));
    ctx.view.SelectedYear = static_cast<int16_t>(hscYears->Value());
}

void frmResults::sscComponents_Click()
{
    fraComponents->show();
}

void frmResults::sscHide_Click()
{
    fraComponents->hide();
}

void frmResults::sscViewHydraulicTable_Click()
{
    fraTable->show();
    lblYear1->setText(QStringLiteral("Year: ") + lblYear->text());
    FillHydraulicProfileTable();
}

void frmResults::sscHideHydraulicTable_Click()
{
    fraTable->hide();
}

void frmResults::sscDutypoint_Click()
{
    fraDuty->show();
    FillDutyPointTable();
}

void frmResults::sscHideDuty_Click()
{
    fraDuty->hide();
}

void frmResults::hscDuty_Change()
{
    ctx.results.DutyYear = static_cast<int16_t>(hscDuty->Value());
    lblDutyYear->setText(QStringLiteral("Year ") + CalendarYear(ctx.store, ctx.results.DutyYear));
    DrawPumpSystemCurves();
}

// The cursor position in axis units, from the frame the profile drawing left.
void frmResults::picHydraulic_MouseMove(int, int, double x, double y)
{
    const ProfileReadOut at = ReadProfile(picHydraulicFrame, ctx.store, x, y);
    lblX->setText(QString::fromStdString(at.Distance));
    lblY->setText(QString::fromStdString(at.Elevation));
}

void frmResults::picHydraulic_MouseDown(int button, int, double, double)
{
    CopyGraph(picHydraulic, button);
}

// ---- System page ----------------------------------------------------------------

void frmResults::ssoDemandCapacity_Click()
{
    DrawDemandCapacityGraph();
    fraDemandLegend->show();
    fraIncomeLegend->hide();
}

void frmResults::ssoIncomeExpenditure_Click()
{
    DrawIncomeExpenditureGraph();
    fraDemandLegend->hide();
    fraIncomeLegend->show();
}

void frmResults::sscViewTable_Click()
{
    fraViewTable->show();
    if (ssoDemandCapacity->isChecked())
        FillDemandYieldTable();
    else
        FillIncomeExpenditureTable();
}

void frmResults::sscHideTable_Click()
{
    fraViewTable->hide();
}

void frmResults::picSystem_MouseDown(int button, int, double, double)
{
    CopyGraph(picSystem, button);
}

void frmResults::CopyGraph(PictureBox* picture, int button)
{
    if (button != mousebutton::Right) return;
    picture->copyToClipboard(ctx.ui, QStringLiteral("The graph was copied to the clipboard"), this);
}

// ---- Buttons that leave the window -------------------------------------------------

// The IRR window opens beside this one, which stays as it is.
void frmResults::sscIRR_Click()
{
    if (ctx.store.ProjectOpen) {
        HideWorkingWindow(ctx, ctx.windows.input.Get());
        UnloadShowingViews(ctx);
    }
    ShowWorkingWindow(ctx, ctx.windows.irrView.Load());
}

// Back to the input window; the results stay loaded for View > Results.
void frmResults::sscInput_Click()
{
    if (!ctx.store.ProjectOpen) {
        ctx.ui.msgBox(QStringLiteral("No project has been opened."), MsgButtons::OK,
                      MsgIcon::Exclamation, QStringLiteral("Vemora Error"), this);
        return;
    }
    InputWindow* input = ctx.windows.input.Load();
    ShowWorkingWindow(ctx, input);
    UnloadShowingViews(ctx);
    if (ctx.store.ResultsValid) HideWorkingWindow(ctx, this);
    if (input) placeAtWorkAreaCorner(input->widget());
}

// ---- Printing and help ------------------------------------------------------------

void frmResults::sscPrintDutyYear_Click()
{
    PrintCopies(ctx, {QStringLiteral("the duty point pages"), PageOrientation::Portrait,
                      [this](PageRun& run, ReportPrinter& printer) {
                          PrintPumpSystemCurve(ctx, run, printer, picDuty->drawing(),
                                               lblDutyYear->text(), *msgDuty);
                      }});
}

// The graph on view, drawn again from the stores for the page.
void frmResults::sscPrintSystem_Click()
{
    const SystemGraph graph = ssoDemandCapacity->isChecked() ? SystemGraph::DemandCapacity
                                                             : SystemGraph::IncomeExpenditure;
    PrintCopies(ctx, {QStringLiteral("the system analysis graph"), PageOrientation::Landscape,
                      [this, graph](PageRun& run, ReportPrinter& printer) {
                          PrintSystemAnalysisGraph(ctx, run, printer, graph);
                      }});
}

// The printed profile names its section, so one must be chosen.
void frmResults::sscPrintView_Click()
{
    if (!SelectedSection()) return;
    PrintCopies(ctx,
                {QStringLiteral("the hydraulic profile"), PageOrientation::Portrait,
                 [this](PageRun& run, ReportPrinter& printer) { PrintProfilePlot(run, printer); }});
}

// The section of the distance lists, drawn again at the picture's size.
void frmResults::PrintProfilePlot(PageRun& run, ReportPrinter& printer)
{
    const DrawingSurface& picture = picHydraulic->surface();
    PrintProfilePlotPage(ctx, run, printer,
                         {comBegin->currentIndex() + 1, comEnd->currentIndex() + 1,
                          picture.ScaleWidth(), picture.ScaleHeight()});
}

void frmResults::sscHelp1_Click()
{
    ctx.ui.showHelp(HydraulicHelpTopic);
}

void frmResults::sscHelp2_Click()
{
    ctx.ui.showHelp(SystemHelpTopic);
}

void frmResults::sscHelp3_Click()
{
    ctx.ui.showHelp(CostHelpTopic);
}

} // namespace vemora
