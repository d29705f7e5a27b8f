// Speed of the results window's graphs: the hydraulic profile of a 500-node
// pipeline with its symbols and gradeline, and the two system graphs of a
// 100-year project, each recorded onto a surface of the window's size and
// then shown as the picture box shows it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "BenchApplication.h"
#include "graphs/HydraulicProfileGraph.h"
#include "graphs/SystemGraphs.h"

namespace {

using namespace vemora;
using bench::ensureApplication;

constexpr double kWidth = 10215, kHeight = 4860; // twips, about the results window's picture

struct Project
{
    std::unique_ptr<ProjectStore> store = std::make_unique<ProjectStore>();
    std::unique_ptr<ResultsStore> results = std::make_unique<ResultsStore>();
};

// A pumping pipeline of 500 nodes over 50 km, rolling ground, a valve or
// bend at every fifth node, gradeline falling from 1400 m, 100 years.
const Project& longPipeline()
{
    static const Project p = [] {
        Project q;
        ProjectStore& s = *q.store;
        s.SystemType = 1;
        s.DesignLife = 100;
        s.BaseYear = 2001;
        s.SupplyStartYear = 2003;
        s.NodeCount = MaxNodes;
        s.StartReservoirLevel = 1000;
        s.OperatingFlowRateUnit = 2;
        for (int i = 1; i <= MaxNodes; ++i) {
            const auto k = static_cast<size_t>(i);
            s.NodeAccumulatedLength[k] = static_cast<float>((i - 1) * 100);
            s.NodeElevation[k] = static_cast<float>(1000 + 150 * std::sin(i / 40.0) + i * 0.2);
            s.NodeTypeCode[k] = static_cast<int16_t>(i % 5 == 0 ? (i / 5) % 10 : 0);
        }
        s.NodeTypeCode[1] = 2;
        s.NodeTypeCode[MaxNodes] = 1;
        ResultsStore& r = *q.results;
        for (int y = 1; y <= MaxYears; ++y) {
            r.YearFlow[static_cast<size_t>(y)] = 0.05f;
            for (int k = 0; k <= MaxNodes; ++k)
                r.Gradeline(k, y) = static_cast<float>(1400 - k * 0.4 - y * 0.1);
            r.YearIncome[static_cast<size_t>(y)] = 4.3e6f + y * 1000.0f;
            r.YearMaintenance[static_cast<size_t>(y)] = 1e6f;
            r.YearOperational[static_cast<size_t>(y)] = 5e5f;
            r.YearEnergy[static_cast<size_t>(y)] = 8e5f + y * 500.0f;
            r.YearShortage[static_cast<size_t>(y)] = y > 50 ? 3.0f : 0.0f;
        }
        r.YearExpenditure[1] = r.YearExpenditure[2] = 5e6f;
        s.FixedDemand = 45;
        s.FixedDemandUnit = 3;
        s.PumpingHours = 20;
        return q;
    }();
    return p;
}

void BM_DrawHydraulicProfile500Nodes(benchmark::State& state)
{
    ensureApplication();
    const Project& p = longPipeline();
    DrawingSurface s(kWidth, kHeight);
    PlotFrame f;
    for (auto _ : state) {
        auto r = DrawHydraulicProfile(s, f, *p.store, *p.results, {1, MaxNodes, 7, false, false});
        benchmark::DoNotOptimize(r.Status);
    }
    state.counters["primitives"] = static_cast<double>(s.drawing().primitives().size());
}
BENCHMARK(BM_DrawHydraulicProfile500Nodes)->Unit(benchmark::kMillisecond);

void BM_DrawDemandCapacity100Years(benchmark::State& state)
{
    ensureApplication();
    const Project& p = longPipeline();
    DrawingSurface s(kWidth, kHeight);
    for (auto _ : state) {
        auto legend = DrawDemandCapacityGraph(s, *p.store, *p.results);
        benchmark::DoNotOptimize(legend.Yield.data());
    }
    state.counters["primitives"] = static_cast<double>(s.drawing().primitives().size());
}
BENCHMARK(BM_DrawDemandCapacity100Years)->Unit(benchmark::kMillisecond);

void BM_DrawIncomeExpenditure100Years(benchmark::State& state)
{
    ensureApplication();
    const Project& p = longPipeline();
    DrawingSurface s(kWidth, kHeight);
    for (auto _ : state) {
        auto legend = DrawIncomeExpenditureGraph(s, *p.store, *p.results);
        benchmark::DoNotOptimize(legend.Income.data());
    }
    state.counters["primitives"] = static_cast<double>(s.drawing().primitives().size());
}
BENCHMARK(BM_DrawIncomeExpenditure100Years)->Unit(benchmark::kMillisecond);

// Drawing and showing: what a click on the view button costs before the
// picture is on the screen.
void BM_DrawAndShowHydraulicProfile500Nodes(benchmark::State& state)
{
    ensureApplication();
    const Project& p = longPipeline();
    DrawingSurface s(kWidth, kHeight);
    PlotFrame f;
    for (auto _ : state) {
        DrawHydraulicProfile(s, f, *p.store, *p.results, {1, MaxNodes, 7, false, false});
        QImage shown = s.drawing().toImage();
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(BM_DrawAndShowHydraulicProfile500Nodes)->Unit(benchmark::kMillisecond);

void BM_DrawAndShowIncomeExpenditure100Years(benchmark::State& state)
{
    ensureApplication();
    const Project& p = longPipeline();
    DrawingSurface s(kWidth, kHeight);
    for (auto _ : state) {
        DrawIncomeExpenditureGraph(s, *p.store, *p.results);
        QImage shown = s.drawing().toImage();
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(BM_DrawAndShowIncomeExpenditure100Years)->Unit(benchmark::kMillisecond);

} // namespace
