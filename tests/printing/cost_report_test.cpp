// The cost summary: the capital cost build-up, the present values, the IRR
// and the annual costs as the results window shows them.
#include "ReportsFixture.h"
#include "reports/Reports.h"

namespace vemora::test {
namespace {

class CostReportTest : public ReportsTest
{
  protected:
    // A capital cost of exactly one million before VAT.
    void MillionProject()
    {
        auto project = GravityProject(100, 0, {{100, 0}, {0, 1000}});
        Open(*project);
        ctx.store.MechanicalWorksCost = 0;
        ctx.store.ElectricalWorksCost = 0;
        ctx.store.PrelimGeneralPercent = 0;
        ctx.store.ContingencyPercent = 0;
        ResultsStore& r = ctx.results;
        r.PipeSupplyCost = 600000;
        r.PipeLayingCost = 400000;
        r.ConstructionSubtotal = 1000000; // no mark-ups
        r.EscalationCost = r.ConsultingFees = r.SupervisionCost = 0;
        r.NpvExpenditure = 0;
        r.NpvIncome = 1234567.4f;
        r.IrrFound = false;
        r.Irr = 12.5f; // left from an earlier run
    }

    const RecordedPage& Print()
    {
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        PrintCostAnalysis(ctx, run, printer);
        printer.EndDoc();
        return pages().back();
    }

    // The texts of the line that holds `label`.
    static QString LineOf(const RecordedPage& page, const QString& label)
    {
        for (const QString& line : page.textLines())
            if (line.startsWith(label)) return line;
        return QString();
    }
};

TEST_F(CostReportTest, TheCapitalCostBuildsUpToTheTotalWithVat)
{
    MillionProject();
    const RecordedPage& page = Print();
    EXPECT_EQ(LineOf(page, "VAT 14%"), "VAT 14% R140,000");
    EXPECT_EQ(LineOf(page, "Total capital cost"), "Total capital cost R1,140,000");
    EXPECT_EQ(LineOf(page, "Pipeline cost"), "Pipeline cost R1,000,000");
    EXPECT_EQ(LineOf(page, "Total construction cost"), "Total construction cost R1,000,000");
    EXPECT_EQ(page.findText("R140,000")->tab, 50);
    EXPECT_EQ(page.findText("R1,140,000")->tab, 47);
    EXPECT_TRUE(page.findText("R1,140,000")->font.bold);
    EXPECT_EQ(pages().size(), 1u);
}

TEST_F(CostReportTest, NoIrrPrintsNaAndPresentValuesAsOnScreen)
{
    MillionProject();
    ctx.store.PrelimGeneralPercent = 7.5f;
    ctx.store.ContingencyPercent = 10;
    const RecordedPage& page = Print();
    EXPECT_EQ(LineOf(page, "IRR:"), "IRR: n/a");
    EXPECT_EQ(LineOf(page, "Expenditure:"), "Expenditure: R0");
    EXPECT_EQ(LineOf(page, "Income:"), "Income: R1,234,567");
    EXPECT_NE(page.findText("Preliminary & General (7.5%)"), nullptr);
    EXPECT_NE(page.findText("Contingencies (10%)"), nullptr);
    EXPECT_NE(page.findText("R75,000"), nullptr); // 7.5 % of the million

    ctx.results.IrrFound = true;
    ctx.results.Irr = 9.87654f;
    EXPECT_EQ(LineOf(Print(), "IRR:"), "IRR: 9.877 %");
}

TEST_F(CostReportTest, DollarProjectsAndAnnualCostsWithTheirRates)
{
    MillionProject();
    ctx.store.CurrencyCode = 1;
    ctx.store.EscalationRate = 6;
    ctx.store.EnergyEscalationRate = 0;
    ctx.results.YearOperational[1] = 180000;
    ctx.results.YearEnergy[1] = 0;
    const RecordedPage& page = Print();
    EXPECT_EQ(LineOf(page, "Operational cost"),
              "Operational cost $180,000  (Escalation rate is 6.00%)");
    EXPECT_EQ(LineOf(page, "Energy cost"), "Energy cost $0  (Escalation rate is 0.00%)");
    EXPECT_EQ(LineOf(page, "VAT 14%"), "VAT 14% $140,000");
}

TEST_F(CostReportTest, AnAmountNotFiniteStopsTheReport)
{
    MillionProject();
    ctx.results.NpvIncome = std::numeric_limits<float>::infinity();
    EXPECT_EQ(
        Record({ReportBox::Cost}),
        QString("Could not print the Summary of the Cost Analysis ! Check the obtained results."));
}

} // namespace
} // namespace vemora::test
