// The profile's leading-number rule: what a cell reads as, and which texts
// are refused because the number runs on.
#include <gtest/gtest.h>

#include "project/LeadingNumber.h"

namespace vemora {
namespace {

struct Reading
{
    const char* text;
    float value;
};

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith)
{
    const Reading cases[] = {{"12 m", 12.0f},       {"abc", 0.0f},      {"", 0.0f},
                             {".", 0.0f},           {"  ", 0.0f},       {"45", 45.0f},
                             {"- 3.5", -3.5f},      {"1 000", 1000.0f}, {"+2", 2.0f},
                             {".5", 0.5f},          {"5.", 5.0f},       {"1.5E+08", 1.5e8f},
                             {"2.5e-3mm", 0.0025f}, {"12e", 12.0f},     {"300mm", 300.0f},
                             {"12 each", 12.0f},    {"-0", 0.0f},       {"999999", 999999.0f}};
    for (const Reading& c : cases) {
        float value = -77;
        EXPECT_TRUE(ReadLeadingNumber(c.text, value)) << c.text;
        EXPECT_FLOAT_EQ(value, c.value) << c.text;
    }
}

TEST(LeadingNumber, RefusesANumberThatRunsOnAndLeavesTheValue)
{
    for (const char* text :
         {"1.2.3", "1..5", "2-3", "1,5", "1e5e3", "-", "--5", "..5", "1e+", "1e50", "5.-"}) {
        float value = -77;
        EXPECT_FALSE(ReadLeadingNumber(text, value)) << text;
        EXPECT_EQ(value, -77) << text;
    }
}

} // namespace
} // namespace vemora
