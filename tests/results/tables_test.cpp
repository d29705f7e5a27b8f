// The result tables as the system and hydraulic pages show them, filled from
// stores set directly: layout, headings, units, number patterns and the
// bounds that keep every read inside the stores.
#include "ResultsWindowFixture.h"
#include "platform/Twips.h"

namespace vemora::test {
namespace {

class ResultTablesTest : public ResultsWindowTest
{
  protected:
    // The demand and yield table, as the View table format button shows it.
    FlexGrid* DemandTable()
    {
        w->ssoDemandCapacity->click();
        w->sscViewTable->click();
        return w->msgSystem;
    }
    FlexGrid* IncomeTable()
    {
        w->ssoIncomeExpenditure->click();
        w->sscViewTable->click();
        return w->msgSystem;
    }
    FlexGrid* NodeTable()
    {
        w->sscViewHydraulicTable->click();
        return w->msgHydraulic;
    }
};

TEST_F(ResultTablesTest, DemandTableOfAGravityProject)
{
    FlexGrid* g = DemandTable();
    EXPECT_EQ(g->Rows(), 32); // two heading rows and 30 years
    EXPECT_EQ(g->Cols(), 4);
    EXPECT_EQ(g->FixedRows(), 2);
    const char* const headings[] = {"Year", "Yield", "Demand supplied", "Demand shortage"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(cell(g, 0, c), headings[c]);
        EXPECT_TRUE(g->cellFontBoldAt(0, c));
        EXPECT_EQ(g->ColAlignment(c), FlexAlign::CenterCenter);
    }
    EXPECT_EQ(cell(g, 1, 0), "");
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(cell(g, 1, c), "Mega liters/day");
        EXPECT_TRUE(g->cellFontBoldAt(1, c));
    }
    EXPECT_EQ(cell(g, 2, 0), "2001");
    EXPECT_EQ(cell(g, 2, 1), "12.500");
    EXPECT_EQ(cell(g, 2, 2), "10.000");
    EXPECT_EQ(cell(g, 2, 3), "0.000");
    EXPECT_FALSE(g->cellFontBoldAt(2, 1));
    EXPECT_EQ(cell(g, 31, 0), "2030");
    EXPECT_EQ(g->ColWidth(0), 1050);
    EXPECT_EQ(g->ColWidth(3), 1450);
    EXPECT_EQ(g->RowHeight(0), 500);
    EXPECT_EQ(g->RowHeight(1), 500);
    EXPECT_EQ(g->RowHeight(2), 350);
    EXPECT_EQ(g->Row(), 2);
    EXPECT_EQ(g->Col(), 1);
}

TEST_F(ResultTablesTest, DemandTableOfAPumpingProjectAveragesTheYieldOverTheDay)
{
    PumpingStores();
    ctx.results.YearShortage[1] = 1.25f;
    ctx.results.YearPumpingHours[1] = 19.5f;
    FlexGrid* g = DemandTable();
    ASSERT_EQ(g->Cols(), 5);
    EXPECT_EQ(cell(g, 0, 4), "Pumping hours");
    EXPECT_EQ(cell(g, 1, 4), "");       // no unit above the hours
    EXPECT_EQ(cell(g, 2, 1), "10.417"); // 12.5 x 20 / 24
    EXPECT_EQ(cell(g, 2, 2), "8.750");
    EXPECT_EQ(cell(g, 2, 3), "1.250");
    EXPECT_EQ(cell(g, 2, 4), "19.50");
}

TEST_F(ResultTablesTest, DemandTableTakesTheVaryingDemandAndItsUnit)
{
    ctx.store.DemandMode = 1;
    ctx.store.YearDemandUnit = 3; // l/s
    ctx.store.YearDemand[2] = 150;
    ctx.results.DemandUnitFactor = 0.001f;
    ctx.results.YearFlow[2] = 0.12f;
    ctx.results.YearShortage[2] = 30;
    FlexGrid* g = DemandTable();
    EXPECT_EQ(cell(g, 1, 1), "l/s");
    EXPECT_EQ(cell(g, 3, 1), "120.000");
    EXPECT_EQ(cell(g, 3, 2), "120.000");
    EXPECT_EQ(cell(g, 3, 3), "30.000");
}

TEST_F(ResultTablesTest, IncomeTableCountsFromTheBaseYear)
{
    ctx.store.BaseYear = 2001;
    ctx.store.SupplyStartYear = 2003;
    ResultsStore& r = ctx.results;
    r.YearExpenditure[1] = r.YearCapital[1] = 1234567.8f;
    r.YearExpenditure[3] = 5000;
    r.YearIncome[1] = 7000.4f;
    r.YearMaintenance[1] = 1500;
    r.YearOperational[1] = 2500.5f;
    FlexGrid* g = IncomeTable();
    EXPECT_EQ(g->Rows(), 33); // one heading row and the years 2001 .. 2032
    EXPECT_EQ(g->Cols(), 6);
    EXPECT_EQ(g->FixedRows(), 1);
    const char* const headings[] = {"Year",         "Income",           "Total expenditure",
                                    "Capital cost", "Maintenance cost", "Operational cost"};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(cell(g, 0, c), headings[c]);
    EXPECT_EQ(cell(g, 1, 0), "2001");
    EXPECT_EQ(cell(g, 1, 1), "R0");
    EXPECT_EQ(cell(g, 1, 2), "R1,234,568");
    EXPECT_EQ(cell(g, 1, 3), "R1,234,568");
    EXPECT_EQ(cell(g, 1, 4), "R0");
    EXPECT_EQ(cell(g, 2, 5), "R0");
    EXPECT_EQ(cell(g, 3, 0), "2003"); // the first operating year
    EXPECT_EQ(cell(g, 3, 1), "R7,000");
    EXPECT_EQ(cell(g, 3, 2), "R5,000");
    EXPECT_EQ(cell(g, 3, 4), "R1,500");
    EXPECT_EQ(cell(g, 3, 5), "R2,500"); // a half rounds to even
    EXPECT_EQ(cell(g, 32, 0), "2032");
    EXPECT_EQ(g->RowHeight(0), 500);
    EXPECT_EQ(g->RowHeight(32), 350);
}

TEST_F(ResultTablesTest, IncomeTableOfAPumpingProjectInDollars)
{
    PumpingStores();
    ctx.store.CurrencyCode = 1;
    ctx.results.YearEnergy[1] = 1234567.8f;
    FlexGrid* g = IncomeTable();
    ASSERT_EQ(g->Cols(), 7);
    EXPECT_EQ(cell(g, 0, 6), "Energy cost");
    EXPECT_EQ(cell(g, 1, 6), "$0"); // the construction year
    EXPECT_EQ(cell(g, 2, 6), "$1,234,568");
    EXPECT_EQ(cell(g, 2, 1), "$0");
}

TEST_F(ResultTablesTest, IncomeTableStaysInsideTheYearSeries)
{
    // Supply before the base year: no construction rows, operating year 1 first.
    ctx.store.BaseYear = 2010;
    ctx.store.SupplyStartYear = 2005;
    ctx.results.YearIncome[1] = 11;
    FlexGrid* g = IncomeTable();
    EXPECT_EQ(g->Rows(), 31);
    EXPECT_EQ(cell(g, 1, 0), "2010");
    EXPECT_EQ(cell(g, 1, 1), "R11");

    // More construction and operating years than the series hold: 100 rows.
    ctx.store.BaseYear = 2000;
    ctx.store.SupplyStartYear = 2080;
    ctx.store.DesignLife = 100;
    ctx.results.YearIncome[20] = 22;
    g = IncomeTable();
    EXPECT_EQ(g->Rows(), 101);
    EXPECT_EQ(cell(g, 100, 0), "2099");
    EXPECT_EQ(cell(g, 100, 1), "R22");
}

TEST_F(ResultTablesTest, NodeTableShowsTheGradelineInTheElevationUnit)
{
    ThreeNodes();
    ctx.store.NodeTypeCode[2] = 5;
    ctx.store.NodeTypeCode[3] = 42; // no such type
    ResultsStore& r = ctx.results;
    r.Gradeline(0, 1) = 0.5f; // a gravity system's node 1 reads point 0
    r.Gradeline(1, 1) = 105.25f;
    r.Gradeline(2, 1) = 80;
    FlexGrid* g = NodeTable();
    EXPECT_EQ(g->Rows(), 4);
    EXPECT_EQ(g->Cols(), 6);
    const char* const headings[] = {"Number",        "Accumulated length (m)",
                                    "Elevation (m)", "Hydraulic gradeline (m)",
                                    "Pressure (m)",  "Component"};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(cell(g, 0, c), headings[c]);
    EXPECT_EQ(cell(g, 1, 0), "1");
    EXPECT_EQ(cell(g, 1, 1), "0");
    EXPECT_EQ(cell(g, 3, 1), "1250.5");
    EXPECT_EQ(cell(g, 1, 2), "100");
    EXPECT_EQ(cell(g, 1, 3), ".500");
    EXPECT_EQ(cell(g, 1, 4), "-99.500");
    EXPECT_EQ(cell(g, 2, 3), "105.250");
    EXPECT_EQ(cell(g, 2, 4), "15.250");
    EXPECT_EQ(cell(g, 3, 4), ".000");
    EXPECT_EQ(cell(g, 1, 5), "Node                ");
    EXPECT_EQ(cell(g, 2, 5).trimmed(), "Air valve");
    EXPECT_EQ(cell(g, 3, 5), ""); // a code without a name shows none
}

TEST_F(ResultTablesTest, NodeTableOfAPumpingProjectInFeet)
{
    PumpingStores();
    ThreeNodes();
    ctx.store.ElevationUnit = 2;          // ft
    ctx.store.ChainageUnit = 3;           // miles
    ctx.results.Gradeline(1, 1) = 30.48f; // a pumping system's node 1 reads point 1
    FlexGrid* g = NodeTable();
    EXPECT_EQ(cell(g, 0, 1), "Accumulated length (miles)");
    EXPECT_EQ(cell(g, 0, 3), "Hydraulic gradeline (ft)");
    EXPECT_EQ(cell(g, 1, 3), "100.000");
    EXPECT_EQ(cell(g, 1, 4), ".000");
}

TEST_F(ResultTablesTest, NodeTableOfTheChosenYearKeepsItWhileTheBarMoves)
{
    ThreeNodes();
    Refresh();
    ctx.results.Gradeline(0, 5) = 123;
    w->hscYears->setValue(5);
    EXPECT_EQ(w->lblYear->text(), "2005");
    EXPECT_EQ(ctx.view.SelectedYear, 5);
    FlexGrid* g = NodeTable();
    EXPECT_EQ(w->lblYear1->text(), "Year: 2005");
    EXPECT_EQ(cell(g, 1, 3), "123.000");
    w->hscYears->setValue(6);
    EXPECT_EQ(w->lblYear1->text(), "Year: 2005");
    EXPECT_EQ(cell(g, 1, 3), "123.000");
}

TEST_F(ResultTablesTest, NodeTableWithoutNodesOrWithAnUntrustedCount)
{
    ctx.store.NodeCount = 0;
    EXPECT_EQ(NodeTable()->Rows(), 1);
    ctx.store.NodeCount = -4;
    EXPECT_EQ(NodeTable()->Rows(), 1);
    ctx.store.NodeCount = 30000;
    EXPECT_EQ(NodeTable()->Rows(), MaxNodes + 1);
}

TEST_F(ResultTablesTest, DemandTableOfAnUntrustedDesignLifeStaysInsideTheSeries)
{
    ctx.store.DesignLife = 300;
    EXPECT_EQ(DemandTable()->Rows(), MaxYears + 2);
    ctx.store.DesignLife = -1;
    EXPECT_EQ(DemandTable()->Rows(), 2);
}

} // namespace
} // namespace vemora::test
