#include "calibration/frmRoughness.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>

#include "app/AppContext.h"
#include "app/PendingEdits.h"
#include "app/WorkingViews.h"
#include "engine/CalibrationUnits.h"
#include "engine/ConvertInputToSI.h"
#include "engine/NumberFormat.h"
#include "graphs/ProfileGraph.h"
#include "platform/ControlBuilders.h"
#include "platform/EntryGuard.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/PictureButton.h"
#include "platform/Screen.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "project/StrictNumber.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

constexpr int PointCount = CalibrationPointCount;
constexpr int SectionCount = CalibrationSectionCount;
constexpr int DefaultUnitCode = 2; // "m³/s" and "kilo Pascals (kPa)"

const char* const MeasurementHeadings[] = {"Pressure measuring point", "Accumulated length",
                                           "Elevation", "Measured pressure"};
const char* const ResultHeadings[] = {"Calculated between",     "Colebrook-White (ks in mm)",
                                      "Barr (ks in mm)",        "Karman-Prandtl (ks in mm)",
                                      "Hazen Williams (C)",     "Average diameter (mm)",
                                      "Average velocity (m/s)", "Reynolds number"};

// What each measurement row holds, for the messages about its cells.
const char* const RowQuantities[] = {"", "accumulated length", "elevation", "measured pressure"};

QString ValueText(const std::optional<double>& value)
{
    return value ? QString::fromUtf8(FormatGeneral(static_cast<float>(*value))) : QString();
}

void SetHeading(FlexGrid* grid, int row, int col, const QString& text)
{
    grid->setRow(row);
    grid->setCol(col);
    grid->setCellFontBold(true);
    grid->setText(text);
}

// A cell or box text: empty is "not entered"; otherwise it must be a number.
bool ReadEntry(const QString& text, std::optional<double>& value)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        value.reset();
        return true;
    }
    double read = 0;
    if (!ReadStrictNumber(trimmed.toStdString(), read, MinusSign::Allowed)) return false;
    value = read;
    return true;
}

} // namespace

