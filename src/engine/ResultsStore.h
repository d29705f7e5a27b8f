// The results store: what an analysis computes from the project data store,
// read by the results windows and reports. Plain data with the engine's names.
// Small arrays keep the 1-based indexing of the project store (element 0
// unused); the large tables live on the heap behind accessors that check every
// index in every build (std::out_of_range), since years and nodes may come
// from a file or from the user.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "project/ProjectStore.h"

namespace vemora {

constexpr int MaxSystemSamples = 10000; // system-curve samples per year
constexpr int MaxIrrSteps = 20000;      // IRR scan steps 0..20000 (0.01 % each)

// A table of per-node (or per-section) values by year: index FirstIndex..MaxNodes
// by year 1..MaxYears, one year's values contiguous.
template <typename T, int FirstIndex> class NodeYearTable
{
  public:
    static constexpr int Width = MaxNodes - FirstIndex + 1;

    NodeYearTable() : data_(static_cast<std::size_t>(Width) * MaxYears, T{}) {}

    static bool InRange(int index, int year)
    {
        return index >= FirstIndex && index <= MaxNodes && year >= 1 && year <= MaxYears;
    }
    T& operator()(int index, int year) { return data_[Offset(index, year)]; }
    const T& operator()(int index, int year) const { return data_[Offset(index, year)]; }
    // The values FirstIndex..MaxNodes of one year, as a contiguous block.
    T* Year(int year) { return &data_[Offset(FirstIndex, year)]; }
    const T* Year(int year) const { return &data_[Offset(FirstIndex, year)]; }

  private:
    static std::size_t Offset(int index, int year)
    {
        if (!InRange(index, year)) throw std::out_of_range("node-year table index");
        return static_cast<std::size_t>(year - 1) * Width +
               static_cast<std::size_t>(index - FirstIndex);
    }
    std::vector<T> data_;
};

// System-curve samples by year: year 1..MaxYears by sample 1..MaxSystemSamples.
class YearSampleTable
{
  public:
    YearSampleTable() : data_(static_cast<std::size_t>(MaxYears) * MaxSystemSamples, 0.0f) {}

    static bool InRange(int year, int sample)
    {
        return year >= 1 && year <= MaxYears && sample >= 1 && sample <= MaxSystemSamples;
    }
    float& operator()(int year, int sample) { return data_[Offset(year, sample)]; }
    float operator()(int year, int sample) const { return data_[Offset(year, sample)]; }
    // The samples 1..MaxSystemSamples of one year, as a contiguous block.
    float* Year(int year) { return &data_[Offset(year, 1)]; }
    const float* Year(int year) const { return &data_[Offset(year, 1)]; }

  private:
    static std::size_t Offset(int year, int sample)
    {
        if (!InRange(year, sample)) throw std::out_of_range("year-sample table index");
        return static_cast<std::size_t>(year - 1) * MaxSystemSamples +
               static_cast<std::size_t>(sample - 1);
    }
    std::vector<float> data_;
};

using YearArray = Array1<float, MaxYears>; // years 1..100
using NodeArray = Array1<float, MaxNodes>; // nodes or sections 1..500

struct ResultsStore
{
    // ---- SI working values and unit factors (set by ConvertInputToSI) ----
    float StartLevelSI = 0;            // m
    float EndLevelSI = 0;              // m
    float LevelUnitFactor = 0;         // m per unit of the elevation unit
    NodeArray InnerDiameterSI{};       // m, pipe leaving node i
    float DoubleLiningSI = 0;          // m
    float DoubleWallSI = 0;            // m (working value of the last node converted)
    float RoughnessNewSI = 0;          // m
    float RoughnessOldSI = 0;          // m
    float RoughnessUnitFactor = 0;     // m per unit of the new-roughness unit
    NodeArray SectionLengthSI{};       // m, section j from node j to node j + 1
    float DemandUnitFactor = 0;        // m³/s per demand unit
    YearArray YearDemandSI{};          // m³/s
    float OperatingFlowUnitFactor = 0; // m³/s per operating-flow unit
    float PumpFlowSI = 0;              // m³/s (operating flow, or the last duty flow)
    float PumpHeadUnitFactor = 0;      // m per pump-curve head unit
    float PumpFlowUnitFactor = 0;      // m³/s per pump-curve flow unit
    float SalesVolumeUnitFactor = 0;   // m³ per water-price volume unit

