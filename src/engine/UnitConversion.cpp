#include "engine/UnitConversion.h"

#include <array>
#include <charconv>
#include <cmath>

#include "engine/UnitConstants.h"
#include "project/StrictNumber.h"
#include "project/TextCodec.h"

namespace vemora {
namespace {

using namespace units;

constexpr double Pound = 0.45359237;                   // kg
constexpr double PoundForce = Pound * StandardGravity; // N

constexpr std::array<std::string_view, 6> GroupNames = {"Area",     "Flow rate", "Length",
                                                        "Pressure", "Time",      "Volume"};

// Base unit: m².
constexpr std::array<ConversionUnit, 11> AreaUnits = {{
    {"meter squared (m²)", 1.0},
    {"kilometers squared (km²)", 1000000.0},
    {"decimetre squared (dm²)", 0.01},
    {"centimetre squared (cm²)", 0.0001},
    {"millimetre squared (mm²)", 0.000001},
    {"hectare (ha)", 10000.0},
    {"acre", 4046.87260987}, // the survey acre
    {"square mile", Mile* Mile},
    {"square yards (yd²)", 0.83612736},
    {"square feet (ft²)", 0.09290304},
    {"square inch (in²)", 0.00064516},
}};

// Base unit: m³/s.
constexpr std::array<ConversionUnit, 13> FlowUnits = {{
    {"mega liters per day (Ml/day)", Megalitre / Day},
    {"cubic metres per hour (m³/h)", 1.0 / Hour},
    {"cubic metres per second (m³/s)", 1.0},
    {"litre per second (l/s)", Litre},
    {"cubic feet per second (ft³/s)", CubicFoot},
    {"gallons per second (gal/s)(USA)", UsGallon},
    {"gallons per minute (gal/min)(USA)", UsGallon / 60.0},
    {"million gallons per hour (Mgal/h)(USA)", 1000000.0 * UsGallon / Hour},
    {"million gallons per day (Mgal/day)(USA)", 1000000.0 * UsGallon / Day},
    {"gallons per second (gal/s)(EUR)", ImperialGallon},
    {"gallons per minute (gal/min)(EUR)", ImperialGallon / 60.0},
    {"million gallons per hour (Mgal/h)(EUR)", 1000000.0 * ImperialGallon / Hour},
    {"million gallons per day (Mgal/day)(EUR)", 1000000.0 * ImperialGallon / Day},
}};

// Base unit: m.
constexpr std::array<ConversionUnit, 8> LengthUnits = {{
    {"millimetre (mm)", 0.001},
    {"centimetre (cm)", 0.01},
    {"meter (m)", 1.0},
    {"kilometre (km)", 1000.0},
    {"inch (in)", Inch},
    {"foot (ft)", Foot},
    {"yard (yd)", Yard},
    {"miles (mile)", Mile},
}};

// Base unit: Pa. Mercury columns have no exact definition and keep their
// customary values.
constexpr std::array<ConversionUnit, 18> PressureUnits = {{
    {"Pascals (Pa)", 1.0},
    {"Newtons per metre squared (N/m²)", 1.0},
    {"kilo Pascals (KPa)", 1000.0},
    {"mega Pascals (MPa)", 1000000.0},
    {"Newtons per millimetre squared (N/mm²)", 1000000.0},
    {"bar", 100000.0},
    {"millibar (mbar)", 100.0},
    {"kilogram force per metre squared (kg/m²)", KilogramForce},
    {"kilogram force per millimetre squared (kg/mm²)", KilogramForce * 1000000.0},
    {"pound force per foot squared (lb/ft²)", PoundForce / (Foot * Foot)},
    {"pound force per inch squared (psi)", PoundForce / (Inch * Inch)},
    {"atmosphere (atm)", 101325.0},
    {"metres mercury (m Hg)", 133322.191153411},
    {"inches mercury (in Hg)", 3386.3836291108},
    {"feet of water (ft)", Foot* MetreOfWater},
    {"inches of water (in)", Inch* MetreOfWater},
    {"metres of water (m)", MetreOfWater},
    {"millimetres of water (mm)", MetreOfWater / 1000.0},
}};

// Base unit: s.
constexpr std::array<ConversionUnit, 9> TimeUnits = {{
    {"second (s)", 1.0},
    {"minute (min)", 60.0},
    {"hour (h)", Hour},
    {"day (d)", Day},
    {"week (w)", 7.0 * Day},
    {"year (y)", 365.0 * Day},
    {"millisecond (ms)", 0.001},
    {"microsecond", 0.000001},
    {"nanosecond (ns)", 0.000000001},
}};

// Base unit: m³.
constexpr std::array<ConversionUnit, 11> VolumeUnits = {{
    {"cubic meter (m³)", 1.0},
    {"cubic centimetre (cm³)", 0.000001},
    {"milli litre (ml)", 0.000001},
    {"litre (l)", Litre},
    {"kilo litre (Kl)", 1.0},
    {"mega litre (Ml)", Megalitre},
    {"inches cubed (in³)", 0.000016387064},
    {"feet cubed (ft³)", CubicFoot},
    {"yards cubed (yd³)", 0.764554857984},
    {"UK gallon (gal)", ImperialGallon},
    {"US gallon (gal)", UsGallon},
}};

} // namespace

std::span<const std::string_view> UnitGroupNames()
{
    return GroupNames;
}

std::span<const ConversionUnit> GroupUnits(UnitGroup group)
{
    switch (group) {
    case UnitGroup::Area:
        return AreaUnits;
    case UnitGroup::FlowRate:
        return FlowUnits;
    case UnitGroup::Length:
        return LengthUnits;
    case UnitGroup::Pressure:
        return PressureUnits;
    case UnitGroup::Time:
        return TimeUnits;
    case UnitGroup::Volume:
        return VolumeUnits;
    }
    return {};
}

std::optional<UnitGroup> FindUnitGroup(std::string_view name)
{
    const std::string trimmed = TrimBlanks(std::string(name));
    for (std::size_t i = 0; i < GroupNames.size(); ++i)
        if (GroupNames[i] == trimmed) return static_cast<UnitGroup>(i);
    return std::nullopt;
}

std::optional<double> UnitFactor(UnitGroup group, std::string_view unit)
{
    const std::string trimmed = TrimBlanks(std::string(unit));
    for (const ConversionUnit& u : GroupUnits(group))
        if (u.text == trimmed) return u.factor;
    return std::nullopt;
}

std::string ConversionResultLine(double value)
{
    // to_chars ignores the locale; its general form with 15 digits drops
    // trailing zeros and switches to the exponent form at 1e-5 and 1e15.
    char digits[40];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 15).ptr;
    std::string text(digits, end);
    if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
    if (text == "-0") text = "0";
    return "= " + text;
}

std::optional<double> ConvertBetween(UnitGroup group, std::string_view fromUnit,
                                     std::string_view toUnit, double value)
{
    const auto from = UnitFactor(group, fromUnit);
    const auto to = UnitFactor(group, toUnit);
    if (!from || !to) return std::nullopt;
    const double product = value * *from;
    const double result = product / *to;
    if (!std::isfinite(product) || !std::isfinite(result)) return std::nullopt;
    return result;
}

ConversionStatus ConvertUnitValue(std::string_view group, std::string_view fromUnit,
                                  std::string_view toUnit, std::string_view valueText,
                                  std::string& resultLine)
{
    const auto g = FindUnitGroup(group);
    double value = 0;
    if (!g || !ReadStrictNumber(valueText, value)) return ConversionStatus::Failed;
    const auto result = ConvertBetween(*g, fromUnit, toUnit, value);
    if (!result) return ConversionStatus::Failed;
    resultLine = ConversionResultLine(*result);
    return ConversionStatus::Ok;
}

} // namespace vemora
