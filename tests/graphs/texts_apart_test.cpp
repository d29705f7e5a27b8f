// Texts on the graphs stand apart: no tick label, axis title or title
// picture comes within two pixels of another or of an axis line, however
// wide the labels of a flat or tall axis grow. A text's box is the room it
// takes on its line across and its ink down.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRectF>

#include "graphs/IrrGraph.h"
#include "graphs/ProfileGraph.h"
#include "graphs/PumpGraphs.h"
#include "graphs/SystemGraphs.h"
#include "support/GraphProjects.h"
#include "support/TextsApart.h"

using namespace vemora;
using namespace vemora::test;

namespace {

constexpr double kGap = 30 - 0.5; // two pixels, less rounding

// The texts of a drawing and the pictures left of its vertical axis (the
// axis titles), each with its box.
std::vector<TextRect> textBoxes(const Drawing& d, const PlotFrame& f)
{
    std::vector<TextRect> boxes;
    for (const Primitive* t : d.of(PrimitiveKind::Text)) {
        // Across, the room the text takes on its line; down, its ink (a
        // line's box holds empty leading under digits).
        const QFontMetricsF m(screenFont(t->font));
        const QRectF ink = m.tightBoundingRect(t->text);
        const double baseline = t->y1 + m.ascent() * kTwipsPerPixel;
        boxes.push_back({QRectF(QPointF(t->x1, baseline + ink.top() * kTwipsPerPixel),
                                QPointF(t->x2, baseline + ink.bottom() * kTwipsPerPixel)),
                         t->text});
    }
    for (const Primitive* p : d.of(PrimitiveKind::Picture))
        if (p->x2 <= f.left)
            boxes.push_back({QRectF(QPointF(p->x1, p->y1), QPointF(p->x2, p->y2)), "(title)"});
    return boxes;
}

void ExpectDrawnTextsApart(const Drawing& d, const PlotFrame& f, const std::string& what)
{
    const auto boxes = textBoxes(d, f);
    ASSERT_GE(boxes.size(), 2u) << what;
    // The axes: the vertical one from the top of the grid down to the
    // horizontal one, which runs to the right end of the grid.
    const QRectF vertical(QPointF(f.left, f.top - PlotFrame::kInset), QPointF(f.left, f.bottom));
    const QRectF horizontal(QPointF(f.left, f.bottom),
                            QPointF(f.right + PlotFrame::kInset, f.bottom));
    test::ExpectTextsApart(boxes, {}, {vertical, horizontal}, kGap, what);
}

} // namespace

TEST(TextsApart, FlatProfileLabelsKeepClearOfTheAxis)
{
    GraphProject flat = ProfileProject({{0, 100}, {100, 100}, {200, 100}});
    DrawingSurface s(10200, 4800);
    PlotFrame f;
    ProfileGraphStyle style;
    style.HorizontalTitle = QStringLiteral("Accumulated length( m )");
    const ProfileView view{1, flat.s().NodeCount, 1, true, false};
    ASSERT_EQ(DrawProfileGraph(s, f, flat.s(), flat.r(), view, style), ProfileStatus::Drawn);
    ASSERT_NE(s.drawing().findText("100.001"), nullptr);
    ExpectDrawnTextsApart(s.drawing(), f, "flat profile");
}

TEST(TextsApart, DutyGraphInFeetKeepsItsTitleClearOfTheLabels)
{
    ProjectStore store;
    const float heads[] = {2400, 2300, 2150, 2000, 1800, 1600};
    for (int k = 1; k <= 6; ++k) {
        store.PumpCurve[1][k] = heads[k - 1];
        store.PumpCurve[2][k] = 10.0f * (k - 1);
        store.PumpCurve[3][k] = 60;
    }
    store.CurveHeadUnit = 1;
    store.CurveFlowUnit = 3;
    ResultsStore r;
    r.PumpFlowUnitFactor = 0.0037854118f;
    r.PumpHeadUnitFactor = 0.3048f;
    for (int i = 1; i <= MaxSystemSamples; ++i) {
        const double q = 60.0 * (i - 1) / (MaxSystemSamples - 1);
        r.YearSystemFlow(1, i) = static_cast<float>(q * r.PumpFlowUnitFactor);
        r.YearSystemHead(1, i) = static_cast<float>((1500 + 0.5 * q * q) * r.PumpHeadUnitFactor);
    }
    DrawingSurface s(8100, 5175);
    PlotFrame f;
    ASSERT_EQ(DrawPumpSystemCurves(s, f, store, r, 1), PumpGraphStatus::Drawn);
    ASSERT_NE(s.drawing().findText("2000"), nullptr);
    ExpectDrawnTextsApart(s.drawing(), f, "duty graph");
    ASSERT_EQ(DrawPumpCurveGraph(s, f, store), PumpGraphStatus::Drawn);
    ExpectDrawnTextsApart(s.drawing(), f, "pump curve");
}

TEST(TextsApart, IrrGraphOfLargeDifferences)
{
    ResultsStore r;
    for (int i = 0; i <= MaxIrrSteps; ++i) {
        r.IrrRate[static_cast<size_t>(i)] = static_cast<float>(i / 100.0);
        r.IrrPvDifference[static_cast<size_t>(i)] = -123456789.0 + 1000.0 * i;
    }
    DrawingSurface s(10095, 5655);
    PlotFrame f;
    ASSERT_EQ(DrawIRRGraph(s, f, r, 3243, 3253), IrrGraphStatus::Drawn);
    ExpectDrawnTextsApart(s.drawing(), f, "IRR");
}
