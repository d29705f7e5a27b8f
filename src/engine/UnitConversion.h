// The unit converter's factor tables and its conversion of one typed value.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vemora {

enum class UnitGroup { Area, FlowRate, Length, Pressure, Time, Volume };

// One unit of a group: its list text (the key) and how many of the group's
// base units make one of it. Bases: m², m³/s, m, Pa, s, m³.
struct ConversionUnit
{
    std::string_view text;
    double factor;
};

// "Area", "Flow rate", "Length", "Pressure", "Time", "Volume", in list order.
std::span<const std::string_view> UnitGroupNames();

// The units of a group in list order (11, 13, 8, 18, 9 and 11 units).
std::span<const ConversionUnit> GroupUnits(UnitGroup group);

// The group whose name equals `name` without its surrounding blanks
// (case-sensitive); none for any other text.
std::optional<UnitGroup> FindUnitGroup(std::string_view name);

// Base units per unit of the unit whose text equals `unit` without its
// surrounding blanks; none when the group has no such unit.
std::optional<double> UnitFactor(UnitGroup group, std::string_view unit);

// value x from factor / to factor, the product first, in double precision;
// none for a unit the group does not have, or a product or quotient that
// leaves the double range.
std::optional<double> ConvertBetween(UnitGroup group, std::string_view fromUnit,
                                     std::string_view toUnit, double value);

// The result line of a conversion: "= " and the value with at most 15
// significant digits, no grouping and no trailing zeros; exponent form
// ("1E-09", "1.5E+20") below 1E-4 and from 1E+15 on.
std::string ConversionResultLine(double value);

inline constexpr std::string_view ConversionErrorMessage =
    "There was an error converting the value.  Please ensure it is a valid number";

enum class ConversionStatus { Ok, Failed };

// The Convert button: ConvertBetween on the group and units named by their
// list texts and `valueText`, which must be a plain non-negative decimal
// number (the strict reader); `resultLine` gets ConversionResultLine. Failed,
// with `resultLine` untouched, for an unknown group or unit, a text that is
// not a number, or a result out of range; the window then shows
// ConversionErrorMessage.
ConversionStatus ConvertUnitValue(std::string_view group, std::string_view fromUnit,
                                  std::string_view toUnit, std::string_view valueText,
                                  std::string& resultLine);

} // namespace vemora
