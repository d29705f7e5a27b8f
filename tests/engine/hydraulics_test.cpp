#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "EngineProjects.h"
#include "engine/ConvertInputToSI.h"
#include "engine/GravityFlow.h"
#include "engine/Hydraulics.h"
#include "engine/Roughness.h"
#include "engine/SystemCurve.h"

namespace vemora {
namespace {

using test::GravityProject;
using test::PumpingProject;

constexpr double G2 = 19.62;
constexpr double PiValue = 3.14159265359;

// Loss coefficient of a pipe section: hf + hs = c Q².
double SectionCoefficient(double D, double L, double K, double ks)
{
    const float f = static_cast<float>(std::pow(1.0 / (2.0 * std::log10(3.7 * D / ks)), 2));
    const double A = PiValue * D * D / 4.0;
    return (f * L / D + K) / (G2 * A * A);
}

// Solves the hydraulics as the analysis run does, from the run flags in
// `flags`, which keeps the flags they set.
HydraulicsStatus Solve(ProjectStore& s, ResultsStore& r, RunFlags& flags)
{
    AnalysisObserver quiet;
    AnalysisFailure failure;
    ConvertInputToSI(s, r);
    return CalculateHydraulics(s, r, quiet, flags, failure);
}

HydraulicsStatus Solve(ProjectStore& s, ResultsStore& r)
{
    RunFlags flags;
    return Solve(s, r, flags);
}

TEST(Roughness, GrowsLinearlyToTheOldValue)
{
    auto s = GravityProject(100, 50, {{100, 0}, {50, 1000}});
    s->DesignLife = 30;
    s->RoughnessNew = 0.1f;
    s->RoughnessOld = 1.0f;
    auto r = std::make_unique<ResultsStore>();
    ConvertInputToSI(*s, *r);
    ASSERT_TRUE(AgeRoughness(*s, *r));
    EXPECT_NEAR(r->YearRoughness[1], 0.0001, 1e-9);
    EXPECT_NEAR(r->YearRoughness[5], 0.0005, 1e-9);
    EXPECT_NEAR(r->YearRoughness[10], 0.001, 1e-9);
    EXPECT_NEAR(r->YearRoughness[30], 0.001, 1e-9);

    s->DeteriorationYears = 1; // old roughness from the first year
    ASSERT_TRUE(AgeRoughness(*s, *r));
    EXPECT_NEAR(r->YearRoughness[1], 0.001, 1e-9);
    EXPECT_FALSE(std::isnan(r->YearRoughness[1]));

    // 100.5 rounds to 100; the line (divided by 99.5) runs on past the
    // 30-year design life up to year 100.
    s->DeteriorationYears = 100.5f;
    ASSERT_TRUE(AgeRoughness(*s, *r));
    EXPECT_NEAR(r->YearRoughness[30], 0.0001 + 0.0009 * 29 / 99.5, 1e-9);
    EXPECT_NEAR(r->YearRoughness[100], 0.0001 + 0.0009 * 99 / 99.5, 1e-9);

    // A period outside 1..100 years fails, like one at or below half a year.
    for (float bad : {0.4f, 0.5f, -3.0f, NAN, 101.0f, 250.0f}) {
        s->DeteriorationYears = bad;
        EXPECT_FALSE(AgeRoughness(*s, *r)) << bad;
        RunFlags flags;
        EXPECT_EQ(Solve(*s, *r, flags), HydraulicsStatus::Failed);
        EXPECT_TRUE(flags.GradelineFailed);
    }
}

TEST(GravityHydraulics, OneSectionMatchesTheEnergyEquation)
{
    auto s = GravityProject(100, 50, {{100, 0}, {50, 1000}});
    s->SecondaryLoss[1] = 2.0f;
    s->SecondaryLoss[2] = 1.0f; // outlet into the end reservoir
    auto r = std::make_unique<ResultsStore>();
    RunFlags flags;
    ASSERT_EQ(Solve(*s, *r, flags), HydraulicsStatus::Ok);
    const double c =
        SectionCoefficient(0.5, 1000, 2.0, 0.0001) + SectionCoefficient(0.5, 0, 1.0, 0.0001);
    const double expected = std::sqrt(50.0 / c);
    for (int y = 1; y <= s->DesignLife; ++y)
        EXPECT_NEAR(r->YearFlow[y], expected, 2e-6);
    EXPECT_FALSE(flags.HighPointFlag);
    EXPECT_FLOAT_EQ(r->Gradeline(0, 1), 100.0f);
    EXPECT_NEAR(r->Gradeline(2, 1), 50.0, 1e-3); // reaches the end level
}

TEST(GravityHydraulics, CrestLowersTheFlowUntilItsHeadIsJustAboveMinusOne)
{
    auto s = GravityProject(100, 0, {{100, 0}, {98, 500}, {0, 2000}});
    auto r = std::make_unique<ResultsStore>();
    RunFlags flags;
    ASSERT_EQ(Solve(*s, *r, flags), HydraulicsStatus::Ok);
    EXPECT_TRUE(flags.HighPointFlag);
    const double c1 = SectionCoefficient(0.5, 500, 0, 0.0001);
    const double q = r->YearFlow[1];
    const double crestHead = 100.0 - 98.0 - c1 * q * q;
    EXPECT_GT(crestHead, -1.0);
    EXPECT_LT(crestHead, -1.0 + 1e-4);
    const double oneStepMore = q + 1e-6;
    EXPECT_LE(100.0 - 98.0 - c1 * oneStepMore * oneStepMore, -1.0 + 1e-6);
    EXPECT_NEAR(r->Gradeline(1, 1) - 98.0, crestHead, 1e-4);
}

// 15 mm pipe with 1.5 mm walls over 100 km between levels 100 m and 99 m:
// even 1e-6 m³/s loses more than the metre of head.
TEST(GravityHydraulics, AHeadThatCannotDriveTheLeastFlowGivesNoFlow)
{
    auto s = GravityProject(100, 99, {{95, 0}, {90, 100000}}, 15);
    s->WallThickness[1] = s->WallThickness[2] = 1.5f;
    auto r = std::make_unique<ResultsStore>();
    RunFlags flags;
    ASSERT_EQ(Solve(*s, *r, flags), HydraulicsStatus::Ok);
    EXPECT_FALSE(flags.HighPointFlag);
    for (int y = 1; y <= s->DesignLife; ++y) {
        EXPECT_EQ(r->YearFlow[y], 0.0f) << y;
        for (int k = 0; k <= 2; ++k)
            EXPECT_EQ(r->Gradeline(k, y), 100.0f) << y << ", " << k;
    }
    // The least flow itself, 1e-6 m³/s, is still found when the head just drives it.
    const double c = SectionCoefficient(0.012, 100000, 0, 0.0001);
    s->EndReservoirLevel = static_cast<float>(100.0 - 2.0 * c * 1e-12);
    ASSERT_EQ(Solve(*s, *r), HydraulicsStatus::Ok);
    EXPECT_GT(r->YearFlow[1], 0.0f);
}

// A flow that runs to 100 m³/s, the top of the search, is no result, unless a
// high point lowers it.
TEST(GravityHydraulics, AFlowAtTheTopOfTheSearchIsNoResult)
{
    auto r = std::make_unique<ResultsStore>();
    auto high = GravityProject(3e37f, 0, {{100, 0}, {0, 1000}});
    RunFlags flags;
    EXPECT_EQ(Solve(*high, *r, flags), HydraulicsStatus::FlowTooLarge);
    EXPECT_FALSE(flags.GradelineFailed);
    auto wide = GravityProject(3000, 0, {{100, 0}, {0, 1000}}, 2000);
    EXPECT_EQ(Solve(*wide, *r), HydraulicsStatus::FlowTooLarge);

    // A crest 120 m below the start at 500 m holds the flow near 94 m³/s.
    auto crest = GravityProject(3000, 0, {{100, 0}, {2880, 500}, {0, 1000}}, 2000);
    RunFlags crestFlags;
    ASSERT_EQ(Solve(*crest, *r, crestFlags), HydraulicsStatus::Ok);
    EXPECT_TRUE(crestFlags.HighPointFlag);
    const double c1 = SectionCoefficient(2.0, 500, 0, 0.0001);
    EXPECT_NEAR(r->YearFlow[1], std::sqrt(121.0 / c1), 1e-3);
    EXPECT_LT(r->YearFlow[1], 100.0f);
}

TEST(GravityHydraulics, ReductionStepMatchesTheOneByOneScan)
{
    auto s = GravityProject(100, 0, {{100, 0}, {96, 500}, {92, 700}, {0, 2000}});
    auto r = std::make_unique<ResultsStore>();
    PipeModel model;
    ASSERT_TRUE(test::BuildModel(*s, *r, model));
    std::vector<double> c;
    ASSERT_TRUE(ComputeYearLossCoefficients(model, 1, *r, c).Ok());
    for (double start : {0.6, 0.55, 0.5229, 0.3}) {
        int64_t scanned = 1;
        while (HasNodeAtOrBelowMinusOne(model, c, r->StartLevelSI, start - scanned / 1e6))
            ++scanned;
        EXPECT_EQ(HighPointReductionStep(model, c, r->StartLevelSI, start), scanned) << start;
        if (start == 0.6) {
            EXPECT_GT(scanned, 50000);
        }
    }
}

TEST(GravityHydraulics, CrestAboveTheTopReservoirGivesNoFlowRatherThanNegative)
{
    auto s = GravityProject(100, 0, {{100, 0}, {105, 500}, {0, 2000}});
    auto r = std::make_unique<ResultsStore>();
    RunFlags flags;
    ASSERT_EQ(Solve(*s, *r, flags), HydraulicsStatus::Ok);
    EXPECT_TRUE(flags.HighPointFlag);
    EXPECT_EQ(r->YearFlow[1], 0.0f);
}

TEST(GravityHydraulics, ReversedOrLevelReservoirsGiveNoFlow)
{
    for (float bottom : {120.0f, 100.0f}) {
        auto s = GravityProject(100, bottom, {{100, 0}, {90, 1000}});
        auto r = std::make_unique<ResultsStore>();
        ASSERT_EQ(Solve(*s, *r), HydraulicsStatus::Ok);
        for (int y = 1; y <= s->DesignLife; ++y)
            EXPECT_EQ(r->YearFlow[y], 0.0f);
        EXPECT_FLOAT_EQ(r->Gradeline(2, 1), 100.0f);
    }
}

// A long gravity main high up, where a 4-byte level carries only a few
// millimetres of precision: each gradeline level is the previous stored level
// less the section's stored losses.
TEST(GravityHydraulics, GradelineStepsFromTheStoredLevels)
{
    std::vector<test::Node> nodes;
    for (int k = 0; k < 200; ++k)
        nodes.push_back({1500.0f - 0.4f * k, 37.0f * k});
    auto s = GravityProject(1503.3f, 1400.1f, nodes, 300);
    for (int k = 1; k <= 200; ++k)
        s->SecondaryLoss[k] = 0.1f * (k % 3);
    auto r = std::make_unique<ResultsStore>();
    ASSERT_EQ(Solve(*s, *r), HydraulicsStatus::Ok);
    for (int y : {1, 10}) {
        EXPECT_EQ(r->Gradeline(0, y), 1503.3f);
        for (int j = 1; j <= 200; ++j)
            ASSERT_EQ(r->Gradeline(j, y),
                      static_cast<float>(static_cast<double>(r->Gradeline(j - 1, y)) -
                                         r->FrictionHeadLoss(j, y) - r->SecondaryHeadLoss(j, y)))
                << "year " << y << " level " << j;
    }
}

TEST(GravityHydraulics, NodeWithoutDiameterFails)
{
    auto s = GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}});
    s->PipeDiameter[2] = 0;
    auto r = std::make_unique<ResultsStore>();
    RunFlags flags;
    EXPECT_EQ(Solve(*s, *r, flags), HydraulicsStatus::Failed);
    EXPECT_TRUE(flags.GradelineFailed);
}

