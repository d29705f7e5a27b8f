// Speed of the results window's tables: the node table of a 500-node
// pipeline, the income and expenditure table and the cost tables of a
// 100-year pumping project, each rebuilt whole as its button rebuilds it.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchApplication.h"

#include "app/AppContext.h"
#include "platform/ScriptedUi.h"
#include "results/frmResults.h"

namespace {

using namespace vemora;

struct Window
{
    ScriptedUi ui;
    std::unique_ptr<AppContext> ctx = std::make_unique<AppContext>(ui);
    std::unique_ptr<frmResults> w;

    Window()
    {
        ProjectStore& s = ctx->store;
        s.SystemType = 1;
        s.CurrencyCode = 1;
        s.DesignLife = 97;
        s.BaseYear = 2001;
        s.SupplyStartYear = 2004;
        s.NodeCount = MaxNodes;
        for (int i = 1; i <= MaxNodes; ++i) {
            s.NodeAccumulatedLength[i] = static_cast<float>((i - 1) * 100.5);
            s.NodeElevation[i] = static_cast<float>(1000 + (i % 37) * 1.25);
            s.NodeTypeCode[i] = static_cast<int16_t>(i % 10);
        }
        ResultsStore& r = ctx->results;
        for (int y = 1; y <= MaxYears; ++y) {
            for (int k = 0; k <= MaxNodes; ++k)
                r.Gradeline(k, y) = static_cast<float>(1400 - k * 0.4 - y * 0.1);
            r.YearIncome[y] = 4.3e6f + y * 1000.0f;
            r.YearExpenditure[y] = 2.3e6f + y * 10.0f;
            r.YearMaintenance[y] = 1e6f;
            r.YearOperational[y] = 5e5f;
            r.YearEnergy[y] = 8e5f + y * 500.0f;
        }
        w = std::make_unique<frmResults>(*ctx);
    }
};

Window& window()
{
    static Window* made = new Window;
    return *made;
}

void BM_ResultsWindowNodeTable500Nodes(benchmark::State& state)
{
    bench::ensureApplication();
    for (auto _ : state)
        window().w->FillHydraulicProfileTable();
}
BENCHMARK(BM_ResultsWindowNodeTable500Nodes)->Unit(benchmark::kMillisecond);

void BM_ResultsWindowIncomeTable100Years(benchmark::State& state)
{
    bench::ensureApplication();
    for (auto _ : state)
        window().w->FillIncomeExpenditureTable();
}
BENCHMARK(BM_ResultsWindowIncomeTable100Years)->Unit(benchmark::kMillisecond);

void BM_ResultsWindowCostTables(benchmark::State& state)
{
    bench::ensureApplication();
    for (auto _ : state)
        window().w->ShowCostTables();
}
BENCHMARK(BM_ResultsWindowCostTables)->Unit(benchmark::kMillisecond);

} // namespace
