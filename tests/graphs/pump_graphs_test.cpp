// The pump graphs: the preview's three axes over the six points, points in
// any order, flat and zero data, the read-out; and the pump with the system
// curve of one year.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "graphs/PumpGraphs.h"

using namespace vemora;

namespace {

constexpr double kWidth = 8100, kHeight = 5175;
constexpr double kBottom = kHeight - 470;

struct Point
{
    float flow, head, efficiency;
};

std::unique_ptr<ProjectStore> pumpProject(const std::vector<Point>& points, int flowUnit = 0,
                                          int headUnit = 0)
{
    auto s = std::make_unique<ProjectStore>();
    for (size_t k = 0; k < points.size() && k < 6; ++k) {
        const int i = static_cast<int>(k) + 1;
        s->PumpCurve[1][i] = points[k].head;
        s->PumpCurve[2][i] = points[k].flow;
        s->PumpCurve[3][i] = points[k].efficiency;
    }
    s->CurveFlowUnit = static_cast<int16_t>(flowUnit);
    s->CurveHeadUnit = static_cast<int16_t>(headUnit);
    return s;
}

const std::vector<Point> kExample = {{0, 60, 40},   {100, 58, 55}, {200, 54, 68},
                                     {300, 48, 75}, {400, 40, 72}, {500, 30, 60}};

std::vector<QString> textsAt(const Drawing& d, double x1)
{
    std::vector<QString> out;
    for (const Primitive* t : d.of(PrimitiveKind::Text))
        if (t->x1 == x1) out.push_back(t->text);
    return out;
}

std::vector<QString> flowLabels(const Drawing& d)
{
    std::vector<QString> out;
    for (const Primitive* t : d.of(PrimitiveKind::Text))
        if (t->y1 == kBottom + 50) out.push_back(t->text);
    return out;
}

std::vector<const Primitive*> linesOf(const Drawing& d, uint32_t color)
{
    std::vector<const Primitive*> out;
    for (const Primitive* l : d.of(PrimitiveKind::Line))
        if (l->color == color && l->style == DrawStyle::Solid) out.push_back(l);
    return out;
}

} // namespace

TEST(PumpCurveGraph, SixPointExampleScalesThreeAxes)
{
    auto s = pumpProject(kExample);
    DrawingSurface d(kWidth, kHeight);
    PlotFrame f;
    ASSERT_EQ(DrawPumpCurveGraph(d, f, *s), PumpGraphStatus::Drawn);
    EXPECT_EQ(f.right, static_cast<int>(kWidth) - 1050);
    EXPECT_DOUBLE_EQ(f.originX, 0);
    EXPECT_DOUBLE_EQ(f.originY, 30);
    EXPECT_DOUBLE_EQ(f.originY2, 40);
    const std::vector<QString> heads = textsAt(d.drawing(), 300);
    ASSERT_EQ(heads.size(), 8u);
    EXPECT_EQ(heads.front(), "30");
    EXPECT_EQ(heads.back(), "65");
    const std::vector<QString> efficiencies = textsAt(d.drawing(), f.right + 350);
    ASSERT_EQ(efficiencies.size(), 9u);
    EXPECT_EQ(efficiencies.front(), "40 %");
    EXPECT_EQ(efficiencies.back(), "80 %");
    const std::vector<QString> flows = flowLabels(d.drawing());
    ASSERT_EQ(flows.size(), 11u);
    EXPECT_EQ(flows[1], "50");
    EXPECT_EQ(flows.back(), "500");
    EXPECT_NE(d.drawing().findText("Flow rate ( m³/h )"), nullptr);
    EXPECT_EQ(d.drawing().of(PrimitiveKind::Picture).size(), 6u + 2u); // dots and two titles
    EXPECT_EQ(linesOf(d.drawing(), 0x00FF00).size(), 5u);              // efficiency curve
    // The dots keep their round shape when the page stretches the graph.
    for (const Primitive* p : d.drawing().of(PrimitiveKind::Picture))
        EXPECT_TRUE(p->keepShape);
}

