// A drawing surface in twips with the operations and properties of a
// picture box: Cls, Line, boxes, circles, Print at CurrentX/CurrentY,
// TextWidth/TextHeight, PaintPicture, ForeColor, FillColor, BackColor,
// DrawWidth, DrawStyle and the font. Nothing is painted here: every call is
// recorded as a primitive into the surface's Drawing, which a PictureBox
// shows and a printed page replays.
//
// Coordinates are doubles in twips from the top left corner (x to the right,
// y downwards) and are recorded as given, so a graph may pass values far
// outside the surface: replay cuts them at the edges. Colours are &HBBGGRR
// numbers (vbcolor::Blue is 0xFF0000).
#pragma once

#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/CurrentFont.h"
#include "platform/Drawing.h"
#include "platform/Twips.h"

namespace vemora {

// The screen measures of a DrawFont.
struct ScreenFontMetrics : QFontMetricsF
{
    explicit ScreenFontMetrics(const DrawFont& font) : QFontMetricsF(screenFont(font)) {}
};

// What Print leaves as the current position.
enum class PrintEnd {
    NewLine,  // CurrentX back to 0, CurrentY one text height down
    Continue, // CurrentX just after the text, CurrentY unchanged
};

class DrawingSurface
{
  public:
    explicit DrawingSurface(double scaleWidth = 0, double scaleHeight = 0);

    // The inner size, twips. A new size keeps what was drawn.
    double ScaleWidth() const { return drawing_.width(); }
    double ScaleHeight() const { return drawing_.height(); }
    void setScaleSize(double width, double height);

    // Clears to BackColor: every primitive goes and CurrentX/CurrentY are 0.
    void Cls();

    // A segment in ForeColor, DrawWidth and DrawStyle; the current position
    // moves to its end.
    void Line(double x1, double y1, double x2, double y2);
    // A segment from the current position (CurrentX, CurrentY) to (x, y).
    void LineTo(double x, double y);
    // The outline of the rectangle with corners (x1, y1), (x2, y2) in
    // ForeColor; the current position moves to (x2, y2).
    void Box(double x1, double y1, double x2, double y2);
    // That rectangle outlined and filled in `color`, whatever ForeColor is;
    // the current position moves to (x2, y2).
    void FilledBox(double x1, double y1, double x2, double y2, uint32_t color);
    // The same in FillColor.
    void FilledBox(double x1, double y1, double x2, double y2);
    // A circle of `radius` twips around (x, y) in ForeColor; the current
    // position moves to the centre.
    void Circle(double x, double y, double radius);

    // Text in the current font and ForeColor with its top left corner at
    // (CurrentX, CurrentY), then the current position moves as `end` says.
    void Print(const QString& text, PrintEnd end = PrintEnd::NewLine);
    // Width and height of a text in the current font, twips, in whole
    // pixels as the screen shows it (the height of "" is one line).
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text = QString()) const;

    // An image with its top left corner at (x, y): at its own size (15 twips
    // a pixel), or stretched to width x height twips.
    void PaintPicture(const QImage& picture, double x, double y);
    void PaintPicture(const QImage& picture, double x, double y, double width, double height);

    double CurrentX() const { return currentX_; }
    void setCurrentX(double x) { currentX_ = x; }
    double CurrentY() const { return currentY_; }
    void setCurrentY(double y) { currentY_ = y; }

    void setForeColor(uint32_t c) { foreColor_ = c; }
    void setFillColor(uint32_t c) { fillColor_ = c; }
    // The colour Cls clears to (button face until set); it takes effect at
    // the next Cls.
    void setBackColor(uint32_t c) { backColor_ = c; }

    // Line width in pixels, 1 or more.
    void setDrawWidth(int pixels);
    void setDrawStyle(DrawStyle s) { drawStyle_ = s; }

    // The font of the texts printed from now on (a blank name or a size that
    // is not a positive number is ignored).
    void setFontName(const QString& name) { font_.setName(name); }
    void setFontSize(double points) { font_.setSize(points); }
    void setFontBold(bool bold) { font_.setBold(bold); }

    // What has been drawn since the last Cls.
    const Drawing& drawing() const { return drawing_; }

    // Called after every change of the drawing (for the owner to repaint).
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  private:
    Primitive styled(PrimitiveKind kind, double x1, double y1, double x2, double y2) const;
    void record(Primitive p);

    Drawing drawing_;
    double currentX_ = 0, currentY_ = 0;
    uint32_t foreColor_ = vbcolor::Black;
    uint32_t fillColor_ = vbcolor::Black;
    uint32_t backColor_ = vbcolor::ButtonFace;
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    CurrentFont<DrawFont, ScreenFontMetrics> font_;
    std::function<void()> onChange_;
};

} // namespace vemora
