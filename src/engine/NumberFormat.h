// Number texts of the result labels.
#pragma once

#include <string>

namespace vemora {

// "#,###,###,###,###,000": whole number (a half rounds to even) with thousands
// separators and at least three digits, e.g. 1234567.4 -> "1,234,567", 5 -> "005".
std::string FormatThousandsWhole(double value);

// "#0.000": three decimals, at least one integer digit, e.g. 13.0664 -> "13.066".
std::string FormatThreeDecimals(double value);

} // namespace vemora
