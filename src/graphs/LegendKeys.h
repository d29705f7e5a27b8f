// The keys of the graphs' legends, drawn from the colours the graphs draw
// with: the same key beside a caption in a window and pasted at its own size
// on a printed page. Also the picture of the results window's year-view
// button, drawn like them.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <cstdint>

namespace vemora {

// A line of `thickness` pixels in `colour` (&HBBGGRR) across a white key 15
// pixels high and `length` wide, two pixels clear of either end.
QImage LineKey(uint32_t colour, int thickness = 2, int length = 41);

// A square with a one-pixel black frame filled with one colour, or with
// `upper` in its top `upperRows` inner rows and `color` below.
QPixmap Swatch(const QColor& color, int width, int height, const QColor& upper = QColor(),
               int upperRows = 0);

// The picture of the buttons that show the profile of the chosen year: axes
// with a ground profile and a gradeline in the graphs' colours.
QPixmap ChangeViewPicture();

} // namespace vemora
