// The small pictures of the results window's legends: the line keys, the
// colour swatches and the year-view button's picture. Drawn once in code, at
// the pixel sizes the window was laid out for.
#pragma once

#include <QColor>
#include <QPixmap>

namespace vemora {

// A short line of the given colour across a white key, as a legend shows it.
QPixmap LineKey(const QColor& color, int width = 41, int height = 15);

// A square with a one-pixel black frame filled with one colour, or with
// `upper` in its top `upperRows` inner rows and `color` below.
QPixmap Swatch(const QColor& color, int width, int height, const QColor& upper = QColor(),
               int upperRows = 0);

// The picture of the button that shows the profile of the chosen year.
QPixmap ChangeViewPicture();

} // namespace vemora
