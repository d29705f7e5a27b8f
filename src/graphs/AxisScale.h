// Axis scaling of the graphs: the tick step from a 1-2-5 series, the axis
// minimum (origin) as a multiple of the step, the number of divisions, and
// the texts of the tick labels. Plain C++, no Qt.
//
// A graph scales each axis in one call:
//
//     AxisScale y = scaleAxis(lowest, highest);                    // 1-2-5 up to 1,000,000
//     AxisScale e = scaleAxis(effMin, effMax, {series125(100)});   // series ending at 100
//     AxisScale m = scaleAxis(0, 4.3e6, {incomeSeries, 2});        // at least two divisions
//
// and then draws grid line k (k = 0..y.divisions) at the value
// y.origin + k * y.step, labelled with tickLabel(value, y.step) on a vertical
// axis or with cutTickLabels(values, labelLength(max)) on a distance or flow
// axis. Every value is a double and every count a 32-bit integer; nothing
// overflows, and a rounding to a whole number takes halves to even.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vemora {

// --- Rounding -------------------------------------------------------------

// The nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4); NaN gives 0.
double roundHalfEven(double v);
// roundHalfEven held as a 32-bit integer, saturating at the ends of its range.
int32_t toInt32(double v);

// --- Tick step ------------------------------------------------------------

// The members a tick step is chosen from, ascending.
struct StepSeries
{
    // Past the last member the 1-2-5 series continues (2, 5, 10, 20 ...
    // times its decade), so an axis keeps about ten divisions at any range.
    std::vector<double> members;
};

// 0.001, 0.002, 0.005, 0.01, ... up to and including `last` (a member of the
// 1-2-5 series such as 100 or 1,000,000).
StepSeries series125(double last);
// The 1-2-5 series up to `last125`, followed by further members (for
// instance 5,000,000 and 10,000,000 after 1,000,000).
StepSeries seriesWithTail(double last125, const std::vector<double>& tail);

// The tick step for a raw step (a tenth of the value range): the smallest
// member not less than the raw step, s(k) for s(k-1) < raw <= s(k); a raw
// step at or below the first member (or not a number) gives the first member.
double tickStep(double rawStep, const StepSeries& series);

// --- Origin and divisions -------------------------------------------------

// How a positive minimum above the step becomes the origin.
enum class PositiveOrigin {
    MultipleOfStep, // the largest multiple of the step not above the minimum
    Minimum,        // the minimum itself (the IRR graph's difference axis)
};

// The axis minimum for a data minimum m and step s (axis units):
// m = 0 gives 0; 0 < m < s gives 0; m = s gives s; m > s the largest multiple
// of s not above m; m = -s gives -s; -s < m < 0 gives -s; m < -s gives -k*s
// for the smallest k with k*s > |m|, however large k is (-100 with step 50
// gives -150). A step that is not a positive number gives 0.
double axisOrigin(double minimum, double step,
                  PositiveOrigin rule = PositiveOrigin::MultipleOfStep);

// The number of divisions above the origin: n = (max - origin) / step
// rounded (halves to even), plus one when n * step falls short of the
// maximum value itself; then more while origin + n * step is still below the
// maximum, so the top grid line is never below the data; at least
// minDivisions. 1200..1500 with step 50 and origin 1200 gives 7.
int32_t divisionCount(double maximum, double origin, double step, int32_t minDivisions = 1);

// --- One axis -------------------------------------------------------------

struct AxisRules
{
    StepSeries series = series125(1000000);
    int32_t minDivisions = 1;
    PositiveOrigin positiveOrigin = PositiveOrigin::MultipleOfStep;
};

struct AxisScale
{
    double step = 0;   // axis units between grid lines
    double origin = 0; // value at the first grid line
    int32_t divisions = 0;
    // The value at grid line k (clean decimals: 0.3, not 0.30000000000000004).
    double valueAt(int32_t k) const;
    // The value at the last grid line.
    double top() const { return valueAt(divisions); }
};

// Scales an axis over the data range [minimum, maximum]: raw step
// (maximum - minimum) / 10, then tickStep, axisOrigin and divisionCount.
AxisScale scaleAxis(double minimum, double maximum, const AxisRules& rules = {});

// --- Tick labels ----------------------------------------------------------

// Decimals of a vertical tick label by the step: 3 up to 0.01 ("##0.000"),
// 2 up to 0.1 ("##0.00"), 1 below 1 ("##0.0"), 0 from 1 ("##0").
int labelDecimals(double step);

// A value with a fixed number of decimals, at least one digit before the
// point, rounded, no grouping and no blanks: (12.3456, 2) -> "12.35",
// (0.5, 0) -> "0"; never "-0.00". A value that is not a number gives "".
std::string formatFixed(double value, int decimals);

// A vertical tick label: formatFixed(value, labelDecimals(step)).
std::string tickLabel(double value, double step);

// The labels of one axis's grid lines, each formatFixed(value, decimals),
// with more decimals for the whole axis (up to 15) wherever two
// neighbouring values would otherwise read the same: 32.43 and 32.44 at one
// decimal read "32.43" and "32.44".
std::vector<std::string> fixedLabels(const std::vector<double>& values, int decimals);

// fixedLabels of the axis's grid lines at the decimals of its step.
std::vector<std::string> tickLabels(const AxisScale& axis);

// General decimal text: up to `digits` significant digits, a leading blank
// when the value is not negative and a minus sign otherwise, no zero before
// the decimal point below 1, exponent form beyond: 0.5 -> " .5",
// 1234.56 -> " 1234.56", -0.25 -> "-.25", 12345678 -> " 1.234568E+07".
std::string generalNumberText(double value, int digits = 7);

// The length a horizontal label is cut to, by the axis maximum rounded to a
// whole number: 5; 6 from 1000; 7 from 10,000; 8 from 100,000.
int labelLength(double maximum);

struct CutLabel
{
    std::string text;  // the label to print: cut, then stripped of blanks
    std::string whole; // the uncut text stripped of blanks (to centre on)
};

// The labels of one horizontal axis: each value's general decimal text cut
// to its first `length` characters (the leading blank counts) and stripped of
// blanks, so 100.25 with length 5 reads "100.". Where two different values
// would read the same, every label of the axis gets as many more characters
// (and, past seven, significant digits) as they need to differ. A text in
// exponent form is never cut.
std::vector<CutLabel> cutTickLabels(const std::vector<double>& values, int length);

// The same cut for texts a graph has formatted itself (the IRR graph's rate
// labels, for instance): each text cut to `length` characters and stripped
// of blanks, lengthened for the whole axis where two different texts would
// read the same.
std::vector<CutLabel> cutLabels(const std::vector<std::string>& texts, int length);

} // namespace vemora