TEST(PumpingHydraulics, LowestNodeIsLiftedToMinusOneMetre)
{
    auto s = PumpingProject(0, 10, {{0, 0}, {40, 1000}, {5, 2000}});
    auto r = std::make_unique<ResultsStore>();
    ASSERT_EQ(Solve(*s, *r), HydraulicsStatus::Ok);
    EXPECT_FLOAT_EQ(r->YearFlow[1], 0.1f);
    EXPECT_NEAR(r->Gradeline(2, 1) - 40.0, -1.0, 1e-5);
    EXPECT_GT(r->Gradeline(3, 1), 10.0f + 28.0f); // the end is raised with the rest
    EXPECT_EQ(r->Gradeline(0, 1), 0.0f);          // the pump-station reference is not
    EXPECT_GT(r->Gradeline(1, 1), r->Gradeline(2, 1));

    auto exact = PumpingProject(0, 10, {{0, 0}, {11, 1000}}); // last node exactly at -1 m
    ASSERT_EQ(Solve(*exact, *r), HydraulicsStatus::Ok);
    EXPECT_FLOAT_EQ(r->Gradeline(2, 1), 10.0f); // nothing raised
}

// The pumping gradeline, laid back from the end level one stored 4-byte level
// at a time, then raised as a whole by the lift of the lowest node.
TEST(PumpingHydraulics, GradelineStepsFromTheStoredLevels)
{
    std::vector<test::Node> nodes;
    for (int k = 0; k < 200; ++k)
        nodes.push_back({1200.0f + 0.35f * k + (k == 150 ? 60.0f : 0.0f), 41.0f * k});
    auto s = PumpingProject(1195.7f, 1290.2f, nodes, 90);
    for (int k = 1; k <= 200; ++k)
        s->SecondaryLoss[k] = 0.1f * (k % 4);
    auto r = std::make_unique<ResultsStore>();
    ASSERT_EQ(Solve(*s, *r), HydraulicsStatus::Ok);
    for (int y : {1, 10}) {
        std::vector<float> level(201);
        level[200] = 1290.2f;
        for (int k = 199; k >= 1; --k)
            level[k] = static_cast<float>(static_cast<double>(level[k + 1]) +
                                          r->FrictionHeadLoss(k, y) + r->SecondaryHeadLoss(k, y));
        float lowest = -1.0f;
        for (int k = 1; k <= 200; ++k) {
            const float head = static_cast<float>(static_cast<double>(level[k]) -
                                                  static_cast<float>(s->NodeElevation[k]));
            if (head < lowest) lowest = head;
        }
        ASSERT_LT(lowest, -1.0f); // node 151 lies above the line: everything is lifted
        for (int k = 1; k <= 200; ++k)
            ASSERT_EQ(r->Gradeline(k, y),
                      static_cast<float>(static_cast<double>(level[k]) + (-1.0f - lowest)))
                << "year " << y << " node " << k;
        EXPECT_EQ(r->Gradeline(0, y), 1200.0f);
    }
}

