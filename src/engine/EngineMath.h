// Small numeric helpers shared by the engine stages.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "project/ProjectStore.h"

namespace vemora {

// Rounds to the nearest whole number, a half to the even neighbour
// (std::nearbyint under the default rounding mode).
inline double RoundHalfEven(double x)
{
    return std::nearbyint(x);
}

// Stores a value as a 4-byte real, as the results store holds it.
inline float ToFloat(double x)
{
    return static_cast<float>(x);
}

// `value` where `keep` holds, else +0.0f: chosen by a mask of its bits rather
// than a branch, so that a loop of these can run on several values at once.
inline float KeptOrZero(bool keep, float value)
{
    return std::bit_cast<float>(std::bit_cast<uint32_t>(value) & -static_cast<uint32_t>(keep));
}

inline bool IsFinite(double x)
{
    return std::isfinite(x);
}

// No value of values[0..count) is infinite or not a number (its exponent
// bits not all set), tested without a branch so that it runs on several
// values at once.
template <typename Real> bool AllFinite(const Real* values, int count)
{
    using Bits = std::conditional_t<sizeof(Real) == 4, uint32_t, uint64_t>;
    constexpr Bits Exponent = std::bit_cast<Bits>(std::numeric_limits<Real>::infinity());
    Bits notFinite = 0;
    for (int i = 0; i < count; ++i)
        notFinite |= (std::bit_cast<Bits>(values[i]) & Exponent) == Exponent;
    return notFinite == 0;
}

// Number of profile nodes the engine works on: NodeCount kept within 0..500.
inline int UsedNodeCount(const ProjectStore& store)
{
    return std::clamp<int>(store.NodeCount, 0, MaxNodes);
}

// Number of years analysed: the design life kept within 0..100.
inline int UsedDesignLife(const ProjectStore& store)
{
    return std::clamp<int>(store.DesignLife, 0, MaxYears);
}

// Pi, the gravity acceleration and twice it, as the hydraulics and the
// energy cost use them.
constexpr double Pi = 3.14159265359;
constexpr double GravityAcceleration = 9.81; // m/s²
constexpr double TwoG = 19.62;               // m/s²

} // namespace vemora
