#include "project/StrictNumber.h"

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

    // from_chars ignores the locale; the form is already checked, so only the
    // range can still fail (a value too large, or too small to hold).
    double magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude,
                                              std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(magnitude))
        return false;
    value = (negative && magnitude != 0) ? -magnitude : magnitude;
    return true;
}

bool ReadStrictNumber(std::string_view text, float& value, MinusSign minus)
{
    double number = 0;
    if (!ReadStrictNumber(text, number, minus)) return false;
    if (std::fabs(number) > std::numeric_limits<float>::max()) return false;
    value = static_cast<float>(number);
    return true;
}

} // namespace vemora
