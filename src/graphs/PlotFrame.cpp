#include "graphs/PlotFrame.h"

#include <cmath>

namespace vemora {

namespace {

double ScaleOf(int span, const AxisScale& a)
{
    const double extent = a.step * a.divisions;
    return extent != 0 ? span / extent : 0;
}

bool Usable(double scale)
{
    return std::isfinite(scale) && scale != 0;
}

} // namespace

void PlotFrame::setScales(const AxisScale& xAxis, const AxisScale& yAxis)
{
    scaleX = ScaleOf(right - left, xAxis);
    scaleY = ScaleOf(bottom - top, yAxis);
    originX = xAxis.origin;
    originY = yAxis.origin;
}

void PlotFrame::setSecondScale(const AxisScale& y2Axis)
{
    scaleY2 = ScaleOf(bottom - top, y2Axis);
    originY2 = y2Axis.origin;
}

bool PlotFrame::valid() const
{
    return Usable(scaleX) && Usable(scaleY);
}

double PlotFrame::x(double u) const
{
    return roundHalfEven(left + kInset + (u - originX) * scaleX);
}

double PlotFrame::y(double v) const
{
    return roundHalfEven(bottom - kInset - (v - originY) * scaleY);
}

double PlotFrame::y2(double v) const
{
    return roundHalfEven(bottom - kInset - (v - originY2) * scaleY2);
}

bool PlotFrame::insideX(double X) const
{
    return X >= left + kInset && X <= right + kInset;
}

bool PlotFrame::insideY(double Y) const
{
    return Y >= top - kInset && Y <= bottom - kInset;
}

std::optional<double> PlotFrame::valueAtX(double X) const
{
    if (!valid() || !insideX(X)) return std::nullopt;
    return (X - (left + kInset)) / scaleX + originX;
}

std::optional<double> PlotFrame::valueAtY(double Y) const
{
    if (!valid() || !insideY(Y)) return std::nullopt;
    return ((bottom - kInset) - Y) / scaleY + originY;
}

std::optional<double> PlotFrame::valueAtY2(double Y) const
{
    if (!valid() || !Usable(scaleY2) || !insideY(Y)) return std::nullopt;
    return ((bottom - kInset) - Y) / scaleY2 + originY2;
}

std::optional<PlotFrame::Point> PlotFrame::readOut(double X, double Y) const
{
    const auto u = valueAtX(X);
    const auto v = valueAtY(Y);
    if (!u || !v) return std::nullopt;
    return Point{*u, *v};
}

PlotFrame plotFrameFor(double scaleWidth, double scaleHeight, const FrameMargins& margins)
{
    PlotFrame f;
    f.left = margins.left;
    f.top = margins.top;
    f.right = toInt32(scaleWidth) - margins.right;
    f.bottom = toInt32(scaleHeight) - margins.bottom;
    return f;
}

std::string readOutText(const std::optional<double>& value, int decimals, const std::string& unit)
{
    if (!value || !std::isfinite(*value)) return kOutOfRange;
    return formatFixed(*value, decimals) + " " + unit;
}

} // namespace vemora
