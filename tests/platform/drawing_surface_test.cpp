// The drawing surface records what a graph draws, and a Drawing replays it
// on screen pixel for pixel.
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/DrawingSurface.h"

using namespace vemora;

namespace {

// Columns (or rows) of an image holding any pixel that is not white.
struct Ink
{
    int first = -1, last = -1;
};

Ink inkAcross(const QImage& img, bool columns)
{
    Ink ink;
    const int n = columns ? img.width() : img.height();
    const int m = columns ? img.height() : img.width();
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j) {
            const QRgb px = columns ? img.pixel(i, j) : img.pixel(j, i);
            if (qGray(px) < 160) {
                if (ink.first < 0) ink.first = i;
                ink.last = i;
                break;
            }
        }
    return ink;
}

DrawingSurface whiteSurface(double w = 6000, double h = 3000)
{
    DrawingSurface s(w, h);
    s.setBackColor(vbcolor::White);
    s.Cls();
    return s;
}

} // namespace

TEST(DrawingSurface, RecordsLinesBoxesAndCirclesWithTheirStyle)
{
    DrawingSurface s = whiteSurface();
    s.setForeColor(0x808080);
    s.setDrawStyle(DrawStyle::Dash);
    s.Line(800, 4310, 9620, 4310);
    s.setDrawStyle(DrawStyle::Solid);
    s.setForeColor(0x4000);
    s.setCurrentX(1020);
    s.setCurrentY(4000);
    s.LineTo(2000, 3500);
    s.LineTo(3000, 3600);
    s.setForeColor(vbcolor::Black);
    s.Box(100, 100, 400, 300);
    s.FilledBox(1220, 2000, 1400, 4310, 0xFF0000);
    s.setFillColor(vbcolor::Green);
    s.FilledBox(1400, 2500, 1580, 4310);
    s.setDrawWidth(2);
    s.Circle(5000, 1000, 50);

    const auto& p = s.drawing().primitives();
    ASSERT_EQ(p.size(), 7u);
    EXPECT_EQ(p[0].kind, PrimitiveKind::Line);
    EXPECT_EQ(p[0].style, DrawStyle::Dash);
    EXPECT_EQ(p[0].color, 0x808080u);
    EXPECT_EQ(p[0].x2, 9620);
    // A line from the current point, which then moves to its end.
    EXPECT_EQ(p[1].x1, 1020);
    EXPECT_EQ(p[1].y1, 4000);
    EXPECT_EQ(p[2].x1, 2000);
    EXPECT_EQ(p[2].y1, 3500);
    EXPECT_EQ(p[2].color, 0x4000u);
    EXPECT_EQ(p[3].kind, PrimitiveKind::Box);
    // Filled boxes take their own colour, not ForeColor.
    EXPECT_EQ(p[4].kind, PrimitiveKind::FilledBox);
    EXPECT_EQ(p[4].color, 0xFF0000u);
    EXPECT_EQ(p[5].color, vbcolor::Green);
    EXPECT_EQ(p[6].kind, PrimitiveKind::Circle);
    EXPECT_EQ(p[6].radius, 50);
    EXPECT_EQ(p[6].width, 2);
    EXPECT_EQ(s.CurrentX(), 5000);

    s.Cls();
    EXPECT_TRUE(s.drawing().isEmpty());
    EXPECT_EQ(s.CurrentX(), 0);
    EXPECT_EQ(s.drawing().width(), 6000);
}

