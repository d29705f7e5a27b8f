#include "graphs/AxisScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

namespace vemora {

namespace {

// Values closer than this share of a step count as equal, so that data
// held in single precision (0.7f is 0.69999998...) meet the multiples and
// members they stand for. Where one of two neighbouring multiples is chosen,
// a data value may also be off by a few of its own single-precision units.
constexpr double kTolerance = 1e-6;
constexpr double kSinglePrecision = 2e-7;

bool NearlyEqual(double a, double b, double scale)
{
    return std::fabs(a - b) <= kTolerance * std::fabs(scale);
}

// 10^e as a double, exact for the exponents the series uses.
double PowerOfTen(int e)
{
    double p = 1;
    for (int i = 0; i < std::abs(e); ++i)
        p *= 10;
    return e < 0 ? 1 / p : p;
}

// The member mantissa x 10^exponent, written so that 0.001 is the same
// double as the literal 0.001.
double Member(int mantissa, int exponent)
{
    return exponent < 0 ? mantissa / PowerOfTen(-exponent) : mantissa * PowerOfTen(exponent);
}

struct SeriesPoint
{
    int mantissa; // 1, 2 or 5
    int exponent;
};

SeriesPoint SeriesPointOf(double value)
{
    int exponent = static_cast<int>(std::floor(std::log10(value) + kTolerance));
    const double m = value / PowerOfTen(exponent);
    int mantissa = m < 1.5 ? 1 : (m < 3.5 ? 2 : (m < 7.5 ? 5 : 10));
    if (mantissa == 10) {
        mantissa = 1;
        ++exponent;
    }
    return {mantissa, exponent};
}

SeriesPoint NextPoint(SeriesPoint p)
{
    if (p.mantissa == 1) return {2, p.exponent};
    if (p.mantissa == 2) return {5, p.exponent};
    return {1, p.exponent + 1};
}

// The power of ten that makes the step a whole number (1000 for 0.005), or
// 0 when no power up to 10^9 does.
double DecimalScale(double step)
{
    for (int e = 0; e <= 9; ++e) {
        const double d = PowerOfTen(e);
        const double scaled = step * d;
        if (scaled >= 0.5 && NearlyEqual(scaled, std::round(scaled), scaled)) return d;
    }
    return 0;
}

// k x step written as cleanly as the step is: 3 x 0.1 gives 0.3.
double MultipleOf(double k, double step)
{
    const double d = DecimalScale(step);
    return d > 0 ? k * std::round(step * d) / d : k * step;
}

bool ValidStep(double step)
{
    return std::isfinite(step) && step > 0;
}

std::string StripBlanks(const std::string& s)
{
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

// Whether no two labels read the same while their keys differ.
template <class Key>
bool ReadApart(const std::vector<CutLabel>& labels, const std::vector<Key>& keys)
{
    std::map<std::string, Key> seen;
    for (size_t i = 0; i < labels.size(); ++i) {
        auto [it, inserted] = seen.emplace(labels[i].text, keys[i]);
        if (!inserted && it->second != keys[i]) return false;
    }
    return true;
}

} // namespace

double roundHalfEven(double v)
{
    if (std::isnan(v)) return 0;
    return std::nearbyint(v); // the default rounding mode rounds halves to even
}

int32_t toInt32(double v)
{
    const double r = roundHalfEven(v);
    if (r >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (r <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

StepSeries series125(double last)
{
    StepSeries s;
    for (SeriesPoint p{1, -3};; p = NextPoint(p)) {
        const double m = Member(p.mantissa, p.exponent);
        if (m > last * (1 + kTolerance) && !s.members.empty()) break;
        s.members.push_back(m);
        if (p.exponent > 300) break;
    }
    return s;
}

StepSeries seriesWithTail(double last125, const std::vector<double>& tail)
{
    StepSeries s = series125(last125);
    s.members.insert(s.members.end(), tail.begin(), tail.end());
    return s;
}

double tickStep(double rawStep, const StepSeries& series)
{
    if (series.members.empty()) return 0.001;
    const double first = series.members.front();
    if (!(rawStep > first)) return first;
    for (double m : series.members)
        if (rawStep <= m * (1 + kTolerance)) return m;

    const double last = series.members.back();
    if (!std::isfinite(rawStep)) return last;
    for (SeriesPoint p = NextPoint(SeriesPointOf(last));; p = NextPoint(p)) {
        const double m = Member(p.mantissa, p.exponent);
        if (rawStep <= m * (1 + kTolerance) || p.exponent > 300) return m;
    }
}

double axisOrigin(double minimum, double step, PositiveOrigin rule)
{
    if (!ValidStep(step) || !std::isfinite(minimum) || minimum == 0) return 0;
    if (minimum > 0) {
        if (NearlyEqual(minimum, step, step)) return minimum;
        if (minimum < step) return 0;
        if (rule == PositiveOrigin::Minimum) return minimum;
        const double q = roundHalfEven(minimum / step);
        const double atQ = MultipleOf(q, step);
        const double slack = std::max(kTolerance * step, kSinglePrecision * minimum);
        return atQ <= minimum + slack ? atQ : MultipleOf(q - 1, step);
    }
    const double depth = -minimum;
    if (NearlyEqual(depth, step, step)) return minimum;
    if (depth < step) return -step;
    // The smallest k with k x step above the depth; a depth that is a whole
    // number of steps needs one step more (-100 with step 50 gives -150).
    const double ratio = depth / step;
    const double whole = roundHalfEven(ratio);
    const double k = (std::fabs(ratio - whole) <= kTolerance * std::max(1.0, ratio))
                         ? whole + 1
                         : std::floor(ratio) + 1;
    return -MultipleOf(k, step);
}

int32_t divisionCount(double maximum, double origin, double step, int32_t minDivisions)
{
    if (!ValidStep(step) || !std::isfinite(maximum) || !std::isfinite(origin)) return minDivisions;
    const double tolerance = kTolerance * step;
    double n = roundHalfEven((maximum - origin) / step);
    if (n * step < maximum - tolerance) n += 1;
    // The top grid line must reach the data.
    const double needed = std::ceil((maximum - origin) / step - kTolerance);
    n = std::max({n, needed, static_cast<double>(minDivisions)});
    return toInt32(n);
}

double AxisScale::valueAt(int32_t k) const
{
    const double value = origin + MultipleOf(static_cast<double>(k), step);
    // With an origin on the step's decimals, the sum is rounded back to them
    // so that 0.05 + 0.1 reads 0.15.
    const double d = DecimalScale(step);
    if (d > 0 && NearlyEqual(origin * d, std::round(origin * d), 1.0))
        return std::round(value * d) / d;
    return value;
}

AxisScale scaleAxis(double minimum, double maximum, const AxisRules& rules)
{
    AxisScale a;
    a.step = tickStep((maximum - minimum) / 10, rules.series);
    a.origin = axisOrigin(minimum, a.step, rules.positiveOrigin);
    a.divisions = divisionCount(maximum, a.origin, a.step, rules.minDivisions);
    return a;
}

int labelDecimals(double step)
{
    if (step <= 0.01 * (1 + kTolerance)) return 3;
    if (step <= 0.1 * (1 + kTolerance)) return 2;
    if (step < 1 * (1 - kTolerance)) return 1;
    return 0;
}

std::string formatFixed(double value, int decimals)
{
    if (!std::isfinite(value)) return "";
    decimals = std::clamp(decimals, 0, 15);
    std::vector<char> buf(static_cast<size_t>(std::snprintf(nullptr, 0, "%.*f", decimals, value)) +
                          1);
    std::snprintf(buf.data(), buf.size(), "%.*f", decimals, value);
    std::string s(buf.data());
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string tickLabel(double value, double step)
{
    return formatFixed(value, labelDecimals(step));
}

std::vector<std::string> fixedLabels(const std::vector<double>& values, int decimals)
{
    std::vector<std::string> labels;
    for (int d = std::max(decimals, 0); d <= 15; ++d) {
        labels.clear();
        for (double v : values)
            labels.push_back(formatFixed(v, d));
        bool apart = true;
        for (size_t i = 1; i < values.size() && apart; ++i)
            apart = labels[i] != labels[i - 1] || values[i] == values[i - 1];
        if (apart) break;
    }
    return labels;
}

std::vector<std::string> tickLabels(const AxisScale& axis)
{
    std::vector<double> values;
    for (int32_t k = 0; k <= axis.divisions; ++k)
        values.push_back(axis.valueAt(k));
    return fixedLabels(values, labelDecimals(axis.step));
}

std::string generalNumberText(double value, int digits)
{
    if (!std::isfinite(value)) return "";
    digits = std::clamp(digits, 1, 17);
    if (value == 0) value = 0; // no "-0"
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, value);
    const bool negative = buf[0] == '-';
    std::string digitsText(buf + (negative ? 1 : 0));
    if (digitsText.rfind("0.", 0) == 0) digitsText = digitsText.substr(1);
    return (negative ? "-" : " ") + digitsText;
}

int labelLength(double maximum)
{
    const double r = roundHalfEven(maximum);
    if (r >= 100000) return 8;
    if (r >= 10000) return 7;
    if (r >= 1000) return 6;
    return 5;
}

std::vector<CutLabel> cutLabels(const std::vector<std::string>& texts, int length)
{
    size_t longest = 0;
    for (const std::string& t : texts)
        longest = std::max(longest, t.size());
    std::vector<CutLabel> labels(texts.size());
    for (size_t n = static_cast<size_t>(std::max(length, 1));; ++n) {
        for (size_t i = 0; i < texts.size(); ++i) {
            const std::string& t = texts[i];
            const bool exponent = t.find('E') != std::string::npos;
            labels[i].text = StripBlanks(exponent ? t : t.substr(0, n));
            labels[i].whole = StripBlanks(t);
        }
        if (n >= longest || ReadApart(labels, texts)) return labels;
    }
}

std::vector<CutLabel> cutTickLabels(const std::vector<double>& values, int length)
{
    std::vector<CutLabel> labels;
    for (int digits = 7; digits <= 17; ++digits) {
        std::vector<std::string> texts;
        for (double v : values)
            texts.push_back(generalNumberText(v, digits));
        labels = cutLabels(texts, length);
        if (ReadApart(labels, values)) break;
    }
    return labels;
}

} // namespace vemora