TEST(PumpCurveGraph, ReadOutOfHeadFlowAndEfficiency)
{
    auto s = pumpProject(kExample, 1);
    PlotFrame f = plotFrameFor(kWidth, kHeight, {800, 1050, 570, 470});
    f.setScales({0.05, 0, 10}, {5, 30, 7});
    f.setSecondScale({5, 40, 8});
    const double x = f.left + 220 + 0.25 * f.scaleX;
    const double y = f.bottom - 220 - 15 * f.scaleY; // head 45
    PumpReadOut at = ReadPumpCurve(f, *s, x, y);
    EXPECT_EQ(at.Head, "45.00 m");
    EXPECT_EQ(at.Flow, "0.25 m³/s");
    EXPECT_EQ(at.Efficiency, "57.14 %");  // 15 of 35 head units up the 40 % efficiency span
    at = ReadPumpCurve(f, *s, f.left, y); // left of the plot, at a height inside it
    EXPECT_EQ(at.Flow, "Out of range");
    EXPECT_EQ(at.Head, "45.00 m");
    at = ReadPumpCurve(f, *s, x, f.bottom); // below the plot
    EXPECT_EQ(at.Head, "Out of range");
    EXPECT_EQ(at.Efficiency, "Out of range");
    const double yEff = f.bottom - 220 - (72.5 - 40) * f.scaleY2;
    EXPECT_EQ(ReadPumpCurve(f, *s, x, yEff).Efficiency, "72.50 %");
}

TEST(PumpCurveGraph, ReadOutUnitsForEveryCode)
{
    PlotFrame f = plotFrameFor(kWidth, kHeight, {800, 1050, 570, 470});
    f.setScales({1, 0, 10}, {1, 0, 10});
    f.setSecondScale({1, 0, 10});
    const double x = f.left + 220, y = f.bottom - 220;
    const char* flows[] = {"0.00 m³/h", "0.00 m³/s", "0.00 ft³/h", "0.00 gal/s (USA)"};
    for (int code = 0; code < 4; ++code)
        EXPECT_EQ(ReadPumpCurve(f, *pumpProject(kExample, code), x, y).Flow, flows[code]);
    EXPECT_EQ(ReadPumpCurve(f, *pumpProject(kExample, 0, 1), x, y).Head, "0.00 ft");
    EXPECT_EQ(PumpFlowTitle(2), "Flow rate ( ft³/h )");
    EXPECT_EQ(PumpFlowTitle(3), "Flow rate ( gal/s (USA) )");
}

// Points out of flow order: the axis spans the least to the greatest flow
// and the curve joins the points as entered.
// Flows that do not rise from point 1 to point 6 would join the points in a
// loop: nothing is drawn, and the refusal names the first point out of order.
TEST(PumpCurveGraph, FlowsThatDoNotRiseDrawNothing)
{
    auto s = pumpProject(
        {{0, 60, 40}, {100, 58, 55}, {200, 54, 68}, {300, 48, 75}, {1200, 40, 72}, {1100, 30, 60}});
    DrawingSurface d(kWidth, kHeight);
    PlotFrame f;
    ASSERT_EQ(DrawPumpCurveGraph(d, f, *pumpProject(kExample)), PumpGraphStatus::Drawn);
    EXPECT_EQ(DrawPumpCurveGraph(d, f, *s), PumpGraphStatus::Failed);
    EXPECT_TRUE(d.drawing().isEmpty());
    EXPECT_EQ(PumpFlowRefusal(s->PumpCurve[2], 0),
              "Could not show the pump curve.  Please check the pump data !\n"
              "The flow rates of the pump curve must rise from point 1 to point 6: point 6 "
              "(1100 m³/h) is not above point 5 (1200 m³/h).");
    s->PumpCurve[2][6] = 1300;
    EXPECT_TRUE(PumpFlowRefusal(s->PumpCurve[2], 0).isEmpty());
    EXPECT_EQ(DrawPumpCurveGraph(d, f, *s), PumpGraphStatus::Drawn);
}

