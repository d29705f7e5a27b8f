#include <gtest/gtest.h>

#include "project/ProjectOptions.h"
#include "project/ProjectRecord.h"
#include "project/ProjectStore.h"
#include "project/SystemType.h"

namespace vemora {
namespace {

// Each reading answers for its own code only, on the store and the record.
template <typename Project> void ExpectEachReadingOwnsItsCode()
{
    Project p{};
    EXPECT_FALSE(IsPumping(p));
    EXPECT_FALSE(HasVaryingDemand(p));
    EXPECT_FALSE(HasPumpCurve(p));
    EXPECT_FALSE(HasMortarLining(p));

    p.SystemType = PipelineSystem::Pumping;
    EXPECT_TRUE(IsPumping(p));
    EXPECT_FALSE(HasVaryingDemand(p) || HasPumpCurve(p) || HasMortarLining(p));

    p.DemandMode = DemandOption::Varying;
    EXPECT_TRUE(HasVaryingDemand(p));
    EXPECT_FALSE(HasPumpCurve(p) || HasMortarLining(p));

    p.PumpCurveGiven = PumpingOption::PumpCurve;
    EXPECT_TRUE(HasPumpCurve(p));
    EXPECT_FALSE(HasMortarLining(p));

    p.LiningSystem = LiningOption::Mortar;
    EXPECT_TRUE(HasMortarLining(p));

    p.SystemType = PipelineSystem::Gravity;
    p.DemandMode = DemandOption::Fixed;
    p.PumpCurveGiven = PumpingOption::OperatingFlowRate;
    p.LiningSystem = LiningOption::Epoxy;
    EXPECT_FALSE(IsPumping(p) || HasVaryingDemand(p) || HasPumpCurve(p) || HasMortarLining(p));
}

TEST(ProjectOptions, EachReadingOwnsItsCodeOnTheStoreAndTheRecord)
{
    ExpectEachReadingOwnsItsCode<ProjectStore>();
    ExpectEachReadingOwnsItsCode<ProjectRecord>();
}

} // namespace
} // namespace vemora
