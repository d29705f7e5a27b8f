// The screen's size in pixels, placing a window over the whole screen and
// placing a working window at the work area's corner. A test can pretend
// another screen size.
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

// Places a working window at the top-left corner of the work area that holds
// it, by its frame: the frame's top-left corner goes to 0, 0 and the window
// stays inside its frame, below the title bar. A window without a frame of
// its own moves itself; a window without a parent is left where it is.
void placeAtWorkAreaCorner(QWidget* window);

} // namespace vemora
