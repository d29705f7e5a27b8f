#include "calibration/frmViewRoughness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "app/AppContext.h"
#include "app/PendingEdits.h"
#include "app/PrintCopies.h"
#include "app/WorkingViews.h"
#include "engine/ConvertInputToSI.h"
#include "engine/NumberFormat.h"
#include "engine/ViewHydraulics.h"
#include "graphs/GraphPictures.h"
#include "graphs/GraphPieces.h"
#include "graphs/LegendKeys.h"
#include "graphs/ProfilePlot.h"
#include "pages/PrintRoughnessProfilePlot.h"
#include "platform/ControlBuilders.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"
#include "project/ProjectYears.h"

namespace vemora {

namespace {

constexpr int SideLeft = 7500;
constexpr int SideWidth = 2940;

QLabel* MakeImage(QWidget* parent, const QPixmap& picture, int left, int top)
{
    auto* label = new QLabel(parent);
    label->setPixmap(picture);
    setTwipsGeometry(label, left, top, pixelsToTwips(picture.width()),
                     pixelsToTwips(picture.height()));
    return label;
}

QLabel* MakeNamedLabel(QWidget* parent, const char* name, int left, int top, int width)
{
    QLabel* label = MakeLabel(parent, QString(), left, top, width);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

frmViewRoughness::frmViewRoughness(AppContext& context, QWidget* parent)
    : QWidget(parent), ctx(context)
{
    setObjectName(QStringLiteral("frmViewRoughness"));
    setWindowTitle(QStringLiteral("  VIEW PROFILE WITH ROUGHNESS VALUES"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setTwipsGeometry(this, 0, 0, 10605, 7455);
    BuildControls();
    Form_Load();
}

void frmViewRoughness::BuildControls()
{
    picGraph = new PictureBox(this);
    picGraph->setObjectName(QStringLiteral("picGraph"));
    picGraph->surface().setFontName(TimesNewRoman());
    picGraph->setCrossHair(true);
    picGraph->setToolTip(QStringLiteral("Pipeline profile"));
    setTwipsGeometry(picGraph, 120, 120, 7260, 5040);

    MakeLabel(this, QStringLiteral("Distance :"), 120, 5280, 900);
    lblX = MakeNamedLabel(this, "lblX", 1020, 5280, 1800);
    MakeLabel(this, QStringLiteral("Elevation :"), 2880, 5280, 900);
    lblY = MakeNamedLabel(this, "lblY", 3780, 5280, 1800);
    lblX->setText(QString::fromLatin1(kOutOfRange));
    lblY->setText(QString::fromLatin1(kOutOfRange));

    hscYears = MakeScrollBar(this, "hscYears", 1, 1, 1, 120, 5640, 2400, true);
    hscYears->setToolTip(QStringLiteral("Select the year to view"));
    lblYear = MakeNamedLabel(this, "lblYear", 2640, 5640, 600);
    sscChangeView = MakeButton(this, "sscChangeView", QString(), 3240, 5580, 540);
    sscChangeView->setPicture(ChangeViewPicture());
    sscChangeView->setToolTip(QStringLiteral("Click to view the profile for the selected year"));
    chkHydraulic = new QCheckBox(QStringLiteral("View hydraulic gradeline"), this);
    chkHydraulic->setObjectName(QStringLiteral("chkHydraulic"));
    chkHydraulic->setToolTip(QStringLiteral("Select to view the hydraulic gradeline"));
    chkHydraulic->setChecked(true);
    setTwipsGeometry(chkHydraulic, 3960, 5640, 2700, 285);

    lblKs = MakeNamedLabel(this, "lblKs", 120, 6000, 4500);
    lblFlowrate = MakeNamedLabel(this, "lblFlowrate", 120, 6300, 4500);
    lblPumping = MakeNamedLabel(this, "lblPumping", 120, 6600, 4500);

    BuildSideControls();

    connect(chkHydraulic, &QAbstractButton::clicked, this, &frmViewRoughness::chkHydraulic_Click);
    connect(hscYears, &ScrollBar::Change, this, &frmViewRoughness::hscYears_Change);
    connect(sscChangeView, &QAbstractButton::clicked, this, &frmViewRoughness::sscChangeView_Click);
    connect(sscView, &QAbstractButton::clicked, this, &frmViewRoughness::sscView_Click);
    connect(sscPrintView, &QAbstractButton::clicked, this, &frmViewRoughness::sscPrintView_Click);
    connect(sscOK, &QAbstractButton::clicked, this, &frmViewRoughness::sscOK_Click);
    connect(sscHelp, &QAbstractButton::clicked, this, &frmViewRoughness::sscHelp_Click);
    connect(picGraph, &PictureBox::MouseMove, this, &frmViewRoughness::picGraph_MouseMove);
    connect(picGraph, &PictureBox::MouseDown, this, &frmViewRoughness::picGraph_MouseDown);
}

void frmViewRoughness::BuildSideControls()
{
    fraScenarios =
        MakeFrame(this, "fraScenarios", QStringLiteral("Scenarios"), SideLeft, 60, SideWidth, 2700);
    for (int s = 0; s < CalibrationScenarioCount; ++s) {
        auto* box = new QCheckBox(fraScenarios);
        box->setObjectName(QStringLiteral("chkScenario%1").arg(s));
        setTwipsGeometry(box, 120, 270 + s * 300, 2400, 285);
        // The scenario's colour beside its box, as on the graph.
        MakeImage(fraScenarios,
                  QPixmap::fromImage(LineKey(ScenarioColours[static_cast<size_t>(s)], 2, 20)), 2540,
                  270 + s * 300 + 30);
        chkScenario[static_cast<size_t>(s)] = box;
    }

    QGroupBox* section = MakeFrame(this, "fraSection", QStringLiteral("View section"), SideLeft,
                                   2820, SideWidth, 1620);
    MakeLabel(section, QStringLiteral("Begin"), 120, 300, 600);
    comBegin = MakeUnitList(section, "comBegin", 720, 270, 1800);
    comBegin->setToolTip(QStringLiteral("Select the beginning of the section to be viewed"));
    MakeLabel(section, QStringLiteral("End"), 120, 690, 600);
    comEnd = MakeUnitList(section, "comEnd", 720, 660, 1800);
    comEnd->setToolTip(QStringLiteral("Select the end of the section to be viewed"));
    sscView = MakeButton(section, "sscView", QStringLiteral("&View"), 120, 1110, 1080);
    sscView->setToolTip(QStringLiteral("View the selected section"));
    sscPrintView =
        MakeButton(section, "sscPrintView", QStringLiteral("&Print View"), 1260, 1110, 1260);
    sscPrintView->setToolTip(QStringLiteral("Print the currently viewed section"));

    QGroupBox* legend =
        MakeFrame(this, "fraLegend", QStringLiteral("Legend"), SideLeft, 4500, SideWidth, 2100);
    const struct
    {
        int type; // node type, 0 for a line sample
        uint32_t colour;
        const char* text;
    } entries[] = {{0, graphcolor::Ground, "Pipeline profile"},
                   {0, graphcolor::Gradeline, "Hydraulic gradeline"},
                   {5, 0, "Air valve"},
                   {3, 0, "Isolating"},
                   {4, 0, "Non-return"},
                   {1, 0, "Reservoir"},
                   {2, 0, "Pumpstation"}};
    int top = 270;
    for (const auto& entry : entries) {
        const QPixmap picture = entry.type == 0 ? QPixmap::fromImage(LineKey(entry.colour, 1))
                                                : QPixmap::fromImage(ComponentSymbol(entry.type));
        MakeImage(legend, picture, 120, top + (255 - pixelsToTwips(picture.height())) / 2);
        MakeLabel(legend, QString::fromLatin1(entry.text), 840, top, 1700);
        top += 255;
    }

    sscOK = MakeButton(this, "sscOK", QStringLiteral("&OK"), SideLeft, 6720, 1260);
    sscOK->setToolTip(QStringLiteral("Click on OK to return to the program"));
    sscHelp = MakeButton(this, "sscHelp", QStringLiteral("Help"), SideLeft + 1380, 6720, 1260);
}

// Every opening starts from year 1, the whole profile, the gradeline shown
// and the scenario boxes as the last Calculate left the scenarios.
void frmViewRoughness::Form_Load()
{
    ctx.view.SelectedYear = 1;
    ctx.view.HideGradeline = false;
    TakeInputOnScreen(ctx);
    unitsKnown_ = ConvertInputToSI(ctx.store, ctx.results);
    const ProfilePlotData plot = PrepareProfilePlotData(ctx.store);
    comBegin->clear();
    comEnd->clear();
    for (int i = 1; i <= plot.NodeCount; ++i) {
        const QString text =
            QString::fromUtf8(FormatThreeDecimals(plot.PlotDistance[static_cast<size_t>(i)]));
        comBegin->addItem(text);
        comEnd->addItem(text);
    }
    comBegin->setCurrentIndex(plot.NodeCount > 0 ? 0 : -1);
    comEnd->setCurrentIndex(plot.NodeCount - 1);

    hscYears->setMin(1);
    hscYears->setMax(std::max<int>(1, ctx.store.DesignLife));
    hscYears->setValue(1);
    lblYear->setText(QString::number(OperatingCalendarYear(ctx.store, 1)));

    for (int s = 0; s < CalibrationScenarioCount; ++s) {
        const ScenarioCalibration& result = ctx.calibration.results[static_cast<size_t>(s)];
        const bool calculated =
            std::any_of(result.sections.begin(), result.sections.end(),
                        [](const CalibrationSection& section) { return section.measured; });
        QString flow;
        if (calculated && result.flow) flow = QString::fromUtf8(FormatThreeDecimals(*result.flow));
        QCheckBox* box = chkScenario[static_cast<size_t>(s)];
        box->setText(calculated ? QStringLiteral("Scenario %1 (Q = %2 m³/s)").arg(s + 1).arg(flow)
                                : QStringLiteral("Scenario %1 (Q =  m³/s)").arg(s + 1));
        box->setChecked(calculated);
        box->setEnabled(calculated);
    }
    DrawRoughnessProfilePlot();
}

void frmViewRoughness::DrawRoughnessProfilePlot()
{
    // On the SI values of the opening, which the calibration's Calculate reads too.
    const ViewHydraulics solution = SolveViewHydraulics(ctx.store, ctx.results, unitsKnown_);
    solved_ = solution.Status == HydraulicsStatus::Ok;
    const int year =
        std::clamp<int>(ctx.view.SelectedYear, 1, std::max<int>(1, ctx.store.DesignLife));
    lblKs->setText(QString::fromUtf8(RoughnessCaption(ctx.store, ctx.results, year, solved_)));
    hscYears->setMax(std::max<int>(1, ctx.store.DesignLife));
    if (!solved_)
        ctx.ui.msgBox(QString::fromUtf8(GradelineFailureText(solution)), MsgButtons::OK,
                      MsgIcon::Exclamation, QStringLiteral("Vemora"), this);

    ProfileView view;
    view.BeginNode = comBegin->currentIndex() + 1;
    view.EndNode = comEnd->currentIndex() + 1;
    view.Year = year;
    view.HideGradeline = ctx.view.HideGradeline;
    view.HideComponents = false;
    ScenarioTicks ticked{};
    for (int s = 0; s < CalibrationScenarioCount; ++s)
        ticked[static_cast<size_t>(s)] = chkScenario[static_cast<size_t>(s)]->isChecked();

    const RoughnessProfileResult drawn =
        DrawRoughnessProfile(picGraph->surface(), frame_, ctx.store, ctx.results, view,
                             ctx.calibration.results, ticked, !solved_);
    drawnHeader_ = HeaderTextsOf(ctx.store);
    switch (drawn.Status) {
    case ProfileStatus::Drawn:
        lblFlowrate->setText(QString::fromUtf8(drawn.Captions.FlowRate));
        lblPumping->setText(QString::fromUtf8(drawn.Captions.PumpingHead));
        break;
    case ProfileStatus::NoSection:
        ctx.ui.msgBox(QString::fromLatin1(SelectDistancesMessage), MsgButtons::OK,
                      MsgIcon::Exclamation, QString::fromLatin1(ProfileErrorTitle), this);
        comBegin->setCurrentIndex(comBegin->count() > 0 ? 0 : -1);
        comEnd->setCurrentIndex(comEnd->count() - 1);
        break;
    case ProfileStatus::BeginNotBeforeEnd:
        ctx.ui.msgBox(QString::fromLatin1(BeginNotBeforeEndMessage), MsgButtons::OK,
                      MsgIcon::Exclamation, QString::fromLatin1(ProfileErrorTitle), this);
        break;
    }
}

void frmViewRoughness::chkHydraulic_Click()
{
    ctx.view.HideGradeline = !ctx.view.HideGradeline;
    DrawRoughnessProfilePlot();
}

// The year changes at once; the drawing follows at the next redraw.
void frmViewRoughness::hscYears_Change()
{
    lblYear->setText(QString::number(OperatingCalendarYear(ctx.store, hscYears->Value())));
    ctx.view.SelectedYear = static_cast<int16_t>(hscYears->Value());
}

void frmViewRoughness::sscChangeView_Click()
{
    HourglassScope hourglass(ctx.ui);
    DrawRoughnessProfilePlot();
}

void frmViewRoughness::sscView_Click()
{
    HourglassScope hourglass(ctx.ui);
    DrawRoughnessProfilePlot();
}

void frmViewRoughness::sscPrintView_Click()
{
    DrawRoughnessProfilePlot();
    PrintCopies(ctx, PrintViewJob());
}

PrintJob frmViewRoughness::PrintViewJob()
{
    return {QStringLiteral("the calibration profile"), PageOrientation::Landscape,
            [this](PageRun& run, ReportPrinter& printer) { PrintPage(run, printer); },
            drawnHeader_};
}

void frmViewRoughness::PrintPage(PageRun& run, ReportPrinter& printer)
{
    RoughnessProfilePage page;
    page.BeginDistance = comBegin->currentText();
    page.EndDistance = comEnd->currentText();
    page.Picture = picGraph->drawing(); // the picture as it stands on screen
    page.Solved = solved_;
    PrintRoughnessProfilePlot(printer, ctx, run, page);
}

void frmViewRoughness::sscOK_Click()
{
    if (RoughnessWindow* calibration = ctx.windows.roughness.Get())
        ShowWorkingWindow(ctx, calibration);
    ctx.windows.roughnessView.Unload();
}

void frmViewRoughness::sscHelp_Click()
{
    ctx.ui.showHelp(HelpTopic);
}

void frmViewRoughness::picGraph_MouseMove(int, int, double x, double y)
{
    const ProfileReadOut at = ReadProfile(frame_, ctx.store, x, y);
    lblX->setText(QString::fromUtf8(at.Distance));
    lblY->setText(QString::fromUtf8(at.Elevation));
}

void frmViewRoughness::picGraph_MouseDown(int button, int, double, double)
{
    if (button != mousebutton::Right) return;
    picGraph->copyToClipboard(
        ctx.ui, QStringLiteral("The pipeline profile was copied to the clipboard"), this);
}

} // namespace vemora
