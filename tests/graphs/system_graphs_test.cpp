// The system page's graphs: the demand and capacity bars with their year
// labels and axis, and the income and expenditure columns with their
// colours, divisions and legend.
#include <gtest/gtest.h>

#include <algorithm>

#include "graphs/SystemGraphs.h"
#include "support/GraphProjects.h"

using namespace vemora;
using namespace vemora::test;

namespace {

constexpr double kWidth = 10200, kHeight = 4800;
// Wide enough that no two year labels of up to 100 columns come near.
constexpr double kWideWidth = 60000;
constexpr double kBottom = kHeight - 470, kBase = kBottom - 220, kTop = 570;

// A project of `life` years from supply start 2001 with a fixed demand of
// 50 l/s and a yield of 100 l/s in every year.
GraphProject demandProject(int life, int systemType = 0)
{
    GraphProject p;
    ProjectStore& s = p.s();
    s.SystemType = static_cast<int16_t>(systemType);
    s.DesignLife = static_cast<int16_t>(life);
    s.BaseYear = 2001;
    s.SupplyStartYear = 2001;
    s.FixedDemand = 50;
    s.FixedDemandUnit = 3; // l/s
    s.PumpingHours = 24;
    for (int i = 1; i <= MaxYears; ++i)
        p.r().YearFlow[static_cast<size_t>(i)] = 0.1f;
    return p;
}

// The texts printed on the line under the horizontal axis.
std::vector<QString> yearLabels(const Drawing& d)
{
    std::vector<QString> out;
    for (const Primitive* t : d.of(PrimitiveKind::Text))
        if (t->y1 == kBottom + 50) out.push_back(t->text);
    return out;
}

// The short ticks standing on the horizontal axis.
size_t yearTicks(const Drawing& d)
{
    const auto lines = d.of(PrimitiveKind::Line);
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [](const Primitive* l) {
        return l->y1 == kBottom && l->y2 == kBottom - 40;
    }));
}

// The height of the grid line a vertical label stands beside.
double gridLevel(const Drawing& d, const char* label)
{
    const Primitive* t = d.findText(label);
    return t ? t->y1 + 85 : -1;
}

} // namespace

TEST(DemandCapacityGraph, EveryKthYearLabelledFromTheFirstSupplyYear)
{
    struct Case
    {
        int life;
        double width;
        size_t labels;
        const char* second;
        const char* last;
    } cases[] = {
        {19, kWidth, 19, "2002", "2019"},  {45, kWidth, 23, "2003", "2045"},
        {100, kWidth, 20, "2006", "2096"}, {100, kWideWidth, 100, "2002", "2100"},
        {2, kWidth, 2, "2002", "2002"},
    };
    for (const Case& c : cases) {
        GraphProject p = demandProject(c.life);
        DrawingSurface s(c.width, kHeight);
        DrawDemandCapacityGraph(s, p.s(), p.r());
        const auto labels = yearLabels(s.drawing());
        ASSERT_EQ(labels.size(), c.labels) << c.life;
        EXPECT_EQ(labels[0], "2001") << c.life; // operating year 1 is the supply start year
        EXPECT_EQ(labels[1], c.second) << c.life;
        EXPECT_EQ(labels.back(), c.last) << c.life;
        EXPECT_EQ(yearTicks(s.drawing()), static_cast<size_t>(c.life)) << c.life;
    }
}

