// Fuzz target: the analysis of a record the reader accepts (the first 16,650
// bytes of the input). A run may fail, but a run reported as completed must
// have figures that make sense: finite everywhere, no negative flow, cost,
// energy or income, pumping hours within the day.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "engine/AnalysisRun.h"
#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"
#include "project/RecordCheck.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"

namespace {

using namespace vemora;

void Require(bool holds, const char* what, int index = 0)
{
    if (holds) return;
    std::fprintf(stderr, "analysis_fuzz: completed run with %s (%d)\n", what, index);
    std::abort();
}

void RequireNotNegative(double value, const char* what, int index = 0)
{
    Require(std::isfinite(value) && value >= 0.0, what, index);
}

void CheckCompletedRun(const ProjectStore& s, const ResultsStore& r)
{
    const int years = s.DesignLife;
    const bool pumping = s.SystemType == 1;
    for (int y = 1; y <= years; ++y) {
        RequireNotNegative(r.YearFlow[y], "a bad flow", y);
        if (!pumping) Require(r.YearFlow[y] <= 100.0f, "a gravity flow above 100 m3/s", y);
        Require(std::isfinite(r.YearShortage[y]), "a bad shortage", y);
        RequireNotNegative(r.YearIncome[y], "a bad income", y);
        RequireNotNegative(r.YearMaintenance[y], "a bad maintenance cost", y);
        RequireNotNegative(r.YearOperational[y], "a bad operational cost", y);
        RequireNotNegative(r.YearEnergy[y], "a bad energy cost", y);
        if (pumping) {
            RequireNotNegative(r.YearPumpingHours[y], "bad pumping hours", y);
            Require(r.YearPumpingHours[y] <= 24.0f, "more than 24 pumping hours a day", y);
        }
        for (int k = 0; k <= s.NodeCount; ++k)
            Require(std::isfinite(r.Gradeline(k, y)), "a bad gradeline level", k);
    }
    RequireNotNegative(r.TotalCapitalCost, "a bad capital cost");
    RequireNotNegative(r.NpvExpenditure, "a bad expenditure NPV");
    RequireNotNegative(r.NpvIncome, "a bad income NPV");
    if (r.IrrFound) Require(std::isfinite(r.Irr), "a bad IRR");
}

// How many inputs reached each stage, printed at exit to show the fuzzing's reach.
struct Reach
{
    long accepted = 0, completed = 0;
    ~Reach()
    {
        std::fprintf(stderr, "analysis_fuzz: %ld records accepted, %ld analyses completed\n",
                     accepted, completed);
    }
};
Reach reach;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < ProjectRecord::Size) return 0;
    const ProjectRecord rec = DecodeRecord(reinterpret_cast<const char*>(data));
    if (!CheckRecord(rec)) return 0;
    ++reach.accepted;

    // One results store for every run, as in the program: a run must not
    // depend on what an earlier one left in it.
    static const auto results = std::make_unique<ResultsStore>();
    auto store = std::make_unique<ProjectStore>();
    StoreFromRecord(rec, *store);
    const AnalysisOutcome outcome = RunAnalysis(*store, *results, store->SupervisionFees);
    if (outcome.Status == AnalysisStatus::Completed) {
        ++reach.completed;
        CheckCompletedRun(*store, *results);
    } else {
        Require(!outcome.Flags.ResultsValid, "results offered after a failed run");
    }
    return 0;
}
