// The read-out over a picture box: the frame a graph leaves, read in the
// picture's mouse-move handler, reaches exactly the frame's edges.
#include <QTest>
#include <gtest/gtest.h>

#include "graphs/PlotFrame.h"
#include "platform/PictureBox.h"
#include "support/PictureBoxFixture.h"
#include "support/SmallGraph.h"

using namespace vemora;
using vemora::test::PictureBoxTest;

TEST_F(PictureBoxTest, ReadOutAtTheFramesFirstPixelAndOneBeyond)
{
    // The window keeps one frame per picture and reads it in the mouse-move
    // handler, as a graph window does.
    test::DrawSmallGraph(pic->surface());
    PlotFrame frame = plotFrameFor(pic->surface().ScaleWidth(), pic->surface().ScaleHeight());
    frame.setScales(scaleAxis(0, 500), scaleAxis(1200, 1500));
    std::string lblX, lblY;
    QObject::connect(pic, &PictureBox::MouseMove, [&](int, int, double x, double y) {
        const auto p = frame.readOut(x, y);
        lblX = readOutText(p ? std::optional(p->x) : std::nullopt, 3, "m");
        lblY = readOutText(p ? std::optional(p->y) : std::nullopt, 3, "m");
    });

    // x = 1020 twips (left + 220) is inner pixel 68, widget pixel 70.
    QTest::mouseMove(pic, QPoint(70, 100));
    EXPECT_EQ(lblX, "0.000 m");
    EXPECT_NE(lblY, "Out of range");
    QTest::mouseMove(pic, QPoint(69, 100));
    EXPECT_EQ(lblX, "Out of range");
    EXPECT_EQ(lblY, "Out of range");

    // The last inner pixel at or before right + 220 reads; the next does not.
    const int lastInside = (frame.right + 220) / 15; // 5620 / 15 = 374.67 -> 374
    QTest::mouseMove(pic, QPoint(lastInside + 2, 100));
    EXPECT_NE(lblX, "Out of range");
    QTest::mouseMove(pic, QPoint(lastInside + 3, 100));
    EXPECT_EQ(lblX, "Out of range");
}
