// The small pictures of the results window: the component symbols that the
// profile drawing pastes and the legends show, the line keys and colour
// swatches of the legends, the upright axis titles and the year-view button's
// picture. Drawn once in code, at the pixel sizes the window was laid out for.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace vemora {

// Component symbol by picture element: 1 air valve, 2 non-return valve,
// 3 isolating valve, 4 reservoir, 5 pump station; an empty picture otherwise.
QPixmap ComponentSymbol(int element);

// A short line of the given colour across a white key, as a legend shows it.
QPixmap LineKey(const QColor& color, int width = 41, int height = 15);

// A square with a one-pixel black frame filled with one colour, or with
// `upper` in its top `upperRows` inner rows and `color` below.
QPixmap Swatch(const QColor& color, int width, int height, const QColor& upper = QColor(),
               int upperRows = 0);

// Black text on white, turned to read upwards, in a picture of the given size.
QPixmap UprightTitle(const QString& text, int width, int height, bool bold = false);

// The picture of the button that shows the profile of the chosen year.
QPixmap ChangeViewPicture();

} // namespace vemora
