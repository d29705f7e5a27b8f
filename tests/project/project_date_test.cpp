#include <gtest/gtest.h>

#include "project/ProjectDate.h"
#include "project/ProjectStore.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"

namespace vemora {
namespace {

TEST(ProjectDate, KeepsItsFourDigitYearThroughTheRecord)
{
    ProjectStore store;
    store.ProjectDate = FormatProjectDate(2031, 1, 5);
    EXPECT_EQ(store.ProjectDate, "05/01/2031");
    CopyStoreToRecord(store, store.ProjectRec);
    const ProjectRecord back = DecodeRecord(EncodeRecord(store.ProjectRec).data());
    ProjectStore loaded;
    CopyRecordToStore(back, loaded);
    int y = 0, m = 0, d = 0;
    ASSERT_TRUE(ParseProjectDate(loaded.ProjectDate, y, m, d));
    EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(2031, 1, 5));
}

TEST(ProjectDate, ReadsOnlyRealDaysWithFourDigitYears)
{
    int y = 1, m = 1, d = 1;
    EXPECT_TRUE(ParseProjectDate(" 9/3/1999 ", y, m, d));
    EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(1999, 3, 9));
    EXPECT_TRUE(ParseProjectDate("29/02/2024", y, m, d));
    for (const char* bad : {"29/02/2023", "31/04/2026", "01/13/2026", "00/01/2026", "1/1/26",
                            "01/01/20265", "2026/01/01", "", "ab/cd/efgh", "01-01-2026"}) {
        y = m = d = -1;
        EXPECT_FALSE(ParseProjectDate(bad, y, m, d)) << bad;
        EXPECT_EQ(y, -1) << bad;
    }
}

TEST(ProjectDate, TodayHasTheProjectFormat)
{
    int y = 0, m = 0, d = 0;
    const std::string today = TodayProjectDate();
    EXPECT_EQ(today.size(), 10u);
    EXPECT_TRUE(ParseProjectDate(today, y, m, d)) << today;
    EXPECT_GE(y, 2020);
}

} // namespace
} // namespace vemora
