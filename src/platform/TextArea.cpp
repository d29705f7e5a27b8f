#include "platform/TextArea.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <limits>

namespace vemora {

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent) {}

int TextArea::room() const
{
    if (maxLength_ == 0) return std::numeric_limits<int>::max();
    const QTextCursor cursor = textCursor();
    const int selected = cursor.selectionEnd() - cursor.selectionStart();
    return std::max(0, maxLength_ - static_cast<int>(toPlainText().size()) + selected);
}

QString TextArea::fitting(const QString& text) const
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), '\n');
    return plain.left(room());
}

// A key that types a character (Enter a line break) is dropped when the box
// is full; editing keys always pass.
void TextArea::keyPressEvent(QKeyEvent* e)
{
    const QString typed = e->text();
    const bool types =
        !typed.isEmpty() && (typed.front().unicode() >= 32 || typed.front() == QLatin1Char('\r'));
    if (types && room() < typed.size()) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void TextArea::inputMethodEvent(QInputMethodEvent* e)
{
    if (maxLength_ > 0 && !e->commitString().isEmpty()) {
        const QString kept = fitting(e->commitString());
        if (kept != e->commitString())
            e->setCommitString(kept, e->replacementStart(), e->replacementLength());
    }
    QPlainTextEdit::inputMethodEvent(e);
}

bool TextArea::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText();
}

// Every paste and drop comes here: the text goes in as plain text, cut to
// what fits.
void TextArea::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText()) return;
    if (insertCheck_ && !insertCheck_(source->text())) return;
    const QString kept = fitting(source->text());
    if (kept.isEmpty()) return;
    textCursor().insertText(kept);
    ensureCursorVisible();
}

} // namespace vemora
