// Small projects built in code for the engine checks: metric units, levels in
// m, diameters in mm, demand in l/s, every pipe of the same size.
#pragma once

#include <memory>
#include <vector>

#include "engine/ConvertInputToSI.h"
#include "engine/PipeModel.h"
#include "engine/ResultsStore.h"
#include "engine/Roughness.h"
#include "project/ProjectStore.h"
#include "project/RecordStore.h"

namespace vemora::test {

struct Node
{
    float elevation; // m
    float chainage;  // m
};

// A gravity project from start level `top` to end level `bottom` over the nodes.
inline std::unique_ptr<ProjectStore> GravityProject(float top, float bottom,
                                                    const std::vector<Node>& nodes,
                                                    float diameterMm = 500,
                                                    float roughnessMm = 0.1f)
{
    auto s = std::make_unique<ProjectStore>();
    s->SystemType = 0;
    s->DesignLife = 10;
    s->BaseYear = 2020;
    s->SupplyStartYear = 2021;
    s->FixedDemand = 100;   // l/s
    s->FixedDemandUnit = 3; // l/s
    s->StartReservoirLevel = top;
    s->EndReservoirLevel = bottom;
    s->NodeCount = static_cast<int16_t>(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        s->NodeElevation[i + 1] = nodes[i].elevation;
        s->NodeAccumulatedLength[i + 1] = nodes[i].chainage;
        s->PipeDiameter[i + 1] = diameterMm;
        s->PipeCostPerMetre[i + 1] = 1000;
    }
    s->RoughnessNew = roughnessMm;
    s->RoughnessOld = roughnessMm;
    s->DeteriorationYears = 10;
    s->WaterPrice = 1;
    s->DiscountRate = 8;
    return s;
}

// A pumping project lifting from `suction` to `delivery` over the nodes with
// the given operating flow in l/s (no pump curve).
inline std::unique_ptr<ProjectStore> PumpingProject(float suction, float delivery,
                                                    const std::vector<Node>& nodes,
                                                    float operatingFlowLs = 100)
{
    auto s = GravityProject(suction, delivery, nodes);
    s->SystemType = 1;
    s->PumpCurveGiven = 0;
    s->OperatingFlowRate = operatingFlowLs;
    s->OperatingFlowRateUnit = 2; // l/s
    s->OperatingEfficiency = 75;
    s->PumpingHours = 20;
    s->SummerMonths = 6;
    for (int h = 1; h <= 24; ++h) {
        s->SummerHourPeriod[h] = h <= 8 ? 0 : (h <= 18 ? 1 : 2);
        s->WinterHourPeriod[h] = s->SummerHourPeriod[h];
    }
    s->TariffSummerOffPeak = s->TariffWinterOffPeak = 0.5f;
    s->TariffSummerStandard = s->TariffWinterStandard = 1.0f;
    s->TariffSummerPeak = s->TariffWinterPeak = 2.0f;
    return s;
}

// Six pump-curve points (head m, flow m³/s, efficiency %) set on a pumping project.
struct PumpPoint
{
    float head, flow, efficiency;
};
inline void SetPumpCurve(ProjectStore& s, const std::vector<PumpPoint>& points)
{
    s.PumpCurveGiven = 1;
    s.CurveHeadUnit = 0; // m
    s.CurveFlowUnit = 1; // m³/s
    for (int k = 1; k <= 6; ++k) {
        s.PumpCurve[1][k] = points[k - 1].head;
        s.PumpCurve[2][k] = points[k - 1].flow;
        s.PumpCurve[3][k] = points[k - 1].efficiency;
    }
}

// A pump that meets a lift of about 50 m over a short main near 0.3 m³/s.
inline const std::vector<PumpPoint> TypicalPumpCurve = {
    {100, 0, 40}, {95, 0.1f, 60}, {85, 0.2f, 70}, {70, 0.3f, 78}, {50, 0.4f, 74}, {25, 0.5f, 60}};

// A pumping main whose pipe ages over ten years until, after the first
// year, its pump can no longer deliver.
inline std::unique_ptr<ProjectStore> PumpOutgrownByAgeing()
{
    auto s = PumpingProject(0, 50, {{0, 0}, {45, 1000}});
    s->RoughnessOld = 50;
    s->DeteriorationYears = 10;
    SetPumpCurve(*s, {{51, 0.1f, 60},
                      {50.8f, 0.12f, 65},
                      {50.6f, 0.14f, 70},
                      {50.4f, 0.16f, 72},
                      {50.2f, 0.18f, 70},
                      {50, 0.2f, 65}});
    return s;
}

// The SI values and yearly roughness of `store` in `results` and its pipe
// model, as the hydraulics start from them; false when one of them fails.
inline bool BuildModel(const ProjectStore& store, ResultsStore& results, PipeModel& model)
{
    ConvertInputToSI(store, results);
    return AgeRoughness(store, results) && BuildPipeModel(store, results, model).Ok();
}

// Cement-mortar lining, wall thickness, secondary losses, laying rates, works,
// staff and other costs and rates: a value in every cost input of a project.
inline void AddCosts(ProjectStore& s)
{
    s.LiningSystem = 1;
    s.LiningThickness = 10;
    for (int i = 1; i <= s.NodeCount; ++i) {
        s.WallThickness[i] = 8;
        s.SecondaryLoss[i] = 0.5f;
    }
    s.LayingCost = {0, 150, 120, 400, 90, 30, 80, 15, 40, 10, 50, 50, 1.2f, 0.15f, 0};
    s.MechanicalWorksCost = 100000;
    s.ElectricalWorksCost = 50000;
    s.StaffCost[1] = {0, 300000, 50};
    s.StaffCost[8] = {0, 100000, 10};
    s.OtherExpenseAmount[5] = 1000;
    s.EscalationRate = 6;
    s.WaterPriceIncrease = 5;
    s.PrelimGeneralPercent = 10;
    s.ContingencyPercent = 10;
}

// The record a save of `store` writes, its unused profile rows marked empty
// (999999) so that a load finds NodeCount nodes again.
inline ProjectRecord SavedRecord(ProjectStore& store)
{
    for (int i = store.NodeCount + 1; i <= MaxNodes; ++i)
        store.NodeElevation[i] = store.NodeAccumulatedLength[i] = UnusedNode;
    CopyStoreToRecord(store, store.ProjectRec);
    return store.ProjectRec;
}

} // namespace vemora::test
