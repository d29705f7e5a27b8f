// The input data reports print the snapshot of the input window: each text
// where its caption puts it, the page of the project's own system type, the
// options as chosen and the grids row by row. Every member gets a text of its
// own, so a report that reads the wrong one prints the wrong text.
#include "SnapshotReportFixture.h"

namespace vemora::test {
namespace {

class GeneralReportSnapshotTest : public SnapshotReportTest
{
  protected:
    void SetUp() override
    {
        SnapshotReportTest::SetUp();
        InputSnapshot& in = snapshot;
        in.DesignLife = "25 years";
        in.BaseYear = "2031";
        in.SupplyStart = "2033";
        in.Text(InputBox::txtGFlowrate) = "120";
        in.Unit(InputBox::txtGFlowrate) = "l/s";
        in.Unit(GridUnit::VaryingDemand) = "Ml/d";
        in.GravityDemand = Grid({{"Year", "Demand"}, {"1", "50"}, {"2", "55"}});
        in.Text(InputBox::txtTRWL) = "310";
        in.Unit(InputBox::txtTRWL) = "m";
        in.Text(InputBox::txtBRWL) = "205";
        in.Unit(InputBox::txtBRWL) = "ft";
        in.Text(InputBox::txtPFlowrate) = "95";
        in.Unit(InputBox::txtPFlowrate) = "m³/h";
        in.Unit(GridUnit::PumpVaryingDemand) = "kl/d";
        in.PumpDemand = Grid({{"Year", "Demand"}, {"1", "70"}, {"2", "75"}, {"3", "80"}});
        in.Text(InputBox::txtPPRWL) = "12";
        in.Unit(InputBox::txtPPRWL) = "m";
        in.Text(InputBox::txtPERWL) = "64";
        in.Unit(InputBox::txtPERWL) = "ft";
        in.Text(InputBox::txtPumpOperatingFlowrate) = " 80 ";
        in.Unit(InputBox::txtPumpOperatingFlowrate) = "m³/h ";
        in.Text(InputBox::txtPumpEfficiency) = "72";
        in.Unit(InputBox::txtH) = "ft";
        in.Unit(InputBox::txtQ) = "gal/s";
    }
};

TEST_F(GeneralReportSnapshotTest, AGravityProjectPrintsItsPeriodsFixedDemandAndLevels)
{
    snapshot.GravityFixedDemand = true;
    const QStringList lines = Lines(PrintGeneralData);
    EXPECT_TRUE(HasLine(lines, "Design life: 25 years"));
    EXPECT_TRUE(HasLine(lines, "Starting year: 2031"));
    EXPECT_TRUE(HasLine(lines, "Supply start year: 2033"));
    EXPECT_TRUE(HasLine(lines, "Preferred option: Fixed demand"));
    EXPECT_TRUE(HasLine(lines, "Demand: 120 l/s"));
    EXPECT_TRUE(HasLine(lines, "Top reservoir water level: 310 m"));
    EXPECT_TRUE(HasLine(lines, "Bottom reservoir water level: 205 ft"));
    EXPECT_FALSE(lines.join('\n').contains("Pump"));
    EXPECT_TRUE(ctx.windows.input.Loaded()); // the report loaded the window to read it
}

TEST_F(GeneralReportSnapshotTest, AGravityVaryingDemandPrintsItsOwnTable)
{
    snapshot.GravityFixedDemand = false;
    const QStringList lines = Lines(PrintGeneralData);
    EXPECT_TRUE(HasLine(lines, "Preferred option: Varying demand"));
    EXPECT_TRUE(HasLine(lines, "Year Demand (Ml/d)"));
    EXPECT_TRUE(HasLine(lines, "1 50"));
    EXPECT_TRUE(HasLine(lines, "2 55"));
    EXPECT_FALSE(lines.contains("3 80")); // the pumping table
}

TEST_F(GeneralReportSnapshotTest, APumpingProjectPrintsItsDemandLevelsAndPumpData)
{
    Pumping();
    ctx.store.DemandMode = 1;
    snapshot.GravityFixedDemand = true; // the gravity page's option does not count
    snapshot.OperatingFlowChosen = true;
    snapshot.PumpCurveChosen = true;
    const QStringList lines = Lines(PrintGeneralData);
    EXPECT_TRUE(HasLine(lines, "Year Demand (kl/d)"));
    EXPECT_TRUE(HasLine(lines, "3 80"));
    EXPECT_TRUE(HasLine(lines, "Pumpstation reservoir water level: 12 m"));
    EXPECT_TRUE(HasLine(lines, "End reservoir water level: 64 ft"));
    EXPECT_TRUE(HasLine(lines, "Operating flow rate: 80 m³/h"));
    EXPECT_TRUE(HasLine(lines, "Pump efficiency: 72 %"));
    EXPECT_TRUE(HasLine(lines, "ft gal/s %"));
    EXPECT_FALSE(lines.join('\n').contains("reservoir water level: 310"));

    ctx.store.DemandMode = 0;
    snapshot.OperatingFlowChosen = false;
    snapshot.PumpCurveChosen = false;
    const QStringList fixed = Lines(PrintGeneralData);
    EXPECT_TRUE(HasLine(fixed, "Demand: 95 m³/h"));
    EXPECT_FALSE(fixed.join('\n').contains("Operating flow rate:"));
    EXPECT_FALSE(fixed.join('\n').contains("Specified pump curve"));
}

TEST_F(SnapshotReportTest, TheProfileReportPrintsTheGridUnitsLiningAndRoughness)
{
    InputSnapshot& in = snapshot;
    in.Nodes = Grid({{"Node", "Elevation", "Length", "Diameter", "Wall", "Cost", "Loss", "Type"},
                     {"1", "100", "0", "500", "8", "1200", "0.5", "Reservoir"},
                     {"2", "96.5", "750", "450", "7", "1100", "0.2", "Air valve"}});
    in.Unit(GridUnit::Elevation) = "ft";
    in.Unit(GridUnit::Length) = "km";
    in.Unit(GridUnit::Diameter) = "inch";
    in.Unit(GridUnit::WallThickness) = "mm";
    in.Text(InputBox::txtLiningThickness) = "12";
    in.Unit(InputBox::txtLiningThickness) = "mm";
    in.Text(InputBox::txtKsNew) = "0.05";
    in.Unit(InputBox::txtKsNew) = "mm";
    in.Text(InputBox::txtKsOld) = "0.8";
    in.Unit(InputBox::txtKsOld) = "inch";
    in.Text(InputBox::txtKsOldYears) = "15";
    QStringList lines = Lines(PrintProfileData);
    EXPECT_TRUE(HasLine(lines, "(ft) (km) (inch) (mm) metre"));
    EXPECT_TRUE(HasLine(lines, "1 100 0 500 8 1200 0.5 Reservoir"));
    EXPECT_TRUE(HasLine(lines, "2 96.5 750 450 7 1100 0.2 Air valve"));
    EXPECT_TRUE(HasLine(lines, "Lining system - Cement mortar: 12 mm"));
    EXPECT_TRUE(HasLine(lines, "Roughness of new pipe (Ks): 0.05 mm"));
    EXPECT_TRUE(HasLine(lines, "Roughness of old pipe (Ks): 0.8 inch"));
    EXPECT_TRUE(HasLine(lines, "Roughness deterioration years: 15 years"));

    in.EpoxyLining = true;
    lines = Lines(PrintProfileData);
    EXPECT_TRUE(HasLine(lines, "Lining system - Epoxy coated"));
    EXPECT_FALSE(lines.join('\n').contains("Cement mortar"));
}

TEST_F(SnapshotReportTest, TheRatesReportPrintsCostsMaintenanceGridsAndRates)
{
    InputSnapshot& in = snapshot;
    in.Text(InputBox::txtMechanical) = "1500000";
    in.Text(InputBox::txtElectrical) = "250000";
    in.MaintenancePipeline = "0.5%";
    in.MaintenanceMechanical = "2%";
    in.MaintenanceElectrical = "1.5%";
    in.Staff = Grid({{"Staff", "Package", "Time"}, {"Engineer", "180000", "50"}});
    in.OtherExpenses = Grid({{"Description", "Amount"}, {"Chemicals", "12000"}});
    in.Text(InputBox::txtEscalation) = "8";
    in.Text(InputBox::txtDiscountRate) = "6";
    in.Text(InputBox::txtEnergyEscalation) = "7";
    in.Text(InputBox::txtWaterSales) = "2.5";
    in.Unit(InputBox::txtWaterSales) = "/kl";
    in.Text(InputBox::txtWaterIncrease) = "4";
    const QStringList lines = Lines(PrintRatesAndSales);
    EXPECT_TRUE(HasLine(lines, "Mechanical works - R1,500,000"));
    EXPECT_TRUE(HasLine(lines, "Electrical works - R250,000"));
    EXPECT_TRUE(HasLine(lines, "Pipeline - 0.5%"));
    EXPECT_TRUE(HasLine(lines, "Mechanical works - 2%"));
    EXPECT_TRUE(HasLine(lines, "Electrical works - 1.5%"));
    EXPECT_TRUE(HasLine(lines, "Engineer 180000 50"));
    const QString all = lines.join('\n');
    EXPECT_TRUE(all.contains("Chemicals 12000")) << all.toStdString();
    EXPECT_TRUE(all.contains("Escalation rate - 8 % Current water sales unit tariff - R2.50/kl"));
    EXPECT_TRUE(all.contains("Discount rate - 6 % Water tariff annual increase - 4 %"));
    EXPECT_FALSE(all.contains("Energy escalation rate"));

    Pumping();
    EXPECT_TRUE(HasLine(Lines(PrintRatesAndSales), "Energy escalation rate - 7 %"));
}

TEST_F(SnapshotReportTest, TheEnergyReportPrintsTheSixRatesHoursAndMonths)
{
    Pumping();
    InputSnapshot& in = snapshot;
    in.Text(InputBox::txtSPeak) = "0.31";
    in.Text(InputBox::txtSStandard) = "0.22";
    in.Text(InputBox::txtSOffpeak) = "0.11";
    in.Text(InputBox::txtWPeak) = "0.52";
    in.Text(InputBox::txtWStandard) = "0.33";
    in.Text(InputBox::txtWOffpeak) = "0.14";
    in.PumpingHours = " 20 ";
    in.SummerMonths = "4";
    const QStringList lines = Lines(PrintEnergyData);
    EXPECT_TRUE(HasLine(lines, "Peak rate: R0.31/kW R0.52/kW"));
    EXPECT_TRUE(HasLine(lines, "Standard rate: R0.22/kW R0.33/kW"));
    EXPECT_TRUE(HasLine(lines, "Off-peak rate: R0.11/kW R0.14/kW"));
    EXPECT_TRUE(HasLine(lines, "Pumping hours per day - 20"));
    EXPECT_TRUE(HasLine(lines, "Number of summer months - 4 months"));
}

// Without an input window every report still prints, its window texts empty.
TEST(ReportsWithoutInputWindow, PrintTheirCaptionsWithoutValues)
{
    CheckedUi scripted;
    CheckedContext ctx{scripted};
    FakeMainWindow main(ctx);
    WriteNewProjectDefaults(ctx.store, "01/02/2024");
    RecordingPageDevice device;
    ReportPrinter printer(device);
    PageRun run{HeaderTextsOf(ctx.store)};
    for (Report report : {PrintGeneralData, PrintProfileData, PrintRatesAndSales, PrintEnergyData})
        EXPECT_NO_THROW(report(ctx, run, printer));
    printer.EndDoc();
    QStringList lines;
    for (const RecordedPage& page : device.pages())
        for (const QString& line : page.textLines())
            lines << line.simplified();
    EXPECT_TRUE(lines.contains("Starting year:"));
    EXPECT_TRUE(lines.contains("Roughness deterioration years: years"));
}

} // namespace
} // namespace vemora::test
