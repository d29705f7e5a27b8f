#include "engine/RoughnessFormulas.h"

#include <cmath>

#include "engine/EngineMath.h"

namespace vemora {
namespace {

std::optional<double> Finite(double x)
{
    if (!std::isfinite(x)) return std::nullopt;
    return x;
}

// The measured gradient hf / L when it falls along the section and the pipe
// carries flow; the roughness laws are undefined otherwise.
std::optional<double> FallingGradient(double D, double L, double V, double hf)
{
    if (!(D > 0) || !(V > 0) || L == 0) return std::nullopt;
    const double S = hf / L;
    if (!(S > 0) || !std::isfinite(S)) return std::nullopt;
    return S;
}

} // namespace

std::optional<double> SectionVelocity(double Q, double D)
{
    if (!(D > 0)) return std::nullopt;
    return Finite(Q / (Pi * D * D / 4.0));
}

std::optional<double> SectionReynolds(double D, double V)
{
    if (!(D > 0)) return std::nullopt;
    return Finite(D * V / WaterKinematicViscosity);
}

std::optional<double> MeasuredFrictionFactor(double D, double L, double V, double hf)
{
    const auto S = FallingGradient(D, L, V, hf);
    if (!S) return std::nullopt;
    const double f = TwoG * *S * D / (V * V);
    if (!(f > 0)) return std::nullopt;
    return Finite(f);
}

std::optional<double> KarmanPrandtlRoughness(double D, double L, double V, double hf)
{
    const auto f = MeasuredFrictionFactor(D, L, V, hf);
    if (!f) return std::nullopt;
    return Finite(3.7 * D / std::pow(10.0, 1.0 / (2.0 * std::sqrt(*f))));
}

std::optional<double> BarrRoughness(double D, double L, double V, double hf, double Re)
{
    const auto f = MeasuredFrictionFactor(D, L, V, hf);
    if (!f || !(Re > 0)) return std::nullopt;
    return Finite(3.7 * D *
                  (std::pow(10.0, -1.0 / (2.0 * std::sqrt(*f))) - 5.1286 / std::pow(Re, 0.89)));
}

std::optional<double> ColebrookWhiteRoughness(double D, double L, double V, double hf)
{
    const auto S = FallingGradient(D, L, V, hf);
    if (!S) return std::nullopt;
    const double shear = std::sqrt(TwoG * D * *S); // sqrt(2 g D S), m/s
    return Finite(
        3.7 * D *
        (std::pow(10.0, -V / (2.0 * shear)) - 2.51 * WaterKinematicViscosity / (D * shear)));
}

std::optional<double> HazenWilliamsCoefficient(double D, double L, double V, double hf)
{
    const auto S = FallingGradient(D, L, V, hf);
    if (!S) return std::nullopt;
    return Finite(V / (0.355 * std::pow(D, 0.63) * std::pow(*S, 0.54)));
}

} // namespace vemora
