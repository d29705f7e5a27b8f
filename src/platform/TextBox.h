// A single-line text box whose key events can be inspected and dropped
// before the text changes: KeyDown with the key code (set it to 0 to keep
// the box from handling a non-character key such as an arrow), then
// KeyPress with the character code (set it to 0 to drop the character, or
// to another code to type that instead). Change follows every change of the
// text, by the user or by code.
#pragma once

#include <QLineEdit>

namespace vemora {

class TextBox : public QLineEdit
{
    Q_OBJECT
  public:
    explicit TextBox(QWidget* parent);

    QString Text() const { return text(); }
    void setText(const QString& s) { QLineEdit::setText(s); }
    // The caret position, 0 before the first character.
    int SelStart() const { return cursorPosition(); }
    void setSelStart(int pos) { setCursorPosition(pos); }

  signals:
    void KeyDown(int& keyCode, int shift);
    void KeyPress(int& ascii);
    void KeyUp(int& keyCode, int shift);
    void Change();
    void GotFocus();
    void LostFocus();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// `text` as a single-line box holds it: each tab and each line break (CR LF,
// CR or LF) one blank.
QString SingleLineText(const QString& text);

// The character filter of numeric fields and grid cells: digits, the full
// stop, Backspace, Enter and (when escAllowed) Esc.
bool isNumericKey(int ascii, bool escAllowed);

} // namespace vemora
