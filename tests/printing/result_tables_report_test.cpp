// The two yearly result tables: demand and yield (27 years a page, the unit
// line before every break) and income and expenditure (32 rows a page, the
// construction years first), their figures and what stops them.
#include <QComboBox>
#include <QRegularExpression>
#include <cmath>

#include "TextReportFixture.h"
#include "reports/Reports.h"

namespace vemora::test {
namespace {

class DemandYieldTest : public TextReportTest
{
  protected:
    // Fixed demand 10 units a year; flow 12.5 units, shortage 0.25 units.
    void Years(int designLife)
    {
        ctx.store.DesignLife = static_cast<int16_t>(designLife);
        ctx.store.SupplyStartYear = 2001;
        ctx.store.FixedDemand = 10;
        ctx.store.PumpingHours = 20;
        Show();
        ResultsStore& r = ctx.results;
        r.DemandUnitFactor = 0.5f;
        for (int y = 1; y <= MaxYears; ++y) {
            r.YearFlow[y] = 12.5f * 0.5f;
            r.YearShortage[y] = 0.25f;
            r.YearPumpingHours[y] = 17.126f;
        }
    }

    static int UnitLines(const RecordedPage& page)
    {
        int n = 0;
        for (const PageText& t : page.texts)
            n += t.text.startsWith("All units are: ");
        return n;
    }
};

TEST_F(DemandYieldTest, HundredYearsOnFourPagesEachClosedByTheUnits)
{
    Years(100);
    const auto pages = Print(PrintDemandYieldTable);
    ASSERT_EQ(pages.size(), 4u);
    const QString unit = "All units are: " + w->comGFlowrateUnits->currentText().trimmed();
    for (const RecordedPage& page : pages) {
        EXPECT_EQ(UnitLines(page), 1);
        EXPECT_TRUE(page.findText(unit));
        EXPECT_TRUE(page.findText("SYSTEM ANALYSIS (DEMAND & YIELD)"));
        EXPECT_FALSE(page.findText("Pumping")); // a gravity table has five columns
    }
    EXPECT_TRUE(pages[0].findText("2027"));
    EXPECT_FALSE(pages[0].findText("2028"));
    EXPECT_TRUE(pages[3].findText("2082"));
    EXPECT_TRUE(pages[3].findText("2100"));
    // The units line follows the page's last row.
    const QStringList first = Lines(pages[0]);
    const int last = static_cast<int>(first.indexOf(QRegularExpression("^2027 .*")));
    EXPECT_EQ(first.value(last + 1), unit);
}

TEST_F(DemandYieldTest, TwentySevenYearsLeaveAPageWithOnlyTheHeading)
{
    Years(27);
    const auto pages = Print(PrintDemandYieldTable);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(UnitLines(pages[0]), 2);
    EXPECT_EQ(UnitLines(pages[1]), 0);
    EXPECT_TRUE(pages[1].findText("Yield"));
    EXPECT_FALSE(pages[1].findText("2001"));
}

TEST_F(DemandYieldTest, GravityFigures)
{
    Years(3);
    const QStringList lines = Lines(Print(PrintDemandYieldTable)[0]);
    // yield 12.5, supplied 10 - 0.25, shortage 0.25, demand 10
    EXPECT_TRUE(lines.contains("2001 12.500 9.750 0.250 10.000")) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines.contains("2003 12.500 9.750 0.250 10.000"));
}

TEST_F(DemandYieldTest, PumpingYieldScaledByThePumpingHours)
{
    NewOfType(1);
    Years(2);
    ctx.results.YearFlow[1] = 1.2f * 0.5f; // 1.2 units over 20 of 24 hours: 1.000
    const auto pages = Print(PrintDemandYieldTable);
    const QStringList lines = Lines(pages[0]);
    EXPECT_TRUE(lines.contains("2001 1.000 9.750 0.250 10.000 17.13"))
        << lines.join("\n").toStdString();
    EXPECT_TRUE(pages[0].findText("Pumping"));
    EXPECT_TRUE(pages[0].findText("hours"));
    EXPECT_TRUE(
        pages[0].findText("All units are: " + w->comPFlowrateUnits->currentText().trimmed()));
}

TEST_F(DemandYieldTest, VaryingDemandNamesTheUnitOfItsOwnPage)
{
    NewOfType(1);
    ctx.store.DemandMode = 1;
    for (int y = 1; y <= MaxYears; ++y)
        ctx.store.YearDemand[y] = 4 + y;
    Years(2);
    w->comVaryingDemandUnits->setCurrentIndex(0);
    w->comPumpVaryingDemandUnits->setCurrentIndex(2);
    ASSERT_NE(w->comVaryingDemandUnits->currentText(), w->comPumpVaryingDemandUnits->currentText());
    const auto pages = Print(PrintDemandYieldTable);
    EXPECT_TRUE(pages[0].findText("All units are: " +
                                  w->comPumpVaryingDemandUnits->currentText().trimmed()));
    EXPECT_TRUE(Lines(pages[0]).filter(QRegularExpression("^2002 \\S+ 5.750 0.250 6.000")).size());
}

TEST_F(DemandYieldTest, ZeroFactorOrNonFiniteValueStopsBeforeAnyPage)
{
    Years(5);
    ctx.results.DemandUnitFactor = 0;
    RecordingPageDevice device;
    {
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        EXPECT_THROW(PrintDemandYieldTable(ctx, run, printer), PrintFailure);
    }
    EXPECT_TRUE(device.pages().empty());

    ctx.results.DemandUnitFactor = 0.5f;
    ctx.results.YearShortage[4] = std::nanf("");
    EXPECT_THROW(Print(PrintDemandYieldTable), PrintFailure);
}

class IncomeExpenditureTest : public TextReportTest
{
  protected:
    void Period(int base, int supply, int life)
    {
        ProjectStore& s = ctx.store;
        s.BaseYear = static_cast<int16_t>(base);
        s.SupplyStartYear = static_cast<int16_t>(supply);
        s.DesignLife = static_cast<int16_t>(life);
        ResultsStore& r = ctx.results;
        for (int i = 1; i <= MaxYears; ++i) {
            r.YearExpenditure[i] = 1000.0f * i;
            r.YearCapital[i] = 500000;
            r.YearIncome[i] = 1234567.6f;
            r.YearMaintenance[i] = 2500;
            r.YearOperational[i] = 300;
            r.YearEnergy[i] = 45000;
        }
    }
};

TEST_F(IncomeExpenditureTest, ConstructionYearsFirstOnTwoPages)
{
    Period(2001, 2004, 30);
    const auto pages = Print(PrintIncomeExpenditureTable);
    ASSERT_EQ(pages.size(), 2u);
    const QStringList first = Lines(pages[0]);
    EXPECT_TRUE(first.contains("2001 R0 R1,000 R500,000 R0 R0")) << first.join("\n").toStdString();
    EXPECT_TRUE(first.contains("2003 R0 R3,000 R500,000 R0 R0"));
    EXPECT_TRUE(first.contains("2004 R1,234,568 R4,000 R500,000 R2,500 R300"));
    EXPECT_TRUE(pages[0].findText("2032"));
    EXPECT_FALSE(pages[0].findText("2033"));
    EXPECT_TRUE(pages[0].findText("All units are: R"));
    EXPECT_TRUE(pages[1].findText("2033"));
    EXPECT_FALSE(pages[1].findText("All units are: R"));
    for (const RecordedPage& page : pages) {
        EXPECT_TRUE(page.findText("SYSTEM ANALYSIS (INCOME & EXPENDITURE)"));
        EXPECT_FALSE(page.findText("Energy")); // a gravity table has six columns
    }
}

TEST_F(IncomeExpenditureTest, PumpingInDollarsHasTheEnergyColumnOnEveryPage)
{
    NewOfType(1);
    ctx.store.CurrencyCode = 1;
    Period(2001, 2001, 64); // exactly two full pages and no page of headings alone
    const auto pages = Print(PrintIncomeExpenditureTable);
    ASSERT_EQ(pages.size(), 2u);
    for (const RecordedPage& page : pages)
        EXPECT_TRUE(page.findText("Energy"));
    EXPECT_TRUE(Lines(pages[0]).contains("2001 $1,234,568 $1,000 $500,000 $2,500 $300 $45,000"));
    EXPECT_TRUE(pages[0].findText("All units are: $"));
    EXPECT_TRUE(pages[1].findText("2064"));
    EXPECT_FALSE(pages[1].findText("All units are: $")); // no units line under the last row
}

TEST_F(IncomeExpenditureTest, PeriodOutsideTheTablesStopsBeforeAnyPage)
{
    const std::tuple<int, int, int> periods[] = {
        {2001, 2011, 95}, {2005, 2001, 10}, {2001, 2001, 0}};
    for (auto [base, supply, life] : periods) {
        Period(base, supply, life);
        RecordingPageDevice device;
        {
            ReportPrinter printer(device);
            PageRun run{HeaderTextsOf(ctx.store)};
            EXPECT_THROW(PrintIncomeExpenditureTable(ctx, run, printer), PrintFailure)
                << base << supply;
        }
        EXPECT_TRUE(device.pages().empty());
    }
    Period(2001, 2011, 90); // 100 rows fit
    EXPECT_EQ(Print(PrintIncomeExpenditureTable).size(), 4u);
}

TEST_F(IncomeExpenditureTest, NonFiniteAmountStops)
{
    Period(2001, 2002, 10);
    ctx.results.YearOperational[3] = std::numeric_limits<float>::infinity();
    EXPECT_THROW(Print(PrintIncomeExpenditureTable), PrintFailure);
}

} // namespace
} // namespace vemora::test
