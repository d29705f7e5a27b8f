// Speed of the graph drawing layer: recording a pump and system curve graph
// (a 9,999-segment system curve), showing it on screen, replaying it onto a
// PDF page, and scaling axes with their labels.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "BenchApplication.h"
#include "graphs/AxisScale.h"
#include "graphs/PlotFrame.h"
#include "platform/DrawingSurface.h"

namespace {

using namespace vemora;
using bench::ensureApplication;

// Grid, labels, a six-point pump curve and a 10,000-point system curve on a
// picture of 8,115 x 5,175 twips.
void drawPumpGraph(DrawingSurface& s)
{
    s.setBackColor(vbcolor::White);
    s.Cls();
    PlotFrame f = plotFrameFor(s.ScaleWidth(), s.ScaleHeight());
    const AxisScale flow = scaleAxis(0, 500);
    const AxisScale head = scaleAxis(15, 90);
    f.setScales(flow, head);
    s.setDrawStyle(DrawStyle::Dash);
    s.setForeColor(0xC0C0C0);
    for (int k = 0; k <= head.divisions; ++k)
        s.Line(f.left, f.y(head.valueAt(k)), f.right + 220, f.y(head.valueAt(k)));
    for (int k = 0; k <= flow.divisions; ++k)
        s.Line(f.x(flow.valueAt(k)), f.bottom, f.x(flow.valueAt(k)), f.top - 220);
    s.setDrawStyle(DrawStyle::Solid);
    s.setForeColor(0xFF00);
    s.setCurrentX(f.x(0));
    s.setCurrentY(f.y(15));
    for (int i = 1; i < 10000; ++i) {
        const double q = i * 0.05;
        s.LineTo(f.x(q), f.y(15 + 75 * (q / 500) * (q / 500)));
    }
    s.setForeColor(vbcolor::Black);
    for (int k = 0; k <= head.divisions; ++k) {
        s.setCurrentX(300);
        s.setCurrentY(f.y(head.valueAt(k)) - 85);
        s.Print(QString::fromStdString(tickLabel(head.valueAt(k), head.step)));
    }
}

void BM_RecordPumpGraph(benchmark::State& state)
{
    ensureApplication();
    DrawingSurface s(8115, 5175);
    for (auto _ : state) {
        drawPumpGraph(s);
        benchmark::DoNotOptimize(s.drawing().primitives().data());
    }
    state.SetItemsProcessed(state.iterations() * s.drawing().primitives().size());
}
BENCHMARK(BM_RecordPumpGraph)->Unit(benchmark::kMillisecond);

// The first drawing of a newly opened window.
void BM_RecordPumpGraphFresh(benchmark::State& state)
{
    ensureApplication();
    for (auto _ : state) {
        DrawingSurface s(8115, 5175);
        drawPumpGraph(s);
        benchmark::DoNotOptimize(s.drawing().primitives().data());
    }
}
BENCHMARK(BM_RecordPumpGraphFresh)->Unit(benchmark::kMillisecond);

void BM_ShowOnScreen(benchmark::State& state)
{
    ensureApplication();
    DrawingSurface s(8115, 5175);
    drawPumpGraph(s);
    for (auto _ : state) {
        QImage img = s.drawing().toImage();
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_ShowOnScreen)->Unit(benchmark::kMillisecond);

void BM_PrintToPdf(benchmark::State& state)
{
    ensureApplication();
    DrawingSurface s(8115, 5175);
    drawPumpGraph(s);
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QPdfWriter writer(&out);
        writer.setResolution(1200);
        QPainter p(&writer);
        s.drawing().replay(p, QRectF(500, 2000, 8000, 5000), ReplayStyle::Print);
        p.end();
        benchmark::DoNotOptimize(out.data().size());
    }
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond);

void BM_ScaleAxisWithLabels(benchmark::State& state)
{
    double lo = 1200;
    for (auto _ : state) {
        const AxisScale a = scaleAxis(lo, lo + 300.5);
        std::vector<double> values;
        for (int k = 0; k <= a.divisions; ++k)
            values.push_back(a.valueAt(k));
        auto labels = cutTickLabels(values, labelLength(a.top()));
        benchmark::DoNotOptimize(labels.data());
        lo += 0.25;
    }
}
BENCHMARK(BM_ScaleAxisWithLabels)->Unit(benchmark::kMicrosecond);

} // namespace
