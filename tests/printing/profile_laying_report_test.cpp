// The profile and laying data report: 27 nodes a page, the heading on every
// node page, the characteristics page with its lining line, rates and
// conditions in the project's currency and unit words.
#include <QLineEdit>
#include <QRadioButton>

#include <QComboBox>
#include <QLabel>

#include "TextReportFixture.h"
#include "platform/FlexGrid.h"
#include "reports/Reports.h"

namespace vemora::test {
namespace {

class ProfileReportTest : public TextReportTest
{
};

TEST_F(ProfileReportTest, PagesFollowTheNodeCount)
{
    const std::pair<int, int> cases[] = {{2, 2}, {27, 3}, {28, 3}, {500, 20}};
    for (auto [nodes, pages] : cases) {
        Nodes(nodes);
        Show();
        const auto printed = Print(PrintProfileData);
        ASSERT_EQ(static_cast<int>(printed.size()), pages) << nodes << " nodes";
        // Every page but the last carries the title and the table heading.
        for (size_t k = 0; k + 1 < printed.size(); ++k) {
            EXPECT_TRUE(printed[k].findText("PIPELINE PROFILE DATA: GRAVITY SYSTEM")) << k;
            EXPECT_TRUE(printed[k].findText("Accumulated")) << k;
            EXPECT_TRUE(printed[k].findText("metre")) << k;
        }
        EXPECT_TRUE(printed.back().findText("Pipline characteristics"));
        EXPECT_FALSE(printed.back().findText("Accumulated"));
    }
}

TEST_F(ProfileReportTest, NodeRowsFillPagesOf27InCourier)
{
    Nodes(500);
    Show();
    const auto pages = Print(PrintProfileData);
    // Node 27 closes the first page, node 28 opens the second; the 19th node
    // page holds nodes 487 to 500.
    EXPECT_TRUE(pages[0].findText("27"));
    EXPECT_FALSE(pages[0].findText("28"));
    EXPECT_TRUE(pages[1].findText("28"));
    EXPECT_TRUE(pages[18].findText("487"));
    EXPECT_TRUE(pages[18].findText("500"));
    const PageText* node = pages[1].findText("28");
    ASSERT_TRUE(node);
    EXPECT_EQ(node->font.name, "Courier New");
    EXPECT_EQ(node->tab, 5);
    EXPECT_FALSE(node->font.bold);
    // The row's description is the grid's padded node-type name.
    EXPECT_TRUE(pages[0].findTextStartingWith("Node "));
}

TEST_F(ProfileReportTest, HeadingNamesTheUnitListsAndPrintsTheGridAsShown)
{
    Nodes(2);
    Show();
    w->msgProfile->setTextMatrix(2, 1, "12.75"); // typed, not yet saved
    const auto pages = Print(PrintProfileData);
    const QString elevation = "(" + w->comElevationUnits->currentText() + ")";
    EXPECT_TRUE(pages[0].findText(elevation));
    const PageText* typed = pages[0].findText("12.75");
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->tab, 11);
}

TEST_F(ProfileReportTest, DollarsAndFeetOnTheLayingLines)
{
    Nodes(2);
    ctx.store.CurrencyCode = 1;
    ctx.store.UnitSystem = 1;
    ctx.store.LayingCost[1] = 80;
    ctx.store.LayingCost[2] = 12.5f;
    ctx.store.LayingCost[9] = 15;
    ctx.store.LayingCost[12] = 3;
    ctx.store.LayingCost[13] = 0.5f;
    Show();
    const QStringList lines = Lines(Print(PrintProfileData).back());
    EXPECT_TRUE(lines.contains("Laying (incl joining) $80/ft")) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines.contains("Excavation $12.5/ft³"));
    EXPECT_TRUE(lines.contains("Rock 15%"));
    EXPECT_TRUE(lines.contains("Required cover 3 ft"));
    EXPECT_TRUE(lines.contains("Excavation lower than pipe 0.5 ft"));
}

