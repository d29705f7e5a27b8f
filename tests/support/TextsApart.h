// Texts that stand apart: no text of a graph within a gap of another text or
// of an axis line. A graph on screen gives its texts and axes from its
// drawing and frame; a printed page from what its vector paintings show,
// read back in millimetres from the page's top left corner. A text's box is
// the room it takes on its line across and its ink down.
#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "platform/RecordingPageDevice.h"

namespace vemora::test {

struct TextRect
{
    QRectF box;
    QString text;
};

// What a page's vector painting shows, in millimetres: its texts (and the
// pictures left of its first vertical axis, the axis titles), and its axes:
// the solid black straight lines across or down at least a third of it,
// each as the box its pen covers.
struct PaintedGraph
{
    std::vector<TextRect> texts;
    std::vector<QRectF> axes;
};
PaintedGraph ReadPaintedGraph(const PagePainting& painting);

// Fails where two of `texts`, a text and one of `others` or a text and one
// of `axes` are less than `gap` apart; `what` names the graph.
void ExpectTextsApart(const std::vector<TextRect>& texts, const std::vector<TextRect>& others,
                      const std::vector<QRectF>& axes, double gap, const std::string& what);

// The texts of a recorded page, each by its advance across and its ink down.
std::vector<TextRect> PageTextBoxes(const std::vector<PageText>& texts);

// How a PDF printer with margins of `mm` a side lays its pages out: the
// portrait size of the layout, and the factor it prints at (1 or less).
struct MarginsLayout
{
    QSizeF portrait;
    double scale = 1;
};
MarginsLayout LayOutForMargins(double mm);

// Half a millimetre on the paper between a graph's texts, between them and
// the page's texts and between them and the axes of every graph painted on
// the page, printed at `scale`; returns how many graphs the page holds.
int ExpectPageGraphsApart(const RecordedPage& page, double scale, const std::string& where);

} // namespace vemora::test
