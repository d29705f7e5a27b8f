// The capital cost as the cost table builds it up agrees with the total the
// analysis stores.
#include <gtest/gtest.h>

#include "engine/AnalysisRun.h"
#include "engine/CapitalCostLines.h"
#include "engine/EngineProjects.h"

namespace vemora {
namespace {

TEST(CapitalCostLines, TheBuildUpEndsAtTheStoredTotal)
{
    for (float prelim : {0.0f, 7.5f, 10.0f, 33.3f}) {
        auto s = test::GravityProject(100, 0, {{100, 0}, {80, 1500}, {0, 4000}});
        s->PrelimGeneralPercent = prelim;
        s->ContingencyPercent = 12.5f;
        s->MechanicalWorksCost = 250000;
        s->ElectricalWorksCost = 125000.5f;
        s->EscalationRate = 9;
        s->BaseYear = 2018; // three construction years, with escalation
        auto r = std::make_unique<ResultsStore>();
        ASSERT_EQ(RunAnalysis(*s, *r, 20000).Status, AnalysisStatus::Completed);
        const CapitalCostLines l = BuildCapitalCostLines(*s, *r);
        EXPECT_NEAR(l.TotalCapitalCost, r->TotalCapitalCost, r->TotalCapitalCost * 1e-6)
            << "P&G " << prelim;
        EXPECT_GT(l.Escalation, 0);
        EXPECT_FLOAT_EQ(l.Subtotal3, l.Subtotal2 + l.Contingencies + l.Escalation);
        EXPECT_FLOAT_EQ(l.TotalCapitalCost, l.ConstructionTotal + l.Vat);
    }
}

// Large projects, where a 4-byte real steps by several currency units: every
// line the analysis has a figure for shows that figure, and the lines add up
// to the stored total to the unit.
TEST(CapitalCostLines, TheLinesAreTheAnalysisFigures)
{
    for (float rate : {5000.0f, 7321.5f, 12345.6f})
        for (float prelim : {0.0f, 7.5f, 10.0f, 33.3f})
            for (float contingency : {0.0f, 12.5f, 15.0f}) {
                SCOPED_TRACE(testing::Message() << rate << " " << prelim << " " << contingency);
                auto s = test::GravityProject(100, 0, {{100, 0}, {80, 1500}, {0, 4000}});
                test::AddCosts(*s);
                for (int i = 1; i <= 3; ++i)
                    s->PipeCostPerMetre[i] = rate;
                s->PrelimGeneralPercent = prelim;
                s->ContingencyPercent = contingency;
                s->MechanicalWorksCost = 2500000.5f;
                s->BaseYear = 2018;
                auto r = std::make_unique<ResultsStore>();
                ASSERT_EQ(RunAnalysis(*s, *r, 123456.7f).Status, AnalysisStatus::Completed);
                const CapitalCostLines l = BuildCapitalCostLines(*s, *r);
                EXPECT_EQ(l.Pipeline, r->PipeLayingCost + r->PipeSupplyCost);
                EXPECT_EQ(l.Escalation, r->EscalationCost);
                EXPECT_EQ(l.ConsultingFees, r->ConsultingFees);
                EXPECT_EQ(l.Administration, r->SupervisionCost);
                EXPECT_EQ(l.Subtotal2 + l.Contingencies, r->ConstructionSubtotal);
                EXPECT_EQ(l.TotalCapitalCost, r->TotalCapitalCost);
                EXPECT_EQ(l.ConstructionTotal + l.Vat, l.TotalCapitalCost);
            }
}

TEST(CapitalCostLines, WorkedExample)
{
    ProjectStore s;
    s.PrelimGeneralPercent = 10;
    s.ContingencyPercent = 10;
    s.MechanicalWorksCost = 200000;
    s.ElectricalWorksCost = 100000;
    auto r = std::make_unique<ResultsStore>();
    r->PipeSupplyCost = 700000;
    r->PipeLayingCost = 300000;
    r->ConstructionSubtotal = 1573000; // 1,300,000 with both mark-ups
    r->ConsultingFees = 50000;
    r->SupervisionCost = 20000;
    const CapitalCostLines l = BuildCapitalCostLines(s, *r);
    EXPECT_EQ(l.Subtotal1, 1300000);
    EXPECT_EQ(l.PrelimGeneral, 130000);
    EXPECT_EQ(l.Subtotal2, 1430000);
    EXPECT_EQ(l.Contingencies, 143000);
    EXPECT_EQ(l.Subtotal3, 1573000);
    EXPECT_EQ(l.ConstructionTotal, 1643000);
    EXPECT_EQ(l.Vat, 230020);
    EXPECT_EQ(l.TotalCapitalCost, 1873020);
}

} // namespace
} // namespace vemora
