#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineProjects.h"
#include "engine/AnalysisRun.h"
#include "engine/NumberFormat.h"

namespace vemora {
namespace {

using test::GravityProject;
using test::PumpingProject;

class RecordingObserver : public AnalysisObserver
{
  public:
    void SetProgress(int percent) override { progress.push_back(percent); }
    void LoadResultsWindow() override { calls.push_back("load"); }
    void SetResultLabels(const ResultLabels& l) override
    {
        labels = l;
        calls.push_back("labels");
    }
    void SetDutyPointButtonVisible(bool visible) override { dutyButton = visible; }
    void ShowCostTables() override { calls.push_back("costs"); }
    void FillDistanceCombos() override { calls.push_back("distances"); }
    void DrawHydraulicProfile() override { calls.push_back("profile"); }
    void DrawDemandCapacityGraph() override { calls.push_back("demand"); }
    void ShowDutyPointWindow(int year) override { calls.push_back("duty " + std::to_string(year)); }

    std::vector<int> progress;
    std::vector<std::string> calls;
    ResultLabels labels;
    bool dutyButton = true;
};

TEST(RunAnalysis, CompletedGravityRunReportsInOrder)
{
    auto s = GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}});
    s->DesignLife = 30;
    s->FixedDemand = 5000; // more than the pipe carries: the yield is sold
    s->WaterPrice = 0.01f;
    auto r = std::make_unique<ResultsStore>();
    RecordingObserver observer;
    const AnalysisOutcome outcome = RunAnalysis(*s, *r, 100000, observer);
    ASSERT_EQ(outcome.Status, AnalysisStatus::Completed);
    EXPECT_EQ(s->ResultsValid, 1);
    EXPECT_EQ(observer.progress, (std::vector<int>{55, 60, 65, 70, 75, 80, 85, 90, 95, 100}));
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"load", "labels", "costs", "distances",
                                                        "profile", "demand"}));
    EXPECT_FALSE(observer.dutyButton);
    EXPECT_EQ(observer.labels.DesignLife, "30 years");
    EXPECT_EQ(observer.labels.NpvE, "R" + FormatThousandsWhole(r->NpvExpenditure));
    EXPECT_GT(r->YearShortage[1], 0.0f);
    EXPECT_NEAR(r->YearIncome[1], r->YearFlow[1] * 31536000.0 * 0.01, 1.0);
    EXPECT_EQ(r->YearEnergy[1], 0.0f);
    ASSERT_TRUE(r->IrrFound);
    EXPECT_EQ(observer.labels.Irr, "IRR = " + FormatThreeDecimals(r->Irr) + " %");
}

TEST(RunAnalysis, PumpCurveRunShowsTheDutyButton)
{
    auto s = PumpingProject(0, 50, {{0, 0}, {45, 1000}});
    test::SetPumpCurve(*s, test::TypicalPumpCurve);
    s->CurrencyCode = 1;
    auto r = std::make_unique<ResultsStore>();
    RecordingObserver observer;
    ASSERT_EQ(RunAnalysis(*s, *r, 0, observer).Status, AnalysisStatus::Completed);
    EXPECT_TRUE(observer.dutyButton);
    EXPECT_EQ(observer.labels.NpvI.substr(0, 1), "$");
    EXPECT_GT(r->YearEnergy[1], 0.0f);
    EXPECT_NEAR(r->YearPumpingHours[1], 0.1 * 24 / r->YearFlow[1], 1e-4); // 100 l/s demand
}