TEST(PumpCurveGraph, EqualEfficienciesDrawOneDivision)
{
    auto s = pumpProject(
        {{0, 60, 75}, {100, 58, 75}, {200, 54, 75}, {300, 48, 75}, {400, 40, 75}, {500, 30, 75}});
    DrawingSurface d(kWidth, kHeight);
    PlotFrame f;
    ASSERT_EQ(DrawPumpCurveGraph(d, f, *s), PumpGraphStatus::Drawn);
    EXPECT_DOUBLE_EQ(f.originY2, 75);
    EXPECT_TRUE(std::isfinite(f.scaleY2));
    EXPECT_GE(textsAt(d.drawing(), f.right + 350).size(), 2u);
}

TEST(PumpCurveGraph, AllZeroHeadOrEfficiencyFails)
{
    DrawingSurface d(kWidth, kHeight);
    PlotFrame f;
    auto zeroEff = pumpProject(
        {{0, 60, 0}, {100, 58, 0}, {200, 54, 0}, {300, 48, 0}, {400, 40, 0}, {500, 30, 0}});
    EXPECT_EQ(DrawPumpCurveGraph(d, f, *zeroEff), PumpGraphStatus::Failed);
    auto zeroHead = pumpProject(
        {{0, 0, 40}, {100, 0, 55}, {200, 0, 68}, {300, 0, 75}, {400, 0, 72}, {500, 0, 60}});
    EXPECT_EQ(DrawPumpCurveGraph(d, f, *zeroHead), PumpGraphStatus::Failed);
    EXPECT_TRUE(d.drawing().isEmpty());
}

TEST(PumpSystemCurves, SystemCurveWidensTheHeadAxisOnly)
{
    auto s = pumpProject(
        {{0, 60, 40}, {100, 55, 55}, {200, 48, 68}, {300, 40, 75}, {400, 30, 72}, {500, 20, 60}});
    ResultsStore r;
    r.PumpFlowUnitFactor = 1.0f / 3600;
    r.PumpHeadUnitFactor = 1;
    for (int i = 1; i <= MaxSystemSamples; ++i) {
        const float q = 500.0f * i / MaxSystemSamples; // m³/h
        r.YearSystemFlow(2, i) = q / 3600;
        r.YearSystemHead(2, i) = 15 + 75 * (q / 500) * (q / 500);
    }
    DrawingSurface d(kWidth, kHeight);
    PlotFrame f;
    ASSERT_EQ(DrawPumpSystemCurves(d, f, *s, r, 2), PumpGraphStatus::Drawn);
    EXPECT_EQ(f.right, static_cast<int>(kWidth) - 600);
    EXPECT_DOUBLE_EQ(f.originX, 0);
    // From the system curve's lowest head (15) to the first grid line above
    // the pump's highest (60): the system curve's 90 m at the last flow does
    // not widen it.
    EXPECT_DOUBLE_EQ(f.originY, 15);
    const std::vector<QString> heads = textsAt(d.drawing(), 300);
    EXPECT_EQ(heads.front(), "15");
    EXPECT_EQ(heads.back(), "65");
    EXPECT_LT(linesOf(d.drawing(), 0x00FF00).size(), static_cast<size_t>(MaxSystemSamples - 1));
    EXPECT_EQ(linesOf(d.drawing(), 0xFF0000).size(), 5u);
    // Year 3 holds no curve: the head axis is the pump's alone, the flow axis the same.
    ASSERT_EQ(DrawPumpSystemCurves(d, f, *s, r, 3), PumpGraphStatus::Drawn);
    EXPECT_DOUBLE_EQ(f.originY, 0);
    EXPECT_DOUBLE_EQ(f.originX, 0);
    EXPECT_EQ(DrawPumpSystemCurves(d, f, *s, r, 0), PumpGraphStatus::Failed);
    EXPECT_EQ(DrawPumpSystemCurves(d, f, *s, r, 101), PumpGraphStatus::Failed);
}

