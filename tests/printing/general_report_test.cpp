// The general data report from the input window as it stands: the demand
// table's pages, the fixed demand line, reservoir levels with their own
// units and the pump data.
#include "ReportsFixture.h"
#include "reports/Reports.h"

namespace vemora::test {
namespace {

class GeneralReportTest : public ReportsTest
{
  protected:
    // A gravity project with a varying demand of `years` years.
    void OpenVarying(int years)
    {
        auto project = GravityProject(100, 0, {{100, 0}, {0, 1000}});
        project->DesignLife = static_cast<int16_t>(years);
        project->DemandMode = 1;
        for (int y = 1; y <= years; ++y)
            project->YearDemand[y] = 50.0f + y;
        Open(*project);
    }

    void Print()
    {
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        PrintGeneralData(ctx, run, printer);
        printer.EndDoc();
    }

    int PagesWith(const QString& text) const
    {
        int n = 0;
        for (const RecordedPage& page : pages())
            n += page.findTextStartingWith(text) != nullptr;
        return n;
    }
};

TEST_F(GeneralReportTest, AHundredYearsOfDemandTakeFivePages)
{
    OpenVarying(100);
    Print();
    ASSERT_EQ(pages().size(), 5u);
    EXPECT_EQ(PagesWith("GENERAL PROJECT DATA: GRAVITY SYSTEM"), 5);
    EXPECT_EQ(PagesWith("Demand ("), 5);
    // Years 1-23, 24-48, 49-73, 74-98 and 99-100.
    const int firstYears[] = {1, 24, 49, 74, 99};
    for (int p = 0; p < 5; ++p) {
        const RecordedPage& page = pages()[static_cast<size_t>(p)];
        EXPECT_NE(page.findText(QString::number(firstYears[p])), nullptr) << "page " << p + 1;
        if (p > 0) {
            EXPECT_EQ(page.findText(QString::number(firstYears[p] - 1)), nullptr);
        }
    }
    EXPECT_NE(pages()[0].findText("Varying demand"), nullptr);
    EXPECT_NE(pages()[4].findText("Reservoir levels"), nullptr);
    // The footer of a continued page at 240 mm, of the last at 245 mm.
    EXPECT_DOUBLE_EQ(pages()[0].lines[1].from.y(), 241);
    EXPECT_DOUBLE_EQ(pages()[4].lines[1].from.y(), 246);
}

TEST_F(GeneralReportTest, TwentyThreeYearsBreakAtTheEndOfTheTable)
{
    OpenVarying(23);
    Print();
    ASSERT_EQ(pages().size(), 2u);
    EXPECT_NE(pages()[1].findTextStartingWith("Demand ("), nullptr);
    EXPECT_NE(pages()[1].findText("Reservoir levels"), nullptr);
    EXPECT_NE(pages()[1].findText("Page 2"), nullptr);
}

TEST_F(GeneralReportTest, AGravityFixedDemandPrintsOneLineAndBothLevels)
{
    auto project = GravityProject(100, 0, {{100, 0}, {0, 1000}});
    Open(*project);
    Print();
    ASSERT_EQ(pages().size(), 1u);
    const RecordedPage& page = pages()[0];
    EXPECT_NE(page.findText("Fixed demand"), nullptr);
    EXPECT_NE(page.findTextStartingWith("Demand: 100 "), nullptr);
    EXPECT_EQ(page.findText("Year"), nullptr);
    EXPECT_NE(page.findText("Top reservoir water level:"), nullptr);
    EXPECT_EQ(page.findText("Top reservoir water level:")->tab, 9);
    EXPECT_EQ(page.findTextStartingWith("100 ")->tab, 40); // the top level
    EXPECT_EQ(page.findText("Pumping system"), nullptr);
    EXPECT_EQ(page.findText("Design life:")->tab, 7);
    EXPECT_EQ(page.findText("10 years")->tab, 30);
}

TEST_F(GeneralReportTest, APumpingProjectPrintsItsLevelsInTheirUnitsAndThePumpCurve)
{
    auto project = RisingMain(3, 10);
    project->StartReservoirLevelUnit = 2; // ft
    project->StartReservoirLevel = 32.8084f;
    SetPumpCurve(*project,
                 {{90, 0.05f, 60}, {85, 0.1f, 70}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}});
    project->PumpType = "Split case";
    project->PumpDescription = "Two in parallel";
    Open(*project);
    Print();
    ASSERT_EQ(pages().size(), 1u);
    const RecordedPage& page = pages()[0];
    EXPECT_NE(page.findText("GENERAL PROJECT DATA: PUMPING SYSTEM"), nullptr);
    const PageText* start = page.findTextStartingWith("32.8084 ");
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->text.endsWith("ft"));
    EXPECT_EQ(start->tab, 45);
    const PageText* end = page.findTextStartingWith("60 ");
    ASSERT_NE(end, nullptr);
    EXPECT_TRUE(end->text.endsWith(" m"));
    EXPECT_NE(page.findText("Specified pump curve"), nullptr);
    EXPECT_NE(page.findText("Efficiency"), nullptr);
    // Six points, those never entered as 0.
    int zeros = 0;
    for (const PageText& t : page.texts)
        zeros += t.text == "0" && t.tab == 9;
    EXPECT_EQ(zeros, 4);
    EXPECT_NE(page.findText("Pump type: Split case"), nullptr);
    EXPECT_NE(page.findText("Two in parallel"), nullptr);
}

TEST_F(GeneralReportTest, APumpingProjectWithAnOperatingFlowPrintsItAndTheEfficiency)
{
    auto project = RisingMain(3, 10);
    Open(*project);
    Print();
    const RecordedPage& page = pages()[0];
    EXPECT_NE(page.findText("Specified operating Flow rate"), nullptr);
    EXPECT_NE(page.findText("Pump efficiency:"), nullptr);
    EXPECT_NE(page.findText("75 %"), nullptr);
}

} // namespace
} // namespace vemora::test