TEST(DemandCapacityGraph, BarsAxisGridAndTitles)
{
    GraphProject p = demandProject(10);
    DrawingSurface s(kWidth, kHeight);
    const DemandLegend legend = DrawDemandCapacityGraph(s, p.s(), p.r());
    const Drawing& d = s.drawing();

    // Yield 100, demand 50: from 45 the step is 10, origin 40, 7 divisions.
    for (const char* label : {"40", "50", "100", "110"})
        EXPECT_TRUE(d.findText(label)) << label;
    EXPECT_FALSE(d.findText("120"));
    EXPECT_FALSE(d.findText("30"));
    EXPECT_EQ(d.findText("40")->x1, 300);
    EXPECT_EQ(gridLevel(d, "40"), kBase);

    const auto grid = Of(d, PrimitiveKind::Line, 0x808080);
    ASSERT_EQ(grid.size(), 8u); // horizontal lines only
    for (const Primitive* l : grid) {
        EXPECT_EQ(l->style, DrawStyle::Dash);
        EXPECT_EQ(l->x1, 800);
        EXPECT_EQ(l->x2, kWidth - 600 + 220);
    }

    const auto green = Of(d, PrimitiveKind::FilledBox, 0x00FF00);
    const auto blue = Of(d, PrimitiveKind::FilledBox, 0xFF0000);
    ASSERT_EQ(green.size(), 10u);
    ASSERT_EQ(blue.size(), 10u);
    EXPECT_TRUE(Of(d, PrimitiveKind::FilledBox, 0x0000FF).empty()); // no shortage
    EXPECT_EQ(green[0]->x1, 1020);
    EXPECT_EQ(green[0]->y1, gridLevel(d, "100"));
    EXPECT_EQ(green[0]->y2, kBase);
    EXPECT_EQ(blue[0]->x1, green[0]->x2); // the demand stands right beside the yield
    EXPECT_EQ(blue[0]->y1, gridLevel(d, "50"));
    const double width = green[0]->x2 - green[0]->x1;
    EXPECT_NEAR(width, (std::round((kWidth - 600 - 800) / 10.0) - 50) / 2, 0.5);

    const Primitive* year = d.findText("Year");
    ASSERT_TRUE(year);
    EXPECT_EQ(year->font.size, 9);
    EXPECT_EQ(year->y1, kBottom + 270);
    const auto pictures = d.of(PrimitiveKind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0]->x1, 10);
    EXPECT_EQ(pictures[0]->y1, 1500);

    EXPECT_EQ(legend.Demand, ") (l/s)");
    EXPECT_EQ(legend.Yield, "Yield (l/s)");
}

TEST(DemandCapacityGraph, ShortageStacksOnTheSuppliedPart)
{
    GraphProject p = demandProject(2);
    p.s().FixedDemand = 12;
    p.r().YearFlow[1] = 0.010f; // 10 l/s in year 1
    p.r().YearFlow[2] = 0.012f;
    p.r().YearShortage[1] = 2;
    DrawingSurface s(kWidth, kHeight);
    DrawDemandCapacityGraph(s, p.s(), p.r());
    const Drawing& d = s.drawing();
    const auto blue = Of(d, PrimitiveKind::FilledBox, 0xFF0000);
    const auto red = Of(d, PrimitiveKind::FilledBox, 0x0000FF);
    ASSERT_EQ(blue.size(), 2u);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(blue[0]->y1, gridLevel(d, "10.0"));
    EXPECT_EQ(red[0]->y1, gridLevel(d, "12.0"));
    EXPECT_EQ(red[0]->y2, gridLevel(d, "10.0"));
    EXPECT_EQ(blue[1]->y1, gridLevel(d, "12.0"));
}

