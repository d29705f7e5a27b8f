#include <gtest/gtest.h>

#include <cmath>

#include "EngineProjects.h"
#include "engine/AnalysisRun.h"
#include "engine/CapitalCost.h"
#include "engine/SupplyAndIncome.h"
#include "engine/TariffSplit.h"
#include "engine/YearlyCosts.h"

namespace vemora {
namespace {

using test::GravityProject;
using test::PumpingProject;

std::unique_ptr<ProjectStore> SimpleGravity()
{
    return GravityProject(100, 50, {{100, 0}, {50, 1000}});
}

TEST(TariffSplit, CheapestHoursAreFilledFirst)
{
    auto s = PumpingProject(0, 10, {{0, 0}, {5, 1000}}); // 8 off-peak, 10 standard, 6 peak
    s->DesignLife = 4;
    s->WinterHourPeriod.fill(0); // every winter hour off-peak
    auto r = std::make_unique<ResultsStore>();
    const float hours[] = {20, 12, 5, 0};
    for (int y = 1; y <= 4; ++y)
        r->YearPumpingHours[y] = hours[y - 1];
    r->YearSummerStandardHours[3] = 99; // stale values are overwritten
    AllocatePumpingHoursToTariffPeriods(*s, *r);
    EXPECT_EQ(r->SummerOffPeakHourCount, 8);
    EXPECT_EQ(r->SummerStandardHourCount, 10);
    EXPECT_EQ(r->SummerPeakHourCount, 6);
    const float expected[4][3] = {{8, 10, 2}, {8, 4, 0}, {5, 0, 0}, {0, 0, 0}};
    for (int y = 1; y <= 4; ++y) {
        EXPECT_EQ(r->YearSummerOffPeakHours[y], expected[y - 1][0]) << y;
        EXPECT_EQ(r->YearSummerStandardHours[y], expected[y - 1][1]) << y;
        EXPECT_EQ(r->YearSummerPeakHours[y], expected[y - 1][2]) << y;
        EXPECT_EQ(r->YearWinterOffPeakHours[y], hours[y - 1]);
        EXPECT_EQ(r->YearWinterStandardHours[y] + r->YearWinterPeakHours[y], 0);
    }
    const SeasonSplit noOffPeak = SplitSeasonHours(12, 0, 10);
    EXPECT_EQ(noOffPeak.Standard, 10);
    EXPECT_EQ(noOffPeak.Peak, 2);
}

TEST(CapitalCost, FeeScalesAtTheirBreakpoints)
{
    EXPECT_FLOAT_EQ(PipeWorksFee(400000), 50000);
    EXPECT_FLOAT_EQ(PipeWorksFee(800000), 100000);
    EXPECT_FLOAT_EQ(PipeWorksFee(3400000), 360000);
    EXPECT_FLOAT_EQ(PipeWorksFee(13100000), 1087500);
    EXPECT_FLOAT_EQ(PipeWorksFee(20000000), 1087500 + 0.055f * 6900000);
    EXPECT_FLOAT_EQ(MechanicalElectricalFee(0), 0);
    EXPECT_FLOAT_EQ(MechanicalElectricalFee(800000), 100000);
    EXPECT_FLOAT_EQ(MechanicalElectricalFee(2500000), 270000);
    EXPECT_FLOAT_EQ(MechanicalElectricalFee(7400000), 662000);
    EXPECT_FLOAT_EQ(MechanicalElectricalFee(17100000), 1341000);
    EXPECT_FLOAT_EQ(MechanicalElectricalFee(31400000), 2199000);
    EXPECT_FLOAT_EQ(MechanicalElectricalFee(41400000), 2199000 + 550000);
}

TEST(CapitalCost, TrenchWidthsAtTheBandLimits)
{
    EXPECT_FLOAT_EQ(TrenchWidth(0.7f), 1.3f);
    EXPECT_FLOAT_EQ(TrenchWidth(0.71f), 1.51f);
    EXPECT_FLOAT_EQ(TrenchWidth(1.0f), 1.8f);
    EXPECT_FLOAT_EQ(TrenchWidth(2.0f), 3.0f);
    EXPECT_FLOAT_EQ(TrenchWidth(2.5f), 3.7f);
}

TEST(CapitalCost, EscalationOverTwelveMonths)
{
    EXPECT_NEAR(ConstructionEscalation(1000000, 12, 12), 67444.00, 0.01);
    EXPECT_EQ(ConstructionEscalation(1000000, 0, 12), 0.0f);
    EXPECT_EQ(ConstructionEscalation(1000000, -12, 12), 0.0f);
}

TEST(CapitalCost, SectionItemsAndTotals)
{
    auto s = SimpleGravity(); // one 1000 m section of 500 mm at 1000 per metre
    s->LayingCost = {0, 50, 100, 300, 80, 20, 70, 10, 30, 25, 50, 40, 1.2f, 0.15f, 0};
    s->MechanicalWorksCost = 500000;
    s->ElectricalWorksCost = 300000;
    s->PrelimGeneralPercent = 10;
    s->ContingencyPercent = 5;
    s->EscalationRate = 12;
    auto r = std::make_unique<ResultsStore>();
    ASSERT_EQ(RunAnalysis(*s, *r, 25000).Status, AnalysisStatus::Completed);

    const double D = 0.5, L = 1000, W = 1.1, C = 1.2, U = 0.15, E = C + D + U;
    EXPECT_NEAR(r->SectionExcavationCost[1], E * 100 * W * L * 0.75 + E * 300 * W * L * 0.25, 1);
    EXPECT_NEAR(r->SectionBeddingCost[1], 20 * W * U * L * 0.5 + 80 * W * U * L * 0.5, 0.1);
    const double A = 3.14159265359 / 4 * D * D;
    EXPECT_NEAR(r->SectionBlanketCost[1],
                (D + 0.1) * W * L * (10 * 0.6 + 70 * 0.4) - A * L * (70 * 0.4 + 10 * 0.6), 0.5);
    EXPECT_NEAR(r->SectionBackfillCost[1], 30 * W * L * (C - 0.1), 0.1);
    EXPECT_FLOAT_EQ(r->SectionLayingCost[1], 50000);
    EXPECT_FLOAT_EQ(r->PipeSupplyCost, 1000000);
    const double laying = r->SectionExcavationCost[1] + r->SectionBeddingCost[1] +
                          r->SectionBlanketCost[1] + r->SectionBackfillCost[1] +
                          r->SectionLayingCost[1];
    EXPECT_NEAR(r->PipeLayingCost, laying, 0.5);
    const double S = (laying + 1000000 + 800000) * 1.1 * 1.05;
    EXPECT_NEAR(r->ConstructionSubtotal, S, 1);
    const double esc = ConstructionEscalation(static_cast<float>(S), 12, 12);
    EXPECT_NEAR(r->EscalationCost, esc, 1);
    const double P0 = (laying + 1000000) * 1.1 * 1.05, Q0 = 800000 * 1.1 * 1.05;
    const double fees =
        PipeWorksFee(P0 + esc * P0 / S) + MechanicalElectricalFee(Q0 + esc * Q0 / S);
    EXPECT_NEAR(r->ConsultingFees, fees, 1);
    EXPECT_FLOAT_EQ(r->SupervisionCost, 25000);
    EXPECT_NEAR(r->TotalCapitalCost, (esc + S + fees + 25000) * 1.14, 4);
}

TEST(CapitalCost, ProjectWithoutCapitalIsCostedNotFailed)
{
    auto s = SimpleGravity();
    s->PipeCostPerMetre[1] = 0;
    auto r = std::make_unique<ResultsStore>();
    ASSERT_EQ(RunAnalysis(*s, *r, 0).Status, AnalysisStatus::Completed);
    EXPECT_EQ(r->ConstructionSubtotal, 0.0f);
    EXPECT_EQ(r->EscalationCost, 0.0f);
    EXPECT_EQ(r->ConsultingFees, 0.0f);
    EXPECT_EQ(r->TotalCapitalCost, 0.0f);
}

// Results holding a capital of 1000 and operating costs of 100 a year for two years.
std::unique_ptr<ResultsStore> TwoYearCosts(float income)
{
    auto r = std::make_unique<ResultsStore>();
    r->TotalCapitalCost = 1000;
    for (int y = 1; y <= 2; ++y) {
        r->YearMaintenance[y] = 60;
        r->YearOperational[y] = 40;
        r->YearIncome[y] = income;
    }
    return r;
}

TEST(PresentValues, ConstructionYearsShiftTheDiscounting)
{
    auto s = SimpleGravity();
    s->DesignLife = 2;
    s->DiscountRate = 10;
    const struct
    {
        int C;
        double npvE, npvI;
    } cases[] = {
        {0, 1000 + 100 + 100 / 1.1, 500 + 500 / 1.1},
        {1, 1000 + 100 / 1.1 + 100 / 1.21, 500 / 1.1 + 500 / 1.21},
        {3, 1000.0 / 3 * (1 + 1 / 1.1 + 1 / 1.21) + 100 / std::pow(1.1, 3) + 100 / std::pow(1.1, 4),
         500 / std::pow(1.1, 3) + 500 / std::pow(1.1, 4)},
    };
    for (const auto& c : cases) {
        s->SupplyStartYear = static_cast<int16_t>(s->BaseYear + c.C);
        auto r = TwoYearCosts(500);
        CalcPresentValues(*s, *r);
        EXPECT_NEAR(r->NpvExpenditure, c.npvE, 1e-3) << c.C;
        EXPECT_NEAR(r->NpvIncome, c.npvI, 1e-3) << c.C;
        for (int t = 1; t <= c.C; ++t)
            EXPECT_NEAR(r->YearExpenditure[t], 1000.0 / c.C, 1e-3);
        EXPECT_FLOAT_EQ(r->YearExpenditure[c.C + 1], 100);
        EXPECT_FLOAT_EQ(r->YearExpenditure[c.C + 2], 100);
    }
}

TEST(InternalRateOfReturn, CapitalOneYearIncomeTwoYears)
{
    auto s = SimpleGravity();
    s->DesignLife = 2;
    s->SupplyStartYear = static_cast<int16_t>(s->BaseYear + 1);
    auto r = TwoYearCosts(600);
    r->YearMaintenance = {};
    r->YearOperational = {};
    ScanInternalRateOfReturn(*s, *r);
    ASSERT_TRUE(r->IrrFound);
    EXPECT_NEAR(r->Irr, 13.066, 5e-4);
    EXPECT_FLOAT_EQ(r->IrrRate[20000], 200.0f);
    EXPECT_NEAR(r->IrrPvDifference[0], 200.0, 1e-9);

    // Costs above income at every rate: no IRR, and the earlier value is not shown.
    auto none = TwoYearCosts(10);
    none->Irr = 13;
    none->IrrFound = true;
    ScanInternalRateOfReturn(*s, *none);
    EXPECT_FALSE(none->IrrFound);
}

TEST(SupplyAndShortage, GravityDemandAgainstYield)
{
    auto s = SimpleGravity(); // fixed demand 100 l/s
    s->DesignLife = 2;
    auto r = std::make_unique<ResultsStore>();
    r->DemandUnitFactor = 0.001f;
    r->SalesVolumeUnitFactor = 1;
    r->YearDemandSI[1] = r->YearDemandSI[2] = 0.1f;
    r->YearFlow[1] = 0.12f;
    r->YearFlow[2] = 0.08f;
    CalcSupplyAndShortage(*s, *r);
    EXPECT_EQ(r->YearShortage[1], 0.0f);
    EXPECT_NEAR(r->YearShortage[2], 20.0, 1e-4);
    CalcWaterSalesIncome(*s, *r);
    EXPECT_NEAR(r->YearIncome[1], 0.1 * 31536000, 1);
    EXPECT_NEAR(r->YearIncome[2], 0.08 * 31536000, 1);
}

TEST(SupplyAndShortage, PumpingHoursFollowTheDemand)
{
    auto s = PumpingProject(0, 10, {{0, 0}, {5, 1000}}); // 20 pumping hours
    s->DesignLife = 2;
    auto r = std::make_unique<ResultsStore>();
    r->DemandUnitFactor = 1; // m³/s
    r->OperatingFlowUnitFactor = 0.001f;
    s->OperatingFlowRate = 150; // l/s
    r->YearDemandSI[1] = 0.1f;
    r->YearDemandSI[2] = 0.2f;
    CalcSupplyAndShortage(*s, *r);
    EXPECT_FLOAT_EQ(r->YearFlow[1], 0.15f);
    EXPECT_EQ(r->YearShortage[1], 0.0f);
    EXPECT_NEAR(r->YearPumpingHours[1], 16.0, 1e-5);
    EXPECT_NEAR(r->YearShortage[2], 0.075, 1e-7);
    EXPECT_FLOAT_EQ(r->YearPumpingHours[2], 20);
}

TEST(WaterSalesIncome, PricePerCubicMetreOrPerMegalitre)
{
    auto s = SimpleGravity();
    s->DesignLife = 3;
    s->WaterPrice = 2.0f;
    s->WaterPriceIncrease = 5;
    auto r = std::make_unique<ResultsStore>();
    for (int y = 1; y <= 3; ++y) {
        r->YearDemandSI[y] = 0.1f;
        r->YearFlow[y] = 0.3f;
    }
    r->SalesVolumeUnitFactor = 1;
    CalcWaterSalesIncome(*s, *r);
    const double expected = 1.1025 * 0.1f * 31536000 * 2.0;
    EXPECT_NEAR(r->YearIncome[3], expected, expected * 1e-6);

    s->WaterPrice = 2000; // per megalitre
    r->SalesVolumeUnitFactor = 1000;
    CalcWaterSalesIncome(*s, *r);
    EXPECT_NEAR(r->YearIncome[3], expected, expected * 1e-6);
}

// A pumping year with a 50 m head, 0.1 m³/s and 8/10/2 tariff hours each day.
std::unique_ptr<ResultsStore> EnergyYear(float gradeline)
{
    auto r = std::make_unique<ResultsStore>();
    r->StartLevelSI = 10;
    r->Gradeline(1, 1) = gradeline;
    r->YearFlow[1] = 0.1f;
    r->YearDemandSI[1] = 0.05f;
    r->YearSummerOffPeakHours[1] = r->YearWinterOffPeakHours[1] = 8;
    r->YearSummerStandardHours[1] = r->YearWinterStandardHours[1] = 10;
    r->YearSummerPeakHours[1] = r->YearWinterPeakHours[1] = 2;
    return r;
}

TEST(EnergyCost, OperatingFlowHeadFromTheReservoirAndEfficiency)
{
    auto s = PumpingProject(0, 10, {{0, 0}, {5, 1000}}); // efficiency 75 %, 0.5/1/2 per kWh
    s->DesignLife = 1;
    s->StartReservoirLevel = 33; // in feet, with metre elevations: not what the head uses
    s->StartReservoirLevelUnit = 2;
    auto r = EnergyYear(60);
    ASSERT_TRUE(CalcYearlyCosts(*s, *r).Ok());
    const double tariff = (8 * 0.5 + 10 * 1.0 + 2 * 2.0) * 365.0;
    EXPECT_NEAR(r->YearEnergy[1], 50 * 0.1 * 9.81 * tariff / (0.75 * 0.95), 0.5);

    auto downhill = EnergyYear(5); // the pump would lose head: buys nothing
    ASSERT_TRUE(CalcYearlyCosts(*s, *downhill).Ok());
    EXPECT_EQ(downhill->YearEnergy[1], 0.0f);

    s->OperatingEfficiency = 0;
    EXPECT_EQ(CalcYearlyCosts(*s, *r).Kind, FailureKind::ZeroOperatingEfficiency);
}

TEST(YearlyCosts, ProjectPeriodMustFitOneHundredYears)
{
    auto s = SimpleGravity();
    s->DesignLife = 95;
    s->SupplyStartYear = static_cast<int16_t>(s->BaseYear + 5);
    EXPECT_TRUE(CheckProjectPeriod(*s).Ok());
    s->SupplyStartYear = static_cast<int16_t>(s->BaseYear + 6);
    EXPECT_EQ(CheckProjectPeriod(*s).Kind, FailureKind::PeriodTooLong);
    s->DesignLife = 10;
    s->SupplyStartYear = static_cast<int16_t>(s->BaseYear - 1);
    EXPECT_EQ(CheckProjectPeriod(*s).Kind, FailureKind::SupplyBeforeStart);
    s->SupplyStartYear = s->BaseYear;
    s->DesignLife = 0;
    EXPECT_EQ(CheckProjectPeriod(*s).Kind, FailureKind::NoDesignLife);
}

} // namespace
} // namespace vemora