    // ---- Laying working values (CopyLayingRates), in metric units ----
    float LayingCostRate = 0;     // per m of pipe
    float ExcavationRate = 0;     // per m³
    float RockExcavationRate = 0; // per m³
    float BeddingImportRate = 0;  // per m³
    float BeddingTrenchRate = 0;  // per m³
    float BlanketImportRate = 0;  // per m³
    float BlanketTrenchRate = 0;  // per m³
    float BackfillingRate = 0;    // per m³
    float RockPercent = 0;
    float BeddingImportPercent = 0;
    float BlanketImportPercent = 0;
    float RequiredCover = 0;         // m
    float ExcavationBelowInvert = 0; // m

    // ---- Yearly hydraulics ----
    YearArray YearRoughness{};                 // m
    NodeYearTable<float, 1> FrictionFactor;    // (section j, year)
    NodeYearTable<float, 1> FrictionHeadLoss;  // m
    NodeYearTable<float, 1> SecondaryHeadLoss; // m
    YearArray YearFlow{};                      // m³/s
    NodeYearTable<float, 0> Gradeline;         // (node 0..500, year), m
    YearArray YearPumpEfficiency{};            // %
    YearArray YearPumpHead{};                  // m
    YearArray YearDutyFlow{};                  // m³/s
    YearArray YearDutyEfficiency{};            // %
    int16_t DutyYear = 0;
    float PumpEfficiency = 0; // % at the last duty point

    // ---- Pump duty point ----
    std::vector<float> SystemHead = std::vector<float>(MaxSystemSamples + 1, 0.0f); // 1..10000, m
    YearSampleTable YearSystemHead;                                                 // m
    YearSampleTable YearSystemFlow;                                                 // m³/s
    float DutyFlow = 0;                                                             // m³/s
    float DutyEfficiency = 0;                                                       // %

    // ---- Supply, shortage, pumping hours and income ----
    YearArray YearShortage{};     // in the demand input's unit
    YearArray YearPumpingHours{}; // h/day
    YearArray YearIncome{};       // currency

    // ---- Tariff-period split (hours per day) ----
    float SummerOffPeakHourCount = 0, SummerStandardHourCount = 0, SummerPeakHourCount = 0;
    float WinterOffPeakHourCount = 0, WinterStandardHourCount = 0, WinterPeakHourCount = 0;
    float SummerOffPeakPumpHours = 0, SummerStandardPumpHours = 0, SummerPeakPumpHours = 0;
    float WinterOffPeakPumpHours = 0, WinterStandardPumpHours = 0, WinterPeakPumpHours = 0;
    YearArray YearSummerOffPeakHours{}, YearSummerStandardHours{}, YearSummerPeakHours{};
    YearArray YearWinterOffPeakHours{}, YearWinterStandardHours{}, YearWinterPeakHours{};

    // ---- Capital cost (currency) ----
    NodeArray SectionExcavationCost{}, SectionBeddingCost{}, SectionBlanketCost{};
    NodeArray SectionBackfillCost{}, SectionLayingCost{};
    float PipeLayingCost = 0;
    float PipeSupplyCost = 0;
    float ConstructionSubtotal = 0;
    float EscalationCost = 0;
    float ConsultingFees = 0;
    float SupervisionCost = 0;
    float TotalCapitalCost = 0;

    // ---- Yearly costs, present values and IRR ----
    YearArray YearCapital{}; // construction years 1..C
    YearArray YearPipelineMaintenance{}, YearMechanicalMaintenance{};
    YearArray YearElectricalMaintenance{}, YearMaintenance{};
    YearArray YearOperational{};
    YearArray YearEnergyRaw{}, YearEnergy{};
    YearArray YearExpenditure{}; // project years 1..C + N
    float NpvExpenditure = 0;
    float NpvIncome = 0;
    std::vector<float> IrrRate = std::vector<float>(MaxIrrSteps + 1, 0.0f);          // %, 0..20000
    std::vector<double> IrrPvDifference = std::vector<double>(MaxIrrSteps + 1, 0.0); // 0..20000
    float Irr = 0;         // %, meaningful only when IrrFound
    bool IrrFound = false; // false: the scan found no rate at which the values balance
};

} // namespace vemora
