#include "project/StrictNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "project/TextCodec.h"

namespace vemora {
namespace {

// Digits with at most one point and at least one digit.
bool IsPlainDecimal(std::string_view text)
{
    int digits = 0;
    int points = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

// Digits, then "e" or "E", an optional sign and digits, or no exponent.
bool IsDecimalWithExponent(std::string_view text)
{
    const std::size_t e = text.find_first_of("eE");
    if (e == std::string_view::npos) return IsPlainDecimal(text);
    std::string_view exponent = text.substr(e + 1);
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-'))
        exponent.remove_prefix(1);
    return IsPlainDecimal(text.substr(0, e)) && !exponent.empty() &&
           exponent.find_first_not_of("0123456789") == std::string_view::npos;
}

// The magnitude of a checked form; false when it lies beyond a double.
bool ReadMagnitude(std::string_view text, std::chars_format format, double& magnitude)
{
    // from_chars ignores the locale; the form is already checked, so only the
    // range can still fail (a value too large, or too small to hold).
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, format);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(magnitude);
}

// The power of ten of the first significant digit of a checked form (0 for
// zero), the exponent saturated far beyond any range: 2 for "123.4", -2 for
// "0.05", 400 for "1e400".
long long PowerOfTen(std::string_view text)
{
    const std::size_t e = text.find_first_of("eE");
    const std::string_view digits = text.substr(0, e);
    const std::size_t first = digits.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    const auto point = static_cast<long long>(std::min(digits.find('.'), digits.size()));
    const auto at = static_cast<long long>(first);
    long long power = at < point ? point - at - 1 : point - at;
    if (e == std::string_view::npos) return power;
    std::string_view exponent = text.substr(e + 1);
    const bool below = exponent.front() == '-';
    if (exponent.front() == '+' || below) exponent.remove_prefix(1);
    constexpr long long Saturated = 1'000'000'000'000;
    long long read = Saturated;
    if (std::from_chars(exponent.data(), exponent.data() + exponent.size(), read).ec !=
            std::errc() ||
        read > Saturated)
        read = Saturated;
    return below ? power - read : power + read;
}

bool FitsAFloat(double number)
{
    return std::fabs(number) <= std::numeric_limits<float>::max();
}

} // namespace

bool ReadStrictNumber(std::string_view text, double& value, MinusSign minus)
{
    const std::string trimmed = TrimBlanks(std::string(text));
    text = trimmed;
    bool negative = false;
    if (!text.empty() && text.front() == '-' && minus == MinusSign::Allowed) {
        negative = true;
        text.remove_prefix(1);
    }
    if (!IsPlainDecimal(text)) return false;
    double magnitude = 0;
    if (!ReadMagnitude(text, std::chars_format::fixed, magnitude)) return false;
    value = (negative && magnitude != 0) ? -magnitude : magnitude;
    return true;
}

bool ReadStrictNumber(std::string_view text, float& value, MinusSign minus)
{
    double number = 0;
    if (!ReadStrictNumber(text, number, minus)) return false;
    if (!FitsAFloat(number)) return false;
    value = static_cast<float>(number);
    return true;
}

NumberReading ReadScientificNumber(std::string_view text, float& value)
{
    const std::string trimmed = TrimBlanks(std::string(text));
    text = trimmed;
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!IsDecimalWithExponent(text)) return NumberReading::NotANumber;
    double magnitude = 0;
    if (!ReadMagnitude(text, std::chars_format::general, magnitude))
        return PowerOfTen(text) > 0 ? NumberReading::TooLarge : NumberReading::NotANumber;
    const auto number = static_cast<float>(magnitude);
    if (std::isinf(number)) return NumberReading::TooLarge;
    value = (negative && number != 0) ? -number : number;
    return NumberReading::Read;
}

} // namespace vemora
