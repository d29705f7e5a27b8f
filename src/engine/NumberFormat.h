// Number texts of the result labels, result tables, cost tables and printed
// reports: each pattern the program shows numbers in has one function here.
// Values are rounded to the decimals shown (an exact half to even); a
// negative value that rounds to zero shows no minus sign; a value that is
// not finite shows "n/a".
#pragma once

#include <string>

namespace vemora {

// "#0.000": three decimals, at least one integer digit, e.g. 13.0664 -> "13.066".
std::string FormatThreeDecimals(double value);

// "#0" followed by `decimals` zeros after the point ("#0.00" for 2): at least
// one integer digit, no separators, e.g. (19.5, 2) -> "19.50", (1234.5, 0) -> "1234".
std::string FormatFixed(double value, int decimals);

// "###.000" and its kin: `decimals` decimals and no zero before the point
// when the value is below 1, e.g. (105.25, 3) -> "105.250", (0.5, 3) -> ".500",
// (-0.5, 3) -> "-.500".
std::string FormatNoLeadingZero(double value, int decimals);

// "###,###,###,###,###,##0" (0 decimals) and "###,###,###,##0.00" (2):
// thousands separators and at least one integer digit, e.g.
// (1234567.8, 0) -> "1,234,568", (12345.678, 2) -> "12,345.68", (0, 0) -> "0".
std::string FormatThousands(double value, int decimals);

// The general decimal text of a single-precision value, as a number written
// into a grid cell: up to seven significant digits, no separators, no
// trailing zeros, a zero before the point, the "1.234568E+07" form where
// seven digits do not reach, e.g. 1250.5 -> "1250.5", 0.25 -> "0.25".
std::string FormatGeneral(float value);

} // namespace vemora
