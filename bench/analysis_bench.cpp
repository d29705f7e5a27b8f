// Speed of a whole analysis run on 500-node, 100-year projects.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <utility>

#include "engine/AnalysisRun.h"
#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace {

using vemora::ProjectStore;

// 500 nodes 100 m apart, 800 mm pipes, roughness 0.1 -> 1.0 mm over 30 years.
std::unique_ptr<ProjectStore> LongPipeline(float (*elevation)(int node))
{
    auto s = std::make_unique<ProjectStore>();
    s->DesignLife = 100;
    s->BaseYear = 2025;
    s->SupplyStartYear = 2025;
    s->FixedDemand = 400;
    s->FixedDemandUnit = 3; // l/s
    s->NodeCount = 500;
    for (int k = 1; k <= 500; ++k) {
        s->NodeElevation[k] = elevation(k);
        s->NodeAccumulatedLength[k] = 100.0f * (k - 1);
        s->PipeDiameter[k] = 800;
        s->WallThickness[k] = 8;
        s->PipeCostPerMetre[k] = 2500;
        s->SecondaryLoss[k] = k % 25 == 0 ? 0.5f : 0.0f;
    }
    s->LiningSystem = 1;
    s->LiningThickness = 12;
    s->RoughnessNew = 0.1f;
    s->RoughnessOld = 1.0f;
    s->DeteriorationYears = 30;
    s->LayingCost = {0, 150, 120, 400, 90, 30, 80, 15, 40, 10, 50, 50, 1.2f, 0.15f, 0};
    s->MechanicalWorksCost = 4000000;
    s->ElectricalWorksCost = 2500000;
    s->PrelimGeneralPercent = 10;
    s->ContingencyPercent = 10;
    s->DiscountRate = 8;
    s->EscalationRate = 6;
    s->EnergyEscalationRate = 7;
    s->MaintenancePipeline = 50;
    s->MaintenanceMechanical = 300;
    s->MaintenanceElectrical = 200;
    s->WaterPrice = 4;
    s->WaterPriceIncrease = 6;
    s->StaffCost[1] = {0, 300000, 50};
    s->OtherExpenseAmount[1] = 100000;
    return s;
}

float RisingGround(int k)
{
    return 70.0f * (k - 1) / 499.0f + 5.0f * std::sin(k * 0.1f);
}
float FallingGroundWithCrest(int k)
{
    const float ground = 195.0f - 190.0f * (k - 1) / 499.0f;
    return k == 100 ? 190.0f : ground;
}

std::unique_ptr<ProjectStore> PumpingProject(bool pumpCurve)
{
    auto s = LongPipeline(RisingGround);
    s->SystemType = 1;
    s->StartReservoirLevel = 0;
    s->EndReservoirLevel = 80;
    s->PumpCurveGiven = pumpCurve ? 1 : 0;
    const float head[] = {160, 150, 135, 115, 90, 60};
    const float flow[] = {0, 0.2f, 0.4f, 0.6f, 0.8f, 1.0f};
    const float efficiency[] = {40, 65, 78, 82, 78, 65};
    for (int k = 1; k <= 6; ++k) {
        s->PumpCurve[1][k] = head[k - 1];
        s->PumpCurve[2][k] = flow[k - 1];
        s->PumpCurve[3][k] = efficiency[k - 1];
    }
    s->CurveHeadUnit = 0;
    s->CurveFlowUnit = 1; // m³/s
    s->OperatingFlowRate = 500;
    s->OperatingFlowRateUnit = 2; // l/s
    s->OperatingEfficiency = 78;
    s->PumpingHours = 20;
    s->SummerMonths = 4;
    for (int h = 1; h <= 24; ++h) {
        s->SummerHourPeriod[h] = h <= 8 ? 0 : (h <= 18 ? 1 : 2);
        s->WinterHourPeriod[h] = h <= 6 ? 0 : (h <= 20 ? 1 : 2);
    }
    s->TariffSummerOffPeak = 0.4f;
    s->TariffSummerStandard = 0.7f;
    s->TariffSummerPeak = 1.5f;
    s->TariffWinterOffPeak = 0.5f;
    s->TariffWinterStandard = 0.9f;
    s->TariffWinterPeak = 2.8f;
    return s;
}

std::unique_ptr<ProjectStore> GravityProject()
{
    auto s = LongPipeline(FallingGroundWithCrest);
    s->SystemType = 0;
    s->StartReservoirLevel = 200;
    s->EndReservoirLevel = 0;
    return s;
}

void RunWhole(benchmark::State& state, std::unique_ptr<ProjectStore> store)
{
    auto results = std::make_unique<vemora::ResultsStore>();
    vemora::RunFlags flags;
    for (auto _ : state) {
        const auto outcome = vemora::RunAnalysis(*store, *results, 150000);
        flags = outcome.Flags;
        if (outcome.Status != vemora::AnalysisStatus::Completed) {
            state.SkipWithError("the analysis did not complete");
            break;
        }
        benchmark::DoNotOptimize(results->Irr);
    }
    state.counters["flow_year1"] = results->YearFlow[1];
    state.counters["flow_year100"] = results->YearFlow[100];
    state.counters["high_point"] = flags.HighPointFlag ? 1 : 0;
}

void BM_PumpCurve(benchmark::State& state)
{
    RunWhole(state, PumpingProject(true));
}
// The worst case for the duty points: the roughness rises in every one of
// the 100 years, so no year has the system curve of the year before.
void BM_PumpCurveAgeingEveryYear(benchmark::State& state)
{
    auto s = PumpingProject(true);
    s->DeteriorationYears = 100;
    RunWhole(state, std::move(s));
}
void BM_OperatingFlow(benchmark::State& state)
{
    RunWhole(state, PumpingProject(false));
}
void BM_GravityCrest(benchmark::State& state)
{
    RunWhole(state, GravityProject());
}

BENCHMARK(BM_PumpCurve)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PumpCurveAgeingEveryYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OperatingFlow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GravityCrest)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
