// The result captions formed from the stores.
#include <gtest/gtest.h>

#include "results/ResultLabels.h"

namespace vemora {
namespace {

TEST(ResultLabels, CaptionsOfACompletedRun)
{
    ProjectStore s;
    s.DesignLife = 25;
    ResultsStore r;
    r.NpvExpenditure = 1234567.4f;
    r.NpvIncome = 5;
    r.Irr = 13.0664f;
    r.IrrFound = true;
    const ResultLabels labels = MakeResultLabels(s, r);
    EXPECT_EQ(labels.DesignLife, "25 years");
    EXPECT_EQ(labels.NpvE, "R1,234,567");
    EXPECT_EQ(labels.NpvI, "R5");
    EXPECT_EQ(labels.Irr, "IRR = 13.066 %");

    s.CurrencyCode = 3; // any code but 0 is the Dollar
    EXPECT_EQ(MakeResultLabels(s, r).NpvE, "$1,234,567");
}

// Costs above income at every rate: no IRR, and an earlier value is not shown.
TEST(ResultLabels, NoRateOfReturnShowsNotApplicable)
{
    ProjectStore s;
    ResultsStore none;
    none.Irr = 13;
    none.IrrFound = false;
    EXPECT_EQ(MakeResultLabels(s, none).Irr, "IRR = n/a");
}

} // namespace
} // namespace vemora
