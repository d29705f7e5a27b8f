#include "engine/UnitFactors.h"

#include <array>
#include <cstddef>

namespace vemora {
namespace {

constexpr float UsGallon = 0.0037854118f; // m³

template <std::size_t N> std::optional<float> Lookup(const std::array<float, N>& table, int code)
{
    if (code < 0 || code >= static_cast<int>(N)) return std::nullopt;
    return table[static_cast<std::size_t>(code)];
}

constexpr std::array<float, 13> FlowFactors = {
    0.011574074f,   // megalitres per day
    1.0f / 3600.0f, // m³ per hour
    1.0f,           // m³ per second
    0.001f,         // litres per second
    0.028316846f,   // ft³ per second
    UsGallon,       // US gallons per second
    6.30902E-05f,   // US gallons per minute
    1.0515033f,     // million US gallons per hour
    0.043812636f,   // million US gallons per day
    0.004546092f,   // gallons (EUR) per second
    7.57682E-05f,   // gallons (EUR) per minute
    1.2628033f,     // million gallons (EUR) per hour
    0.052616805f,   // million gallons (EUR) per day
};

} // namespace

std::optional<float> FlowUnitFactor(int code)
{
    return Lookup(FlowFactors, code);
}

std::optional<float> OperatingFlowUnitFactor(int code)
{
    // The flow list without its codes 0, 8 and 12, in the same order.
    static constexpr std::array<int, 10> FlowCode = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11};
    if (code < 0 || code >= static_cast<int>(FlowCode.size())) return std::nullopt;
    return FlowUnitFactor(FlowCode[static_cast<std::size_t>(code)]);
}

std::optional<float> PumpCurveFlowUnitFactor(int code)
{
    const std::array<float, 4> factors = {
        1.0f / 3600.0f,
        1.0f,
        static_cast<float>(0.028316847 / 3600.0), // ft³ per hour
        UsGallon,
    };
    return Lookup(factors, code);
}

std::optional<float> PumpHeadUnitFactor(int code)
{
    static constexpr std::array<float, 2> factors = {1.0f, 0.3048f};
    return Lookup(factors, code);
}

std::optional<float> LengthUnitFactor(int code)
{
    static constexpr std::array<float, 4> factors = {1.0f, 1000.0f, 0.3048f, 1609.344f};
    return Lookup(factors, code);
}

std::optional<float> PipeDimensionUnitFactor(int code)
{
    static constexpr std::array<float, 4> factors = {0.001f, 1.0f, 0.0254f, 0.3048f};
    return Lookup(factors, code);
}

std::optional<float> PipeDimensionToMetres(float value, int code)
{
    if (code == 0) return value / 1000.0f;
    const auto factor = PipeDimensionUnitFactor(code);
    if (!factor) return std::nullopt;
    return value * *factor;
}

std::optional<float> WaterSalesVolumeUnitFactor(int code)
{
    static constexpr std::array<float, 4> factors = {1.0f, 1000.0f, 0.028316846f, UsGallon};
    return Lookup(factors, code);
}

} // namespace vemora