frmRoughness::frmRoughness(AppContext& context, QWidget* parent) : QWidget(parent), ctx(context)
{
    setObjectName(QStringLiteral("frmRoughness"));
    setWindowTitle(QStringLiteral("  ROUGHNESS CALCULATION"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setTwipsGeometry(this, 0, 0, 10605, 7455);
    BuildControls();
    Form_Load();
}

void frmRoughness::BuildControls()
{
    Label6 = MakeLabel(this,
                       QStringLiteral("Select the scenario and enter the data for each pressure "
                                      "measuring point"),
                       240, 150, 8000);
    lblScenario1 = MakeLabel(this, QStringLiteral("Scenario"), 240, 540, 900);
    lblScenario = MakeLabel(this, QStringLiteral("1"), 1140, 540, 400);
    QPalette red = lblScenario->palette();
    red.setColor(QPalette::WindowText, vbColor(vbcolor::Red));
    lblScenario->setPalette(red);
    hscScenario =
        MakeScrollBar(this, "hscScenario", 1, CalibrationScenarioCount, 1, 1560, 525, 2400);

    fraScenario = MakeFrame(this, "fraScenario", QStringLiteral("Measuring data (for scenario 1)"),
                            120, 900, 10365, 2820);
    MakeLabel(fraScenario, QStringLiteral("Flow rate"), 240, 375, 900);
    txtFlowrate = new TextBox(fraScenario);
    txtFlowrate->setObjectName(QStringLiteral("txtFlowrate"));
    setTwipsGeometry(txtFlowrate, 1140, 330, 1200, 315);
    txtFlowrate->setToolTip(QStringLiteral("Enter the flow rate for this scenario "));
    comFlowrateUnits = MakeUnitList(fraScenario, "comFlowrateUnits", 2460, 330, 2100);
    comFlowrateUnits->setToolTip(QStringLiteral("Select the flow rate units"));
    MakeLabel(fraScenario, QStringLiteral("Pressure units"), 4800, 375, 1200);
    comPressureUnits = MakeUnitList(fraScenario, "comPressureUnits", 6000, 330, 4200);
    comPressureUnits->setToolTip(QStringLiteral("Select the pressure units"));

    msgRoughness = MakeGrid(fraScenario, "msgRoughness", 240, 840, 8070, 1620);
    msgRoughness->setToolTip(QStringLiteral("Enter the measured pressures for this scenario"));
    comAccLength = new QComboBox(fraScenario);
    comAccLength->setObjectName(QStringLiteral("comAccLength"));
    comAccLength->setToolTip(QStringLiteral("Select the measuring point accumulated length"));
    comAccLength->hide();
    txtCell = MakeCellEditor(fraScenario, "txtCell");

    fraResults = MakeFrame(this, "fraResults", QStringLiteral("Results (for Scenario 1)"), 120,
                           3840, 7320, 3360);
    msgRoughnessResults = MakeGrid(fraResults, "msgRoughnessResults", 240, 330, 6870, 2870);

    sscCalculate = MakeButton(this, "sscCalculate", QStringLiteral("&Calculate"), 7800, 4080, 2400);
    sscCalculate->setToolTip(QStringLiteral("Click to calculate yhe roughness parameters"));
    sscViewGraph =
        MakeButton(this, "sscViewGraph", QStringLiteral("&View graph"), 7800, 4620, 2400);
    sscViewGraph->setToolTip(
        QStringLiteral("Click to view the pipeline profile graph with measured data "));
    sscPrevious =
        MakeButton(this, "sscPrevious", QStringLiteral("&Previous screen"), 7800, 5160, 2400);
    sscPrevious->setToolTip(QStringLiteral("Click to return to the profile viewing screen"));
    sscHelp = MakeButton(this, "sscHelp", QStringLiteral("Help"), 7800, 5700, 2400);

    // Rows 2 and 3 take only digits and "."; the first key on an accumulated
    // length goes in as typed, its editor then takes only digits and ".".
    CellEditRules rules;
    rules.f2Columns = {1, 2, 3, 4, 5};
    rules.f2Rows = {ElevationRow, PressureRow};
    rules.filterRows = {ElevationRow, PressureRow};
    rules.editorFilterRows = {LengthRow};
    cells = new GridCellEditor(msgRoughness, txtCell, rules, [] {});
    // A paste is trimmed; the flow rate takes any typed key, so only the
    // cells refuse one.
    const auto status = [this](const QString& reason) { ctx.mainWindow().showHint(this, reason); };
    cells->setStatusLine(status,
                         [this] { return ctx.mainWindow().panelText(MainWindow::HintPanel); });
    new NumberGuard(txtFlowrate, NumberGuard::Keys::Unfiltered, status);

    connect(hscScenario, &ScrollBar::Change, this, &frmRoughness::hscScenario_Change);
    connect(msgRoughness, &FlexGrid::Click, this, &frmRoughness::msgRoughness_Click);
    connect(msgRoughness, &FlexGrid::LeaveCell, this, &frmRoughness::msgRoughness_LeaveCell);
    connect(comAccLength, &QComboBox::activated, this, &frmRoughness::comAccLength_Click);
    connect(txtCell, &TextBox::Change, comAccLength, &QWidget::hide);
    connect(sscCalculate, &QAbstractButton::clicked, this, &frmRoughness::sscCalculate_Click);
    connect(sscViewGraph, &QAbstractButton::clicked, this, &frmRoughness::sscViewGraph_Click);
    connect(sscPrevious, &QAbstractButton::clicked, this, &frmRoughness::sscPrevious_Click);
    connect(sscHelp, &QAbstractButton::clicked, this, &frmRoughness::sscHelp_Click);
}

// The window opens empty on scenario 1 whatever is stored; the stored data
// show when the user scrolls to a scenario.
void frmRoughness::Form_Load()
{
    TakeInputOnScreen(ctx);
    ConvertInputToSI(ctx.store, ctx.results);
    const ProfilePlotData plot = PrepareProfilePlotData(ctx.store);
    comAccLength->clear();
    for (int i = 1; i <= plot.NodeCount; ++i)
        comAccLength->addItem(
            QString::fromUtf8(FormatThreeDecimals(plot.PlotDistance[static_cast<size_t>(i)])));
    comAccLength->setCurrentIndex(plot.NodeCount > 0 ? 0 : -1);

    for (const Unit& unit : FlowUnits)
        comFlowrateUnits->addItem(QString::fromUtf8(unit.Text));
    for (std::string_view text : CalibrationPressureUnitTexts())
        comPressureUnits->addItem(QString::fromUtf8(text));
    comFlowrateUnits->setCurrentIndex(DefaultUnitCode);
    comPressureUnits->setCurrentIndex(DefaultUnitCode);

    LayOutMeasurementGrid();
    LayOutResultsGrid();
}

void frmRoughness::LayOutMeasurementGrid()
{
    FlexGrid* g = msgRoughness;
    g->Clear();
    g->setRows(4);
    g->setCols(PointCount + 1);
    g->setFixedRows(1);
    g->setFixedCols(1);
    g->setRowHeight(0, 500);
    for (int r = 1; r < 4; ++r)
        g->setRowHeight(r, 350);
    g->setColWidth(0, 2000);
    g->setColAlignment(0, FlexAlign::LeftCenter);
    for (int c = 1; c <= PointCount; ++c) {
        g->setColWidth(c, 1200);
        g->setColAlignment(c, FlexAlign::CenterCenter);
    }
    for (int r = 0; r < 4; ++r)
        SetHeading(g, r, 0, QString::fromLatin1(MeasurementHeadings[r]));
    for (int c = 1; c <= PointCount; ++c)
        SetHeading(g, 0, c, QString::number(c));
    g->setRow(1);
    g->setCol(1);
    g->FitToCells();
    g->Refresh();
}

void frmRoughness::LayOutResultsGrid()
{
    FlexGrid* g = msgRoughnessResults;
    g->Clear();
    g->setRows(8);
    g->setCols(SectionCount + 1);
    g->setFixedRows(1);
    g->setFixedCols(1);
    for (int r = 0; r < 8; ++r)
        g->setRowHeight(r, 350);
    g->setColWidth(0, 2800);
    g->setColAlignment(0, FlexAlign::LeftCenter);
    for (int c = 1; c <= SectionCount; ++c) {
        g->setColWidth(c, 1000);
        g->setColAlignment(c, FlexAlign::CenterCenter);
    }
    for (int r = 0; r < 8; ++r)
        SetHeading(g, r, 0, QString::fromLatin1(ResultHeadings[r]));
    for (int c = 1; c <= SectionCount; ++c)
        SetHeading(g, 0, c, QStringLiteral("%1 to %2").arg(c).arg(c + 1));
    g->setRow(1);
    g->setCol(1);
    g->FitToCells();
    g->Refresh();
}

void frmRoughness::ShowRoughnessMeasurements()
{
    const int s = std::clamp(ctx.calibration.CalibScenario, 1, CalibrationScenarioCount);
    const CalibrationScenario& stored = ctx.calibration.scenarios[static_cast<size_t>(s - 1)];
    cells->Abandon();
    comAccLength->hide();
    for (int p = 1; p <= PointCount; ++p) {
        const MeasuringPoint& point = stored.points[static_cast<size_t>(p - 1)];
        msgRoughness->setTextMatrix(LengthRow, p, ValueText(point.chainage));
        msgRoughness->setTextMatrix(ElevationRow, p, ValueText(point.elevation));
        msgRoughness->setTextMatrix(PressureRow, p, ValueText(point.pressure));
    }
    for (int r = 1; r < 8; ++r)
        for (int c = 1; c <= SectionCount; ++c)
            msgRoughnessResults->setTextMatrix(r, c, QString());
    txtFlowrate->setText(ValueText(stored.flow));
    comFlowrateUnits->setCurrentIndex(stored.flowUnit < comFlowrateUnits->count() ? stored.flowUnit
                                                                                  : -1);
    comPressureUnits->setCurrentIndex(
        stored.pressureUnit < comPressureUnits->count() ? stored.pressureUnit : -1);
}

void frmRoughness::hscScenario_Change()
{
    const int v = hscScenario->Value();
    lblScenario->setText(QString::number(v));
    fraScenario->setTitle(QStringLiteral("Measuring data (for scenario %1)").arg(v));
    fraResults->setTitle(QStringLiteral("Results (for scenario %1)").arg(v));
    ctx.calibration.CalibScenario = v;
    ShowRoughnessMeasurements();
}

// The choice list lies exactly over a cell of the accumulated-length row
// while that cell is current, showing the cell's own text: the item it
// holds, or the text typed into it when that is no item. It hides as soon as
// its cell stops being current, when the cell is typed into and when another
// scenario fills the grid, so that what it shows is what the cell holds.
void frmRoughness::msgRoughness_Click()
{
    FlexGrid* g = msgRoughness;
    GridRow = static_cast<int16_t>(g->Row());
    GridCol = static_cast<int16_t>(g->Col());
    comAccLength->hide();
    if (GridRow != LengthRow || GridCol < 1) return;
    const QRect place = twipsGeometry(g);
    setTwipsGeometry(comAccLength, place.x() + g->CellLeft(), place.y() + g->CellTop(),
                     g->CellWidth(), g->CellHeight());
    const QString cellText = g->Text();
    comAccLength->setPlaceholderText(cellText);
    comAccLength->setCurrentIndex(comAccLength->findText(cellText));
    comAccLength->raise();
    comAccLength->show();
}

void frmRoughness::msgRoughness_LeaveCell()
{
    comAccLength->hide();
}

// A pick goes into the cell the list lies over.
void frmRoughness::comAccLength_Click()
{
    if (GridRow == LengthRow && GridCol >= 1)
        msgRoughness->setTextMatrix(GridRow, GridCol, comAccLength->currentText());
}

void frmRoughness::Refuse(const QString& what, const QString& text)
{
    ctx.ui.msgBox(
        QStringLiteral("The %1 \"%2\" is not a number. Nothing was calculated.").arg(what, text),
        MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Vemora"), this);
}

bool frmRoughness::StoreScenario()
{
    cells->Close();
    CalibrationScenario entered;
    if (!ReadEntry(txtFlowrate->Text(), entered.flow)) {
        Refuse(QStringLiteral("flow rate in the Flow rate box"), txtFlowrate->Text());
        txtFlowrate->setFocus();
        return false;
    }
    entered.flowUnit = comFlowrateUnits->currentIndex();
    entered.pressureUnit = comPressureUnits->currentIndex();
    for (int p = 1; p <= PointCount; ++p) {
        MeasuringPoint& point = entered.points[static_cast<size_t>(p - 1)];
        std::optional<double>* fields[] = {nullptr, &point.chainage, &point.elevation,
                                           &point.pressure};
        for (int r = LengthRow; r <= PressureRow; ++r) {
            const QString text = msgRoughness->TextMatrix(r, p);
            if (!ReadEntry(text, *fields[r])) {
                Refuse(QStringLiteral("%1 of measuring point %2")
                           .arg(QString::fromLatin1(RowQuantities[r]))
                           .arg(p),
                       text);
                cells->FocusCell(r, p);
                return false;
            }
        }
    }
    ctx.calibration.scenarios[static_cast<size_t>(ctx.calibration.CalibScenario - 1)] = entered;
    return true;
}

void frmRoughness::sscCalculate_Click()
{
    ctx.calibration.CalibScenario = hscScenario->Value();
    if (!StoreScenario()) return;
    const CalibrationProfile profile =
        CalibrationProfileOf(ctx.store, ctx.results, ctx.store.NodeCount);
    ctx.calibration.results = CalibrateRoughness(ctx.calibration.scenarios, profile);
    ShowResults();
}

// The scenario on screen; a section without results shows empty cells.
void frmRoughness::ShowResults()
{
    const ScenarioCalibration& shown =
        ctx.calibration.results[static_cast<size_t>(ctx.calibration.CalibScenario - 1)];
    for (int j = 1; j <= SectionCount; ++j) {
        const CalibrationSection& section = shown.sections[static_cast<size_t>(j - 1)];
        const auto texts = CalibrationGridTexts(section);
        for (int r = 1; r < 8; ++r)
            msgRoughnessResults->setTextMatrix(
                r, j,
                section.measured ? QString::fromUtf8(texts[static_cast<size_t>(r - 1)])
                                 : QString());
    }
    msgRoughnessResults->setCol(1);
    msgRoughnessResults->setRow(1);
    msgRoughnessResults->Refresh();
}

// The view opens beside this window, which only hides so that the grid
// keeps what was typed.
void frmRoughness::sscViewGraph_Click()
{
    cells->Close();
    RoughnessViewWindow* view = ctx.windows.roughnessView.Load();
    if (!view) return;
    ShowWorkingWindow(ctx, view);
    placeAtWorkAreaCorner(view->widget());
    HideWorkingWindow(ctx, this);
}

void frmRoughness::sscPrevious_Click()
{
    if (ProfileViewWindow* profile = ctx.windows.profileView.Get()) ShowWorkingWindow(ctx, profile);
    ctx.windows.roughness.Unload();
}

void frmRoughness::sscHelp_Click()
{
    ctx.ui.showHelp(HelpTopic);
}

} // namespace vemora
