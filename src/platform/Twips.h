// Units and colours the windows are laid out in: positions and sizes in twips
// (15 to the pixel on screen) and colour numbers in the &HBBGGRR form the
// program uses throughout (red in the lowest byte).
#pragma once

#include <QColor>
#include <QRect>
#include <cstdint>

class QWidget;

namespace vemora {

constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, rounded to the nearest pixel.
int twipsToPixels(int twips);
// Pixels to twips (exact: 15 per pixel).
int pixelsToTwips(int pixels);

// Places a widget in its parent at a rectangle given in twips.
void setTwipsGeometry(QWidget* w, int left, int top, int width, int height);
// A widget's place in its parent in twips.
QRect twipsGeometry(const QWidget* w);

// Colour numbers.
namespace vbcolor {
constexpr uint32_t Black = 0x000000;
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t Green = 0x00FF00;
constexpr uint32_t Blue = 0xFF0000;
constexpr uint32_t Yellow = 0x00FFFF;
constexpr uint32_t LightCyan = 0xFFFFC0;
constexpr uint32_t Navy = 0x800000;
// System colours: the high bit marks an index into the system palette.
constexpr uint32_t WindowBackground = 0x80000005;
constexpr uint32_t WindowText = 0x80000008;
constexpr uint32_t ButtonFace = 0x8000000F;
constexpr uint32_t ButtonText = 0x80000012;
} // namespace vbcolor

// A colour number (&HBBGGRR, or a system colour) as a QColor.
QColor vbColor(uint32_t bgr);
// A QColor as a colour number &HBBGGRR (alpha is dropped).
uint32_t toVbColor(const QColor& c);

// The system colours, from the application palette.
QColor systemWindowBackground();
QColor systemWindowText();
QColor systemButtonFace();
QColor systemButtonText();

} // namespace vemora
