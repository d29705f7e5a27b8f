// The general data report of a pumping project with varying demand prints a
// demand row for every year of the design life as it now stands, also after
// the design life was changed in the window.
#include "TextReportFixture.h"
#include "platform/ScrollBar.h"
#include "reports/Reports.h"

namespace vemora::test {
namespace {

class GeneralDemandRowsTest : public TextReportTest
{
  protected:
    // The year numbers printed at the demand table's first column.
    static std::vector<int> DemandYears(const std::vector<RecordedPage>& pages)
    {
        std::vector<int> years;
        for (const RecordedPage& page : pages)
            for (const PageText& t : page.texts) {
                bool number = false;
                const int year = t.text.toInt(&number);
                if (t.tab == 9 && number) years.push_back(year);
            }
        return years;
    }
};

TEST_F(GeneralDemandRowsTest, PumpingRowsFollowTheCurrentDesignLife)
{
    NewOfType(1);
    ctx.store.DemandMode = 1;
    ctx.store.DesignLife = 10;
    for (int y = 1; y <= MaxYears; ++y)
        ctx.store.YearDemand[y] = 50 + y;
    Show();
    EXPECT_EQ(DemandYears(Print(PrintGeneralData)).size(), 10u);

    w->hscLife->setValue(30); // the design life changes after the load
    ASSERT_EQ(ctx.store.DesignLife, 30);
    const std::vector<int> years = DemandYears(Print(PrintGeneralData));
    ASSERT_EQ(years.size(), 30u);
    for (int y = 1; y <= 30; ++y)
        EXPECT_EQ(years[static_cast<size_t>(y - 1)], y);
}

} // namespace
} // namespace vemora::test