TEST(DrawingSurface, PrintPlacesTextAtTheCurrentPositionAndMovesOn)
{
    DrawingSurface s = whiteSurface();
    s.setFontSize(10);
    s.setCurrentX(300);
    s.setCurrentY(1000);
    s.Print("Elevation");
    const double h = s.TextHeight();
    EXPECT_EQ(s.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(s.CurrentY(), 1000 + h);

    s.setFontBold(true);
    s.setCurrentX(500);
    s.Print("Flow rate ", PrintEnd::Continue);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 500 + s.TextWidth("Flow rate "));
    EXPECT_DOUBLE_EQ(s.CurrentY(), 1000 + h);

    const Primitive* t = s.drawing().findText("Elevation");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->x1, 300);
    EXPECT_EQ(t->y1, 1000);
    EXPECT_EQ(t->font.size, 10);
    EXPECT_FALSE(t->font.bold);
    EXPECT_EQ(t->font.name, "Times New Roman");
    EXPECT_TRUE(s.drawing().findText("Flow rate ")->font.bold);
    EXPECT_EQ(s.drawing().of(PrimitiveKind::Text).size(), 2u);

    // Metrics are whole screen pixels in twips, and grow with the font.
    EXPECT_EQ(std::fmod(h, 15), 0);
    const double w10 = s.TextWidth("1234567890");
    s.setFontBold(false);
    s.setFontSize(8);
    EXPECT_LT(s.TextWidth("1234567890"), w10);
    EXPECT_EQ(s.TextWidth(""), 0);
}

TEST(DrawingSurface, TextMetricsAgreeWithTheScreenPicture)
{
    for (double size : {8.0, 10.0}) {
        DrawingSurface s = whiteSurface();
        s.setFontSize(size);
        const QString text = "1234567890";
        s.setCurrentX(1500);
        s.setCurrentY(600);
        s.Print(text);
        const QImage img = s.drawing().toImage();
        const Ink across = inkAcross(img, true);
        const Ink down = inkAcross(img, false);
        const double left = 1500 / 15.0, width = s.TextWidth(text) / 15.0;
        const double top = 600 / 15.0, height = s.TextHeight(text) / 15.0;
        EXPECT_GE(across.first, left - 1) << size;
        EXPECT_LE(across.last, left + width + 1) << size;
        EXPECT_GT(across.last - across.first + 1, width - 4) << size;
        EXPECT_GE(down.first, top) << size;
        EXPECT_LE(down.last, top + height) << size;
    }
}

TEST(DrawingSurface, PicturesPasteAtTheirOwnSizeOrStretched)
{
    DrawingSurface s = whiteSurface();
    QImage title(18, 82, QImage::Format_RGB32);
    title.fill(Qt::black);
    s.PaintPicture(title, 11, 1800);
    s.PaintPicture(title, 3000, 0, 600, 300);
    s.PaintPicture(QImage(), 0, 0); // nothing to paste

    const auto pics = s.drawing().of(PrimitiveKind::Picture);
    ASSERT_EQ(pics.size(), 2u);
    EXPECT_EQ(pics[0]->x2, 11 + 18 * 15);
    EXPECT_EQ(pics[0]->y2, 1800 + 82 * 15);
    EXPECT_EQ(pics[1]->x2, 3600);

    const QImage img = s.drawing().toImage();
    EXPECT_EQ(img.pixelColor(5, 125), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(215, 15), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(245, 15), QColor(Qt::white));
}

TEST(DrawingReplay, ScreenPixelsTakeTheColourNumbersAndStyles)
{
    DrawingSurface s = whiteSurface();
    s.setForeColor(0xFF0000); // blue
    s.Line(150, 300, 3000, 300);
    s.setForeColor(0x808080);
    s.setDrawStyle(DrawStyle::Dash);
    s.Line(150, 600, 3000, 600);
    s.setDrawStyle(DrawStyle::Transparent);
    s.Line(150, 900, 3000, 900);
    s.FilledBox(1500, 1500, 1800, 1800, 0x0000FF); // red

    const QImage img = s.drawing().toImage();
    EXPECT_EQ(img.size(), QSize(400, 200));
    int blue = 0, grey = 0, gaps = 0;
    for (int x = 10; x < 200; ++x) {
        blue += img.pixelColor(x, 20) == QColor(0, 0, 255);
        if (img.pixelColor(x, 40) == QColor(128, 128, 128))
            ++grey;
        else
            ++gaps;
        EXPECT_EQ(img.pixelColor(x, 60), QColor(Qt::white));
    }
    EXPECT_EQ(blue, 190);
    EXPECT_GT(grey, 100);
    EXPECT_GT(gaps, 20); // a dashed line
    // The filled box covers both corners.
    EXPECT_EQ(img.pixelColor(100, 100), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(120, 120), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(121, 121), QColor(Qt::white));
}

