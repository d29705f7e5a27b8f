#include "platform/Drawing.h"

#include <QFont>
#include <QPainter>
#include <cmath>

#include "platform/Twips.h"

namespace vemora {

int screenPixelSize(double points)
{
    if (!std::isfinite(points) || points <= 0) return 1;
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

QFont screenFont(const DrawFont& font)
{
    QFont f(font.name);
    f.setPixelSize(screenPixelSize(font.size));
    f.setBold(font.bold);
    return f;
}

Drawing::Drawing(double width, double height, uint32_t backColor)
    : width_(width), height_(height), backColor_(backColor)
{
}

void Drawing::clear(uint32_t backColor)
{
    backColor_ = backColor;
    primitives_.clear(); // keeps the room, as a graph is usually redrawn alike
}

void Drawing::resize(double width, double height)
{
    width_ = width;
    height_ = height;
}

std::vector<const Primitive*> Drawing::of(PrimitiveKind kind) const
{
    std::vector<const Primitive*> out;
    for (const Primitive& p : primitives_)
        if (p.kind == kind) out.push_back(&p);
    return out;
}

const Primitive* Drawing::findText(const QString& text) const
{
    for (const Primitive& p : primitives_)
        if (p.kind == PrimitiveKind::Text && p.text == text) return &p;
    return nullptr;
}

QImage Drawing::toImage() const
{
    const int w = static_cast<int>(std::ceil(width_ / kTwipsPerPixel));
    const int h = static_cast<int>(std::ceil(height_ / kTwipsPerPixel));
    if (w <= 0 || h <= 0) return {};
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(vbColor(backColor_));
    QPainter painter(&image);
    replay(painter, QRectF(0, 0, width_ / kTwipsPerPixel, height_ / kTwipsPerPixel),
           ReplayStyle::Screen);
    return image;
}

} // namespace vemora
