// A 64-bit digest of what an analysis run leaves behind: its outcome (the
// status, year, flags, failure and the texts the user reads) and every value
// of the results store, so that two runs can be compared byte for byte
// without keeping their results. Values are taken one by one, never as raw
// structs, so no padding byte counts.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/AnalysisRun.h"
#include "engine/ResultsStore.h"

namespace vemora::test {

// FNV-1a style over 64-bit words with a fold of the high half into the low
// one: each step is one-to-one in the running value, so a single changed word
// always changes the digest.
class Digest
{
  public:
    void Word(uint64_t w)
    {
        h_ = (h_ ^ w) * 0x100000001b3ULL;
        h_ ^= h_ >> 32;
    }
    void Add(float x)
    {
        uint32_t bits = 0;
        std::memcpy(&bits, &x, sizeof bits);
        Word(bits);
    }
    void Add(double x)
    {
        uint64_t bits = 0;
        std::memcpy(&bits, &x, sizeof bits);
        Word(bits);
    }
    void Add(int64_t x) { Word(static_cast<uint64_t>(x)); }
    void Add(bool x) { Word(x ? 1 : 0); }
    void Add(const std::string& text)
    {
        Word(text.size());
        for (unsigned char c : text)
            Word(c);
    }
    // Two 4-byte reals to a word: the sample tables hold two million each.
    void Add(const float* values, std::size_t count)
    {
        Word(count);
        std::size_t i = 0;
        for (; i + 1 < count; i += 2) {
            uint64_t pair = 0;
            std::memcpy(&pair, values + i, sizeof pair);
            Word(pair);
        }
        if (i < count) Add(values[i]);
    }
    template <typename T, std::size_t N> void Add(const std::array<T, N>& values)
    {
        for (const T& v : values)
            Add(v);
    }
    template <typename T> void Add(const std::vector<T>& values)
    {
        Word(values.size());
        for (const T& v : values)
            Add(v);
    }
    template <typename T, int First> void Add(const NodeYearTable<T, First>& table)
    {
        for (int y = 1; y <= MaxYears; ++y)
            for (int k = First; k <= MaxNodes; ++k)
                Add(table(k, y));
    }
    void Add(const YearSampleTable& table)
    {
        for (int y = 1; y <= MaxYears; ++y)
            Add(table.Year(y), MaxSystemSamples);
    }
    void Add(const std::vector<float>& values) { Add(values.data(), values.size()); }
    void Add(int16_t x) { Add(static_cast<int64_t>(x)); }
    void Add(int x) { Add(static_cast<int64_t>(x)); }

    uint64_t Value() const { return h_; }

  private:
    uint64_t h_ = 0xcbf29ce484222325ULL;
};

// The digest of one run, in four parts, so that a difference says where it is.
struct RunDigest
{
    uint64_t Outcome = 0;    // status, year, flags, failure, message, reason, note
    uint64_t Hydraulics = 0; // SI values, yearly hydraulics, gradelines, duty points
    uint64_t Samples = 0;    // SystemHead and the per-year system-curve samples
    uint64_t Costs = 0;      // supply, tariff split, income, capital and yearly costs, IRR

