#include <gtest/gtest.h>

#include <cmath>

#include "ColebrookWhiteLoss.h"
#include "engine/RoughnessFormulas.h"

namespace vemora {
namespace {

constexpr double G = 9.81;
constexpr double Nu = WaterKinematicViscosity;
constexpr double PiValue = 3.14159265359;

double Area(double D)
{
    return PiValue * D * D / 4.0;
}

double LossOfFrictionFactor(double f, double D, double L, double V)
{
    return f * L * V * V / (2.0 * G * D);
}

TEST(RoughnessFormulas, ExampleSection)
{
    // D 0.5 m, L 1000 m, Q 0.3 m³/s, hf 5 m.
    const double D = 0.5, L = 1000, Q = 0.3, hf = 5;
    const double V = *SectionVelocity(Q, D);
    const double Re = *SectionReynolds(D, V);
    EXPECT_NEAR(V, 1.528, 1.528e-3);
    EXPECT_NEAR(Re, 670126, 670.126);
    EXPECT_NEAR(*ColebrookWhiteRoughness(D, L, V, hf) * 1000, 0.610, 0.610e-3);
    EXPECT_NEAR(*BarrRoughness(D, L, V, hf, Re) * 1000, 0.595, 0.595e-3);
    EXPECT_NEAR(*KarmanPrandtlRoughness(D, L, V, hf) * 1000, 0.657, 0.657e-3);
    EXPECT_NEAR(*HazenWilliamsCoefficient(D, L, V, hf), 116.43, 0.11643);
}

TEST(RoughnessFormulas, ColebrookWhiteLossFedBackReturnsTheRoughness)
{
    const double L = 1000;
    for (double ksMm : {0.01, 0.1, 1.0, 5.0})
        for (double D : {0.1, 0.5, 2.0})
            for (double Q : {0.001, 0.01, 0.1, 1.0}) { // three decades, scaled by the area
                const double ks = ksMm / 1000;
                const double flow = Q * D * D / 0.25;
                const double V = *SectionVelocity(flow, D);
                const double hf = test::ColebrookWhiteLoss(D, L, V, ks);
                const auto back = ColebrookWhiteRoughness(D, L, V, hf);
                ASSERT_TRUE(back) << ksMm << " mm, D " << D << ", Q " << flow;
                EXPECT_NEAR(*back, ks, ks * 1e-6) << ksMm << " mm, D " << D << ", Q " << flow;
            }
}

TEST(RoughnessFormulas, EachLawInvertsItsOwnFrictionLaw)
{
    const double D = 0.8, L = 2500, V = 1.7, ks = 0.0004;
    const double Re = D * V / Nu;

    // Karman-Prandtl: 1/sqrt(f) = 2 log10(3.7 D / ks).
    const double fRough = std::pow(2.0 * std::log10(3.7 * D / ks), -2.0);
    EXPECT_NEAR(*KarmanPrandtlRoughness(D, L, V, LossOfFrictionFactor(fRough, D, L, V)), ks,
                ks * 1e-9);

    // Barr: 1/sqrt(f) = -2 log10(ks / (3.7 D) + 5.1286 / Re^0.89).
    const double fBarr =
        std::pow(-2.0 * std::log10(ks / (3.7 * D) + 5.1286 / std::pow(Re, 0.89)), -2.0);
    EXPECT_NEAR(*BarrRoughness(D, L, V, LossOfFrictionFactor(fBarr, D, L, V), Re), ks, ks * 1e-9);

    // Hazen-Williams: V = 0.355 C D^0.63 S^0.54.
    const double C = 130;
    const double S = std::pow(V / (0.355 * C * std::pow(D, 0.63)), 1.0 / 0.54);
    EXPECT_NEAR(*HazenWilliamsCoefficient(D, L, V, S * L), C, C * 1e-9);

    EXPECT_NEAR(*SectionVelocity(0.5, D) * Area(D), 0.5, 1e-12);
}

TEST(RoughnessFormulas, QuantitiesThatCannotBeFormedAreAbsent)
{
    const double D = 0.5, L = 1000, V = 1.5, Re = D * V / Nu;
    // A rising head (hf below 0), no loss, and a section of no length.
    for (double hf : {-5.0, 0.0}) {
        EXPECT_FALSE(KarmanPrandtlRoughness(D, L, V, hf)) << hf;
        EXPECT_FALSE(BarrRoughness(D, L, V, hf, Re)) << hf;
        EXPECT_FALSE(ColebrookWhiteRoughness(D, L, V, hf)) << hf;
        EXPECT_FALSE(HazenWilliamsCoefficient(D, L, V, hf)) << hf;
    }
    EXPECT_FALSE(KarmanPrandtlRoughness(D, 0, V, 5));
    EXPECT_FALSE(ColebrookWhiteRoughness(D, 0, V, 5));
    EXPECT_FALSE(HazenWilliamsCoefficient(D, 0, V, 5));

    // No flow: velocity and Reynolds number are 0, but there is no roughness
    // (not 3.7 D) and no coefficient.
    EXPECT_EQ(SectionVelocity(0, D), 0.0);
    EXPECT_EQ(SectionReynolds(D, 0), 0.0);
    EXPECT_FALSE(ColebrookWhiteRoughness(D, L, 0, 5));
    EXPECT_FALSE(KarmanPrandtlRoughness(D, L, 0, 5));
    EXPECT_FALSE(BarrRoughness(D, L, 0, 5, 0));
    EXPECT_FALSE(HazenWilliamsCoefficient(D, L, 0, 5));
    EXPECT_FALSE(ColebrookWhiteRoughness(D, L, -1, 5));

    // No usable diameter.
    EXPECT_FALSE(SectionVelocity(0.3, 0));
    EXPECT_FALSE(SectionVelocity(0.3, -0.5));
    EXPECT_FALSE(SectionReynolds(0, V));
    EXPECT_FALSE(ColebrookWhiteRoughness(0, L, V, 5));
    EXPECT_FALSE(SectionVelocity(0.3, std::nan("")));
}

} // namespace
} // namespace vemora
