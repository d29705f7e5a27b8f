// The quick forms of the system curve, its samples and the loss coefficients
// give the very figures of their plain forms, bit for bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "EngineProjects.h"
#include "GeneratedProjects.h"
#include "engine/AnalysisRun.h"
#include "engine/Hydraulics.h"
#include "engine/PipeModel.h"
#include "engine/SystemCurve.h"

namespace vemora {
namespace {

// Lines of falling slope, a few of them sharing a slope (the highest of
// such a run not always first), as the pressure lines of a profile are.
struct Lines
{
    std::vector<double> slope, intercept;
};

Lines PressureLikeLines(test::SplitMix64& rng, int count)
{
    Lines lines;
    double slope = rng.Real(50, 500);
    for (int k = 0; k < count; ++k) {
        if (!rng.Chance(30)) slope -= rng.Real(0, slope / count);
        lines.slope.push_back(std::max(slope, 0.0));
        lines.intercept.push_back(rng.Real(-80, 20));
    }
    return lines;
}

// Rising x from 0 to `top`, some repeated.
std::vector<double> RisingPoints(test::SplitMix64& rng, int count, double top)
{
    std::vector<double> x;
    double at = 0.0;
    for (int i = 0; i < count; ++i) {
        if (!rng.Chance(10)) at += rng.Real(0, 2 * top / count);
        x.push_back(at);
    }
    return x;
}

TEST(LowerEnvelope, LinesInNodeOrderGiveTheHullOfTheSortedLines)
{
    test::SplitMix64 rng(11);
    for (int round = 0; round < 50; ++round) {
        const Lines lines = PressureLikeLines(rng, rng.Whole(1, 300));
        // Reversed, the lines must be sorted first.
        Lines reversed = lines;
        std::reverse(reversed.slope.begin(), reversed.slope.end());
        std::reverse(reversed.intercept.begin(), reversed.intercept.end());
        LowerEnvelope inOrder, sorted;
        inOrder.Build(lines.slope, lines.intercept);
        sorted.Build(reversed.slope, reversed.intercept);
        for (double x : RisingPoints(rng, 400, 2.0)) {
            const double expected = sorted.Min(x);
            ASSERT_EQ(inOrder.Min(x), expected) << round << " at " << x;
            double direct = lines.slope[0] * x + lines.intercept[0];
            for (std::size_t k = 1; k < lines.slope.size(); ++k)
                direct = std::min(direct, lines.slope[k] * x + lines.intercept[k]);
            ASSERT_NEAR(expected, direct, 1e-9 * (1 + std::fabs(direct)));
        }
    }
}

// Each run of points goes to the hull line Min would take, and the cursor
// is left where Min leaves it: what follows, forwards or back, agrees too.
TEST(LowerEnvelope, RunsOfPointsFollowTheCursor)
{
    test::SplitMix64 rng(12);
    for (int round = 0; round < 50; ++round) {
        const Lines lines = PressureLikeLines(rng, rng.Whole(1, 200));
        const std::vector<double> x = RisingPoints(rng, 1000, 3.0);
        LowerEnvelope byRuns;
        byRuns.Build(lines.slope, lines.intercept);
        byRuns.Min(rng.Real(0, 3)); // the cursor anywhere to start with
        LowerEnvelope byPoints = byRuns;
        std::vector<double> values(x.size());
        byRuns.ForEachRun(x.data(), static_cast<int>(x.size()),
                          [&](double a, double b, int from, int to) {
                              for (int i = from; i < to; ++i)
                                  values[static_cast<std::size_t>(i)] = a * x[i] + b;
                          });
        for (std::size_t i = 0; i < x.size(); ++i)
            ASSERT_EQ(values[i], byPoints.Min(x[i])) << round << " point " << i;
        for (double after : {3.5, 1.0, 0.0, 2.0})
            ASSERT_EQ(byRuns.Min(after), byPoints.Min(after));
    }
}

// At the very point where two hull lines meet their values may differ in the
// last bit: the line taken there depends on the side the cursor comes from,
// and the runs take the one Min takes.
TEST(LowerEnvelope, AtABreakpointTheRunsKeepTheCursorsSide)
{
    test::SplitMix64 rng(13);
    for (int tries = 0; tries < 10000; ++tries) {
        const std::vector<double> slope = {rng.Real(1, 3), rng.Real(0, 1)};
        const std::vector<double> intercept = {rng.Real(-2, 0), rng.Real(0, 2)};
        const double meet = (intercept[1] - intercept[0]) / (slope[0] - slope[1]);
        if (slope[0] * meet + intercept[0] == slope[1] * meet + intercept[1]) continue;
        for (double from : {0.0, 10.0}) {
            LowerEnvelope byRuns;
            byRuns.Build(slope, intercept);
            byRuns.Min(from);
            LowerEnvelope byPoints = byRuns;
            double value = 0.0;
            byRuns.ForEachRun(&meet, 1,
                              [&](double a, double b, int, int) { value = a * meet + b; });
            EXPECT_EQ(value, byPoints.Min(meet)) << "coming from " << from;
        }
        return;
    }
    FAIL() << "no lines whose values differ where they meet";
}

TEST(SystemCurve, HeadsAtRisingFlowsAreTheHeadsOneByOne)
{
    for (int index : {0, 2, 4, 6, 8}) { // pump-curve projects of the generated set
        auto s = test::GeneratedProject(index);
        auto r = std::make_unique<ResultsStore>();
        PipeModel model;
        ASSERT_TRUE(test::BuildModel(*s, *r, model));
        std::vector<double> c;
        ASSERT_TRUE(ComputeYearLossCoefficients(model, 1, *r, c).Ok());
        SystemCurve oneByOne, atOnce;
        oneByOne.Build(model, c, r->StartLevelSI, r->EndLevelSI);
        atOnce = oneByOne;
        std::vector<float> flows;
        std::vector<double> squares;
        for (int p = 0; p <= 5000; ++p) {
            flows.push_back(static_cast<float>(p * 0.0004));
            squares.push_back(static_cast<double>(flows.back()) * flows.back());
        }
        std::vector<float> heads(flows.size());
        atOnce.HeadsAtRisingFlows(squares.data(), static_cast<int>(squares.size()), heads.data());
        for (std::size_t p = 0; p < flows.size(); ++p)
            ASSERT_EQ(heads[p], oneByOne.HeadAt(flows[p])) << index << " flow " << flows[p];
        EXPECT_EQ(atOnce.HeadAt(0.3f), oneByOne.HeadAt(0.3f));
    }
}

// A pump curve whose flows fall, as a file may hold one for the views, which
// lay the gradeline without the input check: its sample flows fall too, and
// each head is worked out on its own, as HeadAt gives it in turn.
TEST(DutyPoint, FallingPumpFlowsAreSampledOneByOne)
{
    // The crest is the lowest pressure head at small flows, the last node at large.
    auto s = test::PumpingProject(0, 50, {{0, 0}, {55, 500}, {49, 3000}});
    test::SetPumpCurve(*s, {{25, 0.5f, 60},
                            {50, 0.4f, 74},
                            {70, 0.3f, 78},
                            {85, 0.2f, 70},
                            {95, 0.1f, 60},
                            {100, 0, 40}});
    auto r = std::make_unique<ResultsStore>();
    PipeModel model;
    ASSERT_TRUE(test::BuildModel(*s, *r, model));
    AnalysisObserver quiet;
    RunFlags flags;
    AnalysisFailure failure;
    CalculateHydraulics(*s, *r, quiet, flags, failure);
    std::vector<double> c;
    ASSERT_TRUE(ComputeYearLossCoefficients(model, 1, *r, c).Ok());
    SystemCurve curve;
    curve.Build(model, c, r->StartLevelSI, r->EndLevelSI);
    EXPECT_GT(r->YearSystemFlow(1, 1), r->YearSystemFlow(1, MaxSystemSamples));
    for (int p = 1; p <= MaxSystemSamples; ++p)
        ASSERT_EQ(r->YearSystemHead(1, p), curve.HeadAt(r->YearSystemFlow(1, p))) << p;
}

// The pumping project of the suite over nodes with pipes of three sizes.
std::unique_ptr<ProjectStore> PipesOfThreeSizes()
{
    std::vector<test::Node> nodes;
    for (int k = 0; k < 12; ++k)
        nodes.push_back({static_cast<float>(k), 100.0f * k});
    auto s = test::PumpingProject(0, 20, nodes);
    for (int k = 1; k <= 12; ++k)
        s->PipeDiameter[k] = k <= 4 ? 300.0f : (k <= 8 ? 450.0f : 300.0f);
    s->SecondaryLoss[5] = 0.7f;
    return s;
}

TEST(LossCoefficients, PipesOfOneSizeShareTheirFrictionFactor)
{
    auto s = PipesOfThreeSizes();
    auto r = std::make_unique<ResultsStore>();
    PipeModel model;
    ASSERT_TRUE(test::BuildModel(*s, *r, model));
    std::vector<double> c;
    ASSERT_TRUE(ComputeYearLossCoefficients(model, 1, *r, c).Ok());
    for (int j = 1; j <= model.n; ++j) {
        float f = 0.0f;
        ASSERT_TRUE(RoughFrictionFactor(model.D[j], r->YearRoughness[1], f));
        EXPECT_EQ(r->FrictionFactor(j, 1), f) << j;
        const double expected =
            (f * model.L[j] / model.D[j] + model.K[j]) / (19.62 * model.Area[j] * model.Area[j]);
        EXPECT_EQ(c[j], expected) << j;
    }
}

// A node whose coefficient has no value stops the year there: the factors
// of the nodes before it are stored, those after it keep what they held.
TEST(LossCoefficients, TheFirstNodeWithoutACoefficientStopsTheYear)
{
    auto s = PipesOfThreeSizes();
    auto r = std::make_unique<ResultsStore>();
    PipeModel model;
    ASSERT_TRUE(test::BuildModel(*s, *r, model));
    model.L[7] = std::numeric_limits<double>::infinity(); // a coefficient with no value
    for (int j = 1; j <= model.n; ++j)
        r->FrictionFactor(j, 1) = -1.0f;
    std::vector<double> c;
    const AnalysisFailure failure = ComputeYearLossCoefficients(model, 1, *r, c);
    EXPECT_EQ(failure.Kind, FailureKind::LossUndefined);
    EXPECT_EQ(failure.Number, 7);
    for (int j = 1; j <= 7; ++j)
        EXPECT_GT(r->FrictionFactor(j, 1), 0.0f) << j;
    for (int j = 8; j <= model.n; ++j)
        EXPECT_EQ(r->FrictionFactor(j, 1), -1.0f) << j;
}

// SystemHead holds the samples of the last year sampled, the year whose
// pump curve was missed included.
TEST(DutyPoint, SystemHeadIsTheLastYearSampled)
{
    auto s = test::PumpOutgrownByAgeing();
    auto r = std::make_unique<ResultsStore>();
    const AnalysisOutcome missed = RunAnalysis(*s, *r, 0);
    ASSERT_EQ(missed.Status, AnalysisStatus::PumpCurveMissed);
    ASSERT_GT(missed.Year, 1);
    const float* last = r->YearSystemHead.Year(missed.Year);
    EXPECT_TRUE(std::equal(last, last + MaxSystemSamples, r->SystemHead.begin() + 1));
    EXPECT_NE(r->SystemHead[MaxSystemSamples],
              r->YearSystemHead(missed.Year - 1, MaxSystemSamples));

    s->RoughnessOld = s->RoughnessNew;
    ASSERT_EQ(RunAnalysis(*s, *r, 0).Status, AnalysisStatus::Completed);
    const float* final = r->YearSystemHead.Year(s->DesignLife);
    EXPECT_TRUE(std::equal(final, final + MaxSystemSamples, r->SystemHead.begin() + 1));
}

} // namespace
} // namespace vemora
