#include "platform/Twips.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace vemora {

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

void setTwipsGeometry(QWidget* w, int left, int top, int width, int height)
{
    if (!w) return;
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                   twipsToPixels(height));
}

QRect twipsGeometry(const QWidget* w)
{
    if (!w) return {};
    const QRect g = w->geometry();
    return {pixelsToTwips(g.x()), pixelsToTwips(g.y()), pixelsToTwips(g.width()),
            pixelsToTwips(g.height())};
}

static QPalette appPalette()
{
    return QApplication::palette();
}

QColor systemWindowBackground()
{
    return appPalette().color(QPalette::Active, QPalette::Base);
}

QColor systemWindowText()
{
    return appPalette().color(QPalette::Active, QPalette::Text);
}

QColor systemButtonFace()
{
    return appPalette().color(QPalette::Active, QPalette::Button);
}

QColor systemButtonText()
{
    return appPalette().color(QPalette::Active, QPalette::ButtonText);
}

QColor vbColor(uint32_t bgr)
{
    if (bgr & 0x80000000u) {
        switch (bgr & 0xFFu) {
        case 0x05:
            return systemWindowBackground();
        case 0x08:
            return systemWindowText();
        case 0x0F:
            return systemButtonFace();
        case 0x12:
            return systemButtonText();
        default:
            return systemButtonFace();
        }
    }
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

uint32_t toVbColor(const QColor& c)
{
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

} // namespace vemora
