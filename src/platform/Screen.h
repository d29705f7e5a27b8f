// The screen's size in pixels and placing a window over the whole screen.
// A test can pretend another screen size.
#pragma once

#include <QSize>
#include <optional>

class QWidget;

namespace vemora {

class Screen
{
  public:
    // The primary screen's full size in pixels, or the size pretended.
    QSize size() const;
    // Pretends a screen size; nothing goes back to the real screen.
    void setSizeOverride(std::optional<QSize> size) { override_ = size; }
    // The screen size in twips.
    int widthTwips() const;
    int heightTwips() const;

  private:
    std::optional<QSize> override_;
};

// Places a top-level window so that the whole window, its frame included,
// covers a screen of `screen` pixels from 0, 0; placed again when its frame
// appears or changes.
void placeOverScreen(QWidget* w, QSize screen);

} // namespace vemora
