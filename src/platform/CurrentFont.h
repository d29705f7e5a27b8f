// The font a drawing surface or a printer puts its next text in: the font's
// description (`Font`: name, size in points, bold, and underline where it has
// one) and its measures (`Metrics`, made from the description when first
// asked for and made again after any change).
#pragma once

#include <QString>
#include <algorithm>
#include <cmath>
#include <optional>

namespace vemora {

template <class Font, class Metrics> class CurrentFont
{
  public:
    const Font& font() const { return font_; }
    // The whole description at once (a font kept aside and put back).
    void set(const Font& font)
    {
        font_ = font;
        metrics_.reset();
    }

    // A blank name is ignored.
    void setName(const QString& name)
    {
        if (name.trimmed().isEmpty()) return;
        font_.name = name;
        metrics_.reset();
    }
    // Points, at most 2048; sizes that are not positive numbers are ignored.
    void setSize(double points)
    {
        if (!std::isfinite(points) || points <= 0) return;
        font_.size = std::min(points, 2048.0);
        metrics_.reset();
    }
    void setBold(bool bold)
    {
        font_.bold = bold;
        metrics_.reset();
    }
    void setUnderline(bool underline)
    {
        font_.underline = underline;
        metrics_.reset();
    }

    const Metrics& metrics() const
    {
        if (!metrics_) metrics_.emplace(font_);
        return *metrics_;
    }

  private:
    Font font_;
    mutable std::optional<Metrics> metrics_;
};

} // namespace vemora
