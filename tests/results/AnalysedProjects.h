// Projects that an analysis runs through with every table filled: a gravity
// project in Rand over a crest, a pumping project in Dollars with a pump
// curve, that pumping project in US units, and a gravity project of 100 years.
#pragma once

#include <memory>

#include "engine/EngineProjects.h"

namespace vemora::test {

// Costs and rates that make every series of the tables non-zero.
inline void CostTheProject(ProjectStore& s)
{
    s.BaseYear = 2018; // three construction years
    s.DesignLife = 12;
    s.MechanicalWorksCost = 350000;
    s.ElectricalWorksCost = 120000;
    s.PrelimGeneralPercent = 7.5f;
    s.ContingencyPercent = 10;
    s.EscalationRate = 8;
    s.SupervisionFees = 25000;
    s.MaintenancePipeline = 50; // 0.5 % a year
    s.MaintenanceMechanical = 200;
    s.MaintenanceElectrical = 150;
    s.StaffCost[1][1] = 180000;
    s.StaffCost[1][2] = 50;
    s.OtherExpenseAmount[1] = 12000;
    s.WaterPrice = 2.5f;
    s.WaterPriceIncrease = 6;
    s.RoughnessOld = 1; // mm: the flow falls as the pipe ages
    s.DeteriorationYears = 12;
    s.NodeTypeCode[1] = 1;
}

inline std::unique_ptr<ProjectStore> GravityCrestProject()
{
    auto s = GravityProject(100, 0, {{100, 0}, {98, 500}, {40, 1200}, {0, 2000}});
    CostTheProject(*s);
    s->FixedDemand = 1000; // l/s, more than the crest lets through
    s->NodeTypeCode[2] = 5;
    s->NodeTypeCode[4] = 1;
    return s;
}

inline std::unique_ptr<ProjectStore> PumpingCurveProject()
{
    auto s = PumpingProject(0, 50, {{0, 0}, {30, 600}, {45, 1000}});
    CostTheProject(*s);
    s->CurrencyCode = 1;
    s->FixedDemand = 200; // l/s
    s->NodeTypeCode[1] = 2;
    s->NodeTypeCode[3] = 1;
    SetPumpCurve(*s, {{90, 0.05f, 60},
                      {85, 0.1f, 70},
                      {78, 0.15f, 78},
                      {68, 0.2f, 80},
                      {55, 0.25f, 75},
                      {40, 0.3f, 65}});
    return s;
}

// The pumping project entered in US units: levels, elevations and lengths
// in ft, diameters in inches, the pump curve in ft and gal/s (USA), the
// demand in Million gal/day (USA).
inline std::unique_ptr<ProjectStore> UsPumpingProject()
{
    auto s = PumpingCurveProject();
    constexpr float ft = 0.3048f, inch = 0.0254f, gallon = 0.0037854118f;
    s->UnitSystem = 1;
    s->ElevationUnit = s->ChainageUnit = 2;
    s->StartReservoirLevelUnit = s->EndReservoirLevelUnit = 2;
    s->StartReservoirLevel /= ft;
    s->EndReservoirLevel /= ft;
    s->DiameterUnit = 2;
    s->RoughnessNewUnit = s->RoughnessOldUnit = 2;
    s->RoughnessNew = s->RoughnessNew / 1000 / inch;
    s->RoughnessOld = s->RoughnessOld / 1000 / inch;
    for (int i = 1; i <= s->NodeCount; ++i) {
        s->NodeElevation[i] /= ft;
        s->NodeAccumulatedLength[i] /= ft;
        s->PipeDiameter[i] = s->PipeDiameter[i] / 1000 / inch;
    }
    s->CurveHeadUnit = 1;
    s->CurveFlowUnit = 3;
    for (int k = 1; k <= 6; ++k) {
        s->PumpCurve[1][k] /= ft;
        s->PumpCurve[2][k] /= gallon;
    }
    s->FixedDemandUnit = 8; // Million gal/day (USA)
    s->FixedDemand = 200 * 0.001f / 0.043812636f;
    return s;
}

// The gravity project over its crest for 100 years, built within its first
// supply year (the project period holds 100 years at most), with the demand
// growing past what the pipe delivers.
inline std::unique_ptr<ProjectStore> CenturyGravityProject()
{
    auto s = GravityCrestProject();
    s->DesignLife = 100;
    s->BaseYear = s->SupplyStartYear;
    s->DeteriorationYears = 60;
    s->DemandMode = 1;
    s->YearDemandUnit = 3; // l/s
    for (int y = 1; y <= 100; ++y)
        s->YearDemand[y] = 150 + 6.0f * y;
    return s;
}

} // namespace vemora::test
