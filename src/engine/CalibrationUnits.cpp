#include "engine/CalibrationUnits.h"

#include <array>

#include "engine/UnitConstants.h"
#include "engine/UnitConversion.h"

namespace vemora {
namespace {

// Each pressure code with its text and the converter unit it stands for.
struct PressureCode
{
    std::string_view text;
    int converterUnit; // position in the converter's pressure group
};

constexpr std::array<PressureCode, 17> PressureCodes = {{
    {"Pascals (Pa)", 0},
    {"Newtons per metre squared (N/m²)", 1},
    {"kilo Pascals (kPa)", 2},
    {"mega Pascals (MPa)", 3},
    {"Newtons per millimetre squared (N/mm²)", 4},
    {"bar", 5},
    {"millibar (mbar)", 6},
    {"kilogram force per metre squared (kg/m²)", 7},
    // The converter's kilogram force per square millimetre has no code here.
    {"pound force per foot squared (lb/ft²)", 9},
    {"pound force per inch squared (psi)", 10},
    {"atmosphere (atm)", 11},
    {"metres mercury (m Hg)", 12},
    {"inches mercury (in Hg)", 13},
    {"feet of water (ft)", 14},
    {"inches of water (in)", 15},
    {"metres of water (m)", 16},
    {"millimetres of water (mm)\"", 17},
}};

constexpr std::array<std::string_view, 17> PressureTexts = [] {
    std::array<std::string_view, 17> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = PressureCodes[i].text;
    return texts;
}();

} // namespace

std::optional<double> CalibrationFlowFactor(int code)
{
    // The flow codes follow the converter's flow-rate list one for one.
    const auto units = GroupUnits(UnitGroup::FlowRate);
    if (code < 0 || code >= static_cast<int>(units.size())) return std::nullopt;
    return units[static_cast<std::size_t>(code)].factor;
}

std::optional<double> CalibrationPressureFactor(int code)
{
    if (code < 0 || code >= static_cast<int>(PressureCodes.size())) return std::nullopt;
    const auto units = GroupUnits(UnitGroup::Pressure);
    const auto& unit = units[static_cast<std::size_t>(
        PressureCodes[static_cast<std::size_t>(code)].converterUnit)];
    return unit.factor / units::MetreOfWater;
}

std::span<const std::string_view> CalibrationPressureUnitTexts()
{
    return PressureTexts;
}

} // namespace vemora
