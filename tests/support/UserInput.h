// Mouse, wheel and keys as a user gives them: through the window system's
// queue into the shown, active window, so that Qt applies its rules for real
// input (a click or a turn of the wheel may move the focus first, the widget
// under the pointer gets the event, a quick second click is a double click),
// as on a real display.
#pragma once

#include <QPoint>
#include <QtCore/qnamespace.h>

class QWidget;

namespace vemora::test {

// Shows the window `w` stands in, makes it the active window and waits for
// it; false when it did not become active.
bool ShowActive(QWidget* w);

// Turns the wheel by `notches` (positive: away from the user) with the
// pointer over the middle of `over` (or `at`, in its coordinates).
void TurnWheel(QWidget* over, int notches, QPoint at = QPoint(-1, -1));

// A click, a quick double click, and a press-drag-release with the left
// button, at points of `target` (its middle by default).
void ClickOn(QWidget* target, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(-1, -1));
void DoubleClickOn(QWidget* target, QPoint at = QPoint(-1, -1));
void DragOn(QWidget* target, QPoint from, QPoint to);

// Moves the pointer, no button held, to a point of `target` (its middle by default).
void MoveMouseTo(QWidget* target, QPoint at = QPoint(-1, -1));

// A key (with modifiers) pressed and released in the active window: it goes
// to the widget with the focus.
void PressKey(QWidget* inWindow, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace vemora::test
