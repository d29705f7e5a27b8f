// The income and expenditure table: one row for every calendar year from the
// base year to the end of the design life (construction years first), with
// the year's income and costs in the project currency, 32 rows a page; the
// last page holds at least one row.
#include <vector>

#include "app/AppContext.h"
#include "app/PrintFailure.h"
#include "engine/NumberFormat.h"
#include "pages/PageFrames.h"
#include "platform/ReportPrinter.h"
#include "project/SystemType.h"
#include "reports/ReportTexts.h"
#include "reports/Reports.h"
#include "reports/YearTablePages.h"

namespace vemora {

namespace {

constexpr int kRowsPerPage = 32;

struct CostRow
{
    QString year, income, expenditure, capital, maintenance, operational, energy;
};

// Construction years C = supply start - base year; rows N = C + design life.
// A period that does not fit the yearly arrays stops the report.
int ConstructionYears(const ProjectStore& s)
{
    const int c = s.SupplyStartYear - s.BaseYear;
    if (c < 0 || s.DesignLife < 1 || c + s.DesignLife > MaxYears)
        throw PrintFailure("the project period does not fit the yearly tables");
    return c;
}

std::vector<CostRow> CostRows(const AppContext& ctx, int c)
{
    const ProjectStore& s = ctx.store;
    const ResultsStore& r = ctx.results;
    const QString symbol = CurrencyText(ctx);
    auto amount = [&](double value) {
        return symbol + QString::fromStdString(FormatThousands(FiniteOrFail(value), 0));
    };
    const QString zero = symbol + QStringLiteral("0");
    std::vector<CostRow> rows;
    for (int i = 1; i <= c + s.DesignLife; ++i) {
        CostRow row;
        row.year = QString::number(s.BaseYear + i - 1);
        row.expenditure = amount(r.YearExpenditure[i]);
        row.capital = amount(r.YearCapital[i]);
        const bool building = i <= c;
        row.income = building ? zero : amount(r.YearIncome[i - c]);
        row.maintenance = building ? zero : amount(r.YearMaintenance[i - c]);
        row.operational = building ? zero : amount(r.YearOperational[i - c]);
        row.energy = building ? zero : amount(r.YearEnergy[i - c]);
        rows.push_back(row);
    }
    return rows;
}

TableHeading IncomeHeading()
{
    const TableCaptionLine upper{{{5, "Year"},
                                  {12, "Income"},
                                  {28, "Total"},
                                  {44, "Capital"},
                                  {60, "Maintenance"},
                                  {76, "Operational"}},
                                 {92, "Energy"}};
    const TableCaptionLine lower{{{28, "expenditure"}, {44, "cost"}, {60, "cost"}, {76, "cost"}},
                                 {92, "cost"}};
    return {.titleColumn = 27,
            .title = QStringLiteral("SYSTEM ANALYSIS (INCOME & EXPENDITURE)"),
            .captionPoints = 8,
            .captions = {upper, lower}};
}

} // namespace

void PrintIncomeExpenditureTable(AppContext& ctx, PageRun& run, ReportPrinter& p)
{
    const int c = ConstructionYears(ctx.store);
    const std::vector<CostRow> rows = CostRows(ctx, c); // every figure before any page
    const bool pumping = IsPumping(ctx.store);
    const int n = static_cast<int>(rows.size());
    const TableHeading heading = IncomeHeading();

    ReportPages pages(ctx, run, p);
    PrintTableHeading(ctx, pages, p, heading);
    for (int i = 1; i <= n; ++i) {
        const CostRow& row = rows[i - 1];
        p.Print({{5, row.year},
                 {12, row.income},
                 {28, row.expenditure},
                 {44, row.capital},
                 {60, row.maintenance},
                 {76, row.operational}},
                LineEnd::Keep);
        if (pumping) p.Print({{92, row.energy}}, LineEnd::Keep);
        p.Print();
        if (i % kRowsPerPage == 0 && i < n) { // no page of headings alone
            p.Print({{15, QStringLiteral("All units are: ") + CurrencyText(ctx)}});
            TurnTablePage(ctx, pages, p, heading);
        }
    }
    pages.PrintPageFooter();
}

} // namespace vemora
