// The calibration run of eight scenarios on a full profile, and the parse of
// a full pasted profile table.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/RoughnessCalibration.h"
#include "project/ProfileClipboard.h"

namespace vemora {
namespace {

void BM_CalibrateEightScenarios(benchmark::State& state)
{
    CalibrationProfile profile;
    for (int k = 0; k < MaxNodes; ++k)
        profile.nodes.push_back({10.0 * k, 0.6, k + 1 < MaxNodes ? 10.0 : 0.0});
    profile.chainageFactor = 1.0;
    profile.levelFactor = 1.0;
    CalibrationScenarios scenarios{};
    for (int s = 0; s < CalibrationScenarioCount; ++s) {
        scenarios[s].flow = 0.1 * (s + 1);
        scenarios[s].flowUnit = 2;      // m³/s
        scenarios[s].pressureUnit = 15; // m of water
        for (int p = 0; p < CalibrationPointCount; ++p)
            scenarios[s].points[p] = {1000.0 * p + 10 * s, 100.0 - p, 50.0 - (s + 1) * p};
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(CalibrateRoughness(scenarios, profile));
}

void BM_ParseHundredRowProfile(benchmark::State& state)
{
    std::string text;
    for (int r = 1; r <= ClipboardProfileRows; ++r)
        text += std::to_string(1000 - r) + ".25\t" + std::to_string(r * 125) +
                ".000\t610\t9.5\t1450.75\t0.15\r\n";
    for (auto _ : state) {
        ClipboardProfileTable table;
        benchmark::DoNotOptimize(ParseClipboardProfile(text, table));
    }
}

BENCHMARK(BM_CalibrateEightScenarios)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseHundredRowProfile)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vemora
