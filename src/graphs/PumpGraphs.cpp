#include "graphs/PumpGraphs.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "engine/AnalysisReasons.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphPictures.h"
#include "graphs/GraphPieces.h"
#include "graphs/LegendKeys.h"
#include "platform/TimesFont.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

struct PumpPoints
{
    std::array<double, 6> head{}, flow{}, efficiency{};
};

PumpPoints ReadPumpPoints(const ProjectStore& store)
{
    PumpPoints p;
    for (int k = 1; k <= 6; ++k) {
        p.head[static_cast<size_t>(k - 1)] = store.PumpCurve[1][k];
        p.flow[static_cast<size_t>(k - 1)] = store.PumpCurve[2][k];
        p.efficiency[static_cast<size_t>(k - 1)] = store.PumpCurve[3][k];
    }
    return p;
}

bool AllZero(const std::array<double, 6>& v)
{
    return std::all_of(v.begin(), v.end(), [](double x) { return x == 0; });
}

AxisScale ScaleOver(const std::array<double, 6>& v)
{
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    return scaleAxis(*low, *high);
}

// Each point marked by the dot, joined in entry order.
void DrawPumpCurve(DrawingSurface& s, const PlotFrame& f, const PumpPoints& p)
{
    s.setDrawStyle(DrawStyle::Solid);
    s.setForeColor(PumpCurveColor);
    s.setDrawWidth(1);
    const QImage& dot = PumpPointPicture();
    for (size_t k = 0; k < 6; ++k) {
        const double x = f.x(p.flow[k]), y = f.y(p.head[k]);
        s.PaintPicture(dot, x - dot.width() * 15 / 2.0, y - dot.height() * 15 / 2.0);
        if (k == 0) {
            s.setCurrentX(x);
            s.setCurrentY(y);
        } else {
            s.LineTo(x, y);
        }
    }
}

// Black axes, the line closing the plot at the last flow grid line, and
// the head labels; returns the x of that closing line.
double DrawPumpAxes(DrawingSurface& s, const PlotFrame& f, const AxisScale& flow,
                    const AxisScale& head)
{
    s.setFontBold(false);
    s.setFontName(TimesNewRoman());
    drawAxes(s, f);
    const double xr = gridLineX(f, flow, flow.divisions);
    s.Line(xr, f.top - PlotFrame::kInset, xr, f.bottom);
    drawVerticalTickLabels(s, f, head, 300);
    return xr;
}

// Flow labels start 100 twips left of their grid line, cut by the axis
// maximum; then the bold flow title and the head title picture.
void DrawFlowAxisTexts(DrawingSurface& s, const PlotFrame& f, const AxisScale& flow,
                       const ProjectStore& store)
{
    std::vector<double> values;
    for (int k = 0; k <= flow.divisions; ++k)
        values.push_back(flow.valueAt(k));
    const std::vector<CutLabel> labels = cutTickLabels(values, labelLength(flow.top()));
    for (int k = 0; k <= flow.divisions; ++k) {
        const double x = gridLineX(f, flow, k);
        printAt(s, x - 100, f.bottom + 50,
                QString::fromStdString(labels[static_cast<size_t>(k)].text));
        s.Line(x, f.bottom, x, f.bottom - 40);
    }
    s.setFontBold(true);
    s.setFontSize(8);
    const double half =
        roundHalfEven((gridLineX(f, flow, flow.divisions) - f.left - PlotFrame::kInset) / 2);
    printAt(s, half + f.left - 300, f.bottom + 270, PumpFlowTitle(store.CurveFlowUnit));
    s.setFontBold(false);
    paintVerticalTitle(s, HeadTitlePicture(store.CurveHeadUnit), 300, 2200);
}

// One year's system curve in the pump curve's units; samples 0..MaxSystemSamples - 1.
struct SystemCurve
{
    const float* flows;
    const float* heads;
    double flowFactor, headFactor;

    double flow(int i) const { return flows[i] / flowFactor; }
    double head(int i) const { return heads[i] / headFactor; }

