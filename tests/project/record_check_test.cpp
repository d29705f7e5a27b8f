#include <gtest/gtest.h>

#include <functional>

#include "project/ProjectStore.h"
#include "project/RecordCheck.h"
#include "project/RecordStore.h"
#include "test_files.h"

namespace vemora {
namespace {

using test::NewProjectRecord;

struct Bound
{
    const char* name;
    std::function<int16_t&(ProjectRecord&)> field;
    int min;
    int max;
};

#define FIELD(f) #f, [](ProjectRecord & r) -> int16_t& { return r.f; }

// Fields checked for every system type, with their ranges.
const Bound CommonBounds[] = {
    {FIELD(SystemType), 0, 1},
    {FIELD(DemandMode), 0, 1},
    {FIELD(LiningSystem), 0, 1},
    {FIELD(DesignLife), 2, 100},
    {FIELD(BaseYear), 1950, 2500},
    {FIELD(SupplyStartYear), 1950, 2500},
    {FIELD(MaintenanceMechanical), 0, 1000},
    {FIELD(MaintenanceElectrical), 0, 1000},
    {FIELD(MaintenancePipeline), 0, 2000},
    {FIELD(FixedDemandUnit), 0, 12},
    {FIELD(YearDemandUnit), 0, 12},
    {FIELD(StartReservoirLevelUnit), 0, 3},
    {FIELD(EndReservoirLevelUnit), 0, 3},
    {FIELD(ElevationUnit), 0, 3},
    {FIELD(ChainageUnit), 0, 3},
    {FIELD(DiameterUnit), 0, 3},
    {FIELD(WallThicknessUnit), 0, 3},
    {FIELD(LiningThicknessUnit), 0, 3},
    {FIELD(RoughnessNewUnit), 0, 3},
    {FIELD(RoughnessOldUnit), 0, 3},
    {FIELD(WaterPriceUnit), 0, 3},
};

// Fields checked only for a pumping record.
const Bound PumpingBounds[] = {
    {FIELD(PumpCurveGiven), 0, 1}, {FIELD(SummerMonths), 0, 12},
    {FIELD(PumpingHours), 1, 24},  {FIELD(CurveHeadUnit), 0, 1},
    {FIELD(CurveFlowUnit), 0, 3},  {FIELD(OperatingFlowRateUnit), 0, 9},
};

void ExpectBoundsHold(const Bound& b, int16_t systemType)
{
    SCOPED_TRACE(b.name);
    for (int value : {b.min, b.max}) {
        ProjectRecord rec = NewProjectRecord(systemType);
        b.field(rec) = static_cast<int16_t>(value);
        EXPECT_TRUE(CheckRecord(rec)) << value;
    }
    for (int value : {b.min - 1, b.max + 1, -32768, 32767}) {
        ProjectRecord rec = NewProjectRecord(systemType);
        b.field(rec) = static_cast<int16_t>(value);
        std::string why;
        EXPECT_FALSE(CheckRecord(rec, &why)) << value;
        EXPECT_NE(why.find(b.name), std::string::npos) << why;
    }
}

TEST(RecordCheck, NewProjectsPass)
{
    EXPECT_TRUE(CheckRecord(NewProjectRecord(0)));
    EXPECT_TRUE(CheckRecord(NewProjectRecord(1)));
}

TEST(RecordCheck, EveryCheckedFieldHasItsRange)
{
    for (const Bound& b : CommonBounds) {
        ExpectBoundsHold(b, 0);
        ExpectBoundsHold(b, 1);
    }
    for (const Bound& b : PumpingBounds)
        ExpectBoundsHold(b, 1);
}

TEST(RecordCheck, GravityRecordsCarryUncheckedPumpingFields)
{
    ProjectRecord rec = NewProjectRecord(0);
    for (const Bound& b : PumpingBounds)
        b.field(rec) = -7;
    EXPECT_TRUE(CheckRecord(rec));
}

TEST(RecordCheck, OddNodeTypesAndHourCodesAreTolerated)
{
    ProjectRecord rec = NewProjectRecord(1);
    rec.NodeTypeCode[3] = 55;
    rec.NodeTypeCode[500] = -4;
    rec.SummerHourPeriod[1] = 9;
    rec.WinterHourPeriod[24] = -1;
    rec.CurrencyCode = 7; // read as Dollar
    EXPECT_TRUE(CheckRecord(rec));
}

} // namespace
} // namespace vemora
