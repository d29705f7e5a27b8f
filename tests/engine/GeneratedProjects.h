// Projects made from a number: random profiles of 2 to 500 nodes, gravity,
// operating flow and pump curves that cross, miss or touch the system curve,
// metric and US units, design lives of 2 to 100 years, and now and then an
// input the run refuses. The numbers come from splitmix64 and are mapped to
// values with plain arithmetic of our own, so project i is the same project
// with every compiler and standard library.
#pragma once

#include <cstdint>
#include <memory>

#include "project/ProjectStore.h"

namespace vemora::test {

class SplitMix64
{
  public:
    explicit SplitMix64(uint64_t seed) : state_(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A whole number in lo..hi.
    int Whole(int lo, int hi)
    {
        const uint64_t span = static_cast<uint64_t>(hi - lo) + 1;
        return lo + static_cast<int>(Next() % span);
    }
    // A real number in [lo, hi), from the top 53 bits.
    double Real(double lo, double hi)
    {
        const double unit = static_cast<double>(Next() >> 11) / 9007199254740992.0; // 2^53
        return lo + (hi - lo) * unit;
    }
    float Float(double lo, double hi) { return static_cast<float>(Real(lo, hi)); }
    // True with the chance `percent` in 100.
    bool Chance(int percent) { return Whole(1, 100) <= percent; }

  private:
    uint64_t state_;
};

enum class GeneratedKind { Gravity, OperatingFlow, PumpCurve };

// How the pump curve of a generated project lies against the system curve.
enum class PumpCurveLie {
    Crosses,       // through the system curve near the design flow
    Below,         // below it everywhere: missed in year 1
    AboveRange,    // above it over the whole flow range of the curve: missed
    TouchesAPoint, // one point of the curve on the estimated system curve
    ShutOffOnLift, // the shut-off head equal to the static lift
};

// Project `index` of the generated set (seeded by index alone, so any first
// part of the set is the same projects).
std::unique_ptr<ProjectStore> GeneratedProject(int index);

} // namespace vemora::test