namespace {

// A pump in ft and gal/s on a long steep main: the pump gives 320 ft at no
// flow and 210 ft at 50 gal/s; the system curve of year 1 climbs from a
// static head of 150 ft to 6000 ft at 150 gal/s and meets the pump at
// about 23 gal/s and 294 ft.
struct SteepMain
{
    std::unique_ptr<ProjectStore> store = pumpProject(
        {{0, 320, 40}, {10, 315, 55}, {20, 300, 68}, {30, 280, 75}, {40, 250, 72}, {50, 210, 60}},
        3, 1);
    ResultsStore results;
    static constexpr float kFoot = 0.3048f, kGallon = 0.0037854118f;
    static constexpr double kDutyHead = 294;

    explicit SteepMain(double staticHead = 150)
    {
        results.PumpFlowUnitFactor = kGallon;
        results.PumpHeadUnitFactor = kFoot;
        for (int i = 1; i <= MaxSystemSamples; ++i) {
            const double q = 150.0 * (i - 1) / (MaxSystemSamples - 1); // gal/s
            results.YearSystemFlow(1, i) = static_cast<float>(q * kGallon);
            results.YearSystemHead(1, i) = static_cast<float>((staticHead + 0.26 * q * q) * kFoot);
        }
        results.YearPumpHead[1] = static_cast<float>(kDutyHead * kFoot);
    }
};

// Every segment of the colour lies within the plot's frame.
void expectInsideTheFrame(const Drawing& d, const PlotFrame& f, uint32_t color)
{
    for (const Primitive* l : linesOf(d, color))
        for (auto [x, y] : {std::pair(l->x1, l->y1), std::pair(l->x2, l->y2)}) {
            EXPECT_GE(x, f.left - 0.5);
            EXPECT_LE(x, f.right + PlotFrame::kInset + 0.5);
            EXPECT_GE(y, f.top - PlotFrame::kInset - 0.5);
            EXPECT_LE(y, f.bottom + 0.5);
        }
}

} // namespace

TEST(PumpSystemCurves, ASteepSystemCurveLeavesTheCrossingReadable)
{
    SteepMain main;
    DrawingSurface d(kWidth, kHeight);
    PlotFrame f;
    ASSERT_EQ(DrawPumpSystemCurves(d, f, *main.store, main.results, 1), PumpGraphStatus::Drawn);
    // 150 ft (the static head) up to the grid line above the pump's 320 ft,
    // not to 6000 ft.
    EXPECT_DOUBLE_EQ(f.originY, 140);
    EXPECT_EQ(textsAt(d.drawing(), 300).back(), "340");
    const double share =
        (f.bottom - PlotFrame::kInset - f.y(SteepMain::kDutyHead)) / (f.bottom - f.top);
    EXPECT_GT(share, 0.1);
    EXPECT_LT(share, 0.9);
    expectInsideTheFrame(d.drawing(), f, SecondCurveColor);
    EXPECT_FALSE(linesOf(d.drawing(), SecondCurveColor).empty());

    // The warning's year has no crossing: the axis still reaches the
    // system curve's start where that lies above the pump.
    SteepMain above(400);
    ASSERT_EQ(DrawPumpSystemCurves(d, f, *above.store, above.results, 1, DutyCrossing::None),
              PumpGraphStatus::Drawn);
    EXPECT_EQ(textsAt(d.drawing(), 300).back(), "420");
    EXPECT_DOUBLE_EQ(f.originY, 200);
    expectInsideTheFrame(d.drawing(), f, SecondCurveColor);
}
