#include "platform/TextArea.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QStringView>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <limits>

namespace vemora {

namespace {

// How a line break typed or pasted is kept.
const QString kTypedBreak = QStringLiteral("\r\n");

// `text` with each line break (CR LF, CR or LF) one LF; `breaks`, when
// given, takes each break as it came.
QString WithPlainBreaks(const QString& text, QStringList* breaks = nullptr)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            plain += c;
            continue;
        }
        const bool crlf = c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == '\n';
        if (breaks) *breaks << (crlf ? kTypedBreak : QString(c));
        if (crlf) ++i;
        plain += QLatin1Char('\n');
    }
    return plain;
}

} // namespace

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChange, this, &TextArea::followEdit);
}

QString TextArea::keptText() const
{
    QString text;
    text.reserve(shown_.size() + breaks_.size());
    qsizetype next = 0;
    for (QChar c : shown_)
        if (c == QLatin1Char('\n'))
            text += breaks_.value(next++, kTypedBreak);
        else
            text += c;
    return text;
}

void TextArea::setKeptText(const QString& text)
{
    QStringList breaks;
    setPlainText(WithPlainBreaks(text, &breaks));
    shown_ = shownText();
    breaks_ = breaks;
}

// The document's own text: its plain form would make a no-break space a
// blank.
QString TextArea::shownText() const
{
    QString text = document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
    return text;
}

// The document names where an edit happened, so that a break typed over or
// beside one of the same shown form is told apart from it. Where its range
// does not account for the change (it can name the document's closing mark,
// which the text does not hold), the edit is what lies between the part the
// text begins with and the part it ends with, before and after.
void TextArea::followEdit(int position, int removed, int added)
{
    const QString now = shownText();
    qsizetype front = std::clamp<qsizetype>(position, 0, shown_.size());
    qsizetype gone = std::min<qsizetype>(removed, shown_.size() - front);
    qsizetype came = now.size() - (shown_.size() - gone);
    const bool named = came >= 0 && came <= added &&
                       QStringView(now).left(front) == QStringView(shown_).left(front) &&
                       QStringView(now).mid(front + came) == QStringView(shown_).mid(front + gone);
    if (!named) {
        const qsizetype common = std::min(now.size(), shown_.size());
        front = 0;
        while (front < common && now[front] == shown_[front])
            ++front;
        qsizetype back = 0;
        while (back < common - front &&
               now[now.size() - 1 - back] == shown_[shown_.size() - 1 - back])
            ++back;
        gone = shown_.size() - front - back;
        came = now.size() - front - back;
    }
    const qsizetype before = shown_.left(front).count(QLatin1Char('\n'));
    breaks_.remove(before, shown_.mid(front, gone).count(QLatin1Char('\n')));
    for (qsizetype i = now.mid(front, came).count(QLatin1Char('\n')); i > 0; --i)
        breaks_.insert(before, kTypedBreak);
    shown_ = now;
}

int TextArea::keptLength(int from, int to) const
{
    const QString part = shown_.mid(from, to - from);
    qsizetype length = part.size();
    const qsizetype first = shown_.left(from).count(QLatin1Char('\n'));
    const qsizetype breaks = part.count(QLatin1Char('\n'));
    for (qsizetype i = first; i < first + breaks; ++i)
        length += breaks_.value(i, kTypedBreak).size() - 1;
    return static_cast<int>(length);
}

int TextArea::room() const
{
    if (maxLength_ == 0) return std::numeric_limits<int>::max();
    const QTextCursor cursor = textCursor();
    const int selected = keptLength(cursor.selectionStart(), cursor.selectionEnd());
    return std::max(0, maxLength_ - keptLength(0, static_cast<int>(shown_.size())) + selected);
}

QString TextArea::fitting(const QString& text) const
{
    const QString plain = WithPlainBreaks(text);
    qsizetype left = room(), n = 0;
    for (; n < plain.size(); ++n) {
        const qsizetype takes = plain[n] == QLatin1Char('\n') ? kTypedBreak.size() : 1;
        if (takes > left) break;
        left -= takes;
    }
    return plain.left(n);
}

// A key that types a character (Enter a line break) is dropped when the box
// has no room for it; editing keys always pass.
void TextArea::keyPressEvent(QKeyEvent* e)
{
    const QString typed = e->text();
    const bool lineBreak = !typed.isEmpty() && typed.front() == QLatin1Char('\r');
    const bool types = !typed.isEmpty() && (typed.front().unicode() >= 32 || lineBreak);
    const qsizetype needs = lineBreak ? kTypedBreak.size() : typed.size();
    if (types && room() < needs) {
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
