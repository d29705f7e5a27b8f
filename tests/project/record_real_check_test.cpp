#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

#include "project/ProjectFile.h"
#include "project/RecordCheck.h"
#include "project/RecordCodec.h"
#include "project/RecordFields.h"
#include "project/RecordStore.h"
#include "test_files.h"

namespace vemora {
namespace {

// One real element of a record: field name, element label and its address.
struct RealElement
{
    std::string name;
    std::string label;
    float* value;
};

// The first and the last element of every real field (every value of the
// pump curve at its first and last point).
class RealElements
{
  public:
    void operator()(const char*, int16_t&) {}
    void operator()(const char*, std::string&, size_t) {}
    template <size_t N> void operator()(const char*, std::array<int16_t, N>&) {}
    void operator()(const char* name, float& value) { all.push_back({name, name, &value}); }
    template <size_t N> void operator()(const char* name, std::array<float, N>& a)
    {
        for (size_t i : {size_t{1}, N - 1})
            all.push_back({name, std::string(name) + "(" + std::to_string(i) + ")", &a[i]});
    }
    void operator()(const char* name, std::array<std::array<float, 7>, 4>& curve)
    {
        for (size_t v = 1; v <= 3; ++v)
            for (size_t k : {1, 6})
                all.push_back(
                    {name,
                     std::string(name) + "(" + std::to_string(v) + ", " + std::to_string(k) + ")",
                     &curve[v][k]});
    }
    std::vector<RealElement> all;
};

using test::NewProjectRecord;

bool GravityLeavesUnread(std::string_view name)
{
    for (std::string_view kept :
         {"PumpCurve", "OperatingEfficiency", "TariffSummerPeak", "TariffSummerStandard",
          "TariffSummerOffPeak", "TariffWinterPeak", "TariffWinterStandard", "TariffWinterOffPeak",
          "OperatingFlowRate"})
        if (name == kept) return true;
    return false;
}

TEST(RecordRealCheck, NaNAndInfinitiesInAFileAreRefusedWhereTheLoadReadsThem)
{
    constexpr float Bad[] = {std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity()};
    test::TempFolder folder;
    const std::string path = folder.File("bad.kpj");
    for (int16_t system : {int16_t{0}, int16_t{1}}) {
        ProjectRecord bad = NewProjectRecord(system);
        RealElements elements;
        ForEachRecordField(bad, elements);
        ASSERT_GT(elements.all.size(), 50u);
        for (const RealElement& e : elements.all) {
            for (float value : Bad) {
                SCOPED_TRACE(e.label + " = " + std::to_string(value) + " in system type " +
                             std::to_string(system));
                const float kept = *e.value;
                *e.value = value;
                test::WriteBytes(path, EncodeRecord(bad));
                *e.value = kept;

                const ProjectRecord sentinel = NewProjectRecord(1 - system);
                ProjectRecord out = sentinel;
                int64_t number = 7;
                const bool unread =
                    e.name == "ReservedValue" || (system == 0 && GravityLeavesUnread(e.name));
                if (unread) {
                    EXPECT_EQ(ReadProjectFile(path, out, number), FileStatus::Ok);
                    continue;
                }
                EXPECT_EQ(ReadProjectFile(path, out, number), FileStatus::Damaged);
                EXPECT_TRUE(out == sentinel);
                EXPECT_EQ(number, 7);
            }
        }
    }
}

TEST(RecordRealCheck, NamesTheFirstBadElement)
{
    ProjectRecord r = NewProjectRecord(1);
    r.PipeDiameter[500] = std::numeric_limits<float>::infinity();
    r.PumpCurve[3][6] = std::numeric_limits<float>::quiet_NaN();
    std::string why;
    EXPECT_FALSE(CheckRecord(r, &why));
    EXPECT_EQ(why, "PipeDiameter(500) is not a finite number");
    r.PipeDiameter[500] = 0;
    EXPECT_FALSE(CheckRecord(r, &why));
    EXPECT_EQ(why, "PumpCurve(3, 6) is not a finite number");
    // Negative and huge finite values are the analysis's concern, not damage.
    r.PumpCurve[3][6] = -std::numeric_limits<float>::max();
    EXPECT_TRUE(CheckRecord(r));
}

TEST(RecordRealCheck, AGravityFileKeepsItsUnreadPumpFieldsOutOfTheStore)
{
    ProjectRecord r = NewProjectRecord(0);
    r.TariffWinterPeak = std::numeric_limits<float>::quiet_NaN();
    r.PumpCurve[2][3] = std::numeric_limits<float>::infinity();
    ASSERT_TRUE(CheckRecord(r));
    ProjectStore store;
    store.TariffWinterPeak = 1.25f;
    CopyRecordToStore(r, store);
    EXPECT_EQ(store.TariffWinterPeak, 1.25f);
    EXPECT_EQ(store.PumpCurve[2][3], 0.0f);
}

} // namespace
} // namespace vemora
