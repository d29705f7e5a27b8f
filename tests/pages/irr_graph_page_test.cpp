// The IRR page: landscape, the range and the calculated IRR beside the graph
// in its box, "n/a" when the scan found no IRR, and a range the graph cannot
// be drawn for stopping it.
#include <gtest/gtest.h>

#include <QPainter>

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "app/PrintFailure.h"
#include "pages/IrrGraphPage.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "support/CheckedUi.h"

namespace vemora::test {
namespace {

class IrrGraphPageTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ResultsStore& r = ctx.results;
        for (int i = 0; i <= MaxIrrSteps; ++i) {
            r.IrrRate[static_cast<size_t>(i)] = i / 100.0f;
            r.IrrPvDifference[static_cast<size_t>(i)] = 1e6 - i * 100.0;
        }
        r.Irr = 8;
        r.IrrFound = true;
    }

    std::vector<RecordedPage> PrintPage(int begin, int end)
    {
        RecordingPageDevice device;
        {
            ReportPrinter printer(device);
            PageRun run{HeaderTextsOf(ctx.store)};
            PrintIrrGraphPage(ctx, run, printer, begin, end);
        }
        return device.pages();
    }

    CheckedUi scripted;
    CheckedContext ctx{scripted};
};

TEST_F(IrrGraphPageTest, FullRangePageIsLandscapeWithRangeAndIrr)
{
    const auto pages = PrintPage(IrrFullRangeBegin, IrrFullRangeEnd);
    ASSERT_EQ(pages.size(), 1u);
    const RecordedPage& page = pages[0];
    EXPECT_EQ(page.orientation, PageOrientation::Landscape);
    for (const char* text :
         {"IRR GRAPH:", "Begin IRR:", "0 %", "End IRR:", "200 %", "Calculated IRR:", "8.000 %"})
        EXPECT_TRUE(page.findText(text)) << text;
    ASSERT_EQ(page.paintings.size(), 1u);
    EXPECT_EQ(page.paintings[0].rect, QRectF(50, 55, 190, 100));
}

TEST_F(IrrGraphPageTest, TheGraphPrintsOnAWhiteGround)
{
    const auto pages = PrintPage(IrrFullRangeBegin, IrrFullRangeEnd);
    ASSERT_EQ(pages.at(0).paintings.size(), 1u);
    const PagePainting& graph = pages[0].paintings[0];
    // The painting at 2 pixels a millimetre.
    constexpr double kPixelsPerMm = 2;
    QImage image((graph.rect.size() * kPixelsPerMm).toSize(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(kPixelsPerMm / RecordingPageDevice::kDotsPerMm,
                  kPixelsPerMm / RecordingPageDevice::kDotsPerMm);
    painter.translate(-graph.rect.topLeft() * RecordingPageDevice::kDotsPerMm);
    QPicture picture = graph.picture;
    picture.play(&painter);
    painter.end();
    // The corners, outside the grid and the axes, show the ground.
    for (const QPoint at : {QPoint(2, 2), QPoint(image.width() - 3, 2),
                            QPoint(image.width() - 3, image.height() - 3)})
        EXPECT_EQ(image.pixelColor(at), QColor(Qt::white)) << at.x() << ", " << at.y();
}

TEST_F(IrrGraphPageTest, WindowRangeAndNoIrrFound)
{
    ctx.results.IrrFound = false;
    const auto pages = PrintPage(1250, 5000);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].findText("12.5 %"));
    EXPECT_TRUE(pages[0].findText("50 %"));
    EXPECT_TRUE(pages[0].findText("n/a"));
}

TEST_F(IrrGraphPageTest, RangeThatCannotBeDrawnStopsBeforeAnyPage)
{
    EXPECT_THROW(PrintPage(5000, 1000), PrintFailure);
}

} // namespace
} // namespace vemora::test