TEST(PumpingHydraulics, AnOperatingFlowLiftsTheGradelineAboveTheEndLevel)
{
    auto s = PumpingProject(0, 10, {{0, 0}, {5, 1000}});
    auto r = std::make_unique<ResultsStore>();
    RunFlags flags;
    ASSERT_EQ(Solve(*s, *r, flags), HydraulicsStatus::Ok);
    EXPECT_GT(r->Gradeline(1, s->DesignLife), 10.0f);
}

TEST(SystemCurve, EnvelopeEqualsTheNodeByNodeHead)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> elevation(0, 120);
    std::vector<test::Node> nodes;
    for (int k = 0; k < 300; ++k)
        nodes.push_back({elevation(random), 100.0f * k});
    auto s = PumpingProject(10, 60, nodes);
    for (int k = 1; k <= 300; ++k)
        s->SecondaryLoss[k] = (k % 7) * 0.3f;
    auto r = std::make_unique<ResultsStore>();
    PipeModel model;
    ASSERT_TRUE(test::BuildModel(*s, *r, model));
    std::vector<double> c;
    ASSERT_TRUE(ComputeYearLossCoefficients(model, 1, *r, c).Ok());
    SystemCurve curve;
    curve.Build(model, c, r->StartLevelSI, r->EndLevelSI);
    for (int p = 0; p <= 2000; ++p) { // up, and back down again
        const float q = (p <= 1000 ? p : 2000 - p) * 0.0005f;
        const float direct = SystemHeadByNodes(model, c, r->StartLevelSI, r->EndLevelSI, q);
        EXPECT_NEAR(curve.HeadAt(q), direct, 1e-4 + 1e-6 * std::fabs(direct)) << q;
    }
}

