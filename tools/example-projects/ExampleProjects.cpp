#include "ExampleProjects.h"

#include <cstddef>

#include "project/ProjectDate.h"
#include "project/ProjectOptions.h"
#include "project/RecordStore.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

// A profile point: ground level and distance from the start (m), and the
// pipe that leaves it: nominal bore and wall (mm), cost (R/m), node type.
struct ProfilePoint
{
    float level, chainage, bore, wall, costPerMetre;
    int16_t type = 0;
};

// Node types as the profile grid lists them.
constexpr int16_t kReservoir = 1, kPumpstation = 2, kIsolatingValve = 3, kAirValve = 5, kBend45 = 7;

// A new project of the system type with the program's defaults (metric, Rand).
ProjectStore NewProject(bool pumping)
{
    ProjectStore s;
    s.SystemType = pumping ? PipelineSystem::Pumping : PipelineSystem::Gravity;
    WriteNewProjectDefaults(s, FormatProjectDate(2026, 3, 2));
    CopyRecordToStore(s.ProjectRec, s);
    s.Designer = "Vemora example";
    s.BaseYear = 2026;
    s.SupplyStartYear = 2028;
    s.DesignLife = 30;
    return s;
}

void SetProfile(ProjectStore& s, const std::vector<ProfilePoint>& points)
{
    s.NodeCount = static_cast<int16_t>(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::size_t n = i + 1;
        s.NodeElevation[n] = points[i].level;
        s.NodeAccumulatedLength[n] = points[i].chainage;
        s.PipeDiameter[n] = points[i].bore;
        s.WallThickness[n] = points[i].wall;
        s.PipeCostPerMetre[n] = points[i].costPerMetre;
        s.SecondaryLoss[n] = points[i].type == kBend45 ? 0.2f : 0.05f;
        s.NodeTypeCode[n] = points[i].type;
    }
}

// Cement-mortar lined steel, trench laying in mixed ground, works, staff
// and other running costs of a bulk-water scheme.
void SetCosts(ProjectStore& s)
{
    s.LiningSystem = LiningOption::Mortar;
    s.LiningThickness = 12;
    s.RoughnessNew = 0.1f; // mm
    s.RoughnessOld = 0.6f;
    s.DeteriorationYears = 20;
    // Laying, excavation, rock, bedding and blanket (R/m³), backfill; rock,
    // bedding and blanket imported (%); cover and over-excavation (m).
    s.LayingCost = {0, 180, 95, 420, 160, 35, 140, 30, 45, 15, 60, 40, 1.0f, 0.2f, 0};
    s.PrelimGeneralPercent = 12;
    s.ContingencyPercent = 10;
    s.SupervisionFees = 1800000;
    s.EscalationRate = 6;
    s.DiscountRate = 8;
    s.WaterPrice = 9.5f; // R/m³
    s.WaterPriceIncrease = 6;
    s.StaffCost[1] = {0, 650000, 20};
    s.StaffCost[4] = {0, 320000, 100};
    s.StaffCost[6] = {0, 180000, 100};
    s.OtherExpenseAmount[1] = 85000;
    s.OtherExpenseAmount[2] = 40000;
}

// Time-of-use tariffs (R/kWh): three winter months of high tariffs, peaks in
// the morning and evening, off-peak at night and from 22:00.
void SetTariffs(ProjectStore& s)
{
    s.SummerMonths = 9;
    s.PumpingHours = 20;
    s.TariffSummerPeak = 2.15f;
    s.TariffSummerStandard = 1.48f;
    s.TariffSummerOffPeak = 0.94f;
    s.TariffWinterPeak = 6.42f;
    s.TariffWinterStandard = 1.96f;
    s.TariffWinterOffPeak = 1.07f;
    for (int h = 1; h <= 24; ++h) { // hour h runs from h - 1 to h o'clock
        const bool night = h <= 6 || h >= 23;
        s.SummerHourPeriod[h] = night ? 0 : (h >= 8 && h <= 10) || h == 19 || h == 20 ? 2 : 1;
        s.WinterHourPeriod[h] = night ? 0 : (h >= 7 && h <= 9) || h == 18 || h == 19 ? 2 : 1;
    }
}

ExampleProject GravityMain()
{
    ProjectStore s = NewProject(false);
    s.ProjectName = "Gravity main from Kloof Dam to Riverside";
    s.ProjectDescription = "An 11.6 km steel main, DN 500 then DN 450, from the dam's outlet "
                           "works down to the town's reservoir, for a demand of 160 l/s.";
    s.FixedDemand = 160; // l/s
    s.StartReservoirLevel = 1312;
    s.EndReservoirLevel = 1248;
    SetProfile(s, {{1305, 0, 508, 6, 3350, kReservoir},
                   {1298, 650, 508, 6, 3350, kIsolatingValve},
                   {1291, 1400, 508, 6, 3350},
                   {1294, 2150, 508, 6, 3350, kAirValve},
                   {1284, 3000, 508, 6, 3350},
                   {1276, 3900, 508, 6, 3350, kBend45},
                   {1280, 4700, 508, 6, 3350, kAirValve},
                   {1268, 5600, 457, 6, 2900, kIsolatingValve},
                   {1262, 6500, 457, 6, 2900},
                   {1258, 7500, 457, 6, 2900, kBend45},
                   {1261, 8400, 457, 6, 2900, kAirValve},
                   {1252, 9400, 457, 6, 2900},
                   {1246, 10500, 457, 6, 2900, kIsolatingValve},
                   {1243, 11600, 457, 6, 2900, kReservoir}});
    SetCosts(s);
    s.MechanicalWorksCost = 950000; // valves and the outlet works
    s.ElectricalWorksCost = 0;
    return {"Gravity main.kpj", s};
}

