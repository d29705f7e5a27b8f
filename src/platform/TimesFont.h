// The face the windows, graphs and printed pages are laid out in.
#pragma once

#include <QFont>
#include <QString>

namespace vemora {

// The face's name, "Times New Roman" (pages print it in a metric-compatible
// stand-in, see PageFonts).
inline QString TimesNewRoman()
{
    return QStringLiteral("Times New Roman");
}

// The face at a size in points, as WindowFont makes a window's face.
QFont TimesFont(double points, bool bold = false);

} // namespace vemora