TEST(DemandCapacityGraph, PumpingYieldAndTheDemandUnit)
{
    for (int option : {0, 1}) {
        GraphProject p = demandProject(3, 1);
        p.s().PumpCurveGiven = static_cast<int16_t>(option);
        p.s().PumpingHours = 12;
        p.s().FixedDemand = 10;
        for (int i = 1; i <= 3; ++i)
            p.r().YearFlow[static_cast<size_t>(i)] = 0.02f; // 12 h x 0.02 m³/s / 24 = 10 l/s
        DrawingSurface s(kWidth, kHeight);
        DrawDemandCapacityGraph(s, p.s(), p.r());
        const auto green = Of(s.drawing(), PrimitiveKind::FilledBox, 0x00FF00);
        const auto blue = Of(s.drawing(), PrimitiveKind::FilledBox, 0xFF0000);
        ASSERT_EQ(green.size(), 3u);
        EXPECT_EQ(green[0]->y1, blue[0]->y1) << option;
        EXPECT_EQ(green[0]->y1, gridLevel(s.drawing(), "10.00")) << option;
    }

    // The legend names the unit the demand was entered in, for either system.
    GraphProject v = demandProject(3, 1);
    v.s().DemandMode = 1;
    v.s().YearDemandUnit = 1; // m³/h
    v.s().FixedDemandUnit = 3;
    for (int i = 1; i <= 3; ++i)
        v.s().YearDemand[static_cast<size_t>(i)] = 360;
    DrawingSurface s(kWidth, kHeight);
    const DemandLegend legend = DrawDemandCapacityGraph(s, v.s(), v.r());
    EXPECT_EQ(legend.Demand, ") (m³/h)");
    EXPECT_EQ(legend.Yield, "Yield (m³/h)");
    EXPECT_TRUE(s.drawing().findText("360")); // 0.1 m³/s is 360 m³/h
}

TEST(DemandCapacityGraph, NothingToDrawStillClears)
{
    GraphProject p = demandProject(10);
    DrawingSurface s(kWidth, kHeight);
    DrawDemandCapacityGraph(s, p.s(), p.r());
    ASSERT_FALSE(s.drawing().isEmpty());

    p.s().FixedDemandUnit = 77; // a code from a damaged file
    const DemandLegend legend = DrawDemandCapacityGraph(s, p.s(), p.r());
    EXPECT_TRUE(s.drawing().isEmpty());
    EXPECT_EQ(legend.Yield, "Yield ()");

    p.s().FixedDemandUnit = 3;
    p.s().DesignLife = 0;
    DrawDemandCapacityGraph(s, p.s(), p.r());
    EXPECT_TRUE(s.drawing().isEmpty());

    // All zero: still one division, every bar flat on the origin line.
    GraphProject zero = demandProject(5);
    zero.s().FixedDemand = 0;
    for (int i = 1; i <= 5; ++i)
        zero.r().YearFlow[static_cast<size_t>(i)] = 0;
    DrawDemandCapacityGraph(s, zero.s(), zero.r());
    EXPECT_TRUE(s.drawing().findText("0.001"));
    for (const Primitive* b : s.drawing().of(PrimitiveKind::FilledBox)) {
        EXPECT_EQ(b->y1, kBase);
        EXPECT_EQ(b->y2, kBase);
    }
}

namespace {

// Base year 2001, supply from 2003, `life` years: capital 1,000,000 in each
// construction year, income 4,300,000 and costs 1 + 0.5 (+ 0.8 energy)
// million in every operating year.
GraphProject incomeProject(int life, int systemType)
{
    GraphProject p;
    ProjectStore& s = p.s();
    s.SystemType = static_cast<int16_t>(systemType);
    s.DesignLife = static_cast<int16_t>(life);
    s.BaseYear = 2001;
    s.SupplyStartYear = 2003;
    ResultsStore& r = p.r();
    r.YearExpenditure[1] = r.YearExpenditure[2] = 1000000;
    for (int i = 1; i <= life; ++i) {
        const auto k = static_cast<size_t>(i);
        r.YearIncome[k] = 4300000;
        r.YearMaintenance[k] = 1000000;
        r.YearOperational[k] = 500000;
        r.YearEnergy[k] = systemType == 1 ? 800000 : 0;
        // The two construction years come first; the series ends at year 100.
        if (k + 2 <= static_cast<size_t>(MaxYears))
            r.YearExpenditure[k + 2] =
                r.YearMaintenance[k] + r.YearOperational[k] + r.YearEnergy[k];
    }
    return p;
}

} // namespace

