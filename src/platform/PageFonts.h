// Fonts of printed pages. Reports name the faces "Times New Roman" and
// "Courier New"; they print in the metric-compatible Liberation Serif and
// Liberation Mono (installed by scripts/setup), so texts keep the widths and
// columns the reports were laid out for. Other names pass through.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "platform/PageItems.h"

namespace vemora {

// The family a requested face name prints in (case does not matter).
QString printerFontFamily(const QString& requested);

// The font to draw a page font with; its size is in points, so the painter's
// device resolution gives the printed size.
QFont printerFont(const PageFont& font);

// Metrics of a page font in millimetres, from the font's design (no device
// rounding), so every back end lays out the same text at the same positions.
// Sizes below 1 point count as 1 point.
class PageFontMetrics
{
  public:
    explicit PageFontMetrics(const PageFont& font);

    // Width of one print column: the font's average character width, taken
    // as the classic TrueType average (lower-case letters and the blank
    // weighted by their frequency in English text), the width Windows gives
    // a printer's tab columns. Newer font files store another average that
    // would spread the columns of the reports off the page.
    double averageCharWidth() const { return averageWidth_; }
    // Line height: ascent + descent.
    double height() const { return fm_.height() * mmPerDot_; }
    double ascent() const { return fm_.ascent() * mmPerDot_; }
    double width(const QString& text) const { return fm_.horizontalAdvance(text) * mmPerDot_; }

  private:
    QFontMetricsF fm_;
    double mmPerDot_; // millimetres per measured pixel
    double averageWidth_;
};

} // namespace vemora
