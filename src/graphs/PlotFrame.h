// The frame a graph drawing leaves behind for the cursor read-out: where the
// plot area lies in its picture (twips, x to the right, y downwards) and how
// axis values map onto it. Each picture box with a read-out has its own
// frame, kept by its window, so that drawing one graph never disturbs the
// read-out over another. Plain C++, no Qt.
//
// Geometry: the axes lie on x = left and y = bottom; the data and the grid
// start 220 twips inside them, so the value pair (originX, originY) lies at
// (left + 220, bottom - 220), and the grid runs to right + 220 and top - 220.
//
//     PlotFrame f = plotFrameFor(pic.ScaleWidth(), pic.ScaleHeight());
//     f.setScales(xAxis, yAxis);            // from scaleAxis()
//     surface.LineTo(f.x(distance), f.y(level));
//     ...
//     auto p = f.readOut(X, Y);                      // in the mouse-move handler
//     lblX = readOutText(p ? std::optional(p->x) : std::nullopt, 3, "m");
#pragma once

#include <optional>
#include <string>

#include "graphs/AxisScale.h"

namespace vemora {

// The text a read-out label shows outside the plot area.
inline constexpr const char* kOutOfRange = "Out of range";

struct FrameMargins
{
    int left = 800;   // x of the vertical axis
    int right = 600;  // right bound = picture width - right
    int top = 570;    // top bound
    int bottom = 470; // y of the horizontal axis = picture height - bottom
};

struct PlotFrame
{
    static constexpr int kInset = 220; // twips from the axes to the data origin

    int left = 0, right = 0, bottom = 0, top = 0;  // twips
    double scaleX = 0, scaleY = 0, scaleY2 = 0;    // twips per axis unit
    double originX = 0, originY = 0, originY2 = 0; // axis minima, axis units

    // Scales from the axes: scaleX = (right - left) / (step x divisions),
    // scaleY = (bottom - top) / (step x divisions); the origins are the axes'.
    void setScales(const AxisScale& xAxis, const AxisScale& yAxis);
    // The second vertical axis (the pump curve's efficiency).
    void setSecondScale(const AxisScale& y2Axis);

    // Whether a drawing has set usable scales (finite, not zero).
    bool valid() const;

    // Twips of an axis value, rounded to whole twips (halves to even):
    // x = left + 220 + (u - originX) x scaleX, y = bottom - 220 - (v - originY) x scaleY.
    double x(double u) const;
    double y(double v) const;
    double y2(double v) const;

    // Whether a mouse position (twips) lies in the plot area, bounds included:
    // left + 220 <= X <= right + 220 and top - 220 <= Y <= bottom - 220.
    bool insideX(double X) const;
    bool insideY(double Y) const;
    bool inside(double X, double Y) const { return insideX(X) && insideY(Y); }

    // The axis value under a mouse coordinate (twips), or nothing when the
    // coordinate lies outside the plot area or no scale is set:
    // u = (X - (left + 220)) / scaleX + originX, v = ((bottom - 220) - Y) / scaleY + originY.
    std::optional<double> valueAtX(double X) const;
    std::optional<double> valueAtY(double Y) const;
    std::optional<double> valueAtY2(double Y) const;

    struct Point
    {
        double x, y;
    };
    // Both axis values under a mouse position, or nothing when either
    // coordinate is outside (the read-out then shows "Out of range" twice).
    std::optional<Point> readOut(double X, double Y) const;
};

// A frame with the given margins in a picture of scaleWidth x scaleHeight
// twips (each rounded to whole twips, halves to even); scales still unset.
PlotFrame plotFrameFor(double scaleWidth, double scaleHeight, const FrameMargins& margins = {});

// A read-out label: the value with `decimals` decimals, a blank and the unit
// ("12.346 m"), or "Out of range" when there is no value.
std::string readOutText(const std::optional<double>& value, int decimals, const std::string& unit);

} // namespace vemora
