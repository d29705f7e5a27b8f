// A recorded picture: what was drawn on a drawing surface, as a list of
// primitives in twips with their colours, widths, styles and fonts. A
// Drawing is a plain value; it can be kept, compared, copied and replayed
// onto any QPainter into a target rectangle:
//
//     drawing.replay(painter, targetRect, ReplayStyle::Print);  // a printed page
//     QImage shown = drawing.toImage();                          // as on screen
//
// On screen (ReplayStyle::Screen) every position is rounded to whole pixels,
// lines are 1-pixel cosmetic pens without antialiasing and text uses the
// screen font at 15 twips a pixel, so the picture equals what TextWidth and
// TextHeight measured. On a printer or PDF (ReplayStyle::Print) the drawing
// is scaled from twips into the target as vector lines and real text, so
// the page is sharp at any resolution; text keeps its twips position and
// scales uniformly with the smaller of the two scale factors, and so do
// circles and pictures painted at their own size, about their centres, so
// that a marker stays round however the drawing is stretched.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/TimesFont.h"

class QFont;
class QPainter;
class QRectF;

namespace vemora {

// Line styles, by their codes (0 solid, 1 dashed, ...). Dashes and dots
// apply to lines one pixel wide; wider lines are drawn solid.
enum class DrawStyle {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Transparent = 5,
    InsideSolid = 6,
};

struct DrawFont
{
    QString name = TimesNewRoman();
    double size = 8; // points
    bool bold = false;
    bool operator==(const DrawFont&) const = default;
};

// The size in whole screen pixels of a font of `points` at 96 pixels to the
// inch (15 twips a pixel): 8 pt -> 11 px, 10 pt -> 13 px.
int screenPixelSize(double points);
// The screen font of a DrawFont, sized in pixels.
QFont screenFont(const DrawFont& font);

enum class PrimitiveKind {
    Line,      // (x1, y1) to (x2, y2)
    Box,       // outline of the rectangle with corners (x1, y1), (x2, y2)
    FilledBox, // that rectangle outlined and filled in `color`
    Circle,    // centre (x1, y1), `radius`; round however the replay stretches
    Text,      // `text` with its top left at (x1, y1), extent to (x2, y2)
    Picture,   // `image` stretched over the rectangle (x1, y1) to (x2, y2)
};

struct Primitive
{
    PrimitiveKind kind = PrimitiveKind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // twips
    double radius = 0;                     // twips (circles)
    uint32_t color = 0;                    // &HBBGGRR (or a system colour)
    int width = 1;                         // pixels (DrawWidth)
    DrawStyle style = DrawStyle::Solid;
    DrawFont font; // texts
    QString text;  // texts
    QImage image;  // pictures
    // Pictures painted at their own size (markers, symbols, titles): a
    // replay that stretches the drawing keeps their shape, scaling them
    // about their centre as it scales text.
    bool keepShape = false;
};

enum class ReplayStyle {
    Screen,
    Print,
};

class Drawing
{
  public:
    Drawing() = default;
    // An empty drawing of width x height twips on a background colour.
    Drawing(double width, double height, uint32_t backColor);

    double width() const { return width_; }
    double height() const { return height_; }
    uint32_t backColor() const { return backColor_; }
    const std::vector<Primitive>& primitives() const { return primitives_; }
    bool isEmpty() const { return primitives_.empty(); }

    void add(Primitive p) { primitives_.push_back(std::move(p)); }
    // Empties the drawing onto a new background colour, keeping its size.
    void clear(uint32_t backColor);
    // A new size; what was drawn keeps its place from the top left corner.
    void resize(double width, double height);

    // The primitives of one kind, in drawing order.
    std::vector<const Primitive*> of(PrimitiveKind kind) const;
    // The first text primitive reading `text`, or nullptr.
    const Primitive* findText(const QString& text) const;

    // Paints the background and every primitive, scaled from the drawing's
    // twips into `target` (painter units) and clipped to it. Primitives
    // far outside the drawing, or with coordinates that are not numbers,
    // are left out; lines are cut at the drawing's edges, never bent.
    void replay(QPainter& painter, const QRectF& target, ReplayStyle style) const;

    // The picture as a picture box shows it: one pixel for 15 twips, the
    // size rounded up to whole pixels (a null image for an empty size).
    QImage toImage() const;

  private:
    double width_ = 0;
    double height_ = 0;
    uint32_t backColor_ = 0xFFFFFF;
    std::vector<Primitive> primitives_;
};

} // namespace vemora
