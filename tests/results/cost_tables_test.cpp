// The cost page: the capital cost build-up line by line, the annual costs of
// the year the scroll bar shows, and their layout, spans and symbols.
#include "ResultsWindowFixture.h"
#include "platform/Twips.h"

#include <set>

namespace vemora::test {
namespace {

class CostTablesTest : public ResultsWindowTest
{
  protected:
    // The worked example: pipeline 1,000,000, mechanical 200,000, electrical
    // 100,000, both mark-ups 10 %, no escalation, fees 50,000, administration 20,000.
    void WorkedExample()
    {
        ctx.store.MechanicalWorksCost = 200000;
        ctx.store.ElectricalWorksCost = 100000;
        ctx.results.PipeSupplyCost = 600000;
        ctx.results.PipeLayingCost = 400000;
        ctx.results.ConstructionSubtotal = 1573000; // with both mark-ups
        ctx.results.EscalationCost = 0;
        ctx.results.ConsultingFees = 50000;
        ctx.results.SupervisionCost = 20000;
    }
    void YearAmounts(int year, float base)
    {
        ResultsStore& r = ctx.results;
        r.YearOperational[year] = base + 1;
        r.YearPipelineMaintenance[year] = base + 2;
        r.YearMechanicalMaintenance[year] = base + 3;
        r.YearElectricalMaintenance[year] = base + 4;
        r.YearEnergy[year] = base + 5;
    }
};

TEST_F(CostTablesTest, CapitalTableBuildsTheWorkedExampleUpRowByRow)
{
    WorkedExample();
    w->ShowCostTables();
    FlexGrid* g = w->msgCost;
    ASSERT_EQ(g->Rows(), 15);
    ASSERT_EQ(g->Cols(), 2);
    const char* const rows[][2] = {
        {"Description", "Amount"},
        {"Pipeline cost", "R1,000,000"},
        {"Mechanical cost", "R200,000"},
        {"Electrical cost", "R100,000"},
        {"Sub total", "R1,300,000"},
        {"Preliminary & General (10%)", "R130,000"},
        {"Sub total", "R1,430,000"},
        {"Contingencies (10%)", "R143,000"},
        {"Escalation", "R0"},
        {"Sub total", "R1,573,000"},
        {"Consulting fees (fee scale 2002)", "R50,000"},
        {"Administration and management", "R20,000"},
        {"Total construction cost", "R1,643,000"},
        {"VAT 14%", "R230,020"},
        {"Total capital cost", "R1,873,020"},
    };
    const std::set<int> boldRows = {0, 4, 6, 9, 12, 14};
    for (int r = 0; r < 15; ++r) {
        EXPECT_EQ(cell(g, r, 0), rows[r][0]) << "row " << r;
        EXPECT_EQ(cell(g, r, 1), rows[r][1]) << "row " << r;
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(g->cellFontBoldAt(r, c), boldRows.count(r) == 1) << r << "," << c;
    }
    EXPECT_EQ(g->ColWidth(0), 2700);
    EXPECT_EQ(g->ColWidth(1), 1800);
    EXPECT_EQ(g->ColAlignment(1), FlexAlign::RightCenter);
    EXPECT_EQ(g->RowHeight(1), 350);
    EXPECT_EQ(g->RowHeight(14), 350);
    // The three "Sub total" lines and equal amounts stand alone.
    EXPECT_EQ(g->mergedCells(4, 0), QRect(0, 4, 1, 1));
    EXPECT_EQ(g->mergedCells(0, 0), QRect(0, 0, 1, 1));
}

TEST_F(CostTablesTest, EqualAmountsBesideDifferentCaptionsDoNotMerge)
{
    w->ShowCostTables(); // no mechanical or electrical works
    FlexGrid* g = w->msgCost;
    EXPECT_EQ(cell(g, 2, 1), "R0");
    EXPECT_EQ(cell(g, 3, 1), "R0");
    EXPECT_EQ(g->mergedCells(2, 1), QRect(1, 2, 1, 1));
}

TEST_F(CostTablesTest, MarkUpCaptionsShowThePercentagesAsEntered)
{
    WorkedExample();
    ctx.store.PrelimGeneralPercent = 7.5f;
    ctx.store.ContingencyPercent = 12.25f;
    w->ShowCostTables();
    EXPECT_EQ(cell(w->msgCost, 5, 0), "Preliminary & General (7.5%)");
    EXPECT_EQ(cell(w->msgCost, 5, 1), "R97,500"); // 7.5 % of 1,300,000
    EXPECT_EQ(cell(w->msgCost, 7, 0), "Contingencies (12.25%)");
}

TEST_F(CostTablesTest, AnnualTableOfAGravityProject)
{
    YearAmounts(1, 12344.678f);
    w->ShowCostTables();
    FlexGrid* a = w->msgAnnualCost;
    ASSERT_EQ(a->Rows(), 5);
    ASSERT_EQ(a->Cols(), 3);
    EXPECT_EQ(a->FixedCols(), 2);
    EXPECT_EQ(a->height(), twipsToPixels(1740));
    EXPECT_EQ(cell(a, 0, 0), "Description");
    EXPECT_EQ(cell(a, 0, 2), "Amount");
    EXPECT_TRUE(a->cellFontBoldAt(0, 2));
    EXPECT_EQ(cell(a, 1, 2), "R12,345.68");
    EXPECT_EQ(cell(a, 2, 1), "Pipeline");
    EXPECT_EQ(cell(a, 2, 2), "R12,346.68");
    EXPECT_EQ(cell(a, 4, 1), "Electrical");
    EXPECT_EQ(cell(a, 4, 2), "R12,348.68");
    EXPECT_EQ(a->ColWidth(0), 1700);
    EXPECT_EQ(a->ColWidth(1), 1100);
    EXPECT_EQ(a->ColWidth(2), 1800);
    EXPECT_EQ(a->ColAlignment(0), FlexAlign::LeftCenter);
    EXPECT_EQ(a->ColAlignment(2), FlexAlign::RightCenter);
    // The heading and the operational line span both caption columns; the
    // maintenance caption stands once beside its three lines.
    EXPECT_EQ(a->mergedCells(0, 1), QRect(0, 0, 2, 1));
    EXPECT_EQ(a->mergedCells(1, 0), QRect(0, 1, 2, 1));
    EXPECT_EQ(a->mergedCells(3, 0), QRect(0, 2, 1, 3));
    EXPECT_EQ(a->mergedCells(3, 1), QRect(1, 3, 1, 1));
    EXPECT_EQ(w->hsbAnnual->Max(), 30);
}

TEST_F(CostTablesTest, AnnualTableOfAPumpingProjectInDollarsHasAnEnergyRow)
{
    PumpingStores();
    ctx.store.CurrencyCode = 1;
    YearAmounts(1, 100);
    w->ShowCostTables();
    FlexGrid* a = w->msgAnnualCost;
    ASSERT_EQ(a->Rows(), 6);
    EXPECT_EQ(a->height(), twipsToPixels(2090));
    EXPECT_EQ(cell(a, 5, 0), "Total annual energy cost");
    EXPECT_EQ(a->mergedCells(5, 1), QRect(0, 5, 2, 1));
    EXPECT_EQ(a->mergedCells(4, 0), QRect(0, 2, 1, 3));
    EXPECT_EQ(cell(a, 5, 2), "$105.00");
    EXPECT_EQ(cell(w->msgCost, 14, 1), "$0");
}

TEST_F(CostTablesTest, EveryCurrencyCodeButZeroShowsDollars)
{
    ctx.store.CurrencyCode = 5;
    Refresh();
    EXPECT_TRUE(cell(w->msgCost, 1, 1).startsWith("$"));
    EXPECT_TRUE(cell(w->msgAnnualCost, 1, 2).startsWith("$"));
    EXPECT_TRUE(w->lblNPVE->text().startsWith("$"));
    w->ssoIncomeExpenditure->click();
    w->sscViewTable->click();
    EXPECT_TRUE(cell(w->msgSystem, 1, 2).startsWith("$"));
}

TEST_F(CostTablesTest, TheYearBarShowsThatYearsAmounts)
{
    YearAmounts(1, 100);
    YearAmounts(7, 700);
    w->ShowCostTables();
    w->hsbAnnual->setValue(7);
    EXPECT_EQ(w->lblAnnual->text(), "Year : 7");
    EXPECT_EQ(cell(w->msgAnnualCost, 1, 2), "R701.00");
    EXPECT_EQ(cell(w->msgAnnualCost, 4, 2), "R704.00");

    // Filling the tables again (as Continue does) keeps the year and its amounts together.
    w->ShowCostTables();
    EXPECT_EQ(w->lblAnnual->text(), "Year : 7");
    EXPECT_EQ(cell(w->msgAnnualCost, 1, 2), "R701.00");

    // A shorter design life takes the bar back inside it, label and amounts alike.
    ctx.store.DesignLife = 5;
    YearAmounts(5, 500);
    w->ShowCostTables();
    EXPECT_EQ(w->hsbAnnual->Max(), 5);
    EXPECT_EQ(w->lblAnnual->text(), "Year : 5");
    EXPECT_EQ(cell(w->msgAnnualCost, 1, 2), "R501.00");
}

TEST_F(CostTablesTest, ResultLabelsOfTheCostPage)
{
    ctx.results.NpvExpenditure = 1234567.4f;
    ctx.results.NpvIncome = 5;
    ctx.results.Irr = 13.0664f;
    ctx.results.IrrFound = true;
    Refresh();
    EXPECT_EQ(w->lblDesignLife->text(), "30 years");
    EXPECT_EQ(w->lblNPVE->text(), "R1,234,567");
    EXPECT_EQ(w->lblNPVI->text(), "R5");
    EXPECT_EQ(w->lblIRR->text(), "IRR = 13.066 %");
}

} // namespace
} // namespace vemora::test
