// The IRR graph: its rate and difference axes over a chosen range of the
// scan, the refused and failing ranges, and the read-out over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "graphs/IrrGraph.h"

using namespace vemora;

namespace {

constexpr double kWidth = 10095, kHeight = 5655;
constexpr double kBottom = kHeight - 470;

// A scan whose difference falls linearly from 1,000,000 at 0 % by 10,000
// per percent (zero at 100 %).
std::unique_ptr<ResultsStore> linearScan()
{
    auto r = std::make_unique<ResultsStore>();
    for (int i = 0; i <= MaxIrrSteps; ++i) {
        r->IrrRate[static_cast<size_t>(i)] = static_cast<float>(i / 100.0);
        r->IrrPvDifference[static_cast<size_t>(i)] = 1e6 - 100.0 * i;
    }
    return r;
}

std::vector<QString> rateLabels(const Drawing& d)
{
    std::vector<QString> out;
    for (const Primitive* t : d.of(PrimitiveKind::Text))
        if (t->y1 == kBottom + 50) out.push_back(t->text);
    return out;
}

size_t curveVertices(const Drawing& d)
{
    const auto lines = d.of(PrimitiveKind::Line);
    return static_cast<size_t>(std::count_if(
        lines.begin(), lines.end(), [](const Primitive* l) { return l->color == 0xFF0000; }));
}

} // namespace

TEST(IrrGraph, FullRangeLabelsTheRatesEveryTwentyPercent)
{
    auto r = linearScan();
    DrawingSurface s(kWidth, kHeight);
    PlotFrame f;
    ASSERT_EQ(DrawIRRGraph(s, f, *r, 0, 20000), IrrGraphStatus::Drawn);
    const std::vector<QString> labels = rateLabels(s.drawing());
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels.front(), "0.0");
    EXPECT_EQ(labels[1], "20.0");
    EXPECT_EQ(labels.back(), "200.0");
    EXPECT_EQ(curveVertices(s.drawing()), 20000u); // one segment per scan step
    EXPECT_EQ(f.left, 1500);
    EXPECT_EQ(f.right, static_cast<int>(kWidth) - 600);
    EXPECT_NE(s.drawing().findText("IRR (%)"), nullptr);
    // The difference axis runs from 0 (at 200 %: -1,000,000) upwards in steps of 200,000.
    EXPECT_NE(s.drawing().findText("-1000000"), nullptr);
    EXPECT_NE(s.drawing().findText("1000000"), nullptr);
}

TEST(IrrGraph, FiveToFifteenPercentTakesAnEleventhDivision)
{
    auto r = linearScan();
    DrawingSurface s(kWidth, kHeight);
    PlotFrame f;
    ASSERT_EQ(DrawIRRGraph(s, f, *r, 500, 1500), IrrGraphStatus::Drawn);
    const std::vector<QString> labels = rateLabels(s.drawing());
    ASSERT_EQ(labels.size(), 12u); // 11 divisions
    EXPECT_EQ(labels.front(), "5.0");
    EXPECT_EQ(labels.back(), "16.0");
    EXPECT_DOUBLE_EQ(f.originX, 5);
}

TEST(IrrGraph, RefusedRangeLeavesPictureAndFrame)
{
    auto r = linearScan();
    DrawingSurface s(kWidth, kHeight);
    PlotFrame f;
    DrawIRRGraph(s, f, *r, 0, 20000);
    const size_t before = s.drawing().primitives().size();
    const PlotFrame kept = f;
    EXPECT_EQ(DrawIRRGraph(s, f, *r, 1000, 1000), IrrGraphStatus::BeginNotBeforeEnd);
    EXPECT_EQ(DrawIRRGraph(s, f, *r, 1200, 1000), IrrGraphStatus::BeginNotBeforeEnd);
    EXPECT_EQ(s.drawing().primitives().size(), before);
    EXPECT_DOUBLE_EQ(f.scaleX, kept.scaleX);
}

TEST(IrrGraph, AllZeroScanFailsAfterClearing)
{
    ResultsStore r; // a scan never filled
    DrawingSurface s(kWidth, kHeight);
    s.Line(0, 0, 100, 100);
    PlotFrame f;
    EXPECT_EQ(DrawIRRGraph(s, f, r, 0, 20000), IrrGraphStatus::Failed);
    EXPECT_TRUE(s.drawing().isEmpty());
}