    bool operator==(const RunDigest&) const = default;
};

inline uint64_t OutcomeDigest(const AnalysisOutcome& o)
{
    Digest d;
    d.Add(static_cast<int>(o.Status));
    d.Add(o.Year);
    d.Add(o.IrrFound);
    d.Add(o.Flags.ResultsValid);
    d.Add(o.Flags.HighPointFlag);
    d.Add(o.Flags.GradelineFailed);
    d.Add(static_cast<int>(o.Failure.Kind));
    d.Add(o.Failure.Number);
    d.Add(std::string(o.Failure.Input.Name ? o.Failure.Input.Name : ""));
    d.Add(std::string(o.Failure.Input.Of ? o.Failure.Input.Of : ""));
    d.Add(o.Failure.Input.Number);
    d.Add(o.Failure.Value);
    d.Add(o.Failure.Min);
    d.Add(o.Failure.Max);
    d.Add(AnalysisFailureText(o));
    d.Add(o.Reason);
    d.Add(o.Note);
    if (o.Status == AnalysisStatus::PumpCurveMissed) d.Add(PumpCurveMissedMessage(o.Year));
    return d.Value();
}

inline uint64_t HydraulicsDigest(const ResultsStore& r)
{
    Digest d;
    for (float x : {r.StartLevelSI, r.EndLevelSI, r.LevelUnitFactor, r.DoubleLiningSI,
                    r.DoubleWallSI, r.RoughnessNewSI, r.RoughnessOldSI, r.RoughnessUnitFactor,
                    r.DemandUnitFactor, r.OperatingFlowUnitFactor, r.PumpFlowSI,
                    r.PumpHeadUnitFactor, r.PumpFlowUnitFactor, r.SalesVolumeUnitFactor})
        d.Add(x);
    d.Add(r.InnerDiameterSI);
    d.Add(r.SectionLengthSI);
    d.Add(r.YearDemandSI);
    for (float x : {r.LayingCostRate, r.ExcavationRate, r.RockExcavationRate, r.BeddingImportRate,
                    r.BeddingTrenchRate, r.BlanketImportRate, r.BlanketTrenchRate,
                    r.BackfillingRate, r.RockPercent, r.BeddingImportPercent,
                    r.BlanketImportPercent, r.RequiredCover, r.ExcavationBelowInvert})
        d.Add(x);
    d.Add(r.YearRoughness);
    d.Add(r.FrictionFactor);
    d.Add(r.FrictionHeadLoss);
    d.Add(r.SecondaryHeadLoss);
    d.Add(r.YearFlow);
    d.Add(r.Gradeline);
    d.Add(r.YearPumpEfficiency);
    d.Add(r.YearPumpHead);
    d.Add(r.YearDutyFlow);
    d.Add(r.YearDutyEfficiency);
    d.Add(r.DutyYear);
    d.Add(r.PumpEfficiency);
    d.Add(r.DutyFlow);
    d.Add(r.DutyEfficiency);
    return d.Value();
}

inline uint64_t SamplesDigest(const ResultsStore& r)
{
    Digest d;
    d.Add(r.SystemHead);
    d.Add(r.YearSystemHead);
    d.Add(r.YearSystemFlow);
    return d.Value();
}

inline uint64_t CostsDigest(const ResultsStore& r)
{
    Digest d;
    d.Add(r.YearShortage);
    d.Add(r.YearPumpingHours);
    d.Add(r.YearIncome);
    for (float x : {r.SummerOffPeakHourCount, r.SummerStandardHourCount, r.SummerPeakHourCount,
                    r.WinterOffPeakHourCount, r.WinterStandardHourCount, r.WinterPeakHourCount,
                    r.SummerOffPeakPumpHours, r.SummerStandardPumpHours, r.SummerPeakPumpHours,
                    r.WinterOffPeakPumpHours, r.WinterStandardPumpHours, r.WinterPeakPumpHours})
        d.Add(x);
    for (const YearArray* a :
         {&r.YearSummerOffPeakHours, &r.YearSummerStandardHours, &r.YearSummerPeakHours,
          &r.YearWinterOffPeakHours, &r.YearWinterStandardHours, &r.YearWinterPeakHours})
        d.Add(*a);
    for (const NodeArray* a : {&r.SectionExcavationCost, &r.SectionBeddingCost,
                               &r.SectionBlanketCost, &r.SectionBackfillCost, &r.SectionLayingCost})
        d.Add(*a);
    for (float x : {r.PipeLayingCost, r.PipeSupplyCost, r.ConstructionSubtotal, r.EscalationCost,
                    r.ConsultingFees, r.SupervisionCost, r.TotalCapitalCost})
        d.Add(x);
    for (const YearArray* a :
         {&r.YearCapital, &r.YearPipelineMaintenance, &r.YearMechanicalMaintenance,
          &r.YearElectricalMaintenance, &r.YearMaintenance, &r.YearOperational, &r.YearEnergyRaw,
          &r.YearEnergy, &r.YearExpenditure})
        d.Add(*a);
    d.Add(r.NpvExpenditure);
    d.Add(r.NpvIncome);
    d.Add(r.IrrRate);
    d.Add(r.IrrPvDifference);
    d.Add(r.Irr);
    d.Add(r.IrrFound);
    return d.Value();
}

inline RunDigest DigestOfRun(const AnalysisOutcome& outcome, const ResultsStore& results)
{
    return {OutcomeDigest(outcome), HydraulicsDigest(results), SamplesDigest(results),
            CostsDigest(results)};
}

} // namespace vemora::test
