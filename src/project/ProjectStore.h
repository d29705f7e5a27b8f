// The project data store: the one project held by the program, in the units the
// user entered (each value beside its unit code), with the per-project
// preferences, the file bookkeeping and the state flags.
//
// Plain data with no behaviour. One instance lives for the whole run and is
// passed by reference to whatever reads or writes it. Arrays keep the
// program's 1-based indexing: element 0 is unused.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "project/ProjectRecord.h"

namespace vemora {

constexpr int MaxNodes = 500;
constexpr int MaxYears = 100;
constexpr float UnusedNode = 999999.0f;

template <typename T, int N> using Array1 = std::array<T, N + 1>; // indexes 1..N

struct ProjectStore
{
    // Preferences
    int16_t UnitSystem = 0;   // 0 metric, 1 US
    int16_t CurrencyCode = 0; // 0 Rand "R", any other value Dollar "$"
    float PrelimGeneralPercent = 0;
    float ContingencyPercent = 0;

    // Header
    int16_t SystemType = 0; // 0 gravity, 1 pumping
    std::string ProjectName;
    std::string Designer;
    std::string ProjectDate;
    std::string ProjectDescription;

    // Years
    int16_t DesignLife = 0;
    int16_t BaseYear = 0;
    int16_t SupplyStartYear = 0;

    // Demand
    float FixedDemand = 0;
    int16_t FixedDemandUnit = 0;
    int16_t DemandMode = 0; // 0 fixed, 1 per year
    Array1<float, MaxYears> YearDemand{};
    int16_t YearDemandUnit = 0;

    // Reservoirs
    float StartReservoirLevel = 0;
    float EndReservoirLevel = 0;
    int16_t StartReservoirLevelUnit = 0;
    int16_t EndReservoirLevelUnit = 0;

    // Profile, nodes 1..MaxNodes in profile order
    Array1<int16_t, MaxNodes> NodeNumber{};
    Array1<float, MaxNodes> NodeElevation{};
    Array1<float, MaxNodes> NodeAccumulatedLength{};
    Array1<float, MaxNodes> PipeDiameter{};
    Array1<float, MaxNodes> WallThickness{};
    Array1<float, MaxNodes> PipeCostPerMetre{};
    Array1<float, MaxNodes> SecondaryLoss{};
    Array1<int16_t, MaxNodes> NodeTypeCode{};
    int16_t ElevationUnit = 0;
    int16_t ChainageUnit = 0;
    int16_t DiameterUnit = 0;
    int16_t WallThicknessUnit = 0;

    // Lining and roughness
    int16_t LiningSystem = 0; // 0 Epoxy coated, 1 cement mortar or other
    float LiningThickness = 0;
    int16_t LiningThicknessUnit = 0;
    float RoughnessNew = 0;
    float RoughnessOld = 0;
    float DeteriorationYears = 0;
    int16_t RoughnessNewUnit = 0;
    int16_t RoughnessOldUnit = 0;

    // Laying, indexed by laying item 1..14
    Array1<float, 14> LayingCost{};

    // Costs and rates
    float MechanicalWorksCost = 0;
    float ElectricalWorksCost = 0;
    float DiscountRate = 0;
    float EscalationRate = 0;
    float EnergyEscalationRate = 0;
    float SupervisionFees = 0;
    int16_t MaintenanceMechanical = 0; // hundredths of a percent per year
    int16_t MaintenanceElectrical = 0;
    int16_t MaintenancePipeline = 0;

    // Income
    float WaterPrice = 0;
    int16_t WaterPriceUnit = 0;
    float WaterPriceIncrease = 0;

    // Operation: StaffCost[i][1] annual package, [i][2] percentage of time
    Array1<Array1<float, 2>, 8> StaffCost{};
    Array1<float, 5> OtherExpenseAmount{};

    // Pump: PumpCurve[1][k] head, [2][k] flow, [3][k] efficiency % of point k
    int16_t PumpCurveGiven = 0; // 0 operating flow rate, 1 pump curve
    Array1<Array1<float, 6>, 3> PumpCurve{};
    int16_t CurveHeadUnit = 0;
    int16_t CurveFlowUnit = 0;
    float OperatingEfficiency = 0;
    float OperatingFlowRate = 0;
    int16_t OperatingFlowRateUnit = 0;
    std::string PumpType;
    std::string PumpDescription;

    // Energy
    int16_t SummerMonths = 0;
    int16_t PumpingHours = 0;
    float TariffSummerPeak = 0;
    float TariffSummerStandard = 0;
    float TariffSummerOffPeak = 0;
    float TariffWinterPeak = 0;
    float TariffWinterStandard = 0;
    float TariffWinterOffPeak = 0;
    Array1<int16_t, 24> SummerHourPeriod{}; // 0 off-peak, 1 standard, 2 peak
    Array1<int16_t, 24> WinterHourPeriod{};

    // Number of profile nodes in use (0..MaxNodes)
    int16_t NodeCount = 0;

    // File bookkeeping
    std::string ProjectFilePath;

    // The in-memory record that loading reads from and saving writes into
    ProjectRecord ProjectRec{};

    // State flags
    bool ProjectOpen = false;
    bool ResultsValid = false;
    bool HighPointFlag = false;
    bool GradelineFailed = false;
};

} // namespace vemora
