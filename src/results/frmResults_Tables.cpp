// The result tables (demand and yield, income and expenditure, node table)
// and the cost tables (capital cost build-up, annual costs of one year).
#include <QLabel>
#include <algorithm>

#include "app/AppContext.h"
#include "engine/CapitalCostLines.h"
#include "engine/NumberFormat.h"
#include "graphs/GraphUnits.h"
#include "graphs/ProfileGraph.h"
#include "platform/FlexGrid.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "project/Currency.h"
#include "project/NodeTypes.h"
#include "project/ProjectOptions.h"
#include "project/ProjectYears.h"
#include "project/SystemType.h"
#include "results/frmResults.h"

namespace vemora {

namespace {

// Result tables: column 0 1050 twips wide and the others 1450, every column
// centred, heading rows 500 twips high and data rows 350.
constexpr int YearColumnWidth = 1050;
constexpr int ValueColumnWidth = 1450;
constexpr int HeadingRowHeight = 500;
constexpr int DataRowHeight = 350;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// An amount after the currency symbol, with thousands separators.
QString Amount(const QString& symbol, float value, int decimals)
{
    return symbol + Text(FormatThousands(value, decimals));
}

// Clears the grid and gives it the result tables' layout.
void LayOutResultTable(FlexGrid* g, int rows, int cols, int headingRows)
{
    g->Clear();
    g->setRows(rows);
    g->setFixedRows(headingRows);
    g->setCols(cols);
    g->setFixedCols(1);
    for (int c = 0; c < cols; ++c) {
        g->setColAlignment(c, FlexAlign::CenterCenter);
        g->setColWidth(c, c == 0 ? YearColumnWidth : ValueColumnWidth);
    }
    for (int r = 0; r < rows; ++r)
        g->setRowHeight(r, r < headingRows ? HeadingRowHeight : DataRowHeight);
}

// A bold cell, made current, as heading cells are written.
void BoldCell(FlexGrid* g, int r, int c, const QString& text)
{
    g->setRow(r);
    g->setCol(c);
    g->setCellFontBold(true);
    g->setText(text);
}

void Finish(FlexGrid* g, int row)
{
    g->setRow(row);
    g->setCol(1);
    g->Refresh();
}

int DesignYears(const ProjectStore& s)
{
    return std::clamp<int>(s.DesignLife, 0, MaxYears);
}

} // namespace

// ---- Result tables -------------------------------------------------------------

void frmResults::FillDemandYieldTable()
{
    const ProjectStore& s = ctx.store;
    const ResultsStore& r = ctx.results;
    const int years = DesignYears(s);
    const bool pumping = IsPumping(s);
    FlexGrid* g = msgSystem;
    LayOutResultTable(g, years + 2, pumping ? 5 : 4, 2);

    BoldCell(g, 0, 0, QStringLiteral("Year"));
    BoldCell(g, 0, 1, QStringLiteral("Yield"));
    BoldCell(g, 0, 2, QStringLiteral("Demand supplied"));
    BoldCell(g, 0, 3, QStringLiteral("Demand shortage"));
    if (pumping) BoldCell(g, 0, 4, QStringLiteral("Pumping hours"));
    const QString unit = Text(DemandFlowUnit(s).Text);
    for (int c = 1; c <= 3; ++c)
        BoldCell(g, 1, c, unit);

    for (int y = 1; y <= years; ++y) {
        const float flow = r.YearFlow[y];
        const float yield =
            pumping ? static_cast<float>(s.PumpingHours) * flow / 24.0f / r.DemandUnitFactor
                    : flow / r.DemandUnitFactor;
        const float demand = HasVaryingDemand(s) ? s.YearDemand[y] : s.FixedDemand;
        const float supplied = demand - r.YearShortage[y];
        g->setTextMatrix(y + 1, 0, QString::number(OperatingCalendarYear(s, y)));
        g->setTextMatrix(y + 1, 1, Text(FormatFixed(yield, 3)));
        g->setTextMatrix(y + 1, 2, Text(FormatFixed(supplied, 3)));
        g->setTextMatrix(y + 1, 3, Text(FormatFixed(r.YearShortage[y], 3)));
        if (pumping) g->setTextMatrix(y + 1, 4, Text(FormatFixed(r.YearPumpingHours[y], 2)));
    }
    Finish(g, 2);
}

void frmResults::FillIncomeExpenditureTable()
{
    const ProjectStore& s = ctx.store;
    const ResultsStore& r = ctx.results;
    // Construction years before the first operating year, none when the
    // supply would start before the base year; the rows stop at the last
    // year the series hold.
    const int construction = std::clamp(s.SupplyStartYear - s.BaseYear, 0, MaxYears);
    const int rows = std::min(construction + DesignYears(s), MaxYears);
    const bool pumping = IsPumping(s);
    FlexGrid* g = msgSystem;
    LayOutResultTable(g, rows + 1, pumping ? 7 : 6, 1);

    const char* const headings[] = {"Year",         "Income",           "Total expenditure",
                                    "Capital cost", "Maintenance cost", "Operational cost",
                                    "Energy cost"};
    for (int c = 0; c < g->Cols(); ++c)
        BoldCell(g, 0, c, QString::fromLatin1(headings[c]));

    const QString symbol = Text(CurrencySymbol(s.CurrencyCode));
    const auto money = [&](float value) { return Amount(symbol, value, 0); };
    const QString none = symbol + QStringLiteral("0");
    for (int i = 1; i <= rows; ++i) {
        const bool building = i <= construction;
        const int y = i - construction; // operating year, from 1
        g->setTextMatrix(i, 0, QString::number(s.BaseYear + i - 1));
        g->setTextMatrix(i, 1, building ? none : money(r.YearIncome[y]));
        g->setTextMatrix(i, 2, money(r.YearExpenditure[i]));
        g->setTextMatrix(i, 3, money(r.YearCapital[i]));
        g->setTextMatrix(i, 4, building ? none : money(r.YearMaintenance[y]));
        g->setTextMatrix(i, 5, building ? none : money(r.YearOperational[y]));
        if (pumping) g->setTextMatrix(i, 6, building ? none : money(r.YearEnergy[y]));
    }
    Finish(g, 1);
}

void frmResults::FillHydraulicProfileTable()
{
    const ProjectStore& s = ctx.store;
    const ResultsStore& r = ctx.results;
    const int nodes = std::clamp<int>(s.NodeCount, 0, MaxNodes);
    const int year = std::clamp<int>(ctx.view.SelectedYear, 1, MaxYears);
    FlexGrid* g = msgHydraulic;
    LayOutResultTable(g, nodes + 1, 6, 1);

    const auto caption = [](int unit) {
        const std::string text = LengthUnit(unit).Text;
        return text.empty() ? QString() : Text("(" + text + ")");
    };
    const QString chainage = caption(s.ChainageUnit);
    const QString elevation = caption(s.ElevationUnit);
    BoldCell(g, 0, 0, QStringLiteral("Number"));
    BoldCell(g, 0, 1, QStringLiteral("Accumulated length ") + chainage);
    BoldCell(g, 0, 2, QStringLiteral("Elevation ") + elevation);
    BoldCell(g, 0, 3, QStringLiteral("Hydraulic gradeline ") + elevation);
    BoldCell(g, 0, 4, QStringLiteral("Pressure ") + elevation);
    BoldCell(g, 0, 5, QStringLiteral("Component"));

    for (int i = 1; i <= nodes; ++i) {
        g->setTextMatrix(i, 0, QString::number(i));
        g->setTextMatrix(i, 1, Text(FormatGeneral(s.NodeAccumulatedLength[i])));
        g->setTextMatrix(i, 2, Text(FormatGeneral(s.NodeElevation[i])));
        // The level and the pressure show at single precision.
        if (const auto level = NodeGradelineLevel(s, r, i, year)) {
            const float h = static_cast<float>(*level);
            g->setTextMatrix(i, 3, Text(FormatNoLeadingZero(h, 3)));
            g->setTextMatrix(i, 4, Text(FormatNoLeadingZero(h - s.NodeElevation[i], 3)));
        }
        g->setTextMatrix(i, 5, QString::fromUtf8(NodeTypeNames(s.NodeTypeCode[i])));
    }
    Finish(g, 1);
}

// ---- Cost tables ---------------------------------------------------------------

void frmResults::ShowCostTables()
{
    FillCapitalCostTable();
    LayOutAnnualCostTable();

    // The scroll bar offers the years of the design life; the amounts shown
    // are always those of the year it shows.
    hsbAnnual->setMax(std::max(1, DesignYears(ctx.store)));
    ShowAnnualAmounts(hsbAnnual->Value());
}

void frmResults::FillCapitalCostTable()
{
    const ProjectStore& s = ctx.store;
    const QString symbol = Text(CurrencySymbol(s.CurrencyCode));
    const auto amount = [&](float value) { return Amount(symbol, value, 0); };

    FlexGrid* g = msgCost;
    g->Clear();
    g->setRows(15);
    g->setFixedRows(1);
    g->setCols(2);
    g->setFixedCols(1);
    for (int row = 1; row < 15; ++row)
        g->setRowHeight(row, DataRowHeight);
    g->setColAlignment(1, FlexAlign::RightCenter);
    g->setColWidth(0, 2700);
    g->setColWidth(1, 1800);

    const CapitalCostLines l = BuildCapitalCostLines(s, ctx.results);
    // The mark-up percentages read as entered ("7.5%", "10%").
    const QString prelim = Text(FormatGeneral(s.PrelimGeneralPercent));
    const QString contingency = Text(FormatGeneral(s.ContingencyPercent));
    struct Line
    {
        QString caption;
        float amount;
        bool bold;
    };
    const Line lines[] = {
        {QStringLiteral("Pipeline cost"), l.Pipeline, false},
        {QStringLiteral("Mechanical cost"), l.Mechanical, false},
        {QStringLiteral("Electrical cost"), l.Electrical, false},
        {QStringLiteral("Sub total"), l.Subtotal1, true},
        {QStringLiteral("Preliminary & General (") + prelim + QStringLiteral("%)"), l.PrelimGeneral,
         false},
        {QStringLiteral("Sub total"), l.Subtotal2, true},
        {QStringLiteral("Contingencies (") + contingency + QStringLiteral("%)"), l.Contingencies,
         false},
        {QStringLiteral("Escalation"), l.Escalation, false},
        {QStringLiteral("Sub total"), l.Subtotal3, true},
        {QStringLiteral("Consulting fees (fee scale 2002)"), l.ConsultingFees, false},
        {QStringLiteral("Administration and management"), l.Administration, false},
        {QStringLiteral("Total construction cost"), l.ConstructionTotal, true},
        {QStringLiteral("VAT 14%"), l.Vat, false},
        {QStringLiteral("Total capital cost"), l.TotalCapitalCost, true},
    };
    BoldCell(g, 0, 0, QStringLiteral("Description"));
    BoldCell(g, 0, 1, QStringLiteral("Amount"));
    int row = 1;
    for (const Line& line : lines) {
        g->setRow(row++);
        for (int c = 0; c < 2; ++c) {
            g->setCol(c);
            g->setCellFontBold(line.bold);
            g->setText(c == 0 ? line.caption : amount(line.amount));
        }
    }
    g->setMergeRow(0, true);
    g->setMergeCol(0, true);
    g->setMergeCol(1, true);
    g->Refresh();
}

void frmResults::LayOutAnnualCostTable()
{
    const bool pumping = IsPumping(ctx.store);
    const int rows = pumping ? 6 : 5;
    FlexGrid* a = msgAnnualCost;
    a->Clear();
    a->setRows(rows);
    a->setFixedRows(1);
    a->setCols(3);
    a->setFixedCols(2);
    for (int r = 1; r < rows; ++r)
        a->setRowHeight(r, DataRowHeight);
    a->setColAlignment(0, FlexAlign::LeftCenter);
    a->setColAlignment(1, FlexAlign::LeftCenter);
    a->setColAlignment(2, FlexAlign::RightCenter);
    a->setColWidth(0, 1700);
    a->setColWidth(1, 1100);
    a->setColWidth(2, 1800);
    BoldCell(a, 0, 0, QStringLiteral("Description"));
    BoldCell(a, 0, 1, QStringLiteral("Description"));
    BoldCell(a, 0, 2, QStringLiteral("Amount"));
    const QString operational = QStringLiteral("Total annual operational cost");
    const QString maintenance = QStringLiteral("Total annual maintenance cost");
    a->setTextMatrix(1, 0, operational);
    a->setTextMatrix(1, 1, operational);
    const char* const parts[] = {"Pipeline", "Mechanical", "Electrical"};
    for (int k = 0; k < 3; ++k) {
        a->setTextMatrix(2 + k, 0, maintenance);
        a->setTextMatrix(2 + k, 1, QString::fromLatin1(parts[k]));
    }
    if (pumping) {
        a->setTextMatrix(5, 0, QStringLiteral("Total annual energy cost"));
        a->setTextMatrix(5, 1, QStringLiteral("Total annual energy cost"));
        a->setMergeRow(5, true);
    }
    for (int r : {0, 1, 2})
        a->setMergeRow(r, true);
    a->setMergeCol(0, true);
    a->setMergeCol(1, true);
    a->resize(a->width(), twipsToPixels(pumping ? 2090 : 1740));
}

void frmResults::ShowAnnualAmounts(int year)
{
    const ProjectStore& s = ctx.store;
    const ResultsStore& r = ctx.results;
    const int y = std::clamp(year, 1, MaxYears);
    const QString symbol = Text(CurrencySymbol(s.CurrencyCode));
    const auto amount = [&](float value) { return Amount(symbol, value, 2); };
    FlexGrid* a = msgAnnualCost;
    a->setTextMatrix(1, 2, amount(r.YearOperational[y]));
    a->setTextMatrix(2, 2, amount(r.YearPipelineMaintenance[y]));
    a->setTextMatrix(3, 2, amount(r.YearMechanicalMaintenance[y]));
    a->setTextMatrix(4, 2, amount(r.YearElectricalMaintenance[y]));
    if (a->Rows() > 5) a->setTextMatrix(5, 2, amount(r.YearEnergy[y]));
    a->setRow(1);
    a->setCol(1);
    lblAnnual->setText(QStringLiteral("Year : %1").arg(y));
    a->Refresh();
}

void frmResults::hsbAnnual_Change()
{
    ShowAnnualAmounts(hsbAnnual->Value());
}

} // namespace vemora
