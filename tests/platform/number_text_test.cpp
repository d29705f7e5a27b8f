// Numbers as the fields and grid cells write and read them.
#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <vector>

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
    EXPECT_EQ(SingleText(12345678.0f), "12345678");
    EXPECT_EQ(SingleText(123456789.0f), "123456790");
    EXPECT_EQ(SingleText(12345.678f), "12345.678");
    EXPECT_EQ(SingleText(0.00001f), "0.00001");
    EXPECT_EQ(SingleText(3.4e38f), "340000000000000000000000000000000000000");
}

// Every stored value shows in plain digits that read back as that very value:
// the range's ends, the denormals, and bit patterns spread over the range.
TEST(NumberText, EveryValueReadsBackInPlainDigits)
{
    std::vector<float> values = {std::numeric_limits<float>::max(),
                                 std::numeric_limits<float>::min(),
                                 std::numeric_limits<float>::denorm_min(),
                                 16777217.0f,
                                 0.1f + 0.2f,
                                 1.0f / 3.0f};
    for (uint32_t bits = 0x00000001; bits < 0x7f800000; bits += 0x000a3d71)
        values.push_back(std::bit_cast<float>(bits));
    for (float v : values)
        for (float signed_ : {v, -v}) {
            const QString text = SingleText(signed_);
            float back = 0;
            ASSERT_TRUE(WholeTextNumber(text, back)) << text.toStdString();
            EXPECT_EQ(back, signed_) << text.toStdString();
            EXPECT_FALSE(text.contains(QLatin1Char('E'))) << text.toStdString();
            EXPECT_LT(text.size(), 50) << text.toStdString();
        }
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
