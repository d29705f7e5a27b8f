// The hydraulic analysis table: 27 nodes a page, the flow and pumping head
// line, node rows from the results, and the values that cannot print.
#include <map>

#include "ReportsFixture.h"
#include "app/PrintFailure.h"
#include "engine/NumberFormat.h"
#include "reports/Reports.h"

namespace vemora::test {
namespace {

class HydraulicReportTest : public ReportsTest
{
  protected:
    // The texts of the node row numbered `number`, by print column.
    static std::map<int, QString> Row(const RecordedPage& page, const QString& number)
    {
        std::map<int, QString> row;
        for (const PageText& n : page.texts) {
            if (n.tab != 5 || n.text != number) continue;
            for (const PageText& t : page.texts)
                if (std::abs(t.pos.y() - n.pos.y()) < 0.01) row[t.tab] = t.text;
        }
        return row;
    }

    std::optional<QString> Print(int year = 1)
    {
        printYear = year;
        return Record({ReportBox::TextHydraulic});
    }
};

TEST_F(HydraulicReportTest, TwentySevenNodesAPage)
{
    auto project = RisingMain(27, 10);
    Open(*project);
    Analyse();
    EXPECT_FALSE(Print());
    ASSERT_EQ(pages().size(), 2u); // the break after node 27 leaves a page of headings
    EXPECT_NE(pages()[0].findText("27"), nullptr);
    EXPECT_NE(pages()[1].findText("HYDRAULIC ANALYSIS"), nullptr);
    EXPECT_NE(pages()[1].findText("Description"), nullptr);
    EXPECT_EQ(pages()[1].findText("1"), nullptr);
    EXPECT_DOUBLE_EQ(pages()[0].lines[3].from.y(), 241); // the footer of a continued page
}

TEST_F(HydraulicReportTest, FiveHundredNodesTakeNineteenPages)
{
    auto project = RisingMain(500, 10);
    Open(*project);
    Analyse();
    EXPECT_FALSE(Print());
    ASSERT_EQ(pages().size(), 19u);
    EXPECT_NE(pages()[18].findText("487"), nullptr);
    EXPECT_NE(pages()[18].findText("500"), nullptr);
    EXPECT_NE(pages()[17].findText("486"), nullptr);
}

TEST_F(HydraulicReportTest, RowsShowTheGradelineAndPressureOfTheYear)
{
    auto project = GravityProject(100, 0, {{100, 0}, {60, 800}, {0, 2000}});
    project->SupplyStartYear = 2001;
    project->BaseYear = 2000;
    Open(*project);
    Analyse();
    ctx.store.NodeTypeCode[2] = 12; // from a damaged file
    ctx.store.ProjectRec.NodeTypeCode[2] = 12;
    EXPECT_FALSE(Print(3));
    const RecordedPage& page = pages()[0];
    EXPECT_NE(page.findText("Year: 2003"), nullptr);
    EXPECT_EQ(page.findTextStartingWith("Pumping head"), nullptr);
    EXPECT_NE(page.findTextStartingWith("Flow rate: "), nullptr);
    const ResultsStore& r = ctx.results;
    auto three = [](double v) { return QString::fromStdString(FormatThreeDecimals(v)); };
    // The first node of a gravity system stands at the start reservoir level.
    auto row1 = Row(page, "1");
    EXPECT_EQ(row1[11], " 0 ");
    EXPECT_EQ(row1[24], " 100 ");
    EXPECT_EQ(row1[36], three(r.Gradeline(0, 3)));
    EXPECT_EQ(row1[49], three(r.Gradeline(0, 3) - 100));
    EXPECT_EQ(row1[61], "Node" + QString(16, ' '));
    // A node type outside the table prints no description.
    auto row2 = Row(page, "2");
    EXPECT_EQ(row2[11], " 800 ");
    EXPECT_EQ(row2[36], three(r.Gradeline(1, 3)));
    EXPECT_EQ(row2[49], three(r.Gradeline(1, 3) - 60));
    EXPECT_EQ(row2[61], "");
    EXPECT_EQ(page.findText("Node")->font.name, "Courier New");
}

TEST_F(HydraulicReportTest, ThePumpingHeadTakesTheStartLevelInItsOwnUnit)
{
    auto project = RisingMain(3, 10);
    project->StartReservoirLevelUnit = 2;    // ft
    project->StartReservoirLevel = 32.8084f; // 10 m
    Open(*project);
    Analyse();
    EXPECT_FALSE(Print());
    const double head = ctx.results.Gradeline(1, 1) - 32.8084f * 0.3048f;
    EXPECT_NE(pages()[0].findTextStartingWith(
                  "Pumping head: " + QString::fromStdString(FormatThreeDecimals(head)) + " m"),
              nullptr);
    EXPECT_NEAR(head, ctx.results.Gradeline(1, 1) - 10, 0.001);
}

TEST_F(HydraulicReportTest, AZeroUnitFactorOrAValueNotFiniteStopsTheReport)
{
    auto project = RisingMain(3, 10);
    Open(*project);
    Analyse();
    const QString message =
        "Could not print the Hydraulic Analysis results ! Check the obtained results.";
    ctx.results.LevelUnitFactor = 0;
    EXPECT_EQ(Print(), message);

    ctx.results.LevelUnitFactor = 1;
    ctx.results.Gradeline(2, 1) = std::numeric_limits<float>::infinity();
    EXPECT_EQ(Print(), message);
    ctx.results.Gradeline(2, 1) = 0;
    ctx.results.YearFlow[1] = std::nanf("");
    EXPECT_EQ(Print(), message);
    for (const RecordedPage& page : pages())
        for (const PageText& t : page.texts)
            EXPECT_FALSE(t.text.contains("inf") || t.text.contains("nan")) << t.text.toStdString();
}

} // namespace
} // namespace vemora::test