// A graph pasted into a page box of another shape than its picture box (the
// pump page's 170 x 90 mm): its markers stay round, where the lines stretch.
TEST(DrawingReplay, StretchedReplaysKeepMarkersRound)
{
    DrawingSurface s = whiteSurface(3000, 3000);
    QImage dot(10, 10, QImage::Format_RGB32);
    dot.fill(Qt::black);
    s.PaintPicture(dot, 675, 675);             // a 10-pixel marker centred at (750, 750)
    s.PaintPicture(dot, 1500, 1500, 600, 600); // stretched on purpose
    s.setForeColor(vbcolor::Black);
    s.Circle(2250, 750, 150);

    for (ReplayStyle style : {ReplayStyle::Screen, ReplayStyle::Print}) {
        QImage page(800, 200, QImage::Format_RGB32); // four times wider than the drawing's shape
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            s.drawing().replay(painter, QRectF(0, 0, 800, 200), style);
        }
        const auto inkIn = [&](const QRect& r) {
            const QImage part = page.copy(r);
            const Ink across = inkAcross(part, true), down = inkAcross(part, false);
            return QSize(across.last - across.first + 1, down.last - down.first + 1);
        };
        const QSize marker = inkIn(QRect(0, 0, 400, 100));
        EXPECT_NEAR(marker.width(), marker.height(), 1) << static_cast<int>(style);
        EXPECT_NEAR(marker.height(), 10, 2); // its own 10 pixels: the height keeps its scale
        const QSize circle = inkIn(QRect(400, 0, 400, 100));
        EXPECT_NEAR(circle.width(), circle.height(), 2) << static_cast<int>(style);
        // The picture pasted at a given size stretches with the drawing.
        const QSize stretched = inkIn(QRect(0, 100, 800, 100));
        EXPECT_NEAR(stretched.width(), 4 * stretched.height(), 4) << static_cast<int>(style);
    }
}

TEST(DrawingReplay, FarOffCoordinatesAreCutNotBent)
{
    DrawingSurface s = whiteSurface(3000, 3000);
    s.setForeColor(vbcolor::Black);
    // A system-curve point far beyond the grid: the visible part keeps its
    // slope of one.
    s.Line(0, 0, 1e12, 1e12);
    s.Line(1e300, -1e300, -1e300, 1e300);
    s.Line(std::nan(""), 0, 100, 100);
    s.FilledBox(-1e15, 1500, 1e15, 1515, 0x0000FF);
    s.setCurrentX(std::numeric_limits<double>::infinity());
    s.Print("lost");
    const QImage img = s.drawing().toImage();
    for (int k : {10, 50, 150, 190})
        EXPECT_EQ(img.pixelColor(k, k), QColor(Qt::black)) << k;
    EXPECT_EQ(img.pixelColor(199, 100), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(0, 100), QColor(255, 0, 0));
}

TEST(DrawingSurface, BadPropertyValuesAreRefused)
{
    DrawingSurface s = whiteSurface();
    s.setDrawWidth(0);
    s.Line(0, 0, 100, 100);
    EXPECT_EQ(s.drawing().of(PrimitiveKind::Line).back()->width, 1);
    s.setFontSize(std::nan(""));
    s.setFontSize(-3);
    s.setFontName("  ");
    s.Print("x");
    const DrawFont& font = s.drawing().of(PrimitiveKind::Text).back()->font;
    EXPECT_EQ(font.size, 8);
    EXPECT_EQ(font.name, "Times New Roman");
    s.setScaleSize(-10, 100);
    EXPECT_EQ(s.ScaleWidth(), 0);
    EXPECT_TRUE(s.drawing().toImage().isNull());
}
