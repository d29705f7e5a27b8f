// Two projects that an analysis runs through with every table filled: a
// gravity project in Rand over a crest, and a pumping project in Dollars
// with a pump curve.
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

} // namespace vemora::test
