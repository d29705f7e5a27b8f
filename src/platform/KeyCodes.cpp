#include "platform/KeyCodes.h"

#include <QKeyEvent>

namespace vemora {

int keyCodeOf(const QKeyEvent* e)
{
    if (!e) return 0;
    const int k = e->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return '0' + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return keycode::F1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace:
        return keycode::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return keycode::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keycode::Return;
    case Qt::Key_Shift:
        return keycode::Shift;
    case Qt::Key_Control:
        return keycode::Control;
    case Qt::Key_Alt:
        return keycode::Menu;
    case Qt::Key_Escape:
        return keycode::Escape;
    case Qt::Key_Space:
        return keycode::Space;
    case Qt::Key_PageUp:
        return keycode::PageUp;
    case Qt::Key_PageDown:
        return keycode::PageDown;
    case Qt::Key_End:
        return keycode::End;
    case Qt::Key_Home:
        return keycode::Home;
    case Qt::Key_Left:
        return keycode::Left;
    case Qt::Key_Up:
        return keycode::Up;
    case Qt::Key_Right:
        return keycode::Right;
    case Qt::Key_Down:
        return keycode::Down;
    case Qt::Key_Insert:
        return keycode::Insert;
    case Qt::Key_Delete:
        return keycode::Delete;
    case Qt::Key_Period:
        return 190;
    case Qt::Key_Comma:
        return 188;
    case Qt::Key_Minus:
        return 189;
    default:
        return 0;
    }
}

int mouseButtonsOf(Qt::MouseButtons b)
{
    int out = 0;
    if (b & Qt::LeftButton) out |= mousebutton::Left;
    if (b & Qt::RightButton) out |= mousebutton::Right;
    if (b & Qt::MiddleButton) out |= mousebutton::Middle;
    return out;
}

int shiftOfModifiers(Qt::KeyboardModifiers m)
{
    int s = 0;
    if (m & Qt::ShiftModifier) s |= shiftstate::Shift;
    if (m & Qt::ControlModifier) s |= shiftstate::Ctrl;
    if (m & Qt::AltModifier) s |= shiftstate::Alt;
    return s;
}

int shiftOf(const QKeyEvent* e)
{
    return e ? shiftOfModifiers(e->modifiers()) : 0;
}

int asciiOf(const QKeyEvent* e)
{
    if (!e) return 0;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keycode::Return;
    case Qt::Key_Escape:
        return keycode::Escape;
    case Qt::Key_Backspace:
        return keycode::Back;
    case Qt::Key_Tab:
        return keycode::Tab;
    default:
        break;
    }
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
    const QString t = e->text();
    if (t.size() != 1) return 0;
    const char16_t ch = t.at(0).unicode();
    if (ch < 32 || ch > 255 || ch == 127) return 0;
    return ch;
}

} // namespace vemora
