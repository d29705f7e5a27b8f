#include "platform/DrawingSurface.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace vemora {

DrawingSurface::DrawingSurface(double scaleWidth, double scaleHeight)
    : drawing_(scaleWidth, scaleHeight, vbcolor::ButtonFace)
{
}

void DrawingSurface::setScaleSize(double width, double height)
{
    drawing_.resize(std::max(0.0, width), std::max(0.0, height));
    if (onChange_) onChange_();
}

void DrawingSurface::Cls()
{
    drawing_.clear(backColor_);
    currentX_ = 0;
    currentY_ = 0;
    if (onChange_) onChange_();
}

Primitive DrawingSurface::styled(PrimitiveKind kind, double x1, double y1, double x2,
                                 double y2) const
{
    Primitive p;
    p.kind = kind;
    p.x1 = x1;
    p.y1 = y1;
    p.x2 = x2;
    p.y2 = y2;
    p.color = foreColor_;
    p.width = drawWidth_;
    p.style = drawStyle_;
    return p;
}

void DrawingSurface::record(Primitive p)
{
    drawing_.add(std::move(p));
    if (onChange_) onChange_();
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2)
{
    record(styled(PrimitiveKind::Line, x1, y1, x2, y2));
    currentX_ = x2;
    currentY_ = y2;
}

void DrawingSurface::LineTo(double x, double y)
{
    Line(currentX_, currentY_, x, y);
}

void DrawingSurface::Box(double x1, double y1, double x2, double y2)
{
    record(styled(PrimitiveKind::Box, x1, y1, x2, y2));
    currentX_ = x2;
    currentY_ = y2;
}

void DrawingSurface::FilledBox(double x1, double y1, double x2, double y2, uint32_t color)
{
    Primitive p = styled(PrimitiveKind::FilledBox, x1, y1, x2, y2);
    p.color = color;
    record(std::move(p));
    currentX_ = x2;
    currentY_ = y2;
}

void DrawingSurface::FilledBox(double x1, double y1, double x2, double y2)
{
    FilledBox(x1, y1, x2, y2, fillColor_);
}

void DrawingSurface::Circle(double x, double y, double radius)
{
    Primitive p = styled(PrimitiveKind::Circle, x, y, x, y);
    p.radius = std::fabs(radius);
    record(std::move(p));
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::Print(const QString& text, PrintEnd end)
{
    const double w = TextWidth(text);
    const double h = TextHeight(text);
    Primitive p = styled(PrimitiveKind::Text, currentX_, currentY_, currentX_ + w, currentY_ + h);
    p.font = font_.font();
    p.text = text;
    record(std::move(p));
    if (end == PrintEnd::Continue) {
        currentX_ += w;
    } else {
        currentX_ = 0;
        currentY_ += h;
    }
}

double DrawingSurface::TextWidth(const QString& text) const
{
    return std::round(font_.metrics().horizontalAdvance(text)) * kTwipsPerPixel;
}

double DrawingSurface::TextHeight(const QString&) const
{
    return std::round(font_.metrics().lineSpacing()) * kTwipsPerPixel;
}

void DrawingSurface::PaintPicture(const QImage& picture, double x, double y)
{
    if (picture.isNull()) return;
    Primitive p = styled(PrimitiveKind::Picture, x, y, x + picture.width() * kTwipsPerPixel,
                         y + picture.height() * kTwipsPerPixel);
    p.image = picture;
    p.keepShape = true;
    record(std::move(p));
}

void DrawingSurface::PaintPicture(const QImage& picture, double x, double y, double width,
                                  double height)
{
    if (picture.isNull()) return;
    Primitive p = styled(PrimitiveKind::Picture, x, y, x + width, y + height);
    p.image = picture;
    record(std::move(p));
}

void DrawingSurface::setDrawWidth(int pixels)
{
    drawWidth_ = std::clamp(pixels, 1, 1000);
}

} // namespace vemora