// Pumping project whose system curve is 50 m static head plus c Q² over 1 km.
std::unique_ptr<ProjectStore> DutyProject(const std::vector<test::PumpPoint>& points)
{
    auto s = PumpingProject(0, 50, {{0, 0}, {45, 1000}});
    test::SetPumpCurve(*s, points);
    return s;
}

// Flow at which the straight pump segment meets 50 + c Q², by bisection.
double AnalyticCrossing(const test::PumpPoint& a, const test::PumpPoint& b, double c)
{
    auto diff = [&](double q) {
        const double pump = a.head + (b.head - a.head) * (q - a.flow) / (b.flow - a.flow);
        return pump - (50.0 + c * q * q);
    };
    double lo = a.flow, hi = b.flow;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (diff(mid) > 0 ? lo : hi) = mid;
    }
    return lo;
}

TEST(DutyPoint, FoundWithinOneInterpolationStepOfTheCrossing)
{
    const double c = SectionCoefficient(0.5, 1000, 0, 0.0001);
    const std::vector<std::vector<test::PumpPoint>> curves = {
        {{100, 0, 40},
         {95, 0.1f, 60},
         {85, 0.2f, 70},
         {70, 0.3f, 78},
         {50, 0.4f, 74},
         {25, 0.5f, 60}},
        // unequally spaced flows: the crossing lies in the fourth segment
        {{100, 0, 40},
         {97, 0.05f, 50},
         {90, 0.15f, 65},
         {65, 0.35f, 78},
         {50, 0.45f, 76},
         {10, 0.8f, 50}},
    };
    for (const auto& points : curves) {
        auto s = DutyProject(points);
        auto r = std::make_unique<ResultsStore>();
        ASSERT_EQ(Solve(*s, *r), HydraulicsStatus::Ok);
        const double expected = AnalyticCrossing(points[3], points[4], c);
        const double step = (points[4].flow - points[3].flow) / 2000.0;
        EXPECT_NEAR(r->YearFlow[1], expected, step * 1.01);
        EXPECT_FLOAT_EQ(r->YearDutyFlow[1], r->YearFlow[1]);
        const double share = (r->YearFlow[1] - points[3].flow) / (points[4].flow - points[3].flow);
        EXPECT_NEAR(r->YearPumpEfficiency[1],
                    points[3].efficiency + share * (points[4].efficiency - points[3].efficiency),
                    0.01);
        EXPECT_NEAR(r->YearPumpHead[1], r->Gradeline(1, 1) - r->Gradeline(0, 1), 1e-5);
        EXPECT_NEAR(r->YearSystemHead(1, 10000), 50.0 + c * points[5].flow * points[5].flow, 1e-3);
        EXPECT_FLOAT_EQ(r->YearSystemFlow(1, 10000), points[5].flow);
    }
}

