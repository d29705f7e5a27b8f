// The printed input pages of a project open in the input window: each box
// typed in a form of its own (not the shortest) and each unit list set to a
// unit of its own, every value printed beside its own label as the page
// prints it (most as typed), and the results pages' units from their lists.
#include <QComboBox>
#include <QRadioButton>

#include "ReportsFixture.h"
#include "input/frmLCC.h"
#include "support/TypedText.h"

namespace vemora::test {
namespace {

class InputPagesTest : public ReportsTest
{
  protected:
    frmLCC* Window() const { return static_cast<frmLCC*>(ctx.windows.input.Get()); }

    // Each "box=text" typed into the box; each "list=code" chosen in the list.
    void Type(const QStringList& boxes)
    {
        for (const QString& box : boxes)
            TypeInto(Window()->findChild<QWidget*>(box.section('=', 0, 0)), box.section('=', 1));
    }
    void Choose(const QStringList& lists)
    {
        for (const QString& list : lists)
            Window()
                ->findChild<QComboBox*>(list.section('=', 0, 0))
                ->setCurrentIndex(list.section('=', 1).toInt());
    }

    // The pages of one run.
    std::vector<RecordedPage> Printed(std::initializer_list<ReportBox> boxes)
    {
        const size_t first = pages().size();
        EXPECT_FALSE(Record(boxes));
        return {pages().begin() + static_cast<std::ptrdiff_t>(first), pages().end()};
    }

    // Their lines, runs of blanks read as one.
    QStringList PrintedLines(std::initializer_list<ReportBox> boxes)
    {
        QStringList lines;
        for (const RecordedPage& page : Printed(boxes))
            for (const QString& line : page.textLines())
                lines << line.simplified();
        return lines;
    }

