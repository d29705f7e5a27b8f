// Twips and colour numbers.
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/Twips.h"

using namespace vemora;

TEST(Twips, ConvertAtFifteenToThePixel)
{
    EXPECT_EQ(twipsToPixels(15), 1);
    EXPECT_EQ(twipsToPixels(375), 25);
    EXPECT_EQ(twipsToPixels(5203), 347); // 346.87 rounds up
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
    EXPECT_EQ(twipsToPixels(0), 0);
    EXPECT_EQ(pixelsToTwips(800), 12000);
    EXPECT_EQ(pixelsToTwips(600), 9000);
    for (int px = 0; px < 2000; px += 37)
        EXPECT_EQ(twipsToPixels(pixelsToTwips(px)), px);
}

TEST(Twips, WidgetGeometry)
{
    QWidget parent;
    auto* w = new QWidget(&parent);
    setTwipsGeometry(w, 60, 60, 375, 375);
    EXPECT_EQ(w->geometry(), QRect(4, 4, 25, 25));
    EXPECT_EQ(twipsGeometry(w), QRect(60, 60, 375, 375));
}

TEST(Colours, ColourNumbersAreBlueGreenRed)
{
    EXPECT_EQ(vbColor(0xFFFFC0), QColor(192, 255, 255)); // light cyan
    EXPECT_EQ(vbColor(0xFF), QColor(255, 0, 0));         // red
    EXPECT_EQ(vbColor(0xFF00), QColor(0, 255, 0));       // green
    EXPECT_EQ(vbColor(0xFFFF), QColor(255, 255, 0));     // yellow
    EXPECT_EQ(vbColor(0x800000), QColor(0, 0, 128));     // navy
    EXPECT_EQ(toVbColor(QColor(192, 255, 255)), 0xFFFFC0u);
    EXPECT_EQ(toVbColor(QColor(255, 255, 0)), 0xFFFFu);
    EXPECT_EQ(toVbColor(vbColor(0x123456)), 0x123456u);
}
