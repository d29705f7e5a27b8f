// Closed-form back-calculation of pipe roughness from one measured section:
// its mean internal diameter D (m), length L (m), flow Q (m³/s) and friction
// head loss hf (m). Each returns no value when its formula cannot be formed
// (a zero or negative diameter, no flow, no falling head, a result that is not
// finite): such a quantity is absent, never 0.
#pragma once

#include <optional>

namespace vemora {

constexpr double WaterKinematicViscosity = 1.14e-6; // m²/s

// Mean velocity V = Q / (pi D² / 4), m/s; needs D > 0.
std::optional<double> SectionVelocity(double Q, double D);

// Reynolds number Re = D V / nu; needs D > 0.
std::optional<double> SectionReynolds(double D, double V);

// Darcy friction factor of the measured loss, f = 2 g hf D / (L V²); needs
// V > 0 and hf / L > 0.
std::optional<double> MeasuredFrictionFactor(double D, double L, double V, double hf);

// Karman-Prandtl (fully rough), 1/sqrt(f) = 2 log10(3.7 D / ks):
// ks = 3.7 D / 10^(1 / (2 sqrt f)), m.
std::optional<double> KarmanPrandtlRoughness(double D, double L, double V, double hf);

// Barr, 1/sqrt(f) = -2 log10(ks / (3.7 D) + 5.1286 / Re^0.89):
// ks = 3.7 D (10^(-1 / (2 sqrt f)) - 5.1286 / Re^0.89), m; needs Re > 0.
std::optional<double> BarrRoughness(double D, double L, double V, double hf, double Re);

// Colebrook-White, V = -2 sqrt(2 g D S) log10(ks / (3.7 D) + 2.51 nu / (D sqrt(2 g D S))),
// S = hf / L: ks = 3.7 D (10^(-V / (2 sqrt(2 g D S))) - 2.51 nu / (D sqrt(2 g D S))), m;
// needs V > 0 and S > 0.
std::optional<double> ColebrookWhiteRoughness(double D, double L, double V, double hf);

// Hazen-Williams, V = 0.355 C D^0.63 S^0.54 (SI): C = V / (0.355 D^0.63 S^0.54);
// needs V > 0 and S > 0.
std::optional<double> HazenWilliamsCoefficient(double D, double L, double V, double hf);

} // namespace vemora
