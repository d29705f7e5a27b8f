// The program's look over the platform style: frame captions on the border
// line, small thumbs on value scroll bars only, and a grid that drops scroll
// bars it no longer needs.
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "platform/AppStyle.h"
#include "platform/FlexGrid.h"
#include "platform/ScrollBar.h"
#include "support/ScrollBarParts.h"

using namespace vemora;

namespace {

QRect Thumb(QScrollBar* bar)
{
    return test::ScrollBarPart(bar, QStyle::SC_ScrollBarSlider);
}

} // namespace

TEST(AppLook, TheProgramRunsInItsOwnStyle)
{
    EXPECT_NE(qobject_cast<AppStyle*>(QApplication::style()), nullptr);
}

// Any frame of the program, made by a builder or not: the border line runs
// through the middle of the caption's line.
TEST(AppLook, FrameBorderRunsThroughTheCaption)
{
    QWidget window;
    window.resize(300, 120);
    auto* frame = new QGroupBox(QStringLiteral("Select the pipeline system"), &window);
    frame->setGeometry(10, 10, 260, 90);
    const QImage image = frame->grab().toImage();
    const int line = frame->fontMetrics().height();
    const int inside = qGray(frame->palette().color(QPalette::Window).rgb());
    int border = -1;
    for (int y = 0; y < image.height() && border < 0; ++y)
        if (qGray(image.pixel(image.width() - 4, y)) + 40 < inside) border = y;
    ASSERT_GE(border, 0);
    EXPECT_LT(border, line);
    EXPECT_GE(border, line / 2 - 2);
}

// A value bar's thumb is a square however large its range or page step; the
// scroll bar of a scrolled area keeps its thumb in proportion to the page.
TEST(AppLook, OnlyValueBarsHaveSmallThumbs)
{
    QWidget window;
    auto* value = new ScrollBar(Qt::Horizontal, &window);
    auto* area = new QScrollBar(Qt::Horizontal, &window);
    for (QScrollBar* bar : {static_cast<QScrollBar*>(value), area}) {
        bar->setGeometry(0, 0, 200, 17);
        bar->setRange(0, 10);
        bar->setPageStep(10);
    }
    EXPECT_LE(Thumb(value).width(), value->height());
    EXPECT_GT(Thumb(area).width(), 3 * area->height());
    value->setValue(10);
    const QRect end = Thumb(value);
    value->setValue(0);
    EXPECT_GT(end.left() - Thumb(value).left(), 100) << "the thumb travels over the track";
}

// A grid shown small first and then given room for all its cells keeps no
// scroll bar: its last row and column show whole.
TEST(AppLook, GridGivenRoomDropsItsScrollBars)
{
    QWidget window;
    auto* grid = new FlexGrid(&window);
    grid->resize(60, 40);
    grid->setRows(16);
    grid->setCols(2);
    grid->setFixedRows(0);
    grid->setFixedCols(0);
    for (int r = 0; r < 16; ++r)
        grid->setRowHeight(r, 320);
    grid->setColWidth(0, 2600);
    grid->setColWidth(1, 1400);
    window.show();
    QApplication::processEvents();
    grid->resize(4000 / 15 + 12, 16 * 320 / 15 + 12);
    QApplication::processEvents();
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(grid->viewport()->rect().contains(grid->cellRect(15, 1)));
}