    // The head at `q`, between the two samples around it; the nearest
    // sample's head where no two samples enclose it.
    double headAt(double q) const
    {
        int nearest = 0;
        for (int i = 0; i < MaxSystemSamples; ++i) {
            if (i > 0) {
                const double q0 = flow(i - 1), q1 = flow(i);
                if (std::min(q0, q1) <= q && q <= std::max(q0, q1)) {
                    const double t = q1 != q0 ? (q - q0) / (q1 - q0) : 0;
                    return head(i - 1) + t * (head(i) - head(i - 1));
                }
            }
            if (std::fabs(flow(i) - q) < std::fabs(flow(nearest) - q)) nearest = i;
        }
        return head(nearest);
    }
};

struct HeadRange
{
    double low, high;
};

// The head axis's range: from the lowest head of the pump and the whole
// system curve up to the highest of the pump's heads, the duty head and the
// system head at the pump curve's first flow. A system curve that climbs
// far above the pump beyond the crossing does not squeeze the crossing
// into the bottom of the graph; one that starts above the pump still shows
// where it starts.
HeadRange DutyHeadRange(const PumpPoints& p, const SystemCurve& system,
                        std::optional<double> dutyHead)
{
    HeadRange r{*std::min_element(p.head.begin(), p.head.end()),
                *std::max_element(p.head.begin(), p.head.end())};
    for (int i = 0; i < MaxSystemSamples; ++i)
        if (std::isfinite(system.head(i))) r.low = std::min(r.low, system.head(i));
    const double start = system.headAt(p.flow[0]);
    for (double h : {start, dutyHead.value_or(r.high)})
        if (std::isfinite(h)) r.high = std::max(r.high, h);
    return r;
}

std::string WithUnit(double v, const char* unit)
{
    return formatFixed(v, 2) + " " + (unit ? unit : "");
}

} // namespace

const QImage& PumpPointPicture()
{
    static const QImage picture = [] {
        QImage image(10, 10, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 255));
        p.drawEllipse(0, 0, 10, 10);
        return image;
    }();
    return picture;
}

const QImage& EfficiencyTitlePicture()
{
    static const QImage picture = [] {
        DrawFont font;
        font.size = 8;
        font.bold = true;
        return verticalTitlePicture(QStringLiteral("Efficiency"), 14, font);
    }();
    return picture;
}

QString PumpFlowRefusal(const Array1<float, 6>& flows, int curveFlowUnit)
{
    const std::string reason = PumpFlowOrderReason(flows, curveFlowUnit);
    if (reason.empty()) return {};
    return QString::fromUtf8(PumpCurveFailedMessage) + '\n' + QString::fromStdString(reason);
}

QString PumpFlowTitle(int curveFlowUnit)
{
    const char* unit = PumpCurveFlowUnits.Text(curveFlowUnit);
    if (!unit) return QStringLiteral("Flow rate");
    return QStringLiteral("Flow rate ( %1 )").arg(QString::fromUtf8(unit));
}

PumpGraphStatus DrawPumpCurveGraph(DrawingSurface& s, PlotFrame& f, const ProjectStore& store)
{
    const PumpPoints p = ReadPumpPoints(store);
    s.Cls();
    s.setFontBold(false);
    if (AllZero(p.head) || AllZero(p.efficiency) ||
        !PumpFlowRefusal(store.PumpCurve[2], store.CurveFlowUnit).isEmpty())
        return PumpGraphStatus::Failed;

    const AxisScale flow = ScaleOver(p.flow);
    const AxisScale head = ScaleOver(p.head);
    s.setFontName(TimesNewRoman());
    f = plotFrameFor(s.ScaleWidth(), s.ScaleHeight(),
                     {axisClearOfLabels(s, head, 300, 800), 1050, 570, 470});
    const AxisScale efficiency = ScaleOver(p.efficiency);
    f.setScales(flow, head);
    f.setSecondScale(efficiency);

    drawHorizontalGrid(s, f, head, PumpGridColor);
    drawVerticalGrid(s, f, flow);

    DrawPumpCurve(s, f, p);
    s.setForeColor(SecondCurveColor);
    for (size_t k = 0; k < 6; ++k) {
        const double x = f.x(p.flow[k]), y = f.y2(p.efficiency[k]);
        if (k == 0) {
            s.setCurrentX(x);
            s.setCurrentY(y);
        } else {
            s.LineTo(x, y);
        }
    }

    s.setForeColor(vbcolor::Black);
    const double xr = DrawPumpAxes(s, f, flow, head);
    const std::vector<std::string> percents = tickLabels(efficiency);
    for (int k = 0; k <= efficiency.divisions; ++k) {
        const double y =
            roundHalfEven(f.bottom - PlotFrame::kInset - k * efficiency.step * f.scaleY2);
        printAt(s, f.right + 350, y - 85,
                QString::fromStdString(percents[static_cast<size_t>(k)] + " %"));
        s.Line(xr, y, xr - 40, y);
    }
    DrawFlowAxisTexts(s, f, flow, store);
    s.PaintPicture(EfficiencyTitlePicture(), f.right + 800, 2300);
    return PumpGraphStatus::Drawn;
}

