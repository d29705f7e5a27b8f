// Plot frames: placing axis values in twips and reading them back under the
// mouse.
#include <gtest/gtest.h>

#include "graphs/PlotFrame.h"

using namespace vemora;

namespace {

// A profile graph in a picture of 10,000 x 5,000 twips: distances 0..500 m
// (10 divisions of 50), levels 1200..1550 m (7 divisions of 50).
PlotFrame profileFrame()
{
    PlotFrame f = plotFrameFor(10000, 5000);
    f.setScales(scaleAxis(0, 500), scaleAxis(1200, 1500));
    return f;
}

} // namespace

TEST(PlotFrame, BoundsAndScalesFromThePictureAndTheAxes)
{
    const PlotFrame f = profileFrame();
    EXPECT_EQ(f.left, 800);
    EXPECT_EQ(f.right, 9400);
    EXPECT_EQ(f.top, 570);
    EXPECT_EQ(f.bottom, 4530);
    EXPECT_DOUBLE_EQ(f.scaleX, 8600.0 / 500);
    EXPECT_DOUBLE_EQ(f.scaleY, 3960.0 / 350);
    EXPECT_EQ(f.originY, 1200);

    const PlotFrame irr = plotFrameFor(10095.4, 5655, {1500, 600, 570, 470});
    EXPECT_EQ(irr.left, 1500);
    EXPECT_EQ(irr.right, 10095 - 600);
    EXPECT_EQ(irr.bottom, 5655 - 470);
}

TEST(PlotFrame, ValuesLandInsideTheAxesAndRoundToWholeTwips)
{
    const PlotFrame f = profileFrame();
    EXPECT_EQ(f.x(0), 1020);          // left + 220
    EXPECT_EQ(f.x(500), 9620);        // right + 220
    EXPECT_EQ(f.y(1200), 4310);       // bottom - 220
    EXPECT_EQ(f.y(1550), 350);        // top - 220
    EXPECT_EQ(f.x(0.5 / 17.2), 1020); // 1020.5 rounds to even
    EXPECT_EQ(f.x(1.5 / 17.2), 1022); // 1021.5 rounds to even
    // Far off the axis, still no overflow.
    EXPECT_GT(f.x(1e9), 1e10);
}

TEST(PlotFrame, ReadOutAtAndJustBeyondTheEdges)
{
    const PlotFrame f = profileFrame();
    const auto corner = f.readOut(1020, 4310);
    ASSERT_TRUE(corner);
    EXPECT_DOUBLE_EQ(corner->x, 0);
    EXPECT_DOUBLE_EQ(corner->y, 1200);
    const auto far = f.readOut(9620, 350);
    ASSERT_TRUE(far);
    EXPECT_NEAR(far->x, 500, 1e-9);
    EXPECT_NEAR(far->y, 1550, 1e-9);

    for (double dx : {1.0, 15.0}) { // one twip, one pixel
        EXPECT_FALSE(f.readOut(1020 - dx, 2000)) << dx;
        EXPECT_FALSE(f.readOut(9620 + dx, 2000)) << dx;
        EXPECT_FALSE(f.readOut(5000, 350 - dx)) << dx;
        EXPECT_FALSE(f.readOut(5000, 4310 + dx)) << dx;
    }

    EXPECT_EQ(readOutText(f.valueAtX(1020 + 8600 * 0.25), 3, "m"), "125.000 m");
    EXPECT_EQ(readOutText(f.valueAtX(100), 3, "m"), "Out of range");
}

TEST(PlotFrame, NoScaleMeansOutOfRange)
{
    PlotFrame f = plotFrameFor(10000, 5000);
    EXPECT_FALSE(f.valid());
    EXPECT_FALSE(f.readOut(2000, 2000));

    // An axis without divisions leaves its scale unset.
    f.setScales(scaleAxis(0, 500), AxisScale{});
    EXPECT_FALSE(f.valid());
    EXPECT_FALSE(f.valueAtX(2000));
}

TEST(PlotFrame, SecondVerticalScaleReadsByHeightAlone)
{
    // The pump curve: heads 30..65 on the left, efficiency 40..80 % on the right.
    PlotFrame f = plotFrameFor(8115, 5175, {800, 1050, 570, 470});
    f.setScales(scaleAxis(0, 500), scaleAxis(30, 60));
    f.setSecondScale(scaleAxis(40, 75, {series125(100)}));
    const double middle = (f.bottom - 220 + f.top - 220) / 2.0;
    EXPECT_NEAR(*f.valueAtY(middle), 47.5, 1e-9);
    EXPECT_NEAR(*f.valueAtY2(middle), 60, 1e-9);
    EXPECT_EQ(f.y2(80), f.top - 220);
    // Left of the plot area the height still reads; the pair does not.
    EXPECT_TRUE(f.valueAtY(middle));
    EXPECT_FALSE(f.valueAtX(500));
    EXPECT_FALSE(f.readOut(500, middle));
}