TEST_F(ProfileReportTest, RandAndMetresOnTheLayingLines)
{
    Nodes(2);
    ctx.store.LayingCost[3] = 250;
    ctx.store.LayingCost[12] = 1.2f;
    Show();
    const QStringList lines = Lines(Print(PrintProfileData).back());
    EXPECT_TRUE(lines.contains("Rock excavation R250/m³")) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines.contains("Required cover 1.2 m"));
}

TEST_F(ProfileReportTest, EpoxyLiningPrintsNoThickness)
{
    Nodes(2);
    Show();
    w->optEpoxy->setChecked(true);
    auto lines = Lines(Print(PrintProfileData).back());
    EXPECT_TRUE(lines.contains("Lining system - Epoxy coated"));
    EXPECT_FALSE(lines.filter("Cement mortar").size());
    const int epoxy = static_cast<int>(lines.indexOf("Lining system - Epoxy coated"));
    EXPECT_TRUE(lines.value(epoxy + 1).startsWith("Roughness of new pipe (Ks):"));

    w->optMortar->setChecked(true);
    w->txtLiningThickness->setText("12");
    lines = Lines(Print(PrintProfileData).back());
    const QString mortar =
        "Lining system - Cement mortar: 12 " + w->comLiningThicknessUnits->currentText();
    EXPECT_TRUE(lines.contains(mortar)) << lines.join("\n").toStdString();
}

TEST_F(ProfileReportTest, EveryCaptionStandsApartFromItsValue)
{
    Nodes(2);
    Show();
    w->optMortar->setChecked(true);
    w->txtLiningThickness->setText("12");
    for (int unitSystem : {0, 1}) {
        ctx.store.UnitSystem = static_cast<int16_t>(unitSystem);
        const RecordedPage page = Print(PrintProfileData).back();
        const PageText* mortar = page.findText("Lining system - Cement mortar:");
        ASSERT_TRUE(mortar);
        int captions = 0;
        for (const PageText& caption : page.texts) {
            if (caption.tab != 8) continue;
            // The value on the caption's line starts at least a blank after it.
            for (const PageText& value : page.texts) {
                if (&value == &caption || value.pos.y() != caption.pos.y() ||
                    value.pos.x() < caption.pos.x())
                    continue;
                ++captions;
                EXPECT_GE(value.pos.x() - (caption.pos.x() + caption.width), 1.0)
                    << caption.text.toStdString() << " | " << value.text.toStdString();
            }
        }
        EXPECT_EQ(captions, 18); // four characteristics, eight rates, a heading, five conditions
    }
}

TEST_F(ProfileReportTest, RoughnessLinesShowTheFieldsAndUnits)
{
    Nodes(2);
    Show();
    w->txtKsNew->setText("0.05");
    w->txtKsOldYears->setText("20");
    const QStringList lines = Lines(Print(PrintProfileData).back());
    EXPECT_TRUE(
        lines.contains("Roughness of new pipe (Ks): 0.05 " + w->comKsNewUnits->currentText()));
    EXPECT_TRUE(lines.contains("Roughness deterioration years: 20 years"));
}

TEST_F(ProfileReportTest, PumpingTitleAndOutOfTableNodeType)
{
    NewOfType(1);
    Nodes(3);
    ctx.store.NodeTypeCode[2] = 42; // from a damaged file
    Show();
    const auto pages = Print(PrintProfileData);
    EXPECT_TRUE(pages[0].findText("PIPELINE PROFILE DATA: PUMPING SYSTEM"));
    EXPECT_EQ(w->msgProfile->TextMatrix(2, 7).trimmed(), "Node");
}

TEST_F(ProfileReportTest, NonFiniteLayingRateStopsTheReport)
{
    Nodes(2);
    Show();
    ctx.store.LayingCost[4] = std::numeric_limits<float>::infinity();
    EXPECT_THROW(Print(PrintProfileData), PrintFailure);
}

} // namespace
} // namespace vemora::test
