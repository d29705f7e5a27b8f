// The result tables name their units as the input window's unit lists show
// them: the flow in the list of the demand or pump option in use, the pumping
// head in the elevation list, the demand and yield table in the demand list
// of the project's own page.
#include "SnapshotReportFixture.h"

namespace vemora::test {
namespace {

class ResultUnitsTest : public SnapshotReportTest
{
  protected:
    void SetUp() override
    {
        SnapshotReportTest::SetUp();
        InputSnapshot& in = snapshot;
        in.Unit(InputBox::txtGFlowrate) = "l/s ";
        in.Unit(GridUnit::VaryingDemand) = "Ml/d";
        in.Unit(InputBox::txtPFlowrate) = "m³/h";
        in.Unit(GridUnit::PumpVaryingDemand) = "kl/d";
        in.Unit(InputBox::txtPumpOperatingFlowrate) = "m³/s";
        in.Unit(InputBox::txtQ) = "gal/s";
        snapshot.Unit(GridUnit::Elevation) = "ft";

        ResultsStore& r = ctx.results;
        r.DemandUnitFactor = r.PumpFlowUnitFactor = r.OperatingFlowUnitFactor = 1;
        r.LevelUnitFactor = 1;
        r.YearFlow[1] = 0.25f;
        ctx.store.DesignLife = 1;
        ctx.store.SupplyStartYear = 2025;
        ctx.store.NodeCount = 0;
        printYear = 1;
    }

    // The flow and pumping-head line of the hydraulic table.
    std::string HydraulicHeading()
    {
        for (const QString& line : Lines(PrintHydraulicAnalysisTable))
            if (line.startsWith("Flow rate:")) return line.toStdString();
        return std::string();
    }

    // The line under the table that names its unit.
    std::string DemandUnitLine()
    {
        for (const QString& line : Lines(PrintDemandYieldTable))
            if (line.startsWith("All units are:")) return line.toStdString();
        return std::string();
    }
};

TEST_F(ResultUnitsTest, AGravityProjectTakesTheUnitOfItsDemandOption)
{
    EXPECT_EQ(HydraulicHeading(), "Flow rate: 0.250 l/s Year: 2025");
    EXPECT_EQ(DemandUnitLine(), "All units are: l/s");
    ctx.store.DemandMode = 1;
    EXPECT_EQ(HydraulicHeading(), "Flow rate: 0.250 Ml/d Year: 2025");
    EXPECT_EQ(DemandUnitLine(), "All units are: Ml/d");
}

TEST_F(ResultUnitsTest, APumpingProjectTakesThePumpOptionsUnitAndTheElevationUnit)
{
    Pumping();
    EXPECT_EQ(HydraulicHeading(), "Flow rate: 0.250 m³/s Pumping head: 0.000 ft Year: 2025");
    EXPECT_EQ(DemandUnitLine(), "All units are: m³/h");
    ctx.store.PumpCurveGiven = 1;
    ctx.store.DemandMode = 1;
    EXPECT_EQ(HydraulicHeading(), "Flow rate: 0.250 gal/s Pumping head: 0.000 ft Year: 2025");
    EXPECT_EQ(DemandUnitLine(), "All units are: kl/d");
}

} // namespace
} // namespace vemora::test
