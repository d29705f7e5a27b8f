#include "graphs/SystemGraphs.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "graphs/GraphPictures.h"
#include "graphs/GraphPieces.h"
#include "graphs/GraphUnits.h"
#include "graphs/PlotFrame.h"
#include "project/Currency.h"
#include "project/ProjectOptions.h"
#include "project/ProjectYears.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

// A frame of one column per year: column k (1..count) starts at
// left + 220 + (k - 1) x scaleX, and holds two bars of `bar` twips side by
// side with about 50 twips free to their right.
struct YearColumns
{
    PlotFrame frame;
    AxisScale values;
    double bar = 0;

    double left(int k) const { return frame.x(k); }
    double right(int k) const { return frame.x(k) + bar; }
    double level(double v) const { return frame.y(v); }
    double base() const { return frame.bottom - PlotFrame::kInset; }

    void drawBar(DrawingSurface& s, double x, double top, double bottom, uint32_t color) const
    {
        vemora::drawBar(s, x, bar, top, bottom, frame.top - PlotFrame::kInset, base(), color);
    }
};

YearColumns PlaceYearColumns(const DrawingSurface& s, int left, int count, const AxisScale& values)
{
    YearColumns c;
    c.frame = plotFrameFor(s.ScaleWidth(), s.ScaleHeight(), {left, 600, 570, 470});
    c.values = values;
    c.frame.setScales(AxisScale{1, 1, count}, values);
    const double width = roundHalfEven(static_cast<double>(c.frame.right - left) / count);
    c.bar = std::max(0.0, roundHalfEven((width - 50) / 2));
    return c;
}

// Grid, axes and vertical labels at `labelX`, then the year ticks under
// every column with the calendar year of every `interval`-th column from the
// first, then "Year" in `titlePoints`. A year label that would come closer than a blank to the
// one before it is left out, so that labels never run together in narrow
// columns.
void DrawYearFrame(DrawingSurface& s, const YearColumns& c, int count, int firstYear, int interval,
                   double labelX, double titlePoints)
{
    drawHorizontalGrid(s, c.frame, c.values);
    drawAxes(s, c.frame);
    drawVerticalTickLabels(s, c.frame, c.values, labelX);
    const double gap = s.TextWidth(QStringLiteral(" "));
    double lastLabelEnd = -std::numeric_limits<double>::infinity();
    for (int k = 1; k <= count; ++k) {
        const double x = c.right(k);
        if ((k - 1) % interval == 0) {
            const QString year = QString::number(firstYear + k - 1);
            const double width = s.TextWidth(year);
            if (x - width / 2 >= lastLabelEnd + gap) {
                printCentred(s, x, c.frame.bottom + 50, year);
                lastLabelEnd = x + width / 2;
            }
        }
        s.Line(x, c.frame.bottom, x, c.frame.bottom - 40);
    }
    printHorizontalTitle(s, c.frame, QStringLiteral("Year"), c.frame.bottom + 270, titlePoints);
}

// The year-label interval of both system graphs: every k-th column from the
// first labelled, k the smallest of 1, 2, 5, 10 and 20 at which each label
// stands a blank or more from the next (in the labels' font, size 8).
int EvenYearLabels(DrawingSurface& s, const YearColumns& c, int count, int firstYear)
{
    s.setFontSize(8);
    const double gap = s.TextWidth(QStringLiteral(" "));
    for (int k : {1, 2, 5, 10, 20}) {
        bool apart = true;
        for (int col = 1 + k; col <= count && apart; col += k) {
            const double before = s.TextWidth(QString::number(firstYear + col - k - 1));
            const double after = s.TextWidth(QString::number(firstYear + col - 1));
            apart = c.right(col) - after / 2 >= c.right(col - k) + before / 2 + gap;
        }
        if (apart) return k;
    }
    return 20;
}

int OperatingYears(const ProjectStore& store)
{
    return std::clamp<int>(store.DesignLife, 0, MaxYears);
}

double At(const YearArray& a, int i)
{
    return a[static_cast<size_t>(i)];
}

} // namespace