TEST(IncomeExpenditureGraph, ColumnsFromTheBaseYearWithTheirColours)
{
    GraphProject p = incomeProject(30, 1);
    DrawingSurface s(kWidth, kHeight);
    DrawIncomeExpenditureGraph(s, p.s(), p.r());
    const Drawing& d = s.drawing();

    EXPECT_EQ(yearTicks(d), 32u);
    {
        // Where the columns leave room, every year.
        DrawingSurface wide(kWideWidth, kHeight);
        DrawIncomeExpenditureGraph(wide, p.s(), p.r());
        const auto labels = yearLabels(wide.drawing());
        ASSERT_EQ(labels.size(), 32u); // 2001, 2002, 2003, ..., 2032
        EXPECT_EQ(labels[0], "2001");
        EXPECT_EQ(labels[1], "2002");
        EXPECT_EQ(labels[2], "2003");
        EXPECT_EQ(labels.back(), "2032");
    }

    const auto income = Of(d, PrimitiveKind::FilledBox, 0xFF0000);
    const auto capital = Of(d, PrimitiveKind::FilledBox, 0x0000FF);
    const auto maintenance = Of(d, PrimitiveKind::FilledBox, 0x00FF00);
    const auto operational = Of(d, PrimitiveKind::FilledBox, 0x00FFFF);
    const auto energy = Of(d, PrimitiveKind::FilledBox, 0xF00AFF);
    EXPECT_EQ(income.size(), 30u);
    EXPECT_EQ(capital.size(), 2u);
    EXPECT_EQ(maintenance.size(), 30u);
    EXPECT_EQ(operational.size(), 30u);
    EXPECT_EQ(energy.size(), 30u);

    EXPECT_EQ(capital[0]->x2 - capital[0]->x1, income[0]->x2 - income[0]->x1);
    EXPECT_EQ(income[0]->x2, maintenance[0]->x1); // income left, costs right
    EXPECT_EQ(maintenance[0]->y1, operational[0]->y2);
    EXPECT_EQ(operational[0]->y1, energy[0]->y2);
    EXPECT_EQ(income[0]->y2, kBase);
    EXPECT_EQ(capital[0]->x1 - 1220, income[0]->x2 - income[0]->x1); // column 1 at 1220

    // From the smallest value, 1,000,000, in steps of 500,000: 7 divisions,
    // and one more as 3,500,000 falls short of 4,300,000. The grid starts at
    // the axis at 1000, the labels at 100.
    const auto grid = Of(d, PrimitiveKind::Line, 0x808080);
    ASSERT_EQ(grid.size(), 9u);
    EXPECT_EQ(grid[0]->x1, 1000);
    ASSERT_TRUE(d.findText("1000000"));
    EXPECT_EQ(d.findText("1000000")->x1, 100);
    EXPECT_TRUE(d.findText("5000000"));
    EXPECT_EQ(d.findText("Year")->font.size, 8);

    // Gravity: no energy.
    GraphProject g = incomeProject(30, 0);
    DrawIncomeExpenditureGraph(s, g.s(), g.r());
    EXPECT_TRUE(Of(s.drawing(), PrimitiveKind::FilledBox, 0xF00AFF).empty());

    // Supply start in the base year: no capital, the first column is year 1.
    g.s().SupplyStartYear = 2001;
    DrawIncomeExpenditureGraph(s, g.s(), g.r());
    EXPECT_TRUE(Of(s.drawing(), PrimitiveKind::FilledBox, 0x0000FF).empty());
    EXPECT_EQ(yearLabels(s.drawing())[0], "2001");
    EXPECT_EQ(yearTicks(s.drawing()), 30u);
}

