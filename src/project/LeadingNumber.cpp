#include "project/LeadingNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace vemora {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSign(char c)
{
    return c == '+' || c == '-';
}

// Length of the longest leading number of `s` (0 when there is none).
size_t LeadingNumberLength(const std::string& s)
{
    size_t i = 0;
    if (i < s.size() && IsSign(s[i])) ++i;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    // An exponent counts only when digits follow it.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && IsSign(s[j])) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Whether what follows the leading number looks like more of a number: a
// digit, a point, a comma, a sign, or an exponent mark before a digit or sign.
bool RunsOn(const std::string& rest)
{
    if (rest.empty()) return false;
    const char c = rest[0];
    if (IsDigit(c) || c == '.' || c == ',' || IsSign(c)) return true;
    return (c == 'e' || c == 'E') && rest.size() > 1 && (IsDigit(rest[1]) || IsSign(rest[1]));
}

} // namespace

bool ReadLeadingNumber(std::string_view text, float& value)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t') s.push_back(c);
    if (s.empty() || s == ".") {
        value = 0;
        return true;
    }

    const size_t length = LeadingNumberLength(s);
    if (RunsOn(s.substr(length))) return false;
    if (length == 0) {
        value = 0;
        return true;
    }

    // from_chars takes no leading "+" and ignores the locale.
    size_t start = s[0] == '+' ? 1 : 0;
    double number = 0;
    const char* first = s.data() + start;
    const char* last = s.data() + length;
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last || !std::isfinite(number) ||
        std::fabs(number) > std::numeric_limits<float>::max())
        return false;
    value = number == 0 ? 0.0f : static_cast<float>(number);
    return true;
}

} // namespace vemora
