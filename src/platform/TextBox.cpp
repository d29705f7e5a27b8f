#include "platform/TextBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "platform/KeyCodes.h"

namespace vemora {

QString SingleLineText(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar& c : line)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return line;
}

bool isNumericKey(int ascii, bool escAllowed)
{
    if (ascii >= '0' && ascii <= '9') return true;
    if (ascii == '.' || ascii == keycode::Back || ascii == keycode::Return) return true;
    return escAllowed && ascii == keycode::Escape;
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString&) { emit Change(); });
}

void TextBox::keyPressEvent(QKeyEvent* e)
{
    const int originalCode = keyCodeOf(e);
    int code = originalCode;
    if (code != 0) emit KeyDown(code, shiftOf(e));

    const int originalAscii = asciiOf(e);
    if (originalAscii == 0 || originalAscii == keycode::Tab) {
        // Keys that type nothing: the box handles them unless KeyDown
        // cancelled them.
        if (originalCode != 0 && code == 0) {
            e->accept();
            return;
        }
        QLineEdit::keyPressEvent(e);
        return;
    }
    int ascii = originalAscii;
    emit KeyPress(ascii);
    if (ascii == 0) {
        e->accept();
        return;
    }
    if (ascii == originalAscii) {
        QLineEdit::keyPressEvent(e);
    } else if (ascii >= 32) {
        insert(QString(QChar(ascii)));
        e->accept();
    } else {
        e->accept();
    }
}

void TextBox::keyReleaseEvent(QKeyEvent* e)
{
    if (!e->isAutoRepeat()) {
        int code = keyCodeOf(e);
        if (code != 0) emit KeyUp(code, shiftOf(e));
    }
    QLineEdit::keyReleaseEvent(e);
}

void TextBox::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason)
        emit GotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason)
        emit LostFocus();
}

} // namespace vemora
