// Filling the input window's grids from the store (size, headings, widths,
// labels and values), and the rebuild of the demand table when the design
// life or the supply start year changes.
#include <QComboBox>
#include <QLabel>
#include <algorithm>

#include "app/AppContext.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/NumberText.h"
#include "platform/Twips.h"
#include "project/Currency.h"
#include "project/NodeTypes.h"
#include "project/ProfileNodes.h"
#include "project/RecordCheck.h"
#include "project/SystemType.h"
#include "project/UnitSystem.h"

namespace vemora {

namespace {

constexpr int DataRowHeight = 350;
constexpr int HeadingRowHeight = 500;

// Clears the grid and gives it its size, row heights, column widths and
// alignments (every column centred).
void Shape(FlexGrid* g, int rows, std::initializer_list<int> widths)
{
    g->Clear();
    g->setRows(rows);
    for (int r = 1; r < rows; ++r)
        g->setRowHeight(r, DataRowHeight);
    g->setCols(static_cast<int>(widths.size()));
    int c = 0;
    for (int width : widths) {
        g->setColAlignment(c, FlexAlign::CenterCenter);
        g->setColWidth(c, width);
        ++c;
    }
    g->setRowHeight(0, HeadingRowHeight);
}

void Heading(FlexGrid* g, int r, int c, const QString& text)
{
    g->setRow(r);
    g->setCol(c);
    g->setCellFontBold(true);
    g->setText(text);
}

// A filled grid shows its first rows and columns, whatever the last fill
// had been scrolled to.
void Finish(FlexGrid* g)
{
    g->setRow(1);
    g->setCol(1);
    g->setTopRow(g->FixedRows());
    g->setLeftCol(g->FixedCols());
    g->Refresh();
}

QString Currency(const ProjectStore& s)
{
    return QString::fromStdString(CurrencySymbol(s.CurrencyCode));
}

// The headings and labels that carry the currency or the unit system's words.
QString StaffPackageHeading(const ProjectStore& s)
{
    return QStringLiteral("Annual package (%1)").arg(Currency(s));
}

QString ExpenseAmountHeading(const ProjectStore& s)
{
    return QStringLiteral("Annual amount (%1)").arg(Currency(s));
}

QString LayingCostHeading(const ProjectStore& s)
{
    return QStringLiteral("Cost (%1/%2)")
        .arg(Currency(s), IsUS(s) ? QStringLiteral("ft³") : QStringLiteral("m³"));
}

QString CoverLabel(const ProjectStore& s)
{
    return IsUS(s) ? QStringLiteral("Required cover (ft)") : QStringLiteral("Required cover (m)");
}

QString BelowInvertLabel(const ProjectStore& s)
{
    return IsUS(s) ? QStringLiteral("Excavation lower than pipe invert (ft)")
                   : QStringLiteral("Excavation lower than pipe invert (m)");
}

// Years 1 to the design life with the stored demand of each.
void FillYearDemand(GridCellEditor* cells, const ProjectStore& s)
{
    FlexGrid* g = cells->grid();
    cells->Abandon();
    const int life = std::clamp<int>(s.DesignLife, DesignLifeMin, DesignLifeMax);
    Shape(g, life + 1, {1000, 1200});
    Heading(g, 0, 0, QStringLiteral("Year"));
    Heading(g, 0, 1, QStringLiteral("Demand"));
    for (int r = 1; r <= life; ++r) {
        g->setTextMatrix(r, 0, QString::number(r));
        g->setTextMatrix(r, 1, SingleText(s.YearDemand[static_cast<size_t>(r)]));
    }
    Finish(g);
}

} // namespace

void frmLCC::FillDemandGrid()
{
    FillYearDemand(cellsDemand, ctx.store);
}

void frmLCC::FillPumpDemandGrid()
{
    FillYearDemand(cellsPumpDemand, ctx.store);
}

// A new design life changes the rows of the demand table of the project's own
// system type. Texts typed into rows that remain are kept (they reach the
// store only at the next save); rows that are new show the stored demand.
void frmLCC::RebuildDemandTable()
{
    GridCellEditor* cells = IsPumping(ctx.store) ? cellsPumpDemand : cellsDemand;
    FlexGrid* grid = cells->grid();
    QStringList typed;
    for (int r = 1; r < grid->Rows(); ++r)
        typed << grid->TextMatrix(r, 1);
    FillYearDemand(cells, ctx.store);
    const int keep = std::min<int>(static_cast<int>(typed.size()), grid->Rows() - 1);
    for (int r = 1; r <= keep; ++r)
        grid->setTextMatrix(r, 1, typed[r - 1]);
}

// The profile: one row per node up to the first empty node (elevation and
// accumulated length both 999999), at least two rows.
void frmLCC::FillProfileGrid()
{
    ProjectStore& s = ctx.store;
    s.NodeCount = ProfileNodeCount(s);

    FlexGrid* g = msgProfile;
    cellsProfile->Abandon();
    comNode->hide();
    g->setBackColor(vbColor(vbcolor::White));
    g->setForeColorFixed(vbColor(vbcolor::Blue));
    Shape(g, s.NodeCount + 1, {900, 1200, 1200, 1000, 1000, 1000, 1000, 1900});
    const QString headings[8] = {QStringLiteral("Node nr"),
                                 QStringLiteral("Elevation"),
                                 QStringLiteral("Accumulated length"),
                                 QStringLiteral("Pipe diameter"),
                                 QStringLiteral("Wall thickness"),
                                 QStringLiteral("Pipe cost/metre"),
                                 QStringLiteral("Secondary loss "),
                                 QStringLiteral("Description")};
    for (int c = 0; c < 8; ++c)
        Heading(g, 0, c, headings[c]);
    for (int r = 1; r <= s.NodeCount; ++r) {
        const auto i = static_cast<size_t>(r);
        // The grid shows at least two rows, which may reach past the end of
        // the profile: such a row shows no elevation and accumulated length
        // and reads back as the end again.
        const bool end = IsEndOfProfileMark(s.NodeElevation[i], s.NodeAccumulatedLength[i]);
        g->setTextMatrix(r, 0, QString::number(r));
        g->setTextMatrix(r, 1, end ? QString() : SingleText(s.NodeElevation[i]));
        g->setTextMatrix(r, 2, end ? QString() : SingleText(s.NodeAccumulatedLength[i]));
        g->setTextMatrix(r, 3, SingleText(s.PipeDiameter[i]));
        g->setTextMatrix(r, 4, SingleText(s.WallThickness[i]));
        g->setTextMatrix(r, 5, SingleText(s.PipeCostPerMetre[i]));
        g->setTextMatrix(r, 6, SingleText(s.SecondaryLoss[i]));
        g->setTextMatrix(r, 7, QString::fromStdString(NodeTypeShownName(s.NodeTypeCode[i])));
    }
    Finish(g);
}

namespace {

void HeadingColours(FlexGrid* g, int r, int c)
{
    g->setRow(r);
    g->setCol(c);
    g->setCellBackColor(g->BackColorFixed());
    g->setCellForeColor(g->ForeColorFixed());
}

} // namespace

// The laying rates (rows 1 to 8) and the anticipated laying conditions (rows
// 11 to 15) of LayingCost 1 to 13; column 0 in the heading colours.
void frmLCC::FillLayingGrid()
{
    const ProjectStore& s = ctx.store;
    FlexGrid* g = msgLaying;
    layingAsFilled_ = s.LayingCost;
    cellsLaying->Abandon();
    g->Clear();
    g->setFixedRows(0);
    g->setFixedCols(0);
    g->setRows(16);
    for (int r = 1; r <= 15; ++r)
        g->setRowHeight(r, r == 10 || r == 15 ? 490 : 320);
    g->setCols(2);
    g->setColWidth(0, 2600);
    g->setColAlignment(0, FlexAlign::LeftCenter);
    g->setColWidth(1, 1400);
    g->setColAlignment(1, FlexAlign::CenterCenter);

    Heading(g, 0, 0, QStringLiteral("Description"));
    Heading(g, 0, 1, LayingCostHeading(s));
    HeadingColours(g, 0, 1);

    const QString labels[16] = {QString(),
                                QStringLiteral("Laying (including joining)"),
                                QStringLiteral("Excavation"),
                                QStringLiteral("Rock excavation"),
                                QStringLiteral("Bedding import"),
                                QStringLiteral("Bedding trench"),
                                QStringLiteral("Blanket import"),
                                QStringLiteral("Blanket trench"),
                                QStringLiteral("Backfilling"),
                                QString(),
                                QStringLiteral("Description"),
                                QStringLiteral("Rock"),
                                QStringLiteral("Bedding import"),
                                QStringLiteral("Blanket import"),
                                CoverLabel(s),
                                BelowInvertLabel(s)};
    for (int r = 1; r <= 15; ++r) {
        if (r == 9 || r == 10) continue;
        g->setTextMatrix(r, 0, labels[r]);
        g->setTextMatrix(r, 1, SingleText(s.LayingCost[static_cast<size_t>(r <= 8 ? r : r - 2)]));
    }
    g->setTextMatrix(10, 0, labels[10]);
    g->setTextMatrix(10, 1, QStringLiteral("Percentage expected"));
    HeadingColours(g, 10, 1);

    const QString conditions = QStringLiteral("Anticipated laying conditions");
    for (int c = 0; c < 2; ++c) {
        Heading(g, 9, c, conditions);
        g->setCellAlignment(FlexAlign::CenterCenter);
    }
    g->setMergeRow(9, true);
    for (int r = 0; r <= 15; ++r)
        HeadingColours(g, r, 0);
    g->FitToCells();
    Finish(g);
}

void frmLCC::FillStaffGrid()
{
    const ProjectStore& s = ctx.store;
    FlexGrid* g = msgOperational;
    cellsOperational->Abandon();
    g->setForeColorFixed(vbColor(vbcolor::Blue));
    Shape(g, 9, {1600, 1400, 1200});
    Heading(g, 0, 0, QStringLiteral("Staff"));
    Heading(g, 0, 1, StaffPackageHeading(s));
    Heading(g, 0, 2, QStringLiteral("Percentage of time (%)"));
    const QString staff[8] = {QStringLiteral("Manager"),        QStringLiteral("Engineer"),
                              QStringLiteral("Technologist"),   QStringLiteral("Technician"),
                              QStringLiteral("Foreman"),        QStringLiteral("Labourers"),
                              QStringLiteral("Administration"), QStringLiteral("Financial")};
    for (int r = 1; r <= 8; ++r) {
        const auto i = static_cast<size_t>(r);
        g->setTextMatrix(r, 0, staff[r - 1]);
        g->setTextMatrix(r, 1, SingleText(s.StaffCost[i][1]));
        g->setTextMatrix(r, 2, SingleText(s.StaffCost[i][2]));
    }
    Finish(g);
}

void frmLCC::FillOtherOperationalGrid()
{
    const ProjectStore& s = ctx.store;
    FlexGrid* g = msgOtherOperational;
    cellsOtherOperational->Abandon();
    g->setForeColorFixed(vbColor(vbcolor::Blue));
    Shape(g, 6, {1600, 1300});
    Heading(g, 0, 0, QStringLiteral("Description of expenses"));
    Heading(g, 0, 1, ExpenseAmountHeading(s));
    const QString expenses[5] = {QStringLiteral("Transport"), QStringLiteral("Fuel"),
                                 QStringLiteral("Electricity"), QStringLiteral("Training"),
                                 QStringLiteral("Housing")};
    for (int r = 1; r <= 5; ++r) {
        g->setTextMatrix(r, 0, expenses[r - 1]);
        g->setTextMatrix(r, 1, SingleText(s.OtherExpenseAmount[static_cast<size_t>(r)]));
    }
    Finish(g);
}

// Writes the texts alone (no current-cell move, so no cell is entered and
// nothing is discarded); the cells keep their bold and colours.
void frmLCC::RelabelCurrencyAndUnits()
{
    const ProjectStore& s = ctx.store;
    ShowCurrencySymbols();
    msgOperational->setTextMatrix(0, 1, StaffPackageHeading(s));
    msgOtherOperational->setTextMatrix(0, 1, ExpenseAmountHeading(s));
    if (msgLaying->Rows() > 15) {
        msgLaying->setTextMatrix(0, 1, LayingCostHeading(s));
        msgLaying->setTextMatrix(14, 0, CoverLabel(s));
        msgLaying->setTextMatrix(15, 0, BelowInvertLabel(s));
    }
}

} // namespace vemora
