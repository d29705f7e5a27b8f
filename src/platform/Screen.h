// The screen's size in pixels and placing a window over the whole screen.
// Tests can pretend another screen size.
#pragma once

#include <QSize>
#include <optional>

class QWidget;

namespace vemora {

// The primary screen's full size in pixels (or the size set for tests).
QSize screenSize();
// Pretends a screen size; nothing goes back to the real screen.
void setScreenSizeOverride(std::optional<QSize> size);
// The screen size in twips.
int screenWidthTwips();
int screenHeightTwips();
// Places a top-level window so that the whole window, its frame included,
// covers the screen from 0, 0; placed again when its frame appears or changes.
void placeOverScreen(QWidget* w);

} // namespace vemora
