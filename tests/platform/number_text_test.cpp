// Numbers as the fields and grid cells write and read them.
#include <gtest/gtest.h>

#include "platform/NumberText.h"

namespace vemora {
namespace {

TEST(NumberText, SingleValuesAsTheWindowShowsThem)
{
    EXPECT_EQ(SingleText(0.0f), "0");
    EXPECT_EQ(SingleText(0.5f), "0.5");
    EXPECT_EQ(SingleText(0.1f), "0.1");
    EXPECT_EQ(SingleText(999999.0f), "999999");
    EXPECT_EQ(SingleText(7.5f), "7.5");
    EXPECT_EQ(SingleText(-12.25f), "-12.25");
    EXPECT_EQ(SingleText(123456789.0f), "1.234568E+08");
    EXPECT_EQ(SingleText(0.00001f), "1E-05");
}

TEST(NumberText, WholeTextRefusesWhatIsNotANumber)
{
    float v = 42;
    EXPECT_FALSE(WholeTextNumber("", v));
    EXPECT_FALSE(WholeTextNumber(".", v));
    EXPECT_FALSE(WholeTextNumber("1.2.3", v));
    EXPECT_FALSE(WholeTextNumber("12 m", v));
    EXPECT_FALSE(WholeTextNumber("inf", v));
    EXPECT_FALSE(WholeTextNumber("1e999", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(WholeTextNumber(" 12.5 ", v));
    EXPECT_FLOAT_EQ(v, 12.5f);
}

} // namespace
} // namespace vemora
