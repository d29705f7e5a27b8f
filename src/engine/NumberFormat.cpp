#include "engine/NumberFormat.h"

#include <cmath>
#include <cstdio>

namespace vemora {

std::string FormatThousandsWhole(double value)
{
    if (!std::isfinite(value)) return "n/a";
    const double rounded = std::nearbyint(value);
    const bool negative = rounded < 0;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(rounded));
    std::string digits = buffer;
    while (digits.size() < 3)
        digits.insert(digits.begin(), '0');
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return negative ? "-" + text : text;
}

std::string FormatThreeDecimals(double value)
{
    if (!std::isfinite(value)) return "n/a";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string text = buffer;
    if (text == "-0.000") text = "0.000";
    return text;
}

} // namespace vemora
