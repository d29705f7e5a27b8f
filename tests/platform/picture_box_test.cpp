// The picture box: keeps and shows its last drawing, copies it, and reports
// the mouse in twips.
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"
#include "platform/ScriptedUi.h"
#include "support/PictureBoxFixture.h"
#include "support/SmallGraph.h"

using namespace vemora;
using vemora::test::PictureBoxTest;

namespace {

// What the widget shows inside its border.
QImage shownInside(PictureBox& pic)
{
    return pic.grab(pic.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(PictureBoxHidden, AHiddenPictureDrawsAtTheSizeItWasGiven)
{
    // A window loaded and filled before it is first shown.
    QWidget window;
    auto* pic = new PictureBox(&window);
    pic->setGeometry(10, 10, 404, 204);
    ASSERT_TRUE(window.isHidden());
    EXPECT_EQ(pic->surface().ScaleWidth(), 6000);
    EXPECT_EQ(pic->surface().ScaleHeight(), 3000);
    pic->resize(304, 104);
    EXPECT_EQ(pic->surface().ScaleWidth(), 4500);
}

TEST_F(PictureBoxTest, SurfaceFollowsTheInnerSizeAndKeepsItsDrawing)
{
    EXPECT_EQ(pic->surface().ScaleWidth(), 6000);
    EXPECT_EQ(pic->surface().ScaleHeight(), 3000);
    test::DrawSmallGraph(pic->surface());
    const size_t drawn = pic->drawing().primitives().size();

    pic->setBorderStyle(0);
    EXPECT_EQ(pic->surface().ScaleWidth(), 404 * 15);
    pic->resize(300, 150);
    EXPECT_EQ(pic->surface().ScaleHeight(), 150 * 15);
    // A new size is not a new drawing.
    EXPECT_EQ(pic->drawing().primitives().size(), drawn);
    EXPECT_EQ(pic->Image().size(), QSize(300, 150));
}

TEST_F(PictureBoxTest, ShowsAndCopiesExactlyTheDrawnPicture)
{
    test::DrawSmallGraph(pic->surface());
    const QImage picture = pic->Image();
    EXPECT_EQ(picture, pic->drawing().toImage());
    EXPECT_EQ(shownInside(*pic), picture);

    // Repaints show the same picture; nothing redraws the graph.
    pic->repaint();
    window.repaint();
    EXPECT_EQ(shownInside(*pic), picture);

    ScriptedUi ui;
    pic->copyToClipboard(ui);
    EXPECT_EQ(ui.clipboardImage(), picture);
    EXPECT_EQ(ui.clipboardImage().pixelColor(150, 120), QColor(0, 0, 255));
    ASSERT_EQ(ui.pointerChanges.size(), 2u);
    EXPECT_EQ(ui.pointerChanges[0], MousePointer::Hourglass);
    EXPECT_EQ(ui.pointerChanges[1], MousePointer::Default);
    EXPECT_TRUE(ui.messages.empty()); // the window confirms, not the box

    // A new drawing replaces the picture on screen and on the next copy.
    pic->surface().Cls();
    EXPECT_NE(shownInside(*pic), picture);
    pic->copyToClipboard(ui);
    EXPECT_EQ(ui.clipboardImage(), pic->Image());
}

TEST_F(PictureBoxTest, MouseReportsButtonShiftAndTwips)
{
    QSignalSpy moves(pic, &PictureBox::MouseMove);
    QSignalSpy downs(pic, &PictureBox::MouseDown);
    QSignalSpy ups(pic, &PictureBox::MouseUp);

    // The border is two pixels: pixel (70, 30) of the widget is (68, 28) inside.
    QTest::mouseMove(pic, QPoint(70, 30));
    ASSERT_GE(moves.count(), 1);
    EXPECT_EQ(moves.last().at(0).toInt(), 0);
    EXPECT_DOUBLE_EQ(moves.last().at(2).toDouble(), 68 * 15);
    EXPECT_DOUBLE_EQ(moves.last().at(3).toDouble(), 28 * 15);

    QTest::mousePress(pic, Qt::RightButton, Qt::ShiftModifier, QPoint(100, 50));
    QTest::mouseRelease(pic, Qt::RightButton, Qt::ShiftModifier, QPoint(100, 50));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).toInt(), mousebutton::Right);
    EXPECT_EQ(downs.at(0).at(1).toInt(), shiftstate::Shift);
    EXPECT_DOUBLE_EQ(downs.at(0).at(2).toDouble(), 98 * 15);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups.at(0).at(0).toInt(), mousebutton::Right);

    QTest::mousePress(pic, Qt::LeftButton, Qt::ControlModifier, QPoint(100, 50));
    EXPECT_EQ(downs.last().at(0).toInt(), mousebutton::Left);
    EXPECT_EQ(downs.last().at(1).toInt(), shiftstate::Ctrl);
    QTest::mouseRelease(pic, Qt::LeftButton, Qt::ControlModifier, QPoint(100, 50));

    pic->setCrossHair(true);
    EXPECT_EQ(pic->cursor().shape(), Qt::CrossCursor);
    pic->setCrossHair(false);
    EXPECT_EQ(pic->cursor().shape(), Qt::ArrowCursor);
}