PumpGraphStatus DrawPumpSystemCurves(DrawingSurface& s, PlotFrame& f, const ProjectStore& store,
                                     const ResultsStore& results, int year, DutyCrossing crossing)
{
    const PumpPoints p = ReadPumpPoints(store);
    s.Cls();
    s.setFontBold(false);
    const float flowFactor = results.PumpFlowUnitFactor;
    const float headFactor = results.PumpHeadUnitFactor;
    if (year < 1 || year > MaxYears || flowFactor == 0 || headFactor == 0 || AllZero(p.head))
        return PumpGraphStatus::Failed;

    const SystemCurve system{results.YearSystemFlow.Year(year), results.YearSystemHead.Year(year),
                             flowFactor, headFactor};
    const std::optional<double> dutyHead =
        crossing == DutyCrossing::Shown
            ? std::optional<double>(results.YearPumpHead[static_cast<size_t>(year)] / headFactor)
            : std::nullopt;
    const HeadRange range = DutyHeadRange(p, system, dutyHead);

    const AxisScale flow = ScaleOver(p.flow);
    const AxisScale head = scaleAxis(range.low, range.high);
    s.setFontName(TimesNewRoman());
    f = plotFrameFor(s.ScaleWidth(), s.ScaleHeight(),
                     {axisClearOfLabels(s, head, 300, 800), 600, 570, 470});
    f.setScales(flow, head);

    drawHorizontalGrid(s, f, head, PumpGridColor);
    drawVerticalGrid(s, f, flow);
    DrawPumpCurve(s, f, p);

    s.setForeColor(SecondCurveColor);
    const ClipBounds box{static_cast<double>(f.left),
                         f.top - static_cast<double>(PlotFrame::kInset),
                         gridLineX(f, flow, flow.divisions), static_cast<double>(f.bottom)};
    for (int i = 1; i < MaxSystemSamples; ++i)
        drawClippedLine(s, box, f.x(system.flow(i - 1)), f.y(system.head(i - 1)),
                        f.x(system.flow(i)), f.y(system.head(i)));

    s.setForeColor(vbcolor::Black);
    DrawPumpAxes(s, f, flow, head);
    DrawFlowAxisTexts(s, f, flow, store);
    return PumpGraphStatus::Drawn;
}

PumpReadOut ReadPumpCurve(const PlotFrame& f, const ProjectStore& store, double x, double y)
{
    const std::optional<double> head = f.valueAtY(y);
    const std::optional<double> efficiency = f.valueAtY2(y);
    if (!head || !efficiency) return {kOutOfRange, kOutOfRange, kOutOfRange};
    PumpReadOut out{WithUnit(*head, PumpHeadUnits.Text(store.CurveHeadUnit)), kOutOfRange,
                    formatFixed(*efficiency, 2) + " %"};
    if (const std::optional<double> flow = f.valueAtX(x))
        out.Flow = WithUnit(*flow, PumpCurveFlowUnits.Text(store.CurveFlowUnit));
    return out;
}

QImage PumpCurveKey()
{
    return LineKey(PumpCurveColor, 3);
}

QImage SecondCurveKey()
{
    return LineKey(SecondCurveColor, 3);
}

} // namespace vemora
