#include "results/frmResults.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "app/AppContext.h"
#include "app/PrintCopies.h"
#include "engine/NumberFormat.h"
#include "graphs/HydraulicProfileGraph.h"
#include "graphs/SystemGraphs.h"
#include "platform/ControlBuilders.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "platform/Screen.h"
#include "platform/ScrollBar.h"
#include "platform/TabControl.h"
#include "platform/Twips.h"

namespace vemora {

namespace {

// The window's size in twips, laid out for an 800 x 600 screen.
constexpr int WindowWidth = 10605;
constexpr int WindowHeight = 7095;

} // namespace

frmResults::frmResults(AppContext& context, QWidget* parent) : QWidget(parent), ctx(context)
{
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(QStringLiteral("  RESULTS"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));

    sstResults = new TabControl(this);
    sstResults->setObjectName(QStringLiteral("sstResults"));
    setTwipsGeometry(sstResults, 60, 60, WindowWidth - 120, WindowHeight - 120);
    sstResults->addTab(BuildHydraulicPage(), QStringLiteral("Hydraulic analysis"));
    sstResults->addTab(BuildSystemPage(), QStringLiteral("System analysis"));
    sstResults->addTab(BuildCostPage(), QStringLiteral("Cost analysis"));

    // The input button stands outside the tab control, at the right of its tabs.
    sscInput = MakeButton(this, "sscInput", QStringLiteral("&Input screen"), 8865, 60, 1620, 330);
    sscInput->setToolTip(QStringLiteral("Click to return to the input screens"));

    ConnectHandlers();
    Form_Load();
}

void frmResults::ConnectHandlers()
{
    connect(sscInput, &QAbstractButton::clicked, this, &frmResults::sscInput_Click);
    connect(sscChangeView, &QAbstractButton::clicked, this, &frmResults::sscChangeView_Click);
    connect(sscView, &QAbstractButton::clicked, this, &frmResults::sscView_Click);
    connect(chkComponents, &QAbstractButton::clicked, this, &frmResults::chkComponents_Click);
    connect(chkGradeline, &QAbstractButton::clicked, this, &frmResults::chkGradeline_Click);
    connect(hscYears, &ScrollBar::Change, this, &frmResults::hscYears_Change);
    connect(sscComponents, &QAbstractButton::clicked, this, &frmResults::sscComponents_Click);
    connect(sscHide, &QAbstractButton::clicked, this, &frmResults::sscHide_Click);
    connect(sscViewHydraulicTable, &QAbstractButton::clicked, this,
            &frmResults::sscViewHydraulicTable_Click);
    connect(sscHideHydraulicTable, &QAbstractButton::clicked, this,
            &frmResults::sscHideHydraulicTable_Click);
    connect(sscDutypoint, &QAbstractButton::clicked, this, &frmResults::sscDutypoint_Click);
    connect(sscHideDuty, &QAbstractButton::clicked, this, &frmResults::sscHideDuty_Click);
    connect(hscDuty, &ScrollBar::Change, this, &frmResults::hscDuty_Change);
    connect(ssoDemandCapacity, &QAbstractButton::clicked, this,
            &frmResults::ssoDemandCapacity_Click);
    connect(ssoIncomeExpenditure, &QAbstractButton::clicked, this,
            &frmResults::ssoIncomeExpenditure_Click);
    connect(sscViewTable, &QAbstractButton::clicked, this, &frmResults::sscViewTable_Click);
    connect(sscHideTable, &QAbstractButton::clicked, this, &frmResults::sscHideTable_Click);
    connect(sscIRR, &QAbstractButton::clicked, this, &frmResults::sscIRR_Click);
    connect(sscPrintDutyYear, &QAbstractButton::clicked, this, &frmResults::sscPrintDutyYear_Click);
    connect(sscPrintSystem, &QAbstractButton::clicked, this, &frmResults::sscPrintSystem_Click);
    connect(sscPrintView, &QAbstractButton::clicked, this, &frmResults::sscPrintView_Click);
    connect(sscHelp1, &QAbstractButton::clicked, this, &frmResults::sscHelp1_Click);
    connect(sscHelp2, &QAbstractButton::clicked, this, &frmResults::sscHelp2_Click);
    connect(sscHelp3, &QAbstractButton::clicked, this, &frmResults::sscHelp3_Click);
    connect(picHydraulic, &PictureBox::MouseMove, this, &frmResults::picHydraulic_MouseMove);
    connect(picHydraulic, &PictureBox::MouseDown, this, &frmResults::picHydraulic_MouseDown);
    connect(picSystem, &PictureBox::MouseDown, this, &frmResults::picSystem_MouseDown);
    connect(hsbAnnual, &ScrollBar::Change, this, &frmResults::hsbAnnual_Change);
}

// Load: the window's size and place, the first operating year.
void frmResults::Form_Load()
{
    setFixedSize(twipsToPixels(WindowWidth), twipsToPixels(WindowHeight));
    placeAtWorkAreaCorner(this);
    hscYears->setValue(1);
    ctx.view.SelectedYear = 1; // the profile follows the bar from the first year
    lblYear->setText(QString::number(ctx.store.SupplyStartYear));
}

// ---- Refresh after a run ----------------------------------------------------

void frmResults::Refresh(AnalysisObserver& progress)
{
    RefreshResultsDisplay(*this, ctx.store, ctx.results, progress);
}

void frmResults::SetResultLabels(const ResultLabels& labels)
{
    lblDesignLife->setText(QString::fromStdString(labels.DesignLife));
    lblNPVE->setText(QString::fromStdString(labels.NpvE));
    lblNPVI->setText(QString::fromStdString(labels.NpvI));
    lblIRR->setText(QString::fromStdString(labels.Irr));
}

void frmResults::SetDutyPointButtonVisible(bool visible)
{
    sscDutypoint->setVisible(visible);
}

void frmResults::HideDutyFrame()
{
    fraDuty->hide();
}

void frmResults::FillDistanceCombos()
{
    const ProfilePlotData plot = PrepareProfilePlotData(ctx.store);
    comBegin->clear();
    comEnd->clear();
    for (int i = 1; i <= plot.NodeCount; ++i) {
        const QString text = QString::fromStdString(FormatThreeDecimals(plot.PlotDistance[i]));
        comBegin->addItem(text);
        comEnd->addItem(text);
    }
    comBegin->setCurrentIndex(comBegin->count() > 0 ? 0 : -1);
    comEnd->setCurrentIndex(comEnd->count() - 1);
    ctx.view.HideGradeline = false;
    ctx.view.HideComponents = false;
    // The boxes follow the switches (ticking them by code runs no handler).
    chkGradeline->setChecked(true);
    chkComponents->setChecked(true);
}

std::optional<ProfileSection> frmResults::SelectedSection()
{
    const int count = PrepareProfilePlotData(ctx.store).NodeCount;
    const int begin = comBegin->currentIndex() + 1;
    const int end = comEnd->currentIndex() + 1;
    if (count < 2 || begin < 1 || begin > count || end < 1 || end > count) {
        ShowProfileMessage(SelectDistancesMessage);
        return std::nullopt;
    }
    return ProfileSection{begin, end};
}

void frmResults::ShowProfileMessage(const char* text)
{
    ctx.ui.msgBox(QString::fromUtf8(text), MsgButtons::OK, MsgIcon::Exclamation,
                  QString::fromUtf8(ProfileErrorTitle), this);
}

// ---- Drawings ---------------------------------------------------------------

void frmResults::DrawHydraulicProfile()
{
    hscYears->setMax(std::max<int>(1, ctx.store.DesignLife));
    hscYears->setMin(1);
    const std::optional<ProfileSection> section = SelectedSection();
    if (!section) {
        ClearProfile();
        return;
    }
    const ProfileView view{section->begin, section->end, ctx.view.SelectedYear,
                           ctx.view.HideGradeline, ctx.view.HideComponents};
    const HydraulicProfileResult drawn = vemora::DrawHydraulicProfile(
        picHydraulic->surface(), picHydraulicFrame, ctx.store, ctx.results, view);
    switch (drawn.Status) {
    case ProfileStatus::Drawn:
        lblMaxFlow->setText(QString::fromStdString(drawn.Captions.FlowRate));
        lblPumping->setText(QString::fromStdString(drawn.Captions.PumpingHead));
        break;
    case ProfileStatus::NoSection:
        ShowProfileMessage(SelectDistancesMessage);
        ClearProfile();
        break;
    case ProfileStatus::BeginNotBeforeEnd:
        ShowProfileMessage(BeginNotBeforeEndMessage);
        break;
    }
}

// Without a section nothing of an earlier drawing stays: no picture, no
// captions, and a read-out that finds no frame.
void frmResults::ClearProfile()
{
    DrawingSurface& s = picHydraulic->surface();
    s.setBackColor(vbcolor::White);
    s.Cls();
    picHydraulicFrame = PlotFrame{};
    lblMaxFlow->clear();
    lblPumping->clear();
    lblX->setText(QString::fromLatin1(kOutOfRange));
    lblY->setText(QString::fromLatin1(kOutOfRange));
}

void frmResults::DrawDemandCapacityGraph()
{
    const DemandLegend legend =
        vemora::DrawDemandCapacityGraph(picSystem->surface(), ctx.store, ctx.results);
    lblDemand->setText(QString::fromStdString(legend.Demand));
    lblYield->setText(QString::fromStdString(legend.Yield));
}

void frmResults::DrawIncomeExpenditureGraph()
{
    const IncomeLegend legend =
        vemora::DrawIncomeExpenditureGraph(picSystem->surface(), ctx.store, ctx.results);
    lblIncome->setText(QString::fromStdString(legend.Income));
    lblCapitalExpenditure->setText(QString::fromStdString(legend.CapitalExpenditure));
    lblMaintenance->setText(QString::fromStdString(legend.Maintenance));
    lblOperational->setText(QString::fromStdString(legend.Operational));
    lblEnergy->setText(QString::fromStdString(legend.Energy));
    lblEnergy->setVisible(legend.EnergyVisible);
    Shape[5]->setVisible(legend.EnergyVisible);
    PlaceIncomeLegendEntry(Shape[3], legend.MaintenanceSwatchTop);
    PlaceIncomeLegendEntry(lblMaintenance, legend.MaintenanceLabelTop);
    PlaceIncomeLegendEntry(Shape[4], legend.OperationalSwatchTop);
    PlaceIncomeLegendEntry(lblOperational, legend.OperationalLabelTop);
}

void frmResults::RedrawProfile()
{
    HourglassScope hourglass(ctx.ui);
    DrawHydraulicProfile();
}

} // namespace vemora
