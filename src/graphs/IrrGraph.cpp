#include "graphs/IrrGraph.h"

#include <QString>
#include <algorithm>

#include "graphs/AxisScale.h"
#include "graphs/GraphPieces.h"
#include "project/Currency.h"

namespace vemora {

namespace {

constexpr uint32_t CurveBlue = 0xFF0000;

// Rates: the 1-2-5 series to 500000, then 1000000 and on.
const AxisRules& RateRules()
{
    static const AxisRules rules{seriesWithTail(500000, {1000000}), 1,
                                 PositiveOrigin::MultipleOfStep};
    return rules;
}

// Differences: the 1-2-5 series to 1,000,000, then 1-5-10 only.
const AxisRules& DifferenceRules()
{
    static const AxisRules rules{seriesWithTail(1000000, {5e6, 1e7, 5e7, 1e8, 5e8, 1e9}), 1,
                                 PositiveOrigin::Minimum};
    return rules;
}

std::string PlainText(double v)
{
    std::string text = generalNumberText(v);
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

void DrawRateLabels(DrawingSurface& s, const PlotFrame& f, const AxisScale& x)
{
    std::vector<double> values;
    for (int k = 0; k <= x.divisions; ++k)
        values.push_back(x.valueAt(k));
    const std::vector<CutLabel> labels = cutLabels(fixedLabels(values, 1), 5);
    for (int k = 0; k <= x.divisions; ++k) {
        const double at = gridLineX(f, x, k);
        const QString plain = QString::fromStdString(PlainText(x.valueAt(k)));
        s.setCurrentX(roundHalfEven(at - s.TextWidth(plain) / 2));
        s.setCurrentY(f.bottom + 50);
        s.Print(QString::fromStdString(labels[static_cast<size_t>(k)].text));
        s.Line(at, f.bottom, at, f.bottom - 40);
    }
}

} // namespace

const QImage& IrrTitlePicture()
{
    static const QImage picture = [] {
        DrawFont font;
        font.size = 8;
        return verticalTitlePicture(QStringLiteral("NPV (Income - Expenditure)"), 20, font);
    }();
    return picture;
}

IrrGraphStatus DrawIRRGraph(DrawingSurface& s, PlotFrame& frame, const ResultsStore& results,
                            int begin, int end)
{
    begin = std::clamp(begin, 0, MaxIrrSteps);
    end = std::clamp(end, 0, MaxIrrSteps);
    if (begin >= end) return IrrGraphStatus::BeginNotBeforeEnd;

    const auto first = results.IrrPvDifference.begin();
    const auto [low, high] = std::minmax_element(first + begin, first + end + 1);
    const double dMin = *low, dMax = *high;

    s.setBackColor(vbcolor::White); // on screen and on the page alike
    s.Cls();
    frame = plotFrameFor(s.ScaleWidth(), s.ScaleHeight(), {1500, 600, 570, 470});
    if (dMin == 0 && dMax == 0) return IrrGraphStatus::Failed;

    const AxisScale rate = scaleAxis(begin / 100.0, end / 100.0, RateRules());
    const AxisScale difference = scaleAxis(dMin, dMax, DifferenceRules());
    frame.left = axisClearOfLabels(s, difference, 500, frame.left);
    frame.setScales(rate, difference);

    drawHorizontalGrid(s, frame, difference);
    drawVerticalGrid(s, frame, rate);
    drawAxes(s, frame);
    s.PaintPicture(IrrTitlePicture(), 10, 1600);
    drawVerticalTickLabels(s, frame, difference, 500);
    DrawRateLabels(s, frame, rate);

    s.setDrawStyle(DrawStyle::Solid);
    s.setForeColor(CurveBlue);
    s.setDrawWidth(1);
    s.setCurrentX(frame.x(results.IrrRate[static_cast<size_t>(begin)]));
    s.setCurrentY(frame.y(results.IrrPvDifference[static_cast<size_t>(begin)]));
    for (int i = begin + 1; i <= end; ++i)
        s.LineTo(frame.x(results.IrrRate[static_cast<size_t>(i)]),
                 frame.y(results.IrrPvDifference[static_cast<size_t>(i)]));

    s.setForeColor(vbcolor::Black);
    printHorizontalTitle(s, frame, QStringLiteral("IRR (%)"), frame.bottom + 270, 9);
    return IrrGraphStatus::Drawn;
}

std::string IrrRateText(int scanStep)
{
    return QString::number(scanStep / 100.0, 'g', 7).toStdString();
}

IrrReadOut ReadIrr(const PlotFrame& frame, int currencyCode, double x, double y)
{
    const std::optional<PlotFrame::Point> at = frame.readOut(x, y);
    if (!at) return {kOutOfRange, kOutOfRange};
    return {formatFixed(at->x, 3) + "%", CurrencySymbol(currencyCode) + formatFixed(at->y, 0)};
}

} // namespace vemora
