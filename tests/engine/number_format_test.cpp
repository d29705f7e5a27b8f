// The number patterns of the result labels, tables and reports.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/NumberFormat.h"

namespace vemora {
namespace {

TEST(NumberFormat, FixedDecimalsWithAtLeastOneIntegerDigit)
{
    EXPECT_EQ(FormatFixed(0, 3), "0.000");
    EXPECT_EQ(FormatFixed(12.3456, 3), "12.346");
    EXPECT_EQ(FormatFixed(19.5, 2), "19.50");
    EXPECT_EQ(FormatFixed(0.05, 3), "0.050");
    EXPECT_EQ(FormatFixed(123456.25, 3), "123456.250"); // no separators
    EXPECT_EQ(FormatFixed(-2.5, 3), "-2.500");
    EXPECT_EQ(FormatFixed(-0.0004, 3), "0.000"); // no minus before a zero
    EXPECT_EQ(FormatThreeDecimals(13.0664), "13.066");
}

TEST(NumberFormat, NoZeroBeforeThePointBelowOne)
{
    EXPECT_EQ(FormatNoLeadingZero(105.25, 3), "105.250");
    EXPECT_EQ(FormatNoLeadingZero(0.5, 3), ".500");
    EXPECT_EQ(FormatNoLeadingZero(0, 3), ".000");
    EXPECT_EQ(FormatNoLeadingZero(-0.5, 3), "-.500");
    EXPECT_EQ(FormatNoLeadingZero(-12.5, 3), "-12.500");
    EXPECT_EQ(FormatNoLeadingZero(0.9996, 3), "1.000"); // rounds up into the integers
    EXPECT_EQ(FormatNoLeadingZero(12345.5, 3), "12345.500");
}

TEST(NumberFormat, ThousandsSeparatedMoney)
{
    EXPECT_EQ(FormatThousands(1234567.8, 0), "1,234,568");
    EXPECT_EQ(FormatThousands(1234.4, 0), "1,234");
    EXPECT_EQ(FormatThousands(0, 0), "0");
    EXPECT_EQ(FormatThousands(999.6, 0), "1,000");
    EXPECT_EQ(FormatThousands(12345.678, 2), "12,345.68");
    EXPECT_EQ(FormatThousands(0.5, 2), "0.50");
    EXPECT_EQ(FormatThousands(-1234567.8, 0), "-1,234,568");
    EXPECT_EQ(FormatThousands(-0.4, 0), "0");
    EXPECT_EQ(FormatThousands(1e15, 0), "1,000,000,000,000,000");
}

TEST(NumberFormat, GeneralDecimalTextOfASingle)
{
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(1250.5f), "1250.5");
    EXPECT_EQ(FormatGeneral(100), "100");
    EXPECT_EQ(FormatGeneral(0.25f), "0.25");
    EXPECT_EQ(FormatGeneral(7.5f), "7.5");
    EXPECT_EQ(FormatGeneral(30.48f), "30.48"); // seven digits hide the binary rest
    EXPECT_EQ(FormatGeneral(-12.125f), "-12.125");
    EXPECT_EQ(FormatGeneral(1234567), "1234567");
    EXPECT_EQ(FormatGeneral(12345678), "1.234568E+07");
    EXPECT_EQ(FormatGeneral(0.00001f), "1E-05");
}

TEST(NumberFormat, ValuesThatAreNotNumbersReadNa)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatFixed(nan, 3), "n/a");
    EXPECT_EQ(FormatNoLeadingZero(inf, 3), "n/a");
    EXPECT_EQ(FormatThousands(-inf, 2), "n/a");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<float>::infinity()), "n/a");
    // The largest single is written out in full.
    const std::string largest = FormatThousands(std::numeric_limits<float>::max(), 2);
    EXPECT_EQ(largest.substr(0, 8), "340,282,");
    EXPECT_EQ(largest.size(), 54u);
}

} // namespace
} // namespace vemora