// A one-step range at a high rate gets a rate step of 0.001: its quotient
// does not fit in sixteen bits, and the graph draws.
TEST(IrrGraph, NarrowRangeAtHighRateDraws)
{
    auto r = linearScan();
    DrawingSurface s(kWidth, kHeight);
    PlotFrame f;
    ASSERT_EQ(DrawIRRGraph(s, f, *r, 19998, 19999), IrrGraphStatus::Drawn);
    EXPECT_EQ(curveVertices(s.drawing()), 1u);
    EXPECT_TRUE(f.valid());
    EXPECT_GE(rateLabels(s.drawing()).size(), 2u);
}

// A zoomed range: the rate labels gain decimals until neighbours differ.
TEST(IrrGraph, ZoomedRatesReadApart)
{
    auto r = linearScan();
    DrawingSurface s(kWidth, kHeight);
    PlotFrame f;
    ASSERT_EQ(DrawIRRGraph(s, f, *r, 3243, 3253), IrrGraphStatus::Drawn);
    std::vector<QString> labels = rateLabels(s.drawing());
    ASSERT_GE(labels.size(), 11u);
    EXPECT_EQ(labels.front(), "32.43");
    EXPECT_EQ(labels[1], "32.44");
    EXPECT_EQ(labels[10], "32.53");

    ASSERT_EQ(DrawIRRGraph(s, f, *r, 19999, 20000), IrrGraphStatus::Drawn);
    labels = rateLabels(s.drawing());
    ASSERT_GE(labels.size(), 11u);
    EXPECT_EQ(labels.front(), "199.990");
    EXPECT_EQ(labels[1], "199.991");
    EXPECT_EQ(labels[10], "200.000");
}

// All differences negative and far below zero: the origin lies below the lowest.
TEST(IrrGraph, NegativeDifferencesStartBelowTheData)
{
    ResultsStore r;
    for (int i = 0; i <= MaxIrrSteps; ++i) {
        r.IrrRate[static_cast<size_t>(i)] = static_cast<float>(i / 100.0);
        r.IrrPvDifference[static_cast<size_t>(i)] = -5e6 - 10.0 * i;
    }
    DrawingSurface s(kWidth, kHeight);
    PlotFrame f;
    ASSERT_EQ(DrawIRRGraph(s, f, r, 0, 20000), IrrGraphStatus::Drawn);
    EXPECT_LE(f.originY, -5.2e6);
    size_t segments = 0;
    for (const Primitive* l : s.drawing().of(PrimitiveKind::Line))
        if (l->color == 0xFF0000) {
            ++segments;
            EXPECT_LE(l->y2, f.bottom - 220);
            EXPECT_GE(l->y2, f.top - 220);
        }
    EXPECT_EQ(segments, 20000u); // one segment per scan step
}

TEST(IrrGraph, ReadOutNamesRateAndCurrency)
{
    PlotFrame f = plotFrameFor(kWidth, kHeight, {1500, 600, 570, 470});
    f.setScales({1, 10, 10}, {100000, -500000, 10});
    const double x = f.left + 220 + (12.3454 - 10) * f.scaleX;
    const double y = f.bottom - 220 - (-125000 + 500000) * f.scaleY;
    EXPECT_EQ(ReadIrr(f, 1, x, y).Rate, "12.345%");
    EXPECT_EQ(ReadIrr(f, 1, x, y).Difference, "$-125000");
    EXPECT_EQ(ReadIrr(f, 0, x, y).Difference, "R-125000");
    EXPECT_EQ(ReadIrr(f, 0, f.left + 220, y).Rate, "10.000%");
    EXPECT_EQ(ReadIrr(f, 0, f.left + 219, y).Rate, "Out of range");
    EXPECT_EQ(ReadIrr(f, 0, f.left + 219, y).Difference, "Out of range");
}

TEST(IrrGraph, RateTextIsTheShortestDecimal)
{
    EXPECT_EQ(IrrRateText(0), "0");
    EXPECT_EQ(IrrRateText(1250), "12.5");
    EXPECT_EQ(IrrRateText(1), "0.01");
    EXPECT_EQ(IrrRateText(20000), "200");
}