// The first node 2 m below the pump-station reservoir: the duty head is the
// pump's own head at the duty flow, measured from the reservoir level.
TEST(DutyPoint, TheDutyHeadLiesOnThePumpCurve)
{
    const std::vector<test::PumpPoint>& points = test::TypicalPumpCurve;
    auto s = PumpingProject(0, 50, {{-2, 0}, {45, 1000}});
    test::SetPumpCurve(*s, points);
    s->RoughnessOld = 2.0f; // a head that changes from year to year
    auto r = std::make_unique<ResultsStore>();
    ASSERT_EQ(Solve(*s, *r), HydraulicsStatus::Ok);
    for (int y = 1; y <= s->DesignLife; ++y) {
        SCOPED_TRACE(y);
        const double q = r->YearDutyFlow[y];
        size_t k = 0;
        while (k + 2 < points.size() && q > points[k + 1].flow)
            ++k;
        const test::PumpPoint& a = points[k];
        const test::PumpPoint& b = points[k + 1];
        const double pumpHead = a.head + (b.head - a.head) * (q - a.flow) / (b.flow - a.flow);
        EXPECT_NEAR(r->YearPumpHead[y], pumpHead, 0.02);
        EXPECT_EQ(r->YearPumpHead[y], r->Gradeline(1, y) - r->StartLevelSI);
        EXPECT_EQ(r->YearPumpHead[y], PumpingHead(*r, y));
    }
    EXPECT_GT(r->YearPumpHead[s->DesignLife], r->YearPumpHead[1]); // the pipe ages
}

