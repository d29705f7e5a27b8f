#include "project/ProjectDate.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "project/TextCodec.h"

namespace vemora {

namespace {

bool IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : Days[m - 1];
}

// Reads min..max digits at `pos` into `value`.
bool ReadNumber(const std::string& s, size_t& pos, size_t minDigits, size_t maxDigits, int& value)
{
    size_t digits = 0;
    value = 0;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9' && digits < maxDigits) {
        value = value * 10 + (s[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits >= minDigits;
}

} // namespace

std::string FormatProjectDate(int year, int month, int day)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, year);
    return text;
}

std::string TodayProjectDate()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return FormatProjectDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

bool ParseProjectDate(const std::string& text, int& year, int& month, int& day)
{
    const std::string s = TrimBlanks(text);
    size_t pos = 0;
    int d = 0, m = 0, y = 0;
    if (!ReadNumber(s, pos, 1, 2, d) || pos >= s.size() || s[pos++] != '/') return false;
    if (!ReadNumber(s, pos, 1, 2, m) || pos >= s.size() || s[pos++] != '/') return false;
    if (!ReadNumber(s, pos, 4, 4, y) || pos != s.size()) return false;
    if (y < 1 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return false;
    year = y;
    month = m;
    day = d;
    return true;
}

} // namespace vemora
