// The profile view's printed page: landscape, the section from the list
// texts, the roughness, year and flow while the gradeline is drawn (three
// empty lines and no gradeline key while it is hidden), the flow in the unit
// of the flow printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "app/PrintFailure.h"
#include "pages/ViewProfilePage.h"
#include "platform/Drawing.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "project/UnitTables.h"
#include "support/CheckedUi.h"

namespace vemora::test {
namespace {

class ViewProfilePageTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ProjectStore& s = ctx.store;
        s.SupplyStartYear = 2001;
        s.DesignLife = 10;
        s.FixedDemandUnit = 0; // Mega liters/day
        for (int y = 1; y <= MaxYears; ++y) {
            ctx.results.YearRoughness[y] = 0.0005f;
            ctx.results.YearFlow[y] = 0.125f;
        }
    }

    RecordedPage PrintPage(bool solved = true)
    {
        RecordingPageDevice device;
        {
            ReportPrinter printer(device);
            PageRun run{HeaderTextsOf(ctx.store)};
            PrintViewProfilePlot(ctx, run, printer, Drawing(), " 0 ", "1250.5", solved);
        }
        EXPECT_EQ(device.pages().size(), 1u);
        return device.pages().empty() ? RecordedPage() : device.pages()[0];
    }

    CheckedUi scripted;
    CheckedContext ctx{scripted};
};

TEST_F(ViewProfilePageTest, GradelineShownPrintsRoughnessYearAndFlow)
{
    ctx.view.SelectedYear = 1;
    const RecordedPage page = PrintPage();
    EXPECT_EQ(page.orientation, PageOrientation::Landscape);
    EXPECT_TRUE(page.findText("0 m")); // the list text trimmed
    EXPECT_TRUE(page.findText("1250.5 m"));
    EXPECT_TRUE(page.findText("0.500 mm"));
    EXPECT_TRUE(page.findText("Year: 2001"));
    EXPECT_TRUE(page.findText("10.800 Mega liters/day"));
    EXPECT_TRUE(page.findText("gradeline"));
    ASSERT_EQ(page.pictures.size(), 7u); // five symbols and two line keys
    // The profile's key dark green, the gradeline's blue, as the graph draws them.
    EXPECT_EQ(page.pictures[5].image.pixelColor(20, 7), QColor(0, 64, 0));
    EXPECT_EQ(page.pictures[6].image.pixelColor(20, 7), QColor(0, 0, 255));
    ASSERT_EQ(page.paintings.size(), 1u);
    EXPECT_EQ(page.paintings[0].rect, QRectF(50, 55, 215, 98));
}

// Each name of the legend stands beside its key, and a gap of a third of a
// line or more parts it from the next name ("Isolating valve" from
// "Reservoir"); the legend ends above the footer.
TEST_F(ViewProfilePageTest, LegendNamesStandBesideTheirKeysApart)
{
    const RecordedPage page = PrintPage();
    const PageText* caption = page.findText("LEGEND:");
    ASSERT_TRUE(caption);
    std::vector<PageText> names;
    for (const PageText& t : page.texts)
        if (t.pos.y() > caption->pos.y() && t.pos.x() < 50 && t.pos.y() < 175) names.push_back(t);
    std::sort(names.begin(), names.end(),
              [](const PageText& a, const PageText& b) { return a.pos.y() < b.pos.y(); });
    const std::vector<QStringList> groups = {
        {"Air valve"},   {"Non-return", "valve"}, {"Isolating", "valve"},    {"Reservoir"},
        {"Pumpstation"}, {"Pipeline", "profile"}, {"Hydraulic", "gradeline"}};
    ASSERT_EQ(names.size(), 11u);
    ASSERT_EQ(page.pictures.size(), groups.size());
    const double lineHeight = names[2].pos.y() - names[1].pos.y(); // "Non-return" to "valve"
    ASSERT_GT(lineHeight, 0);

    size_t next = 0;
    double previousBottom = 0;
    for (size_t g = 0; g < groups.size(); ++g) {
        const double top = names[next].pos.y();
        for (const QString& line : groups[g])
            EXPECT_EQ(names[next++].text, line);
        const double bottom = names[next - 1].pos.y() + lineHeight;
        const double key = page.pictures[g].rect.center().y();
        EXPECT_LT(top, key) << groups[g].join(' ').toStdString();
        EXPECT_GT(bottom, key) << groups[g].join(' ').toStdString();
        if (g > 0) {
            EXPECT_GE(top - previousBottom, lineHeight / 3) << groups[g].join(' ').toStdString();
        }
        previousBottom = bottom;
    }
    EXPECT_LT(previousBottom, 175);
}

TEST_F(ViewProfilePageTest, HiddenGradelineLeavesThreeEmptyLinesAndNoKey)
{
    ctx.view.HideGradeline = true;
    const RecordedPage page = PrintPage();
    EXPECT_FALSE(page.findText("Absolute roughness:"));
    EXPECT_FALSE(page.findText("gradeline"));
    EXPECT_TRUE(page.findText("profile"));
    EXPECT_EQ(page.pictures.size(), 6u);
}

// Without a solution the page keeps its lines but prints no figure, not
// even what the stores hold, and no gradeline key.
TEST_F(ViewProfilePageTest, UnsolvedHydraulicsPrintBlankFiguresAndNoGradelineKey)
{
    const RecordedPage page = PrintPage(false);
    const QStringList lines = page.textLines();
    const qsizetype roughness = lines.indexOf("Absolute roughness:");
    ASSERT_GE(roughness, 0) << lines.join('|').toStdString();
    EXPECT_EQ(lines.mid(roughness, 3).join('|'), "Absolute roughness:|Year: 2001|Flow rate:");
    EXPECT_FALSE(page.findTextStartingWith("0.500"));
    EXPECT_FALSE(page.findTextStartingWith("10.800"));
    EXPECT_FALSE(page.findText("gradeline"));
    EXPECT_EQ(page.pictures.size(), 6u);
}

TEST_F(ViewProfilePageTest, UsProjectInInchesAndPumpingFlowInItsOwnUnit)
{
    ctx.store.UnitSystem = 1;
    ctx.store.SystemType = 1;
    ctx.store.PumpCurveGiven = 0;
    ctx.store.OperatingFlowRateUnit = 2; // the third operating-flow unit
    const RecordedPage page = PrintPage();
    EXPECT_TRUE(page.findText("0.020 ''"));
    const PageText* flow = page.findTextStartingWith("Flow rate:");
    ASSERT_TRUE(flow);
    const QString unit = QString::fromUtf8(OperatingFlowUnits.Text(2));
    const auto texts = page.texts;
    const bool named = std::any_of(texts.begin(), texts.end(),
                                   [&](const PageText& t) { return t.text.endsWith(" " + unit); });
    EXPECT_TRUE(named) << unit.toStdString();
}

TEST_F(ViewProfilePageTest, NonFiniteRoughnessStopsBeforeAnyPage)
{
    ctx.results.YearRoughness[1] = std::nanf("");
    RecordingPageDevice device;
    {
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        EXPECT_THROW(PrintViewProfilePlot(ctx, run, printer, Drawing(), "0", "1", true),
                     PrintFailure);
    }
    EXPECT_TRUE(device.pages().empty());
}

} // namespace
} // namespace vemora::test
