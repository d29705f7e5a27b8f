// The demand and yield table: for every year of the design life the yield,
// the demand supplied, the shortage, the total demand and, for a pumping
// project, the pumping hours, 27 years a page, in the demand unit.
#include <QStringList>
#include <algorithm>
#include <vector>

#include "app/AppContext.h"
#include "app/InputSnapshot.h"
#include "app/PrintFailure.h"
#include "engine/NumberFormat.h"
#include "pages/PageFrames.h"
#include "platform/ReportPrinter.h"
#include "project/ProjectOptions.h"
#include "project/ProjectYears.h"
#include "project/SystemType.h"
#include "reports/ReportTexts.h"
#include "reports/Reports.h"
#include "reports/YearTablePages.h"

namespace vemora {

namespace {

constexpr int kYearsPerPage = 27;

struct DemandRow
{
    QString year, yield, supplied, shortage, demand, hours;
};

QString Decimals(double value, int decimals)
{
    return QString::fromStdString(FormatFixed(FiniteOrFail(value), decimals));
}

// The demand unit's name: of the varying demand of the project's own page,
// else of its fixed demand.
QString DemandUnitText(AppContext& ctx)
{
    const bool pumping = IsPumping(ctx.store);
    const InputSnapshot in = ReadInputWindow(ctx);
    const QString& unit =
        HasVaryingDemand(ctx.store)
            ? (pumping ? in.Unit(GridUnit::PumpVaryingDemand) : in.Unit(GridUnit::VaryingDemand))
            : (pumping ? in.Unit(InputBox::txtPFlowrate) : in.Unit(InputBox::txtGFlowrate));
    return unit.trimmed();
}

// Yield: the year's flow in the demand unit (m³/s divided by the unit's
// m³/s), for a pumping project scaled by the maximum pumping hours over 24.
// Demand supplied: the year's demand less its shortage.
std::vector<DemandRow> DemandRows(const AppContext& ctx, int years)
{
    const ProjectStore& s = ctx.store;
    const ResultsStore& r = ctx.results;
    const bool pumping = IsPumping(s);
    std::vector<DemandRow> rows;
    for (int i = 1; i <= years; ++i) {
        const double demand = HasVaryingDemand(s) ? s.YearDemand[i] : s.FixedDemand;
        const double flow = pumping ? s.PumpingHours * double(r.YearFlow[i]) / 24 : r.YearFlow[i];
        DemandRow row;
        row.year = QString::number(OperatingCalendarYear(s, i));
        row.yield = Decimals(DivideOrFail(flow, r.DemandUnitFactor), 3);
        row.supplied = Decimals(demand - r.YearShortage[i], 3);
        row.shortage = Decimals(r.YearShortage[i], 3);
        row.demand = Decimals(demand, 3);
        if (pumping) row.hours = Decimals(r.YearPumpingHours[i], 2);
        rows.push_back(row);
    }
    return rows;
}

TableHeading DemandHeading()
{
    const TableCaptionLine upper{
        {{5, "Year"}, {15, "Yield"}, {30, "Demand"}, {45, "Demand"}, {60, "Total"}},
        {75, "Pumping"}};
    const TableCaptionLine lower{{{30, "supplied"}, {45, "shortage"}, {60, "demand"}},
                                 {75, "hours"}};
    return {.titleColumn = 30,
            .title = QStringLiteral("SYSTEM ANALYSIS (DEMAND & YIELD)"),
            .captionPoints = 11,
            .captions = {upper, lower}};
}

} // namespace

void PrintDemandYieldTable(AppContext& ctx, PageRun& run, ReportPrinter& p)
{
    const int years = std::clamp<int>(ctx.store.DesignLife, 0, MaxYears);
    const QString unitLine = QStringLiteral("All units are: ") + DemandUnitText(ctx);
    const std::vector<DemandRow> rows = DemandRows(ctx, years); // every figure before any page
    const bool pumping = IsPumping(ctx.store);
    const TableHeading heading = DemandHeading();

    ReportPages pages(ctx, run, p);
    PrintTableHeading(ctx, pages, p, heading);
    for (int i = 1; i <= years; ++i) {
        const DemandRow& row = rows[i - 1];
        p.Print({{5, row.year},
                 {15, row.yield},
                 {30, row.supplied},
                 {45, row.shortage},
                 {60, row.demand}},
                LineEnd::Keep);
        if (pumping) p.Print({{75, row.hours}}, LineEnd::Keep);
        p.Print();
        if (i == years) p.Print({{15, unitLine}});
        if (i % kYearsPerPage == 0 && i < MaxYears) {
            p.Print({{15, unitLine}});
            TurnTablePage(ctx, pages, p, heading);
        }
    }
    pages.PrintPageFooter();
}

} // namespace vemora
