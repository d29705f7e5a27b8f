// The pieces every graph is built from, on a drawing surface and a plot
// frame: the dashed grey grid, the black axes with their short ticks, the
// tick labels, the horizontal axis title and the picture that serves as the
// vertical axis title. A graph procedure scales its axes (scaleAxis), sets
// its frame (plotFrameFor, setScales) and then calls these in its own order:
//
//     drawHorizontalGrid(s, f, yAxis);
//     drawVerticalGrid(s, f, xAxis);
//     ... the graph's own series ...
//     drawAxes(s, f);
//     drawVerticalTickLabels(s, f, yAxis, 300);
//     drawHorizontalTickLabels(s, f, xAxis, labelLength(end));
//     printHorizontalTitle(s, f, "Accumulated length( m )", f.bottom + 250);
//
// Positions are twips; grid line k of an axis lies at
// bottom - 220 - k x step x scaleY (or left + 220 + k x step x scaleX),
// rounded to whole twips, halves to even.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

#include "graphs/AxisScale.h"
#include "graphs/PlotFrame.h"
#include "platform/ClipSegment.h"
#include "platform/DrawingSurface.h"

namespace vemora {

namespace graphcolor {
constexpr uint32_t Grid = 0x808080;   // dashed grid lines
constexpr uint32_t Ground = 0x004000; // ground profile, dark green
constexpr uint32_t Gradeline = 0xFF0000;
} // namespace graphcolor

// Twips of grid line k of a vertical (gridLineY) or horizontal (gridLineX) axis.
double gridLineY(const PlotFrame& f, const AxisScale& y, int k);
double gridLineX(const PlotFrame& f, const AxisScale& x, int k);

// Sets the grid style (width 1, font size 8, dashed, `color`) and draws one
// horizontal line per grid line of `y` from the vertical axis (f.left) to
// f.right + 220. The style stays set for a following drawVerticalGrid.
void drawHorizontalGrid(DrawingSurface& s, const PlotFrame& f, const AxisScale& y,
                        uint32_t color = graphcolor::Grid);
// One vertical line per grid line of `x` from the horizontal axis (f.bottom)
// up to f.top - 220, in the style drawHorizontalGrid set.
void drawVerticalGrid(DrawingSurface& s, const PlotFrame& f, const AxisScale& x);

// Black solid axes, width 1, font size 8: from (left, top - 220) down to
// (left, bottom) and on to (right + 220, bottom).
void drawAxes(DrawingSurface& s, const PlotFrame& f);

// Twips a text keeps from another text and from an axis line: 2 pixels.
inline constexpr double kTextGap = 30;

// The vertical axis's x (the frame's left margin) for labels printed at
// `labelX`: `left`, or further right where the widest label (font size 8,
// the surface's font) would come within kTextGap of it.
int axisClearOfLabels(DrawingSurface& s, const AxisScale& y, double labelX, int left);

// A vertical axis title picture at `top`, kTextGap or more left of the
// labels at `labelX`: at x = 11 where that leaves room, else further left,
// down to the picture's edge.
void paintVerticalTitle(DrawingSurface& s, const QImage& title, double labelX, double top);

// The labels of a vertical axis, one per grid line: the value in the pattern
// of the step ("##0.000" .. "##0") printed at (labelX, y - 85), and a tick
// from (left, y) to (left + 40, y).
void drawVerticalTickLabels(DrawingSurface& s, const PlotFrame& f, const AxisScale& y,
                            double labelX);

// The labels of a horizontal number axis: each value's general decimal text
// cut to `length` characters (cutTickLabels), centred on its grid line by the
// width of the uncut text, at bottom + 50; a tick from (x, bottom) up to
// (x, bottom - 40).
void drawHorizontalTickLabels(DrawingSurface& s, const PlotFrame& f, const AxisScale& x,
                              int length);

// A text centred under the plot: not bold, font size `points`, at
// CurrentX = left + (plot width / 2, rounded) - 300 and CurrentY = `top`.
void printHorizontalTitle(DrawingSurface& s, const PlotFrame& f, const QString& title, double top,
                          double points = 10);

// Prints `text` with its top left corner at (x, y).
void printAt(DrawingSurface& s, double x, double y, const QString& text);
// Prints `text` centred on x, its top at y.
void printCentred(DrawingSurface& s, double x, double y, const QString& text);

// A filled bar from value level `yTop` down to `yBottom` (twips), `width`
// twips wide from x, cut to the band between `clipTop` and `clipBottom`; a
// bar wholly outside the band draws nothing.
void drawBar(DrawingSurface& s, double x, double width, double yTop, double yBottom, double clipTop,
             double clipBottom, uint32_t color);

// The part of the segment from (x1, y1) to (x2, y2) inside `box` (twips),
// drawn in the current style; nothing where the segment misses the box.
void drawClippedLine(DrawingSurface& s, const ClipBounds& box, double x1, double y1, double x2,
                     double y2);

// The picture of a vertical axis title: `text` in black on white, turned to
// read upwards, `widthPixels` wide and as high as the text needs (with a few
// pixels to spare at both ends).
QImage verticalTitlePicture(const QString& text, int widthPixels, const DrawFont& font);

} // namespace vemora
