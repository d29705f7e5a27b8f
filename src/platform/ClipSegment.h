// Cutting a segment at a rectangle, for replays that keep coordinates tame
// and for graphs that cut a series at their plot's frame.
#pragma once

#include <QLineF>
#include <optional>

namespace vemora {

// A rectangle a segment is cut at: left <= x <= right, top <= y <= bottom.
struct ClipBounds
{
    double left, top, right, bottom;
    bool contains(double x, double y) const
    {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

// The part of the segment from (x1, y1) to (x2, y2) inside the bounds
// (Liang-Barsky), or nothing where it misses them.
std::optional<QLineF> clipSegment(double x1, double y1, double x2, double y2, const ClipBounds& b);

} // namespace vemora
