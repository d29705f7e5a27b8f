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
    void PumpCurveMissed(int year) override { calls.push_back("duty " + std::to_string(year)); }

    std::vector<int> progress;
    std::vector<std::string> calls;
};

// The run's own share of the progress; showing the results takes it on.
TEST(RunAnalysis, CompletedRunReportsItsProgress)
{
    auto s = GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}});
    auto r = std::make_unique<ResultsStore>();
    RecordingObserver observer;
    const AnalysisOutcome outcome = RunAnalysis(*s, *r, 0, observer);
    ASSERT_EQ(outcome.Status, AnalysisStatus::Completed);
    EXPECT_EQ(observer.progress, (std::vector<int>{55, 60, 65, 70}));
    EXPECT_TRUE(observer.calls.empty());
    EXPECT_EQ(outcome.IrrFound, r->IrrFound);
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