    static void ExpectLines(const QStringList& lines, const std::vector<QString>& expected)
    {
        for (const QString& line : expected)
            EXPECT_TRUE(lines.contains(line)) << "no line \"" << line.toStdString() << "\" in\n"
                                              << lines.join('\n').toStdString();
    }
};

TEST_F(InputPagesTest, APumpingProjectPrintsEachBoxBesideItsLabel)
{
    auto project = RisingMain(3, 10);
    SetPumpCurve(*project, TypicalPumpCurve);
    Open(*project);
    Type({"txtPFlowrate=0095.50", "txtPPRWL= 12 ", "txtPERWL=6.4e1", "txtPumpEfficiency=72.50",
          "txtPumpOperatingFlowrate=080.0", "txtPumptype= name-D ", "txtPumpDescription=name-E"});
    Type({"txtLiningThickness=012.0", "txtKsNew=0.050", "txtKsOld=1e-1", "txtKsOldYears= 15 "});
    Type({"txtSPeak=0.310", "txtSStandard=00.22", "txtSOffpeak=.11", "txtWPeak=0.5200",
          "txtWStandard=0.33", "txtWOffpeak=0.140"});
    Type({"txtMechanical=1500000.4", "txtElectrical=0250000", "txtEscalation=08.0",
          "txtDiscountRate= 6.5", "txtEnergyEscalation=07.25", "txtWaterSales=2.5",
          "txtWaterIncrease=4e0"});
    for (int k = 0; k < 6; ++k)
        Type({QStringLiteral("txtH(%1)=0%2.0").arg(k).arg(101 + k),
              QStringLiteral("txtQ(%1)=0.%2").arg(k).arg(21 + k),
              QStringLiteral("txtEfficiency(%1)=%2.50").arg(k).arg(61 + k)});
    Choose({"comPFlowrateUnits=4", "comPPRWLUnits=1", "comPERWLUnits=3",
            "comPumpOperatingFlowrateUnits=4", "comHeadUnits=1", "comFlowUnits=2",
            "comLiningThicknessUnits=2", "comKsNewUnits=1", "comKsOldUnits=3",
            "comElevationUnits=2", "comLengthUnits=3", "comDiameterUnits=2",
            "comWallThicknessUnits=1", "comWaterSalesUnits=1"});

    ExpectLines(
        PrintedLines({ReportBox::General, ReportBox::Profile, ReportBox::Energy, ReportBox::Rates}),
        {"Demand: 0095.50 ft³/s",
         "Pumpstation reservoir water level: 12 km",
         "End reservoir water level: 6.4e1 miles",
         "ft ft³/h %",
         "101 0.21 61.5",
         "106 0.26 66.5",
         "Pump type: name-D",
         "name-E",
         "(ft) (miles) (in) (m) metre",
         "Lining system - Cement mortar: 012.0 in",
         "Roughness of new pipe (Ks): 0.050 m",
         "Roughness of old pipe (Ks): 1e-1 ft",
         "Roughness deterioration years: 15 years",
         "Peak rate: R0.31/kW R0.52/kW",
         "Standard rate: R0.22/kW R0.33/kW",
         "Off-peak rate: R0.11/kW R0.14/kW",
         "Mechanical works - R1,500,000",
         "Electrical works - R250,000",
         "Escalation rate - 08.0 % Current water sales unit tariff - R2.50/Ml",
         "Discount rate - 6.5 % Water tariff annual increase - 4e0 %",
         "Energy escalation rate - 07.25 %"});

    Window()->optFlowrate->click();
    ExpectLines(PrintedLines({ReportBox::General}),
                {"Operating flow rate: 080.0 gal/s (USA)", "Pump efficiency: 72.50 %"});
}

TEST_F(InputPagesTest, AGravityProjectPrintsItsDemandAndLevels)
{
    auto project = GravityProject(100, 50, {{100, 0}, {50, 1000}});
    Open(*project);
    Type({"txtGFlowrate=0120.0", "txtTRWL= 310 ", "txtBRWL=2.05e2"});
    Choose({"comGFlowrateUnits=1", "comTRWLUnits=2", "comBRWLUnits=1"});
    ExpectLines(PrintedLines({ReportBox::General}),
                {"Demand: 0120.0 m³/h", "Top reservoir water level: 310 ft",
                 "Bottom reservoir water level: 2.05e2 km"});
}

// The hydraulic and the demand and yield tables name the units of the flow
// lists and the elevation list, each of a project of its own.
TEST_F(InputPagesTest, TheResultTablesNameTheUnitsOfTheirLists)
{
    auto pumping = RisingMain(3, 10); // operating flow 100 l/s
    pumping->FixedDemand = 360;
    pumping->FixedDemandUnit = 1;                                 // m³/h
    auto gravity = GravityProject(100, 0, {{100, 0}, {0, 1000}}); // demand in l/s
    gravity->YearDemandUnit = 2;
    const std::tuple<ProjectStore*, const char*, const char*, const char*> projects[] = {
        {pumping.get(), " l/s", "Pumping head: ", "All units are: m³/h"},
        {gravity.get(), " l/s", nullptr, "All units are: l/s"}};
    for (const auto& [project, flowUnit, head, demandUnits] : projects) {
        Open(*project);
        Analyse();
        printYear = 1;
        const std::vector<RecordedPage> printed =
            Printed({ReportBox::TextHydraulic, ReportBox::TextDemand});
        ASSERT_EQ(printed.size(), 2u);
        const PageText* flow = printed[0].findTextStartingWith("Flow rate: ");
        ASSERT_TRUE(flow);
        EXPECT_TRUE(flow->text.endsWith(QString::fromUtf8(flowUnit))) << flow->text.toStdString();
        const PageText* heads = printed[0].findTextStartingWith("Pumping head: ");
        ASSERT_EQ(heads != nullptr, head != nullptr);
        EXPECT_TRUE(!heads || heads->text.endsWith(" m")) << heads->text.toStdString();
        EXPECT_NE(printed[1].findText(QString::fromUtf8(demandUnits)), nullptr) << demandUnits;
    }
}

} // namespace
} // namespace vemora::test
