#include <gtest/gtest.h>

#include "ColebrookWhiteLoss.h"
#include "EngineProjects.h"
#include "engine/CalibrationUnits.h"
#include "engine/ConvertInputToSI.h"
#include "engine/RoughnessCalibration.h"

namespace vemora {
namespace {

constexpr int MetresOfWater = 15;       // pressure code
constexpr int CubicMetresPerSecond = 2; // flow code

// Nodes every 500 m from 0 to 2000 m, inner diameter 0.5 m, chainages and
// elevations in metres.
CalibrationProfile Profile()
{
    CalibrationProfile p;
    for (int k = 0; k <= 4; ++k)
        p.nodes.push_back({500.0 * k, 0.5, k < 4 ? 500.0 : 0.0});
    p.chainageFactor = 1.0;
    p.levelFactor = 1.0;
    return p;
}

MeasuringPoint Point(double chainage, double elevation, double pressure)
{
    return {chainage, elevation, pressure};
}

// 0.3 m³/s with heads 150 m at 0 m and 145 m at 1000 m: the example section.
CalibrationScenario ExampleScenario()
{
    CalibrationScenario s;
    s.flow = 0.3;
    s.flowUnit = CubicMetresPerSecond;
    s.pressureUnit = MetresOfWater;
    s.points[0] = Point(0, 100, 50);
    s.points[1] = Point(1000, 95, 50);
    return s;
}

bool AllAbsent(const CalibrationSection& s)
{
    return !s.diameter && !s.velocity && !s.reynolds && !s.ksColebrookWhite && !s.ksBarr &&
           !s.ksKarmanPrandtl && !s.hazenWilliamsC;
}

TEST(RoughnessCalibration, MeasuredSectionWithItsNodesGradelineAndResults)
{
    const auto r = CalibrateScenario(ExampleScenario(), Profile());
    ASSERT_TRUE(r.flow);
    EXPECT_DOUBLE_EQ(*r.flow, 0.3);
    const auto& s = r.sections[0];
    ASSERT_TRUE(s.measured);
    EXPECT_DOUBLE_EQ(*s.length, 1000);
    EXPECT_DOUBLE_EQ(*s.frictionLoss, 5);
    EXPECT_DOUBLE_EQ(*s.gradient, 0.005);
    EXPECT_EQ(s.startNode, 1);
    EXPECT_EQ(s.endNode, 3);
    ASSERT_EQ(s.gradeline.size(), 3u); // nodes 1, 2, 3
    EXPECT_DOUBLE_EQ(s.gradeline[0], 150);
    EXPECT_DOUBLE_EQ(s.gradeline[1], 147.5);
    EXPECT_DOUBLE_EQ(s.gradeline[2], 145);
    EXPECT_DOUBLE_EQ(*s.diameter, 0.5);
    EXPECT_NEAR(*s.velocity, 1.528, 1e-3);
    EXPECT_NEAR(*s.ksColebrookWhite, 0.610e-3, 1e-6);

    const auto texts = CalibrationGridTexts(s);
    const std::array<std::string, 7> expected = {"0.610",  "0.595", "0.657",   "116.43",
                                                 "500.00", "1.528", "670126.1"};
    EXPECT_EQ(texts, expected);

    // Only points 1 and 2: the other three sections are not measured and empty.
    for (int j = 1; j < 4; ++j) {
        EXPECT_FALSE(r.sections[j].measured) << j;
        EXPECT_TRUE(AllAbsent(r.sections[j])) << j;
        EXPECT_TRUE(r.sections[j].gradeline.empty()) << j;
        for (const auto& text : CalibrationGridTexts(r.sections[j]))
            EXPECT_EQ(text, "") << j;
    }
}

TEST(RoughnessCalibration, MeasuredPressuresOfAKnownPipeReturnItsRoughness)
{
    // Four sections of one scenario, the pressures those of a 0.25 mm pipe
    // carrying 0.2 m³/s, measured in kPa at elevations in ft.
    auto profile = Profile();
    profile.levelFactor = 0.3048;
    const double ks = 0.00025, Q = 0.2;
    const double V = *SectionVelocity(Q, 0.5);
    const double fall = test::ColebrookWhiteLoss(0.5, 500, V, ks); // per 500 m
    CalibrationScenario s;
    s.flow = Q;
    s.flowUnit = CubicMetresPerSecond;
    s.pressureUnit = 2;
    for (int p = 0; p < 5; ++p) {
        const double elevation = 300 - 20 * p; // ft
        const double head = 200 - fall * p;    // m
        s.points[p] = Point(500 * p, elevation, (head - elevation * 0.3048) * 9.80665);
    }
    const auto r = CalibrateScenario(s, profile);
    for (const auto& section : r.sections) {
        ASSERT_TRUE(section.ksColebrookWhite);
        EXPECT_NEAR(*section.ksColebrookWhite, ks, ks * 1e-6);
        EXPECT_NEAR(section.gradeline.back(), section.gradeline.front() - fall, 1e-9);
    }
}

TEST(RoughnessCalibration, ASectionNeedsBothPointsEnteredAndALength)
{
    auto s = ExampleScenario();
    // An empty first point never gives a section measured from the origin.
    s.points[0] = {};
    EXPECT_FALSE(CalibrateScenario(s, Profile()).sections[0].measured);
    // A point missing any of its three values is not entered.
    s.points[0] = Point(0, 100, 50);
    s.points[0].pressure.reset();
    EXPECT_FALSE(CalibrateScenario(s, Profile()).sections[0].measured);

    // Real zeros are entered values: elevation 0 and pressure 0 at point 2.
    s = ExampleScenario();
    s.points[1] = Point(1000, 0, 0);
    auto r = CalibrateScenario(s, Profile());
    ASSERT_TRUE(r.sections[0].measured);
    EXPECT_DOUBLE_EQ(*r.sections[0].frictionLoss, 150);
    EXPECT_TRUE(r.sections[0].ksColebrookWhite);
    // A chainage of 0 at point 1 too (the example starts there).
    EXPECT_EQ(r.sections[0].startNode, 1);

    // Two points at the same chainage: no length, no section.
    s = ExampleScenario();
    s.points[1].chainage = 0;
    r = CalibrateScenario(s, Profile());
    EXPECT_FALSE(r.sections[0].measured);
    EXPECT_TRUE(AllAbsent(r.sections[0]));
}

TEST(RoughnessCalibration, NodesAreMatchedByTheirThreeDecimalTextEveryRun)
{
    auto profile = Profile();
    profile.nodes[2].chainage = 1000.0004; // shown in the point list as 1000.000
    CalibrationScenarios scenarios{};
    scenarios[0] = ExampleScenario();
    scenarios[1] = ExampleScenario();
    scenarios[1].points[1].chainage = 1250; // no node reads 1250.000
    auto results = CalibrateRoughness(scenarios, profile);

    const auto& matched = results[0].sections[0];
    EXPECT_EQ(matched.startNode, 1);
    EXPECT_EQ(matched.endNode, 3);
    EXPECT_EQ(matched.gradeline.size(), 3u);

    // The unmatched point: no end node, no gradeline, no results, and
    // nothing taken from the other scenario.
    const auto& unmatched = results[1].sections[0];
    EXPECT_TRUE(unmatched.measured);
    EXPECT_DOUBLE_EQ(*unmatched.length, 1250);
    EXPECT_EQ(unmatched.startNode, 1);
    EXPECT_FALSE(unmatched.endNode);
    EXPECT_TRUE(unmatched.gradeline.empty());
    EXPECT_TRUE(AllAbsent(unmatched));

    // The next run with the point on a node finds it; one moved off again
    // loses it, whatever an earlier run found.
    scenarios[1].points[1].chainage = 1500;
    results = CalibrateRoughness(scenarios, profile);
    EXPECT_EQ(results[1].sections[0].endNode, 4);
    scenarios[1].points[1].chainage = 1500.01;
    results = CalibrateRoughness(scenarios, profile);
    EXPECT_FALSE(results[1].sections[0].endNode);
    EXPECT_TRUE(results[1].sections[0].gradeline.empty());

    // Two nodes at one chainage: the later one.
    profile.nodes[1].chainage = 1000;
    EXPECT_EQ(CalibrateScenario(ExampleScenario(), profile).sections[0].endNode, 3);
    profile.nodes[3].chainage = 1000;
    profile.nodes[2].chainage = 1000;
    EXPECT_EQ(CalibrateScenario(ExampleScenario(), profile).sections[0].endNode, 4);
}

// Chainages in km: the node at 1.0004 km is picked as "1.000", 0.4 m short
// of the pipes that were summed. The mean diameter is that of the pipes.
TEST(RoughnessCalibration, TheMeanDiameterDividesByThePipesSummed)
{
    CalibrationProfile profile;
    profile.nodes = {{0, 0.492125, 500.2}, {0.5002, 0.492125, 500.2}, {1.0004, 0.492125, 0}};
    profile.chainageFactor = 1000.0;
    profile.levelFactor = 1.0;
    auto s = ExampleScenario();
    s.points[1].chainage = 1.0; // km
    const auto r = CalibrateScenario(s, profile).sections[0];
    ASSERT_EQ(r.endNode, 3);
    EXPECT_DOUBLE_EQ(*r.length, 1000); // the typed chainages still give L and S
    EXPECT_NEAR(*r.diameter, 0.492125, 1e-12);

    // Pipes of two sizes weigh by their own lengths.
    profile.nodes[1].innerDiameter = 0.3;
    EXPECT_NEAR(*CalibrateScenario(s, profile).sections[0].diameter, (0.492125 + 0.3) / 2, 1e-12);
}

// A measured loss below the smooth-pipe loss: no roughness can be negative,
// so Colebrook-White and Barr show nothing; Karman-Prandtl, which never goes
// below zero, and the Hazen-Williams coefficient stay.
TEST(RoughnessCalibration, ARoughnessBelowZeroIsNotShown)
{
    auto s = ExampleScenario();
    s.points[1].pressure = 54; // 1 m lost over 1000 m at 1.5 m/s
    const auto r = CalibrateScenario(s, Profile()).sections[0];
    ASSERT_DOUBLE_EQ(*r.frictionLoss, 1);
    EXPECT_FALSE(r.ksColebrookWhite);
    EXPECT_FALSE(r.ksBarr);
    ASSERT_TRUE(r.ksKarmanPrandtl);
    EXPECT_GT(*r.ksKarmanPrandtl, 0);
    EXPECT_TRUE(r.hazenWilliamsC);
    const auto texts = CalibrationGridTexts(r);
    EXPECT_EQ(texts[0], "");
    EXPECT_EQ(texts[1], "");
    EXPECT_NE(texts[2], "");
    EXPECT_NE(texts[3], "");
}

// A scenario never calculated: flow 0 in megalitres per day, pressures in pascals.
TEST(RoughnessCalibration, AScenarioNeverCalculated)
{
    const CalibrationScenario never;
    EXPECT_EQ(never.flow, 0.0);
    EXPECT_EQ(never.flowUnit, 0);
    EXPECT_EQ(never.pressureUnit, 0);
}

TEST(RoughnessCalibration, NoFlowRisingHeadAndReversedPoints)
{
    // No flow: velocity and Reynolds number 0, no roughness, no coefficient.
    auto s = ExampleScenario();
    s.flow = 0;
    auto r = CalibrateScenario(s, Profile()).sections[0];
    EXPECT_EQ(r.velocity, 0.0);
    EXPECT_EQ(r.reynolds, 0.0);
    EXPECT_FALSE(r.ksColebrookWhite);
    EXPECT_FALSE(r.ksBarr);
    EXPECT_FALSE(r.ksKarmanPrandtl);
    EXPECT_FALSE(r.hazenWilliamsC);
    const auto texts = CalibrationGridTexts(r);
    EXPECT_EQ(texts[0], "");
    EXPECT_EQ(texts[3], "");
    EXPECT_EQ(texts[5], "0.000");

    // The head rises from point 1 to point 2: D, V and Re, a rising
    // gradeline, and no roughness.
    s = ExampleScenario();
    s.points[1].pressure = 60;
    r = CalibrateScenario(s, Profile()).sections[0];
    EXPECT_DOUBLE_EQ(*r.frictionLoss, -5);
    EXPECT_TRUE(r.diameter && r.velocity && r.reynolds);
    EXPECT_FALSE(r.ksColebrookWhite || r.ksBarr || r.ksKarmanPrandtl || r.hazenWilliamsC);
    ASSERT_EQ(r.gradeline.size(), 3u);
    EXPECT_DOUBLE_EQ(r.gradeline[2], 155);

    // Points entered with decreasing chainage: the end node lies before the
    // start node, so nothing is laid on the profile and D is unknown.
    s = ExampleScenario();
    std::swap(s.points[0], s.points[1]);
    r = CalibrateScenario(s, Profile()).sections[0];
    EXPECT_TRUE(r.measured);
    EXPECT_EQ(r.startNode, 3);
    EXPECT_EQ(r.endNode, 1);
    EXPECT_TRUE(r.gradeline.empty());
    EXPECT_TRUE(AllAbsent(r));
}

TEST(RoughnessCalibration, UnitsAndCodesOutsideTheirLists)
{
    auto s = ExampleScenario();
    s.flowUnit = 9; // gal/s (EUR)
    s.flow = 1000;
    EXPECT_DOUBLE_EQ(*CalibrateScenario(s, Profile()).flow, 4.54609);

    // 3 points in kPa: heads from pressures in metres of water.
    s = ExampleScenario();
    s.pressureUnit = 2;
    s.points[0].pressure = 490.3325; // 50 m of water
    s.points[1].pressure = 490.3325;
    EXPECT_NEAR(*CalibrateScenario(s, Profile()).sections[0].frictionLoss, 5, 1e-12);

    // No flow unit: no flow, so nothing from V on; no pressure unit: no
    // heads, rather than heads from the elevations alone.
    for (int code : {-1, 13, 32767}) {
        s = ExampleScenario();
        s.flowUnit = code;
        const auto r = CalibrateScenario(s, Profile());
        EXPECT_FALSE(r.flow);
        EXPECT_TRUE(r.sections[0].diameter);
        EXPECT_FALSE(r.sections[0].velocity);
    }
    for (int code : {-1, 17, 32767}) {
        s = ExampleScenario();
        s.pressureUnit = code;
        const auto r = CalibrateScenario(s, Profile());
        EXPECT_TRUE(r.sections[0].measured);
        EXPECT_FALSE(r.sections[0].frictionLoss);
        EXPECT_TRUE(r.sections[0].gradeline.empty());
        EXPECT_FALSE(r.sections[0].ksColebrookWhite);
    }
    // No flow entered (an empty or unreadable flow box).
    s = ExampleScenario();
    s.flow.reset();
    EXPECT_FALSE(CalibrateScenario(s, Profile()).sections[0].velocity);
}

TEST(CalibrationUnits, FlowAndPressureFactorsByCode)
{
    // The flow list's factors, m³/s per unit, in code order.
    const double flow[] = {0.011574074,    0.00027777778, 1,          0.001,       0.028316846,
                           0.0037854118,   0.0000630902,  1.0515033,  0.043812636, 0.00454609,
                           0.000075768167, 1.2628028,     0.052616782};
    for (int code = 0; code < 13; ++code)
        EXPECT_NEAR(*CalibrationFlowFactor(code), flow[code], flow[code] * 2e-7) << code;
    // The imperial gallon of 4.54609 l and the cubic foot, exactly.
    EXPECT_DOUBLE_EQ(*CalibrationFlowFactor(9), 0.00454609);
    EXPECT_DOUBLE_EQ(*CalibrationFlowFactor(10) * 60, 0.00454609);
    EXPECT_DOUBLE_EQ(*CalibrationFlowFactor(11) * 3600, 4546.09);
    EXPECT_DOUBLE_EQ(*CalibrationFlowFactor(12) * 86400, 4546.09);
    EXPECT_DOUBLE_EQ(*CalibrationFlowFactor(4), 0.028316846592);
    EXPECT_FALSE(CalibrationFlowFactor(-1));
    EXPECT_FALSE(CalibrationFlowFactor(13));

    EXPECT_DOUBLE_EQ(*CalibrationPressureFactor(2), 1000 / 9806.65); // kPa
    EXPECT_DOUBLE_EQ(*CalibrationPressureFactor(15), 1);             // m of water
    EXPECT_DOUBLE_EQ(*CalibrationPressureFactor(16), 0.001);         // mm of water
    EXPECT_DOUBLE_EQ(*CalibrationPressureFactor(13), 0.3048);        // ft of water
    EXPECT_DOUBLE_EQ(*CalibrationPressureFactor(7), 0.001);          // kg/m²
    EXPECT_NEAR(*CalibrationPressureFactor(5), 10.197162, 1e-6);     // bar
    EXPECT_NEAR(*CalibrationPressureFactor(10), 10.332275, 1e-6);    // atm
    EXPECT_NEAR(*CalibrationPressureFactor(9), 0.70306958, 1e-8);    // psi
    EXPECT_FALSE(CalibrationPressureFactor(-1));
    EXPECT_FALSE(CalibrationPressureFactor(17));

    const auto texts = CalibrationPressureUnitTexts();
    ASSERT_EQ(texts.size(), 17u);
    EXPECT_EQ(texts[2], "kilo Pascals (kPa)");
    EXPECT_EQ(texts[8], "pound force per foot squared (lb/ft²)");
    EXPECT_EQ(texts[16], "millimetres of water (mm)\"");
}

TEST(RoughnessCalibration, ProfileFromTheProjectAndItsWorkingValues)
{
    auto store = test::GravityProject(120, 80, {{100, 0}, {95, 0.5}, {90, 1.25}}, 510);
    store->WallThickness[1] = store->WallThickness[2] = 5; // mm
    store->ChainageUnit = 1;                               // km
    store->ElevationUnit = 2;                              // ft
    auto results = std::make_unique<ResultsStore>();
    ASSERT_TRUE(ConvertInputToSI(*store, *results));

    const auto p = CalibrationProfileOf(*store, *results, 3);
    ASSERT_EQ(p.nodes.size(), 3u);
    EXPECT_FLOAT_EQ(p.nodes[1].chainage, 0.5); // as entered, in km
    EXPECT_FLOAT_EQ(p.nodes[1].innerDiameter, 0.5);
    EXPECT_FLOAT_EQ(p.nodes[1].pipeLength, 750);
    EXPECT_EQ(p.nodes[2].pipeLength, 0);
    EXPECT_DOUBLE_EQ(*p.chainageFactor, 1000);
    EXPECT_NEAR(*p.levelFactor, 0.3048, 1e-7);

    EXPECT_EQ(CalibrationProfileOf(*store, *results, 9999).nodes.size(), 500u);
    EXPECT_TRUE(CalibrationProfileOf(*store, *results, -3).nodes.empty());
    store->ChainageUnit = 4;
    EXPECT_FALSE(CalibrationProfileOf(*store, *results, 3).chainageFactor);
}

} // namespace
} // namespace vemora
