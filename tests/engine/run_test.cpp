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
    auto s = test::PumpOutgrownByAgeing();
    auto r = std::make_unique<ResultsStore>();
    RecordingObserver observer;
    const AnalysisOutcome outcome = RunAnalysis(*s, *r, 0, observer);
    ASSERT_EQ(outcome.Status, AnalysisStatus::PumpCurveMissed);
    EXPECT_GT(outcome.Year, 1);
    EXPECT_EQ(observer.calls.back(), "duty " + std::to_string(outcome.Year));
    EXPECT_FALSE(outcome.Flags.ResultsValid);
    EXPECT_EQ(PumpCurveMissedMessage(7),
              "The pump curve does not intersect the system curve for year 7");

    s->RoughnessOld = s->RoughnessNew; // a later run starts afresh
    const AnalysisOutcome later = RunAnalysis(*s, *r, 0);
    EXPECT_EQ(later.Status, AnalysisStatus::Completed);
}

TEST(RunAnalysis, HighPointIsFlaggedAndTheRunCompletes)
{
    auto s = GravityProject(100, 0, {{100, 0}, {98, 500}, {0, 2000}});
    auto r = std::make_unique<ResultsStore>();
    const AnalysisOutcome outcome = RunAnalysis(*s, *r, 0);
    EXPECT_EQ(outcome.Status, AnalysisStatus::Completed);
    EXPECT_TRUE(outcome.Flags.HighPointFlag);
    EXPECT_TRUE(outcome.Flags.ResultsValid);
}

// The run hands its flags to its caller and leaves the project store as it
// was: flags of an earlier run are cleared in the outcome, not in the store,
// and a run that ends before the hydraulics keeps GradelineFailed.
TEST(RunAnalysis, FlagsComeBackInTheOutcome)
{
    auto stale = [](ProjectStore& s) {
        s.ResultsValid = true;
        s.HighPointFlag = true;
        s.GradelineFailed = true;
    };
    auto r = std::make_unique<ResultsStore>();
    auto flat = GravityProject(100, 0, {{100, 500}, {50, 500}});
    stale(*flat);
    const AnalysisOutcome early = RunAnalysis(*flat, *r, 0);
    ASSERT_EQ(early.Status, AnalysisStatus::ProfileWithoutLength);
    EXPECT_FALSE(early.Flags.ResultsValid);
    EXPECT_FALSE(early.Flags.HighPointFlag);
    EXPECT_TRUE(early.Flags.GradelineFailed);
    EXPECT_TRUE(flat->ResultsValid); // the store is the caller's to write

    auto crest = GravityProject(100, 0, {{100, 0}, {98, 500}, {0, 2000}});
    stale(*crest);
    const AnalysisOutcome done = RunAnalysis(*crest, *r, 0);
    ASSERT_EQ(done.Status, AnalysisStatus::Completed);
    EXPECT_TRUE(done.Flags.ResultsValid);
    EXPECT_TRUE(done.Flags.HighPointFlag);
    EXPECT_FALSE(done.Flags.GradelineFailed);
}

// Flows the search cannot find and a profile without length end the run
// with a message that says why; no results are offered.
TEST(RunAnalysis, FailuresThatSayWhy)
{
    struct Case
    {
        const char* name;
        std::unique_ptr<ProjectStore> store;
        AnalysisStatus status;
    };
    Case cases[] = {
        {"top level 3e37 m", GravityProject(3e37f, 0, {{100, 0}, {0, 1000}}),
         AnalysisStatus::FlowTooLarge},
        {"2 m pipe, 3000 m of head over 1 km", GravityProject(3000, 0, {{100, 0}, {0, 1000}}, 2000),
         AnalysisStatus::FlowTooLarge},
        {"every chainage equal", GravityProject(100, 0, {{100, 500}, {50, 500}, {0, 500}}),
         AnalysisStatus::ProfileWithoutLength},
        {"one node", GravityProject(100, 0, {{100, 0}}), AnalysisStatus::HydraulicsFailed},
        {"pumping, every chainage equal", PumpingProject(0, 50, {{0, 0}, {45, 0}}),
         AnalysisStatus::ProfileWithoutLength},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto r = std::make_unique<ResultsStore>();
        const AnalysisOutcome outcome = RunAnalysis(*c.store, *r, 0);
        EXPECT_EQ(outcome.Status, c.status);
        EXPECT_FALSE(outcome.Flags.ResultsValid);
    }
    EXPECT_STREQ(AnalysisFailureMessage(AnalysisStatus::FlowTooLarge),
                 "The flow would exceed 100 m³/s: check the reservoir levels, the profile and the "
                 "pipe sizes !");
    EXPECT_STREQ(AnalysisFailureMessage(AnalysisStatus::ProfileWithoutLength),
                 "The profile has no length: enter the chainage of each node !");
    EXPECT_STREQ(AnalysisFailureMessage(AnalysisStatus::RunFailed), RunFailedMessage);
    EXPECT_STREQ(AnalysisFailureMessage(AnalysisStatus::Completed), "");

    // A riser (one section of no length) is a profile like any other.
    auto riser = GravityProject(100, 0, {{50, 0}, {60, 0}, {0, 1000}});
    auto r = std::make_unique<ResultsStore>();
    EXPECT_EQ(RunAnalysis(*riser, *r, 0).Status, AnalysisStatus::Completed);
}

// 15 mm pipe with 1.5 mm walls over 100 km under 1 m of head: no flow, so
// the whole demand is short, and no high point is reported.
TEST(RunAnalysis, NoFlowLeavesTheWholeDemandShort)
{
    auto s = GravityProject(100, 99, {{95, 0}, {90, 100000}}, 15);
    s->WallThickness[1] = s->WallThickness[2] = 1.5f;
    auto r = std::make_unique<ResultsStore>();
    const AnalysisOutcome outcome = RunAnalysis(*s, *r, 0);
    ASSERT_EQ(outcome.Status, AnalysisStatus::Completed);
    EXPECT_FALSE(outcome.Flags.HighPointFlag);
    for (int y = 1; y <= s->DesignLife; ++y) {
        EXPECT_EQ(r->YearFlow[y], 0.0f);
        EXPECT_EQ(r->YearShortage[y], s->FixedDemand);
        EXPECT_EQ(r->YearIncome[y], 0.0f);
    }
}

TEST(NumberFormat, LabelPatterns)
{
    EXPECT_EQ(FormatThreeDecimals(13.0664), "13.066");
    EXPECT_EQ(FormatThreeDecimals(0.0), "0.000");
    EXPECT_EQ(FormatThreeDecimals(-0.00001), "0.000");
}

} // namespace
} // namespace vemora
