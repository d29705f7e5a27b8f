// The hydraulics a profile view solves for itself: what an earlier solution
// left in the results store never shows through, and a failure is told in
// the analysis's words for the same input.
#include <gtest/gtest.h>

#include <functional>

#include "EngineProjects.h"
#include "engine/AnalysisRun.h"
#include "engine/ConvertInputToSI.h"
#include "engine/ViewHydraulics.h"

namespace vemora {
namespace {

using test::GravityProject;
using test::PumpingProject;

ViewHydraulics Solve(const ProjectStore& s, ResultsStore& r)
{
    return SolveViewHydraulics(s, r, ConvertInputToSI(s, r));
}

// Every value the yearly hydraulics write, year by year.
void ExpectSameHydraulics(const ResultsStore& a, const ResultsStore& b)
{
    for (int y = 1; y <= MaxYears; ++y) {
        SCOPED_TRACE(y);
        for (YearArray ResultsStore::*series :
             {&ResultsStore::YearRoughness, &ResultsStore::YearFlow,
              &ResultsStore::YearPumpEfficiency, &ResultsStore::YearPumpHead,
              &ResultsStore::YearDutyFlow, &ResultsStore::YearDutyEfficiency})
            ASSERT_EQ((a.*series)[y], (b.*series)[y]);
        for (int k = 1; k <= MaxNodes; ++k) {
            ASSERT_EQ(a.FrictionFactor(k, y), b.FrictionFactor(k, y));
            ASSERT_EQ(a.FrictionHeadLoss(k, y), b.FrictionHeadLoss(k, y));
            ASSERT_EQ(a.SecondaryHeadLoss(k, y), b.SecondaryHeadLoss(k, y));
        }
        for (int k = 0; k <= MaxNodes; ++k)
            ASSERT_EQ(a.Gradeline(k, y), b.Gradeline(k, y)) << k;
        for (int i = 1; i <= MaxSystemSamples; ++i) {
            ASSERT_EQ(a.YearSystemHead(y, i), b.YearSystemHead(y, i));
            ASSERT_EQ(a.YearSystemFlow(y, i), b.YearSystemFlow(y, i));
        }
    }
    EXPECT_EQ(a.DutyYear, b.DutyYear);
    EXPECT_EQ(a.DutyFlow, b.DutyFlow);
    EXPECT_EQ(a.SystemHead, b.SystemHead);
}

// A pump-curve main of 30 years solved first, then a gravity main of 10
// years (solved, or failing for a deterioration period of 0): the store
// holds what a solution of the gravity main alone gives it.
class ViewAfterAnotherProject : public ::testing::TestWithParam<float>
{
};

TEST_P(ViewAfterAnotherProject, HoldsWhatASolutionOfItsOwnGives)
{
    auto a = PumpingProject(0, 40, {{0, 0}, {20, 600}, {30, 1000}});
    SetPumpCurve(*a, test::TypicalPumpCurve);
    a->DesignLife = 30;
    auto b = GravityProject(100, 20, {{90, 0}, {50, 800}});
    b->DeteriorationYears = GetParam();

    auto afterA = std::make_unique<ResultsStore>();
    ASSERT_EQ(Solve(*a, *afterA).Status, HydraulicsStatus::Ok);
    auto fresh = std::make_unique<ResultsStore>();
    const ViewHydraulics alone = Solve(*b, *fresh);
    const ViewHydraulics after = Solve(*b, *afterA);
    EXPECT_EQ(after.Status, alone.Status);
    EXPECT_EQ(after.Reason, alone.Reason);
    ExpectSameHydraulics(*afterA, *fresh);
}

INSTANTIATE_TEST_SUITE_P(SolvedOrNot, ViewAfterAnotherProject, ::testing::Values(10.0f, 0.0f));

// The text an analysis run of the input gives for its outcome: the reason
// under its message, or its message where the outcome has no reason.
std::string AnalysisText(const ProjectStore& s)
{
    auto results = std::make_unique<ResultsStore>();
    const AnalysisOutcome run = RunAnalysis(s, *results, 0);
    if (!run.Reason.empty()) return run.Reason;
    if (run.Status == AnalysisStatus::PumpCurveMissed) return PumpCurveMissedMessage(run.Year);
    return AnalysisFailureMessage(run.Status);
}

struct Unsolvable
{
    const char* name;
    std::function<void(ProjectStore&)> edit; // of a gravity main that analyses
};

void PrintTo(const Unsolvable& u, std::ostream* os)
{
    *os << u.name;
}

class ViewFailure : public ::testing::TestWithParam<Unsolvable>
{
};

TEST_P(ViewFailure, SaysWhatTheAnalysisSays)
{
    auto s = GravityProject(100, 20, {{90, 0}, {70, 500}, {50, 800}});
    GetParam().edit(*s);
    auto r = std::make_unique<ResultsStore>();
    const ViewHydraulics view = Solve(*s, *r);
    ASSERT_NE(view.Status, HydraulicsStatus::Ok);
    ASSERT_FALSE(view.Reason.empty());
    EXPECT_EQ(view.Reason, AnalysisText(*s));
    const std::string text = GradelineFailureText(view);
    EXPECT_EQ(text, std::string(HydraulicsFailedMessage) + "\n" + view.Reason);
}

void NoDeterioration(ProjectStore& s)
{
    s.DeteriorationYears = 0;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ViewFailure,
    ::testing::Values(
        Unsolvable{"DeteriorationPeriod0", NoDeterioration},
        Unsolvable{"NegativeRoughness", [](ProjectStore& s) { s.RoughnessNew = -0.1f; }},
        Unsolvable{"UnknownUnit", [](ProjectStore& s) { s.RoughnessNewUnit = 42; }},
        Unsolvable{"OneNode",
                   [](ProjectStore& s) {
                       s.NodeCount = 1;
                       NoDeterioration(s);
                   }},
        Unsolvable{"NoLength",
                   [](ProjectStore& s) {
                       for (int i = 1; i <= s.NodeCount; ++i)
                           s.NodeAccumulatedLength[i] = 0;
                       NoDeterioration(s);
                   }},
        Unsolvable{"PumpFlowsFalling",
                   [](ProjectStore& s) {
                       s = *PumpingProject(0, 40, {{0, 0}, {30, 1000}});
                       SetPumpCurve(s, test::TypicalPumpCurve);
                       s.PumpCurve[2][4] = 0.05f;
                       NoDeterioration(s);
                   }},
        Unsolvable{"PumpCurveMissed",
                   [](ProjectStore& s) {
                       s = *PumpingProject(0, 150, {{0, 0}, {30, 1000}});
                       SetPumpCurve(s, test::TypicalPumpCurve);
                   }},
        Unsolvable{"FlowTooLarge",
                   [](ProjectStore& s) {
                       s = *GravityProject(3000, 0, {{100, 0}, {50, 500}, {0, 1000}}, 2000);
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vemora
