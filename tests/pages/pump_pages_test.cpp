// The pump pages: the pump-curve page with its legend keys, and the
// duty-point pages of one year, whose table runs 27 grid rows a page.
#include <gtest/gtest.h>

#include <QApplication>
#include <tuple>

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "pages/PumpPages.h"
#include "platform/Drawing.h"
#include "platform/FlexGrid.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "support/CheckedUi.h"

namespace vemora::test {
namespace {

class PumpPagesTest : public ::testing::Test
{
  protected:
    // The duty grid of a design life: two heading rows, then "2001"... a row.
    void DutyYears(int years)
    {
        duty.setCols(4);
        duty.setRows(years + 2);
        const char* headings[] = {"Year", "Flow rate", "Pumping head", "Pump efficiency"};
        const char* units[] = {"", "m³/h", "m", "%"};
        for (int c = 0; c < 4; ++c) {
            duty.setTextMatrix(0, c, headings[c]);
            duty.setTextMatrix(1, c, units[c]);
        }
        for (int y = 1; y <= years; ++y) {
            duty.setTextMatrix(y + 1, 0, QString::number(2000 + y));
            duty.setTextMatrix(y + 1, 1, QStringLiteral("%1.000").arg(y));
        }
    }

    std::vector<RecordedPage> PrintDuty()
    {
        RecordingPageDevice device;
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        PrintPumpSystemCurve(ctx, run, printer, Drawing(), " Year 2001 ", duty);
        printer.EndDoc();
        return device.pages();
    }

    CheckedUi scripted;
    CheckedContext ctx{scripted};
    FlexGrid duty{nullptr};
};

// The legend of a pump page: the pump curve's key at (15, 208) mm and the
// second curve's at (65, 208) mm, each 41 x 15 pixels at their own size: a
// line three pixels thick in the curve's colour across the middle, on white.
void ExpectPumpLegendKeys(const RecordedPage& page, const QColor& second)
{
    ASSERT_EQ(page.pictures.size(), 2u);
    const double mmPerPixel = 25.4 / 96;
    for (const auto& [picture, at, colour] :
         {std::tuple{page.pictures[0], QPointF(15, 208), QColor(0, 0, 255)},
          std::tuple{page.pictures[1], QPointF(65, 208), second}}) {
        EXPECT_EQ(picture.rect.topLeft(), at);
        EXPECT_NEAR(picture.rect.width(), 41 * mmPerPixel, 1e-6);
        EXPECT_NEAR(picture.rect.height(), 15 * mmPerPixel, 1e-6);
        const QImage& key = picture.image;
        ASSERT_EQ(key.size(), QSize(41, 15));
        for (int y = 6; y <= 8; ++y)
            for (int x = 2; x <= 38; ++x)
                ASSERT_EQ(key.pixelColor(x, y), colour) << x << ", " << y;
        for (QPoint white : {QPoint(1, 7), QPoint(39, 7), QPoint(20, 5), QPoint(20, 9)})
            EXPECT_EQ(key.pixelColor(white), QColor(Qt::white)) << white.x() << ", " << white.y();
    }
}

TEST_F(PumpPagesTest, DutyTablePagesFollowTheDesignLife)
{
    for (auto [years, pages] : {std::pair{25, 2}, {26, 3}, {100, 5}}) {
        DutyYears(years);
        EXPECT_EQ(PrintDuty().size(), static_cast<size_t>(pages)) << years << " years";
    }
}

TEST_F(PumpPagesTest, HundredYearsBreakAfterGridRows27_54_81)
{
    DutyYears(100);
    const auto pages = PrintDuty();
    ASSERT_EQ(pages.size(), 5u);
    // Grid row r holds year 1999 + r.
    EXPECT_TRUE(pages[1].findText("2001"));
    EXPECT_TRUE(pages[1].findText("2026")); // row 27
    EXPECT_FALSE(pages[1].findText("2027"));
    EXPECT_TRUE(pages[2].findText("2027"));
    EXPECT_TRUE(pages[4].findText("2081")); // row 82 opens the last page
    EXPECT_FALSE(pages[3].findText("2081"));
    EXPECT_TRUE(pages[4].findText("2100"));
    for (size_t k = 1; k < pages.size(); ++k) {
        EXPECT_TRUE(pages[k].findText("RESULTS: DUTY POINTS")) << k;
        EXPECT_TRUE(pages[k].findText("Pump efficiency")) << k;
        const PageText* unit = pages[k].findText("m³/h");
        ASSERT_TRUE(unit) << k;
        EXPECT_EQ(unit->font.name, "Courier New");
        EXPECT_EQ(unit->tab, 15);
    }
}

TEST_F(PumpPagesTest, GraphPageShowsTheYearGraphAndLegend)
{
    DutyYears(3);
    const RecordedPage page = PrintDuty()[0];
    EXPECT_TRUE(page.findText("RESULTS: PUMP & SYSTEM CURVE"));
    EXPECT_TRUE(page.findText("Year 2001")); // trimmed
    EXPECT_TRUE(page.findText("- Pump curve"));
    EXPECT_TRUE(page.findText("- System curve"));
    EXPECT_FALSE(page.findText("- Efficiency curve"));
    ASSERT_EQ(page.paintings.size(), 1u);
    EXPECT_EQ(page.paintings[0].rect, QRectF(16, 100, 170, 90));
    ExpectPumpLegendKeys(page, QColor(0, 255, 0)); // the system curve green
}

TEST_F(PumpPagesTest, PumpCurvePageNamesTheEfficiencyCurve)
{
    RecordingPageDevice device;
    {
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        PrintPumpCurve(ctx, run, printer, Drawing());
    }
    ASSERT_EQ(device.pages().size(), 1u);
    const RecordedPage& page = device.pages()[0];
    EXPECT_EQ(page.orientation, PageOrientation::Portrait);
    EXPECT_TRUE(page.findText("PUMP CURVE:"));
    EXPECT_TRUE(page.findText("- Efficiency curve"));
    const PageText* key = page.findText("- Pump curve");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->tab, 23);
    EXPECT_EQ(page.paintings.size(), 1u);
    ExpectPumpLegendKeys(page, QColor(0, 255, 0)); // the efficiency curve green
}

} // namespace
} // namespace vemora::test
