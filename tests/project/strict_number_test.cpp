#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "project/StrictNumber.h"

namespace vemora {
namespace {

TEST(StrictNumber, ReadsPlainDecimals)
{
    const struct
    {
        const char* text;
        double value;
    } cases[] = {{"0", 0},        {"5", 5},         {"5.", 5},
                 {".5", 0.5},     {"12.25", 12.25}, {"007", 7},
                 {"  3.5 ", 3.5},

                 {"0.000", 0},    {"1000000", 1e6}, {"123456789.125", 123456789.125}};
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_TRUE(ReadStrictNumber(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(StrictNumber, RefusesEverythingElseAndLeavesTheValue)
{
    const char* texts[] = {"",    " ",   ".",   "..",    "1.2.3", "1e3",   "1E3", "inf",
                           "nan", "NaN", "+5",  "1,000", "1,5",   "1 000", "5-",  "0x10",
                           "--5", "- 5", "abc", "12a",   "٣",     "1.5\n", "\r2", "\t42"};
    for (const char* text : texts) {
        double value = 77;
        EXPECT_FALSE(ReadStrictNumber(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 77) << text;
        float single = 77;
        EXPECT_FALSE(ReadStrictNumber(text, single, MinusSign::Allowed)) << text;
        EXPECT_EQ(single, 77) << text;
    }
}

TEST(StrictNumber, MinusOnlyWhereTheCallerAllowsIt)
{
    double value = 1;
    EXPECT_FALSE(ReadStrictNumber("-2.5", value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(ReadStrictNumber("-2.5", value, MinusSign::Allowed));
    EXPECT_EQ(value, -2.5);
    EXPECT_TRUE(ReadStrictNumber("-.5", value, MinusSign::Allowed));
    EXPECT_EQ(value, -0.5);
    EXPECT_FALSE(ReadStrictNumber("-", value, MinusSign::Allowed));
    EXPECT_FALSE(ReadStrictNumber("-.", value, MinusSign::Allowed));
    // Minus zero is plain zero, so no text of it ever shows "-0".
    EXPECT_TRUE(ReadStrictNumber("-0.0", value, MinusSign::Allowed));
    EXPECT_FALSE(std::signbit(value));
}

TEST(StrictNumber, RefusesValuesBeyondTheTargetRange)
{
    const std::string huge = "1" + std::string(400, '0');
    double value = 3;
    EXPECT_FALSE(ReadStrictNumber(huge, value));
    EXPECT_EQ(value, 3);

    const std::string beyondSingle = "1" + std::string(39, '0'); // 1E+39
    EXPECT_TRUE(ReadStrictNumber(beyondSingle, value));
    float single = 3;
    EXPECT_FALSE(ReadStrictNumber(beyondSingle, single));
    EXPECT_EQ(single, 3);
    EXPECT_TRUE(ReadStrictNumber("340000000000000000000000000000000000000", single));
}

TEST(StrictNumber, IgnoresTheLocale)
{
    // A locale with a decimal comma, when the machine has one.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    double value = 0;
    EXPECT_TRUE(ReadStrictNumber("2.75", value));
    EXPECT_EQ(value, 2.75);
    EXPECT_FALSE(ReadStrictNumber("2,75", value));
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
} // namespace vemora