TEST(RunAnalysis, FailuresKeepNoResults)
{
    struct Case
    {
        const char* name;
        void (*spoil)(ProjectStore&);
        AnalysisStatus expected;
    };
    const Case cases[] = {
        {"period too long", [](ProjectStore& s) { s.DesignLife = 100; },
         AnalysisStatus::ProjectPeriodInvalid},
        {"supply before base", [](ProjectStore& s) { s.SupplyStartYear = s.BaseYear - 1; },
         AnalysisStatus::ProjectPeriodInvalid},
        {"roughness period", [](ProjectStore& s) { s.DeteriorationYears = 0.2f; },
         AnalysisStatus::HydraulicsFailed},
        {"unit code", [](ProjectStore& s) { s.ChainageUnit = 12; },
         AnalysisStatus::HydraulicsFailed},
        {"no efficiency", [](ProjectStore& s) { s.OperatingEfficiency = 0; },
         AnalysisStatus::RunFailed},
        {"huge price", [](ProjectStore& s) { s.WaterPrice = 3e38f; }, AnalysisStatus::RunFailed},
    };
    for (const Case& c : cases) {
        auto s = PumpingProject(0, 10, {{0, 0}, {5, 1000}});
        c.spoil(*s);
        auto r = std::make_unique<ResultsStore>();
        RecordingObserver observer;
        EXPECT_EQ(RunAnalysis(*s, *r, 0, observer).Status, c.expected) << c.name;
        EXPECT_EQ(s->ResultsValid, 0) << c.name;
        EXPECT_TRUE(observer.labels.Irr.empty()) << c.name;
    }
}

TEST(RunAnalysis, MissedPumpCurveEndsTheRunWithItsYear)
{
    auto s = PumpingProject(0, 50, {{0, 0}, {45, 1000}});
    s->RoughnessOld = 50; // the pipe ages until the pump can no longer deliver
    s->DeteriorationYears = 10;
    test::SetPumpCurve(*s, {{51, 0.1f, 60},
                            {50.8f, 0.12f, 65},
                            {50.6f, 0.14f, 70},
                            {50.4f, 0.16f, 72},
                            {50.2f, 0.18f, 70},
                            {50, 0.2f, 65}});
    auto r = std::make_unique<ResultsStore>();
    RecordingObserver observer;
    const AnalysisOutcome outcome = RunAnalysis(*s, *r, 0, observer);
    ASSERT_EQ(outcome.Status, AnalysisStatus::PumpCurveMissed);
    EXPECT_GT(outcome.Year, 1);
    EXPECT_EQ(observer.calls.back(), "duty " + std::to_string(outcome.Year));
    EXPECT_EQ(s->AnalysisError, -1);
    EXPECT_EQ(s->ResultsValid, 0);
    EXPECT_EQ(PumpCurveMissedMessage(7),
              "The pump curve does not intersect the system curve for year 7");

    s->RoughnessOld = s->RoughnessNew; // a later run starts afresh
    EXPECT_EQ(RunAnalysis(*s, *r, 0).Status, AnalysisStatus::Completed);
    EXPECT_EQ(s->AnalysisError, 0);
}

TEST(RunAnalysis, HighPointIsFlaggedAndTheRunCompletes)
{
    auto s = GravityProject(100, 0, {{100, 0}, {98, 500}, {0, 2000}});
    auto r = std::make_unique<ResultsStore>();
    EXPECT_EQ(RunAnalysis(*s, *r, 0).Status, AnalysisStatus::Completed);
    EXPECT_EQ(s->HighPointFlag, 1);
    EXPECT_EQ(s->ResultsValid, 1);
}

TEST(NumberFormat, LabelPatterns)
{
    EXPECT_EQ(FormatThousandsWhole(1234567.4), "1,234,567");
    EXPECT_EQ(FormatThousandsWhole(5), "005");
    EXPECT_EQ(FormatThousandsWhole(0), "000");
    EXPECT_EQ(FormatThousandsWhole(2.5), "002");
    EXPECT_EQ(FormatThousandsWhole(-98765), "-98,765");
    EXPECT_EQ(FormatThousandsWhole(1e15), "1,000,000,000,000,000");
    EXPECT_EQ(FormatThreeDecimals(13.0664), "13.066");
    EXPECT_EQ(FormatThreeDecimals(0.0), "0.000");
    EXPECT_EQ(FormatThreeDecimals(-0.00001), "0.000");
}

} // namespace
} // namespace vemora
