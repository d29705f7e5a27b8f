#include <gtest/gtest.h>

#include "EngineProjects.h"
#include "engine/ConvertInputToSI.h"
#include "project/UnitTables.h"

namespace vemora {
namespace {

using test::GravityProject;

TEST(ConvertInputToSI, InternalDiameterDeductsWallAndMortarLining)
{
    auto s = GravityProject(100, 50, {{100, 0}, {50, 1000}});
    s->PipeDiameter[1] = 500;
    s->WallThickness[1] = 10;
    s->LiningSystem = 1;
    s->LiningThickness = 12;
    auto r = std::make_unique<ResultsStore>();
    ASSERT_TRUE(ConvertInputToSI(*s, *r));
    EXPECT_NEAR(r->InnerDiameterSI[1], 0.456, 1e-6);
    EXPECT_NEAR(r->DoubleLiningSI, 0.024, 1e-7);

    s->LiningSystem = 0; // epoxy coated: the stored thickness is ignored
    ASSERT_TRUE(ConvertInputToSI(*s, *r));
    EXPECT_NEAR(r->InnerDiameterSI[1], 0.480, 1e-6);
    EXPECT_EQ(r->DoubleLiningSI, 0.0f);

    ASSERT_TRUE(ConvertInputToSI(*s, *r)); // a second run gives the same values
    EXPECT_NEAR(r->InnerDiameterSI[1], 0.480, 1e-6);
}

TEST(ConvertInputToSI, LevelsLengthsDemandAndPumpFactors)
{
    auto s = GravityProject(100, 50, {{100, 0}, {50, 2}, {40, 3}});
    s->ElevationUnit = 2;           // ft
    s->ChainageUnit = 1;            // km
    s->StartReservoirLevelUnit = 3; // miles
    s->FixedDemand = 10;            // l/s
    s->YearDemand[1] = 777;         // ignored for a fixed demand
    s->WaterPriceUnit = 1;          // per megalitre
    auto r = std::make_unique<ResultsStore>();
    ASSERT_TRUE(ConvertInputToSI(*s, *r));
    EXPECT_FLOAT_EQ(r->LevelUnitFactor, 0.3048f);
    EXPECT_FLOAT_EQ(r->StartLevelSI, 160934.4f);
    EXPECT_FLOAT_EQ(r->SectionLengthSI[1], 2000.0f);
    EXPECT_FLOAT_EQ(r->SectionLengthSI[2], 1000.0f);
    for (int y = 1; y <= s->DesignLife; ++y)
        EXPECT_FLOAT_EQ(r->YearDemandSI[y], 0.01f);
    EXPECT_FLOAT_EQ(r->SalesVolumeUnitFactor, 1000.0f);

    s->SystemType = 1;
    s->PumpCurveGiven = 0;
    s->OperatingFlowRate = 1;
    s->OperatingFlowRateUnit = 6; // million US gallons per hour
    ASSERT_TRUE(ConvertInputToSI(*s, *r));
    EXPECT_FLOAT_EQ(r->PumpFlowSI, 1.0515033f);

    EXPECT_NEAR(*PumpCurveFlowUnits.Factor(2), 7.8657904E-06, 1e-12);
    EXPECT_FLOAT_EQ(*OperatingFlowUnits.Factor(8), *FlowUnits.Factor(10));
    EXPECT_FALSE(OperatingFlowUnits.Factor(10).has_value());
}

// Every factor of every unit list, checked against the unit's own definition
// (1 ft = 0.3048 m, 1 US gal = 3.7854118 l, 1 gal (EUR) = 4.546092 l, ...).
TEST(UnitFactors, EveryListFactorMatchesItsUnit)
{
    constexpr double ft3 = 0.3048 * 0.3048 * 0.3048, usGal = 0.0037854118, eurGal = 0.004546092;
    const double flow[13] = {1000.0 / 86400,
                             1.0 / 3600,
                             1,
                             0.001,
                             ft3,
                             usGal,
                             usGal / 60,
                             usGal * 1e6 / 3600,
                             usGal * 1e6 / 86400,
                             eurGal,
                             eurGal / 60,
                             eurGal * 1e6 / 3600,
                             eurGal * 1e6 / 86400};
    for (int code = 0; code < 13; ++code)
        EXPECT_NEAR(*FlowUnits.Factor(code), flow[code], flow[code] * 2e-7) << code;
    const int operatingToFlow[10] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11};
    for (int code = 0; code < 10; ++code)
        EXPECT_EQ(*OperatingFlowUnits.Factor(code), *FlowUnits.Factor(operatingToFlow[code]))
            << code;
    const double curveFlow[4] = {1.0 / 3600, 1, ft3 / 3600, usGal};
    for (int code = 0; code < 4; ++code)
        EXPECT_NEAR(*PumpCurveFlowUnits.Factor(code), curveFlow[code], curveFlow[code] * 2e-7);
    EXPECT_EQ(*PumpHeadUnits.Factor(0), 1.0f);
    EXPECT_EQ(*PumpHeadUnits.Factor(1), 0.3048f);
    const float length[4] = {1, 1000, 0.3048f, 1609.344f};
    const float dimension[4] = {0.001f, 1, 0.0254f, 0.3048f};
    const double volume[4] = {1, 1000, ft3, usGal};
    for (int code = 0; code < 4; ++code) {
        EXPECT_EQ(*LengthUnits.Factor(code), length[code]) << code;
        EXPECT_EQ(*PipeDimensionUnits.Factor(code), dimension[code]) << code;
        EXPECT_NEAR(*WaterSalesVolumeUnits.Factor(code), volume[code], volume[code] * 2e-7);
    }
    EXPECT_FLOAT_EQ(*PipeDimensionToMetres(500, 0), 0.5f);
    EXPECT_FLOAT_EQ(*PipeDimensionToMetres(20, 2), 0.508f);
    for (int bad : {-1, 13})
        EXPECT_FALSE(FlowUnits.Factor(bad).has_value());
    for (int bad : {-1, 4}) {
        EXPECT_FALSE(LengthUnits.Factor(bad).has_value());
        EXPECT_FALSE(PipeDimensionToMetres(1, bad).has_value());
        EXPECT_FALSE(WaterSalesVolumeUnits.Factor(bad).has_value());
        EXPECT_FALSE(PumpCurveFlowUnits.Factor(bad).has_value());
    }
    EXPECT_FALSE(PumpHeadUnits.Factor(2).has_value());
}

TEST(ConvertInputToSI, VaryingDemandUsesItsOwnUnit)
{
    auto s = GravityProject(100, 50, {{100, 0}, {50, 1000}});
    s->DemandMode = 1;
    s->YearDemandUnit = 0; // megalitres per day
    for (int y = 1; y <= s->DesignLife; ++y)
        s->YearDemand[y] = static_cast<float>(y);
    auto r = std::make_unique<ResultsStore>();
    ASSERT_TRUE(ConvertInputToSI(*s, *r));
    EXPECT_FLOAT_EQ(r->DemandUnitFactor, 0.011574074f);
    EXPECT_FLOAT_EQ(r->YearDemandSI[4], 4 * 0.011574074f);
}

TEST(ConvertInputToSI, UnknownUnitCodeKeepsTheValueAndIsReported)
{
    auto s = GravityProject(100, 50, {{100, 0}, {50, 1000}});
    auto r = std::make_unique<ResultsStore>();
    ASSERT_TRUE(ConvertInputToSI(*s, *r));
    s->DiameterUnit = 9;
    s->StartReservoirLevel = 120;
    s->StartReservoirLevelUnit = -1;
    EXPECT_FALSE(ConvertInputToSI(*s, *r));
    EXPECT_NEAR(r->InnerDiameterSI[1], 0.5, 1e-7);
    EXPECT_FALSE(ConvertInputToSI(*s, *r)); // no drift on a second run
    EXPECT_NEAR(r->InnerDiameterSI[1], 0.5, 1e-7);
    EXPECT_FLOAT_EQ(r->StartLevelSI, 100.0f);
}

TEST(CopyLayingRates, UsTablesAreConvertedToMetres)
{
    auto s = GravityProject(100, 50, {{100, 0}, {50, 1000}});
    for (int i = 1; i <= 13; ++i)
        s->LayingCost[i] = static_cast<float>(i);
    auto r = std::make_unique<ResultsStore>();
    CopyLayingRates(*s, *r);
    EXPECT_FLOAT_EQ(r->LayingCostRate, 1);
    EXPECT_FLOAT_EQ(r->BackfillingRate, 8);
    EXPECT_FLOAT_EQ(r->RockPercent, 9);
    EXPECT_FLOAT_EQ(r->ExcavationBelowInvert, 13);

    s->UnitSystem = 1;
    CopyLayingRates(*s, *r);
    EXPECT_NEAR(r->LayingCostRate, 1 / 0.3048, 1e-5);         // per ft -> per m
    EXPECT_NEAR(r->ExcavationRate, 2 / 0.028316846592, 1e-3); // per ft³ -> per m³
    EXPECT_NEAR(r->BackfillingRate, 8 / 0.028316846592, 1e-3);
    EXPECT_FLOAT_EQ(r->RockPercent, 9);               // percentages unchanged
    EXPECT_NEAR(r->RequiredCover, 12 * 0.3048, 1e-5); // ft -> m
    EXPECT_NEAR(r->ExcavationBelowInvert, 13 * 0.3048, 1e-5);
}

} // namespace
} // namespace vemora
