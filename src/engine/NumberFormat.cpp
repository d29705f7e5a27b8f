#include "engine/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vemora {

namespace {

const char* const NotANumber = "n/a";

// The magnitude of `value` rounded to `decimals` decimals, as plain digits
// with a point ("1234567.80"); decimals outside 0..20 count as 0 or 20.
std::string Digits(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, 20);
    char buffer[400]; // room for the largest double written out in full
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
    return buffer;
}

// The minus sign for a negative value whose shown digits are not all zero.
std::string Signed(double value, const std::string& digits)
{
    const bool zero = digits.find_first_of("123456789") == std::string::npos;
    return value < 0 && !zero ? "-" + digits : digits;
}

// The integer part of `digits` grouped by three, followed by its decimals.
std::string Grouped(const std::string& digits)
{
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const std::string integer = digits.substr(0, point);
    std::string text;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) text += ',';
        text += integer[i];
    }
    return text + digits.substr(point);
}

} // namespace

std::string FormatThreeDecimals(double value)
{
    return FormatFixed(value, 3);
}

std::string FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value)) return NotANumber;
    return Signed(value, Digits(value, decimals));
}

std::string FormatNoLeadingZero(double value, int decimals)
{
    if (!std::isfinite(value)) return NotANumber;
    std::string digits = Digits(value, decimals);
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
    return Signed(value, digits);
}

std::string FormatThousands(double value, int decimals)
{
    if (!std::isfinite(value)) return NotANumber;
    return Signed(value, Grouped(Digits(value, decimals)));
}

std::string FormatGeneral(float value)
{
    if (!std::isfinite(value)) return NotANumber;
    if (value == 0.0f) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    std::string text = buffer;
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

} // namespace vemora
