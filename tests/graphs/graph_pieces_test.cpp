// The graph pieces: centred horizontal labels, bars cut to their band and
// the turned title pictures.
#include <gtest/gtest.h>

#include "graphs/GraphPieces.h"

using namespace vemora;

TEST(GraphPieces, HorizontalLabelsAreCentredOnTheUncutText)
{
    DrawingSurface s(10000, 5000);
    s.Cls();
    PlotFrame f = plotFrameFor(10000, 5000);
    const AxisScale x{0.5, 1495, 11}; // 1495 .. 1500.5
    f.setScales(x, scaleAxis(0, 10));
    drawHorizontalTickLabels(s, f, x, labelLength(1500));
    const Primitive* half = s.drawing().findText("1495.");
    ASSERT_TRUE(half);
    const double centre = gridLineX(f, x, 1);
    EXPECT_EQ(half->x1, centre - s.TextWidth("1495.5") / 2);
    EXPECT_EQ(half->y1, f.bottom + 50);
    // Every label has its tick from the axis upwards.
    EXPECT_EQ(s.drawing().of(PrimitiveKind::Line).size(), 12u);
}

TEST(GraphPieces, BarsAreCutToTheirBand)
{
    DrawingSurface s(5000, 5000);
    s.Cls();
    drawBar(s, 100, 50, 200, 900, 300, 800, 0xFF);
    drawBar(s, 200, 50, 900, 850, 300, 800, 0xFF); // wholly below the band
    drawBar(s, 300, 50, 500, 500, 300, 800, 0xFF); // flat
    drawBar(s, 400, 50, 700, 600, 300, 800, 0xFF); // upside down
    drawBar(s, 500, 50, std::nan(""), 600, 300, 800, 0xFF);
    const auto boxes = s.drawing().of(PrimitiveKind::FilledBox);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0]->y1, 300);
    EXPECT_EQ(boxes[0]->y2, 800);
    EXPECT_EQ(boxes[1]->y1, boxes[1]->y2);
    EXPECT_EQ(boxes[2]->y1, 600);
    EXPECT_EQ(boxes[2]->y2, 700);
    EXPECT_EQ(boxes[0]->color, 0xFFu);
}

TEST(GraphPieces, TitlePictureReadsUpwardsInBlackOnWhite)
{
    DrawFont font;
    font.size = 10;
    const QImage p = verticalTitlePicture("Elevation ( m )", 18, font);
    EXPECT_EQ(p.width(), 18);
    EXPECT_GT(p.height(), 60);
    // Ink in the middle, white at the ends.
    int ink = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if (qGray(p.pixel(x, y)) < 100) ++ink;
    EXPECT_GT(ink, 50);
    for (int x = 0; x < p.width(); ++x) {
        EXPECT_EQ(p.pixel(x, 0), qRgb(255, 255, 255));
        EXPECT_EQ(p.pixel(x, p.height() - 1), qRgb(255, 255, 255));
    }
    // Turned: the text runs along the height, so a longer text is taller.
    EXPECT_GT(verticalTitlePicture("Elevation ( miles )", 18, font).height(), p.height());
}