DemandLegend DrawDemandCapacityGraph(DrawingSurface& surface, const ProjectStore& store,
                                     const ResultsStore& results)
{
    const UnitChoice unit = DemandFlowUnit(store);
    const DemandLegend legend{") (" + unit.Text + ")", "Yield (" + unit.Text + ")"};
    surface.setBackColor(vbcolor::White);
    surface.Cls();
    const int life = OperatingYears(store);
    if (life < 1 || !unit.usable()) return legend;

    const double factor = *unit.Factor;
    const bool pumping = IsPumping(store);
    auto yield = [&](int i) {
        const double flow = At(results.YearFlow, i) / factor;
        return pumping ? store.PumpingHours * flow / 24 : flow;
    };
    auto demand = [&](int i) {
        return HasVaryingDemand(store) ? At(store.YearDemand, i)
                                       : static_cast<double>(store.FixedDemand);
    };

    double high = yield(1), low = high;
    for (int i = 1; i <= life; ++i)
        for (double v : {yield(i), demand(i)}) {
            if (!std::isfinite(v)) continue;
            high = std::max(high, v);
            low = std::min(low, v);
        }
    if (!std::isfinite(high) || !std::isfinite(low)) high = low = 0;
    low *= 0.9;

    const AxisScale values = scaleAxis(low, high);
    const YearColumns c =
        PlaceYearColumns(surface, axisClearOfLabels(surface, values, 300, 800), life, values);
    const int firstYear = OperatingCalendarYear(store, 1);
    DrawYearFrame(surface, c, life, firstYear, EvenYearLabels(surface, c, life, firstYear), 300, 9);
    surface.PaintPicture(YieldDemandTitlePicture(), 10, 1500);

    surface.setDrawStyle(DrawStyle::Solid);
    for (int i = 1; i <= life; ++i)
        c.drawBar(surface, c.left(i), c.level(yield(i)), c.base(), barcolor::Yield);
    for (int i = 1; i <= life; ++i)
        c.drawBar(surface, c.right(i), c.level(demand(i) - At(results.YearShortage, i)), c.base(),
                  barcolor::Supplied);
    for (int i = 1; i <= life; ++i) {
        const double shortage = At(results.YearShortage, i);
        if (shortage > 0)
            c.drawBar(surface, c.right(i), c.level(demand(i)), c.level(demand(i) - shortage),
                      barcolor::Shortage);
    }
    return legend;
}

IncomeLegend DrawIncomeExpenditureGraph(DrawingSurface& surface, const ProjectStore& store,
                                        const ResultsStore& results)
{
    const bool pumping = IsPumping(store);
    const std::string symbol = CurrencySymbol(store.CurrencyCode);
    auto perYear = [&](const char* what) { return std::string(what) + " (" + symbol + "/year)"; };
    IncomeLegend legend;
    legend.Income = perYear("Income");
    legend.CapitalExpenditure = perYear("Capital expenditure");
    legend.Maintenance = perYear("Maintenance costs");
    legend.Operational = perYear("Operational costs");
    if (pumping) legend.Energy = perYear("Energy costs");
    legend.EnergyVisible = pumping;
    if (!pumping) {
        // Maintenance and operational level with income and capital.
        legend.MaintenanceSwatchTop = 290;
        legend.MaintenanceLabelTop = 310;
        legend.OperationalSwatchTop = 700;
        legend.OperationalLabelTop = 720;
    }

    surface.setBackColor(vbcolor::White);
    surface.Cls();
    // The project's own columns, never past the 100 years the series hold.
    const int construction = std::min(ConstructionYears(store), MaxYears);
    const int columns = std::min(construction + OperatingYears(store), MaxYears);
    const int life = columns - construction;
    if (columns < 1) return legend;

    // Single precision sums, as the bars stack them.
    auto costs = [&](int i, bool withEnergy) {
        float sum = results.YearMaintenance[static_cast<size_t>(i)] +
                    results.YearOperational[static_cast<size_t>(i)];
        if (withEnergy) sum += results.YearEnergy[static_cast<size_t>(i)];
        return static_cast<double>(sum);
    };
    double high = At(results.YearIncome, 1), low = high;
    auto widen = [&](double v) {
        if (!std::isfinite(v)) return;
        high = std::max(high, v);
        low = std::min(low, v);
    };
    for (int i = 1; i <= life; ++i) {
        widen(At(results.YearIncome, i));
        widen(costs(i, true));
    }
    for (int k = 1; k <= columns; ++k)
        widen(At(results.YearExpenditure, k));
    if (!std::isfinite(high) || !std::isfinite(low)) high = low = 0;

    // 1-2-5 to 1,000,000, then 5,000,000 and 10,000,000 (no 2,000,000),
    // and on in 1-2-5 steps, so that large amounts keep about ten divisions.
    const AxisRules rules{seriesWithTail(1000000, {5000000, 10000000}), 2};
    const AxisScale values = scaleAxis(low, high, rules);
    const YearColumns c =
        PlaceYearColumns(surface, axisClearOfLabels(surface, values, 100, 1000), columns, values);
    // The first column is the base year; without construction years it is
    // the first supply year.
    const int firstYear = store.SupplyStartYear - construction;
    DrawYearFrame(surface, c, columns, firstYear, EvenYearLabels(surface, c, columns, firstYear),
                  100, 8);

    surface.setDrawStyle(DrawStyle::Solid);
    for (int i = 1; i <= life; ++i)
        c.drawBar(surface, c.left(construction + i), c.level(At(results.YearIncome, i)), c.base(),
                  barcolor::Income);
    for (int i = 1; i <= construction; ++i)
        c.drawBar(surface, c.right(i), c.level(At(results.YearExpenditure, i)), c.base(),
                  barcolor::Capital);
    for (int i = 1; i <= life; ++i)
        c.drawBar(surface, c.right(construction + i), c.level(At(results.YearMaintenance, i)),
                  c.base(), barcolor::Maintenance);
    for (int i = 1; i <= life; ++i)
        c.drawBar(surface, c.right(construction + i), c.level(costs(i, false)),
                  c.level(At(results.YearMaintenance, i)), barcolor::Operational);
    if (pumping)
        for (int i = 1; i <= life; ++i)
            c.drawBar(surface, c.right(construction + i), c.level(costs(i, true)),
                      c.level(costs(i, false)), barcolor::Energy);
    return legend;
}

} // namespace vemora
