// The forward Colebrook-White law for the calibration checks.
#pragma once

#include <cmath>

#include "engine/RoughnessFormulas.h"

namespace vemora::test {

// Friction loss (m) over L for velocity V in a pipe of diameter D and
// roughness ks (m), its friction factor found by fixed-point iteration of
// 1/sqrt(f) = -2 log10(ks / (3.7 D) + 2.51 / (Re sqrt(f))) to full precision.
inline double ColebrookWhiteLoss(double D, double L, double V, double ks)
{
    const double Re = D * V / WaterKinematicViscosity;
    double invRootF = 8.0;
    for (int i = 0; i < 200; ++i)
        invRootF = -2.0 * std::log10(ks / (3.7 * D) + 2.51 * invRootF / Re);
    const double f = 1.0 / (invRootF * invRootF);
    return f * L * V * V / (2.0 * 9.81 * D);
}

} // namespace vemora::test
