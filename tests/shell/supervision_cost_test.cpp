// The supervision cost that a run takes from the window is the value that
// the store's supervision fees take from the same text, bit for bit.
#include <bit>

#include "ResultsFollowInputFixture.h"
#include "support/TypedText.h"

namespace vemora::test {
namespace {

class SupervisionCostTest : public ResultsFollowInputTest
{
};

TEST_F(SupervisionCostTest, TheRunTakesTheValueTheStoreTakes)
{
    const std::pair<const char*, uint32_t> typed[] = {
        {"", 0x00000000},      {"0", 0x00000000},      {"-0", 0x80000000},
        {"1e-45", 0x00000001}, {"3.4e38", 0x7f7fc99e}, {"12.50", 0x41480000},
    };
    auto project = GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}});
    Open(Write(*project, "supervision.kpj"));
    for (const auto& [text, bits] : typed) {
        TypeInto(input()->txtSupervision, QLatin1String(text));
        frmAnalyse dialog(ctx, main_);
        dialog.tmrStopMatrix_Timer();
        dialog.sscAnalyse->click();
        EXPECT_EQ(std::bit_cast<uint32_t>(ctx.results.SupervisionCost), bits) << text;
        EXPECT_EQ(std::bit_cast<uint32_t>(ctx.store.SupervisionFees), bits) << text;
    }
}

} // namespace
} // namespace vemora::test
