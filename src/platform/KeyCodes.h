// Key codes and shift states as the windows' key handlers see them: the
// classic virtual-key numbers (F2 = 113, Left = 37, ...) and the character
// codes of typed keys (Enter 13, Esc 27, Backspace 8).
#pragma once

#include <QtCore/qnamespace.h>

class QKeyEvent;

namespace vemora {

namespace keycode {
constexpr int Back = 8;
constexpr int Tab = 9;
constexpr int Return = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Menu = 18;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int F1 = 112;
constexpr int F2 = 113;
} // namespace keycode

// Shift-state bits of key and mouse events.
namespace shiftstate {
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace shiftstate

// Mouse buttons of mouse events.
namespace mousebutton {
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 4;
} // namespace mousebutton

// The key code of a key event (letters as upper-case 65..90, digits 48..57,
// F-keys 112..), 0 when the key has no code.
int keyCodeOf(const QKeyEvent* e);
// The shift-state bits of keyboard modifiers (of a key or a mouse event).
int shiftOfModifiers(Qt::KeyboardModifiers modifiers);
// The mousebutton bits of the buttons of a mouse event.
int mouseButtonsOf(Qt::MouseButtons buttons);
// The shift-state bits of a key event.
int shiftOf(const QKeyEvent* e);
// The character code a key event types (Enter 13, Esc 27, Backspace 8,
// printable Latin-1 characters), 0 when it types none.
int asciiOf(const QKeyEvent* e);

} // namespace vemora
