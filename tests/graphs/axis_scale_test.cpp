// Axis scaling: tick steps, origins, division counts and tick labels.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>

#include "graphs/AxisScale.h"

using namespace vemora;

namespace {

const StepSeries kProfile = series125(1000000);
// The income graph: 1,000,000 is followed by 5,000,000 and 10,000,000, and
// the 1-2-5 series goes on from there.
const StepSeries kIncome = seriesWithTail(1000000, {5000000, 10000000});
// The IRR graph's difference axis: 1-5-10 above one million up to 10^9.
const StepSeries kIrrDifference = seriesWithTail(1000000, {5e6, 1e7, 5e7, 1e8, 5e8, 1e9});

} // namespace

TEST(AxisStep, SmallestSeriesMemberNotBelowTheRawStep)
{
    struct Case
    {
        double raw;
        const StepSeries& series;
        double step;
    } cases[] = {
        {0.0005, kProfile, 0.001},
        {0.001, kProfile, 0.001},
        {0.0011, kProfile, 0.002},
        {5, kProfile, 5},
        {5.5, kProfile, 10},
        {30, kProfile, 50},
        {0.025, kProfile, 0.05},
        {7.5, kProfile, 10},
        {1000000, kProfile, 1000000},
        {0, kProfile, 0.001},
        {-4, kProfile, 0.001},
        // Past the last member the 1-2-5 series goes on.
        {1500000, kProfile, 2000000},
        {3e6, kProfile, 5e6},
        {6e6, kProfile, 1e7},
        {150, series125(100), 200},
        // The income series skips 2,000,000, then goes on past 10,000,000
        // so that an axis never needs dozens of grid lines.
        {1500000, kIncome, 5000000},
        {10000000, kIncome, 10000000},
        {20000000, kIncome, 20000000},
        {36000000, kIncome, 50000000},
        {2e9, kIncome, 2e9},
        {1500000, kIrrDifference, 5000000},
        {600000000, kIrrDifference, 1000000000},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(tickStep(c.raw, c.series), c.step) << "raw step " << c.raw;

    EXPECT_DOUBLE_EQ(tickStep(std::nan(""), kProfile), 0.001);
    EXPECT_DOUBLE_EQ(tickStep(std::numeric_limits<double>::infinity(), kIncome), 10000000);
}

TEST(AxisStep, SeriesMembersAreTheDecimalsTheyName)
{
    const StepSeries s = series125(100);
    ASSERT_EQ(s.members.size(), 16u);
    EXPECT_EQ(s.members.front(), 0.001);
    EXPECT_EQ(s.members[4], 0.02);
    EXPECT_EQ(s.members[8], 0.5);
    EXPECT_EQ(s.members.back(), 100);
}

TEST(AxisOrigin, LargestMultipleBelowOrFirstMultipleBeyondANegativeMinimum)
{
    struct Case
    {
        double minimum, step, origin;
    } cases[] = {
        {1234, 50, 1200},
        {1250, 50, 1250},
        {30, 50, 0},
        {50, 50, 50},
        {0, 50, 0},
        {45, 10, 40},
        {90, 20, 80},
        {1225, 50, 1200},
        {-30, 50, -50},
        {-50, 50, -50},
        {-100, 50, -150},
        {-120, 50, -150},
        {-3000000, 1000000, -4000000},
        // No limit on the number of steps below zero.
        {-1234, 50, -1250},
        {-100000, 1, -100001},
        // Decimal steps meet decimal data.
        {0.3, 0.1, 0.3},
        {0.7f, 0.1, 0.7},
        {0.05, 0.05, 0.05},
        {1495, 0.5, 1495},
        // A flat section above 32.767 (step 0.001): no overflow.
        {40, 0.001, 40},
        {60000, 1, 60000},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(axisOrigin(c.minimum, c.step), c.origin, 1e-9)
            << "minimum " << c.minimum << " step " << c.step;

    EXPECT_EQ(axisOrigin(1234567, 100000, PositiveOrigin::Minimum), 1234567);
    EXPECT_EQ(axisOrigin(30, 50, PositiveOrigin::Minimum), 0);
    EXPECT_EQ(axisOrigin(-30, 50, PositiveOrigin::Minimum), -50);
    EXPECT_EQ(axisOrigin(std::nan(""), 50), 0);
    EXPECT_EQ(axisOrigin(100, 0), 0);
}

TEST(AxisDivisions, TopGridLineReachesTheData)
{
    struct Case
    {
        double maximum, origin, step;
        int divisions;
    } cases[] = {
        {1500, 1200, 50, 7}, // 6, plus one because 300 is short of 1500
        {1000, 0, 100, 10},
        {90, 10, 10, 9},
        {0.3, 0.05, 0.05, 6},
        {1500, 1495, 0.5, 11},
        {200, 0, 20, 10},
        {5000000, -4000000, 1000000, 9},
        // A negative origin whose rounded count falls short gets one more.
        {70, -150, 50, 5},
        {5.4e6, -4e6, 1e6, 10},
    };
    for (const Case& c : cases) {
        const int n = divisionCount(c.maximum, c.origin, c.step);
        EXPECT_EQ(n, c.divisions) << "maximum " << c.maximum << " origin " << c.origin;
        EXPECT_GE(c.origin + n * c.step, c.maximum - 1e-9);
    }

    EXPECT_EQ(divisionCount(0, 0, 0.001), 1);
    EXPECT_EQ(divisionCount(0, 0, 0.001, 2), 2);
    EXPECT_EQ(divisionCount(100, 0, 0), 1);
    EXPECT_EQ(divisionCount(std::nan(""), 0, 1, 3), 3);
}

TEST(AxisScale, WholeAxesOfTheGraphs)
{
    struct Case
    {
        const char* what;
        double minimum, maximum;
        AxisRules rules;
        double step, origin;
        int divisions;
        double top;
    } cases[] = {
        {"elevations 1200..1500", 1200, 1500, {}, 50, 1200, 7, 1550},
        {"elevations 0..1000", 0, 1000, {}, 100, 0, 10, 1000},
        {"demand 45..100", 45, 100, {}, 10, 40, 7, 110},
        {"demand 90..200", 90, 200, {}, 20, 80, 7, 220},
        {"pump heads 15..90", 15, 90, {}, 10, 10, 9, 100},
        {"pump flows 0..500", 0, 500, {}, 50, 0, 10, 500},
        {"pump heads 30..60", 30, 60, {}, 5, 30, 7, 65},
        {"efficiency 40..75", 40, 75, {series125(100)}, 5, 40, 8, 80},
        {"flows 0.05..0.30", 0.05, 0.30, {}, 0.05, 0.05, 6, 0.35},
        {"flows 1495..1500", 1495, 1500, {}, 0.5, 1495, 11, 1500.5},
        {"income 0..4.3e6", 0, 4.3e6, {kIncome, 2}, 500000, 0, 9, 4.5e6},
        {"income 0..15e6", 0, 15e6, {kIncome, 2}, 5e6, 0, 3, 15e6},
        {"income 0..2e8", 0, 2e8, {kIncome, 2}, 2e7, 0, 10, 2e8},
        {"income 0..3.6e8", 0, 3.6e8, {kIncome, 2}, 5e7, 0, 8, 4e8},
        {"income all zero", 0, 0, {kIncome, 2}, 0.001, 0, 2, 0.002},
        {"IRR rates 0..200", 0, 200, {series125(1000000)}, 20, 0, 10, 200},
        {"IRR rates 5..15", 5, 15, {series125(1000000)}, 1, 5, 11, 16},
        {"IRR -3e6..5e6", -3e6, 5e6, {kIrrDifference}, 1e6, -4e6, 9, 5e6},
        {"IRR -3.2e6..5.4e6", -3.2e6, 5.4e6, {kIrrDifference}, 1e6, -4e6, 10, 6e6},
        {"section 60,000..60,010 m", 60000, 60010, {}, 1, 60000, 11, 60011},
        {"flat section at 40 m", 40, 40, {}, 0.001, 40, 1, 40.001},
        {"range above the last member", 0, 5e7, {}, 5e6, 0, 10, 5e7},
    };
    for (const Case& c : cases) {
        const AxisScale a = scaleAxis(c.minimum, c.maximum, c.rules);
        EXPECT_DOUBLE_EQ(a.step, c.step) << c.what;
        EXPECT_NEAR(a.origin, c.origin, 1e-9) << c.what;
        EXPECT_EQ(a.divisions, c.divisions) << c.what;
        EXPECT_NEAR(a.top(), c.top, 1e-9) << c.what;
        EXPECT_GE(a.top(), c.maximum - 1e-9) << c.what;
    }
}

TEST(AxisScale, GridValuesAreCleanDecimals)
{
    const AxisScale a = scaleAxis(0.05, 0.30);
    EXPECT_EQ(a.valueAt(2), 0.15);
    EXPECT_EQ(a.valueAt(6), 0.35);
    const AxisScale b = scaleAxis(-0.3, 0.7);
    EXPECT_EQ(b.origin, -0.4);
    EXPECT_EQ(b.valueAt(4), 0.0);
    EXPECT_EQ(tickLabel(b.valueAt(4), b.step), "0.00");
}

TEST(Rounding, HalvesToEvenWithoutOverflow)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(1020.4999), 1020);
    EXPECT_EQ(toInt32(40000.5), 40000);
    EXPECT_EQ(toInt32(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(toInt32(-1e12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(toInt32(std::nan("")), 0);
}

TEST(TickLabels, VerticalPatternsFollowTheStep)
{
    struct Case
    {
        double value, step;
        const char* text;
    } cases[] = {
        {0.002, 0.001, "0.002"}, {0.05, 0.01, "0.050"},        {0.15, 0.05, "0.15"},
        {0.2, 0.1, "0.20"},      {70.5, 0.5, "70.5"},          {1550, 50, "1550"},
        {70, 2, "70"},           {4500000, 500000, "4500000"}, {-4000000, 1000000, "-4000000"},
        {-1e-17, 0.1, "0.00"}, // never "-0.00"
    };
    for (const Case& c : cases)
        EXPECT_EQ(tickLabel(c.value, c.step), c.text) << c.value;
    EXPECT_EQ(formatFixed(12.3456, 3), "12.346");
    EXPECT_EQ(formatFixed(std::nan(""), 3), "");
}

TEST(TickLabels, FixedLabelsGainDecimalsUntilNeighboursDiffer)
{
    EXPECT_EQ(fixedLabels({32.43, 32.44, 32.45}, 1),
              (std::vector<std::string>{"32.43", "32.44", "32.45"}));
    EXPECT_EQ(fixedLabels({0, 20, 40}, 1), (std::vector<std::string>{"0.0", "20.0", "40.0"}));
    EXPECT_EQ(fixedLabels({199.999, 200}, 0), (std::vector<std::string>{"199.999", "200.000"}));
    EXPECT_EQ(fixedLabels({5, 5}, 0), (std::vector<std::string>{"5", "5"})); // equal values
}

TEST(TickLabels, GeneralDecimalText)
{
    EXPECT_EQ(generalNumberText(0.5), " .5");
    EXPECT_EQ(generalNumberText(100.25), " 100.25");
    EXPECT_EQ(generalNumberText(-0.25), "-.25");
    EXPECT_EQ(generalNumberText(0), " 0");
    EXPECT_EQ(generalNumberText(-0.0), " 0");
    EXPECT_EQ(generalNumberText(1500.5), " 1500.5");
    EXPECT_EQ(generalNumberText(0.15000000000000002), " .15");
    EXPECT_EQ(generalNumberText(12345678), " 1.234568E+07");
    EXPECT_EQ(generalNumberText(0.00001), " 1E-05");
}

TEST(TickLabels, LengthByTheAxisMaximum)
{
    EXPECT_EQ(labelLength(999), 5);
    EXPECT_EQ(labelLength(999.4), 5);
    EXPECT_EQ(labelLength(999.6), 6);
    EXPECT_EQ(labelLength(12500), 7);
    EXPECT_EQ(labelLength(100000), 8);
}

namespace {

std::vector<std::string> texts(const std::vector<CutLabel>& labels)
{
    std::vector<std::string> out;
    for (const CutLabel& l : labels)
        out.push_back(l.text);
    return out;
}

std::vector<double> ticks(double origin, double step, int divisions)
{
    AxisScale a{step, origin, divisions};
    std::vector<double> v;
    for (int k = 0; k <= divisions; ++k)
        v.push_back(a.valueAt(k));
    return v;
}

} // namespace

TEST(TickLabels, HorizontalLabelsAreCutAfterTheLeadingBlank)
{
    EXPECT_EQ(texts(cutTickLabels({0.5, 100.25}, 5)), (std::vector<std::string>{".5", "100."}));
    EXPECT_EQ(texts(cutTickLabels({1234.56}, 6)), (std::vector<std::string>{"1234."}));
    EXPECT_EQ(texts(cutTickLabels({1234.567}, 7)), (std::vector<std::string>{"1234.5"}));
    EXPECT_EQ(texts(cutTickLabels({12.345}, 5)), (std::vector<std::string>{"12.3"}));
    EXPECT_EQ(texts(cutTickLabels(ticks(0.05, 0.05, 6), 5)),
              (std::vector<std::string>{".05", ".1", ".15", ".2", ".25", ".3", ".35"}));

    // Flows 1495 to 1500.5 cut to six: half values keep their point only.
    const auto flows = cutTickLabels(ticks(1495, 0.5, 11), 6);
    EXPECT_EQ(flows[0].text, "1495");
    EXPECT_EQ(flows[1].text, "1495.");
    EXPECT_EQ(flows[11].text, "1500.");
    EXPECT_EQ(flows[11].whole, "1500.5"); // centred on the uncut text
}

TEST(TickLabels, LabelsThatWouldReadTheSameGetMoreCharacters)
{
    // Step 0.005 near 12: cut to five, 12.34, 12.345 and 12.35 all read 12.3.
    EXPECT_EQ(texts(cutTickLabels({12.34, 12.345, 12.35}, 5)),
              (std::vector<std::string>{"12.34", "12.345", "12.35"}));

    // A 10 mm section at 60 km: seven significant digits are not enough.
    const auto fine = texts(cutTickLabels(ticks(60000, 0.001, 10), labelLength(60000.01)));
    EXPECT_EQ(fine.front(), "60000");
    EXPECT_EQ(std::set<std::string>(fine.begin(), fine.end()).size(), fine.size());
    EXPECT_EQ(fine[1], "60000.001");

    // Texts a graph formats itself: rate labels cut to five characters.
    EXPECT_EQ(texts(cutLabels({"20.0", "150.0", "1000.0", "1000.5"}, 5)),
              (std::vector<std::string>{"20.0", "150.0", "1000.0", "1000.5"}));
    EXPECT_EQ(texts(cutLabels({"20.0", "150.0"}, 5)), (std::vector<std::string>{"20.0", "150.0"}));

    // Exponent forms keep their exponent.
    EXPECT_EQ(texts(cutTickLabels({12345678}, 8)), (std::vector<std::string>{"1.234568E+07"}));
}