TEST(IncomeExpenditureGraph, DivisionsOfTheIncomeSeries)
{
    struct Case
    {
        double largest;
        std::vector<const char*> labels;
        const char* absent;
    } cases[] = {
        {4300000, {"0", "500000", "4500000"}, "5000000"},
        {15000000, {"0", "5000000", "10000000", "15000000"}, "2000000"},
        {200000000, {"0", "20000000", "200000000"}, "10000000"},
        {360000000, {"0", "50000000", "400000000"}, "10000000"},
        {0, {"0.000", "0.001", "0.002"}, "0.003"},
    };
    for (const Case& c : cases) {
        GraphProject p = incomeProject(3, 0);
        p.s().SupplyStartYear = 2001;
        ResultsStore& r = p.r();
        for (int i = 1; i <= 3; ++i) {
            const auto k = static_cast<size_t>(i);
            r.YearIncome[k] = static_cast<float>(c.largest);
            r.YearMaintenance[k] = r.YearOperational[k] = 0;
            r.YearExpenditure[k] = 0;
        }
        DrawingSurface s(kWidth, kHeight);
        DrawIncomeExpenditureGraph(s, p.s(), p.r());
        for (const char* label : c.labels)
            EXPECT_TRUE(s.drawing().findText(label)) << c.largest << ": " << label;
        EXPECT_FALSE(s.drawing().findText(c.absent)) << c.largest;
        if (c.largest == 0) {
            for (const Primitive* b : s.drawing().of(PrimitiveKind::FilledBox))
                EXPECT_EQ(b->y1, kBase);
        }
    }
}

TEST(IncomeExpenditureGraph, OnlyTheProjectYearsScaleAndBarsStayAboveTheOrigin)
{
    GraphProject p = incomeProject(10, 1);
    // What the series hold after the design life is not the project's.
    for (int i = 11; i <= MaxYears; ++i)
        p.r().YearIncome[static_cast<size_t>(i)] = 9e9f;
    p.r().YearMaintenance[4] = -2000000; // a part below the origin line
    DrawingSurface s(kWidth, kHeight);
    DrawIncomeExpenditureGraph(s, p.s(), p.r());
    EXPECT_TRUE(s.drawing().findText("4500000"));
    EXPECT_FALSE(s.drawing().findText("10000000"));
    for (const Primitive* b : s.drawing().of(PrimitiveKind::FilledBox)) {
        EXPECT_LE(std::max(b->y1, b->y2), kBase);
        EXPECT_GE(std::min(b->y1, b->y2), kTop - 220);
    }

    // Years that would run past the series are never read.
    GraphProject odd = incomeProject(100, 1);
    odd.s().BaseYear = 1990; // 13 construction years and 100 operating ones
    DrawIncomeExpenditureGraph(s, odd.s(), odd.r());
    EXPECT_EQ(yearTicks(s.drawing()), 100u);
    odd.s().BaseYear = 2010; // supply before the base year: no construction years
    DrawIncomeExpenditureGraph(s, odd.s(), odd.r());
    EXPECT_EQ(yearTicks(s.drawing()), 100u);
    EXPECT_EQ(yearLabels(s.drawing())[0], "2003");
}

TEST(IncomeExpenditureGraph, LegendByCurrencyAndSystem)
{
    GraphProject p = incomeProject(5, 1);
    DrawingSurface s(kWidth, kHeight);
    IncomeLegend l = DrawIncomeExpenditureGraph(s, p.s(), p.r());
    EXPECT_EQ(l.Income, "Income (R/year)");
    EXPECT_EQ(l.CapitalExpenditure, "Capital expenditure (R/year)");
    EXPECT_EQ(l.Maintenance, "Maintenance costs (R/year)");
    EXPECT_EQ(l.Operational, "Operational costs (R/year)");
    EXPECT_EQ(l.Energy, "Energy costs (R/year)");
    EXPECT_TRUE(l.EnergyVisible);
    EXPECT_EQ(l.MaintenanceSwatchTop, 170);
    EXPECT_EQ(l.OperationalLabelTop, 500);

    p.s().SystemType = 0;
    p.s().CurrencyCode = 3; // any code but 0 is the Dollar
    l = DrawIncomeExpenditureGraph(s, p.s(), p.r());
    EXPECT_EQ(l.Income, "Income ($/year)");
    EXPECT_EQ(l.Energy, "");
    EXPECT_FALSE(l.EnergyVisible);
    EXPECT_EQ(l.MaintenanceSwatchTop, 290);
    EXPECT_EQ(l.MaintenanceLabelTop, 310);
    EXPECT_EQ(l.OperationalSwatchTop, 700);
    EXPECT_EQ(l.OperationalLabelTop, 720);
}