// The profile of both pumping mains: from the pump station's sump up a
// valley side to a hilltop reservoir, 16 nodes over 8.2 km of DN 450 steel.
void SetRisingProfile(ProjectStore& s)
{
    s.StartReservoirLevel = 1020;
    s.EndReservoirLevel = 1105;
    SetProfile(s, {{1016, 0, 457, 8, 3100, kPumpstation},
                   {1019, 350, 457, 8, 3100, kIsolatingValve},
                   {1027, 900, 457, 8, 3100},
                   {1034, 1500, 457, 8, 3100, kBend45},
                   {1041, 2050, 457, 8, 3100, kAirValve},
                   {1038, 2600, 457, 8, 3100},
                   {1046, 3200, 457, 8, 3100},
                   {1055, 3800, 457, 8, 3100, kAirValve},
                   {1052, 4350, 457, 8, 3100, kIsolatingValve},
                   {1061, 4900, 457, 6, 2850},
                   {1070, 5500, 457, 6, 2850, kBend45},
                   {1077, 6050, 457, 6, 2850, kAirValve},
                   {1074, 6600, 457, 6, 2850},
                   {1085, 7150, 457, 6, 2850},
                   {1094, 7700, 457, 6, 2850, kIsolatingValve},
                   {1099, 8200, 457, 6, 2850, kReservoir}});
}

ExampleProject PumpingMainAtOperatingFlow()
{
    ProjectStore s = NewProject(true);
    s.ProjectName = "Pumping main to Hilltop reservoir";
    s.ProjectDescription = "An 8.2 km DN 450 steel rising main lifting 85 m from the river "
                           "works to the hilltop reservoir, pumped at 220 l/s for a demand "
                           "of 170 l/s.";
    s.FixedDemand = 170; // l/s
    SetRisingProfile(s);
    SetCosts(s);
    SetTariffs(s);
    s.PumpCurveGiven = PumpingOption::OperatingFlowRate;
    s.OperatingFlowRate = 220;
    s.OperatingFlowRateUnit = 2; // l/s
    s.OperatingEfficiency = 78;
    s.MechanicalWorksCost = 4200000;
    s.ElectricalWorksCost = 2600000;
    s.PumpType = "Two duty and one standby split-case pumps";
    return {"Pumping main.kpj", s};
}

ExampleProject PumpingMainWithPumpCurve()
{
    ProjectStore s = NewProject(true);
    s.ProjectName = "Pumping main with pump curve and growing demand";
    s.ProjectDescription = "The Hilltop rising main run by its pumps' curve: the demand grows "
                           "from 100 l/s in the first year of supply to 148 l/s.";
    s.DemandMode = DemandOption::Varying;
    s.YearDemandUnit = 3; // l/s
    for (int y = 1; y <= s.DesignLife; ++y)
        s.YearDemand[y] = y <= 25 ? 100 + 2.0f * (y - 1) : 148;
    SetRisingProfile(s);
    SetCosts(s);
    SetTariffs(s);
    s.PumpCurveGiven = PumpingOption::PumpCurve;
    s.CurveHeadUnit = 0; // m
    s.CurveFlowUnit = 0; // m³/h
    const float head[] = {140, 133, 123, 109, 91, 67};
    const float flow[] = {150, 400, 650, 900, 1150, 1400};
    const float efficiency[] = {42, 66, 79, 84, 81, 71};
    for (int k = 1; k <= 6; ++k) {
        s.PumpCurve[1][k] = head[k - 1];
        s.PumpCurve[2][k] = flow[k - 1];
        s.PumpCurve[3][k] = efficiency[k - 1];
    }
    s.MechanicalWorksCost = 4200000;
    s.ElectricalWorksCost = 2600000;
    s.PumpType = "Split-case pumps, 2 duty + 1 standby";
    s.PumpDescription = "Each pump 160 kW at 1480 rpm; the curve is that of the two duty "
                        "pumps running in parallel.";
    return {"Pumping main with pump curve.kpj", s};
}

} // namespace

std::vector<ExampleProject> ExampleProjects()
{
    return {GravityMain(), PumpingMainAtOperatingFlow(), PumpingMainWithPumpCurve()};
}

} // namespace vemora