TEST(DutyPoint, EquallySpacedFlowsPairStepsWithTheirSamples)
{
    const std::vector<test::PumpPoint> points = {{100, 0, 40},   {95, 0.1f, 60}, {85, 0.2f, 70},
                                                 {70, 0.3f, 78}, {50, 0.4f, 74}, {25, 0.5f, 60}};
    auto s = DutyProject(points);
    auto r = std::make_unique<ResultsStore>();
    ASSERT_EQ(Solve(*s, *r), HydraulicsStatus::Ok);
    // The crossing as found with the pump step t of segment 4 against sample 6000 + t.
    int duty = -1;
    float previous = 0;
    for (int t = 0; t <= 2000 && duty < 0; ++t) {
        const float head = static_cast<float>(70 - 20.0 * t / 2000);
        const float d = head - r->YearSystemHead(1, 6000 + t);
        if (t > 0 && previous > 0 && d < 0) duty = std::fabs(d) <= previous ? t : t - 1;
        previous = d;
    }
    ASSERT_GE(duty, 0);
    EXPECT_NEAR(r->YearFlow[1], 0.3 + 0.1 * duty / 2000, 1e-6);
}

class MissRecorder : public AnalysisObserver
{
  public:
    void PumpCurveMissed(int year) override { shownYear = year; }
    int shownYear = 0;
};

TEST(DutyPoint, CurveBelowTheSystemCurveIsReportedForItsYear)
{
    auto s = DutyProject({{40, 0, 40},
                          {38, 0.1f, 60},
                          {35, 0.2f, 70},
                          {30, 0.3f, 78},
                          {20, 0.4f, 74},
                          {10, 0.5f, 60}});
    auto r = std::make_unique<ResultsStore>();
    ConvertInputToSI(*s, *r);
    MissRecorder observer;
    RunFlags flags;
    AnalysisFailure failure;
    EXPECT_EQ(CalculateHydraulics(*s, *r, observer, flags, failure),
              HydraulicsStatus::PumpCurveMissed);
    EXPECT_EQ(observer.shownYear, 1);
    EXPECT_EQ(r->DutyYear, 1);
}

} // namespace
} // namespace vemora