namespace {

// The printed year labels (on the line under the axis) and the x of each
// column's tick.
struct YearAxis
{
    std::vector<const Primitive*> labels;
    std::vector<double> ticks;
    double blank = 0;

    explicit YearAxis(const DrawingSurface& s)
    {
        for (const Primitive* t : s.drawing().of(PrimitiveKind::Text))
            if (t->y1 == kBottom + 50) labels.push_back(t);
        for (const Primitive* l : s.drawing().of(PrimitiveKind::Line))
            if (l->y1 == kBottom && l->y2 == kBottom - 40) ticks.push_back(l->x1);
        blank = measure().TextWidth(" ");
    }

    static DrawingSurface measure()
    {
        DrawingSurface m(kWidth, kHeight);
        m.setFontSize(8);
        return m;
    }

    // Whether the labels of columns a and b (1-based) would stand a blank
    // or more apart.
    bool apart(int a, int b, int firstYear) const
    {
        const DrawingSurface m = measure();
        const double left = m.TextWidth(QString::number(firstYear + a - 1)) / 2;
        const double right = m.TextWidth(QString::number(firstYear + b - 1)) / 2;
        return ticks[static_cast<size_t>(b - 1)] - right >=
               ticks[static_cast<size_t>(a - 1)] + left + blank - 0.5;
    }
};

// A system graph labels every k-th column from the first, all of them,
// k the smallest of 1, 2, 5, 10 and 20 whose labels stand apart.
void ExpectEvenYearLabels(const DrawingSurface& s, int columns, int firstYear,
                          const std::string& what)
{
    const YearAxis axis(s);
    ASSERT_EQ(axis.ticks.size(), static_cast<size_t>(columns)) << what;
    ASSERT_GE(axis.labels.size(), 1u) << what;
    const int k = axis.labels.size() > 1 ? axis.labels[1]->text.toInt() - firstYear : 20;
    ASSERT_EQ(axis.labels.size(), static_cast<size_t>((columns - 1) / k + 1)) << what;
    for (size_t i = 0; i < axis.labels.size(); ++i) {
        EXPECT_EQ(axis.labels[i]->text, QString::number(firstYear + static_cast<int>(i) * k))
            << what;
        if (i > 0) {
            EXPECT_GE(axis.labels[i]->x1 - axis.labels[i - 1]->x2, axis.blank - 0.5) << what;
        }
    }
    for (int smaller : {1, 2, 5, 10}) {
        if (smaller >= k || smaller + 1 > columns) break;
        bool apart = true;
        for (int col = 1 + smaller; col <= columns; col += smaller)
            apart = apart && axis.apart(col - smaller, col, firstYear);
        EXPECT_FALSE(apart) << what << ": every " << smaller << " would do";
    }
}

} // namespace

TEST(SystemGraphs, YearLabelsNeverTouchAtAnyDesignLife)
{
    for (double width : {kWidth, 7000.0}) {
        for (int life = 2; life <= MaxYears; ++life) {
            const std::string what =
                std::to_string(life) + " years, " + std::to_string(static_cast<int>(width));
            GraphProject d = demandProject(life);
            DrawingSurface s(width, kHeight);
            DrawDemandCapacityGraph(s, d.s(), d.r());
            ExpectEvenYearLabels(s, life, 2001, "demand " + what);

            // Two construction years before the supply start.
            GraphProject i = incomeProject(std::min(life, MaxYears - 2), 1);
            const int columns = std::min(life, MaxYears - 2) + 2;
            DrawIncomeExpenditureGraph(s, i.s(), i.r());
            ExpectEvenYearLabels(s, columns, 2001, "income " + what);
        }
    }
}
