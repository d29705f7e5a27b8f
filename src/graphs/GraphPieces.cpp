#include "graphs/GraphPieces.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vemora {

double gridLineY(const PlotFrame& f, const AxisScale& y, int k)
{
    return roundHalfEven(f.bottom - PlotFrame::kInset - k * y.step * f.scaleY);
}

double gridLineX(const PlotFrame& f, const AxisScale& x, int k)
{
    return roundHalfEven(f.left + PlotFrame::kInset + k * x.step * f.scaleX);
}

void drawHorizontalGrid(DrawingSurface& s, const PlotFrame& f, const AxisScale& y, uint32_t color)
{
    s.setDrawWidth(1);
    s.setFontSize(8);
    s.setDrawStyle(DrawStyle::Dash);
    s.setForeColor(color);
    for (int k = 0; k <= y.divisions; ++k) {
        const double yk = gridLineY(f, y, k);
        s.Line(f.left, yk, f.right + PlotFrame::kInset, yk);
    }
}

void drawVerticalGrid(DrawingSurface& s, const PlotFrame& f, const AxisScale& x)
{
    for (int k = 0; k <= x.divisions; ++k) {
        const double xk = gridLineX(f, x, k);
        s.Line(xk, f.bottom, xk, f.top - PlotFrame::kInset);
    }
}

void drawAxes(DrawingSurface& s, const PlotFrame& f)
{
    s.setForeColor(vbcolor::Black);
    s.setDrawWidth(1);
    s.setDrawStyle(DrawStyle::Solid);
    s.setFontSize(8);
    s.Line(f.left, f.top - PlotFrame::kInset, f.left, f.bottom);
    s.LineTo(f.right + PlotFrame::kInset, f.bottom);
}

void printAt(DrawingSurface& s, double x, double y, const QString& text)
{
    s.setCurrentX(x);
    s.setCurrentY(y);
    s.Print(text);
}

void printCentred(DrawingSurface& s, double x, double y, const QString& text)
{
    printAt(s, x - s.TextWidth(text) / 2, y, text);
}

int axisClearOfLabels(DrawingSurface& s, const AxisScale& y, double labelX, int left)
{
    s.setFontSize(8);
    double widest = 0;
    for (const std::string& label : tickLabels(y))
        widest = std::max(widest, s.TextWidth(QString::fromStdString(label)));
    return std::max(left, static_cast<int>(std::ceil(labelX + widest + kTextGap)));
}

void paintVerticalTitle(DrawingSurface& s, const QImage& title, double labelX, double top)
{
    const double width = title.width() * kTwipsPerPixel;
    s.PaintPicture(title, std::clamp(labelX - kTextGap - width, 0.0, 11.0), top);
}

void drawVerticalTickLabels(DrawingSurface& s, const PlotFrame& f, const AxisScale& y,
                            double labelX)
{
    const std::vector<std::string> labels = tickLabels(y);
    for (int k = 0; k <= y.divisions; ++k) {
        const double yk = gridLineY(f, y, k);
        printAt(s, labelX, yk - 85, QString::fromStdString(labels[static_cast<size_t>(k)]));
        s.Line(f.left, yk, f.left + 40, yk);
    }
}

void drawHorizontalTickLabels(DrawingSurface& s, const PlotFrame& f, const AxisScale& x, int length)
{
    std::vector<double> values;
    values.reserve(static_cast<size_t>(std::max(0, x.divisions)) + 1);
    for (int k = 0; k <= x.divisions; ++k)
        values.push_back(x.valueAt(k));
    const std::vector<CutLabel> labels = cutTickLabels(values, length);
    for (int k = 0; k <= x.divisions; ++k) {
        const double xk = gridLineX(f, x, k);
        const CutLabel& label = labels[static_cast<size_t>(k)];
        const double half = s.TextWidth(QString::fromStdString(label.whole)) / 2;
        printAt(s, xk - half, f.bottom + 50, QString::fromStdString(label.text));
        s.Line(xk, f.bottom, xk, f.bottom - 40);
    }
}

void printHorizontalTitle(DrawingSurface& s, const PlotFrame& f, const QString& title, double top,
                          double points)
{
    s.setFontBold(false);
    s.setFontSize(points);
    printAt(s, f.left + roundHalfEven((f.right - f.left) / 2.0) - 300, top, title);
}

void drawBar(DrawingSurface& s, double x, double width, double yTop, double yBottom, double clipTop,
             double clipBottom, uint32_t color)
{
    if (!std::isfinite(yTop) || !std::isfinite(yBottom)) return;
    double top = std::min(yTop, yBottom);
    double bottom = std::max(yTop, yBottom);
    if (bottom < clipTop || top > clipBottom) return;
    top = std::max(top, clipTop);
    bottom = std::min(bottom, clipBottom);
    s.FilledBox(x, top, x + width, bottom, color);
}

void drawClippedLine(DrawingSurface& s, const ClipBounds& box, double x1, double y1, double x2,
                     double y2)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    if (const std::optional<QLineF> part = clipSegment(x1, y1, x2, y2, box))
        s.Line(part->x1(), part->y1(), part->x2(), part->y2());
}

QImage verticalTitlePicture(const QString& text, int widthPixels, const DrawFont& font)
{
    const QFont f = screenFont(font);
    const QFontMetrics m(f);
    const int length = m.horizontalAdvance(text) + 8;
    QImage image(std::max(1, widthPixels), std::max(1, length), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(f);
    p.setPen(Qt::black);
    // Turned a quarter to the left: the text reads from the bottom upwards.
    p.translate(0, length);
    p.rotate(-90);
    const int baseline = (widthPixels + m.ascent() - m.descent()) / 2;
    p.drawText(4, baseline, text);
    return image;
}

} // namespace vemora
