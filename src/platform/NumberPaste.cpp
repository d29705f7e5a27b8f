#include "platform/NumberPaste.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "platform/FieldBehaviours.h"

namespace vemora {

namespace {

bool OuterBlankOrLineEnd(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The longest piece of a refused text the status line quotes.
constexpr int QuotedLength = 30;

// What an input method commits is typed through the key filter.
void FilterComposedText(QInputMethodEvent* e)
{
    const QString kept = NumericCharacters(e->commitString());
    if (kept == e->commitString()) return;
    if (kept.isEmpty())
        e->setCommitString(QString());
    else
        e->setCommitString(kept, e->replacementStart(), e->replacementLength());
}

} // namespace

std::optional<QString> PastedNumberText(const QString& text, bool filtered)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && OuterBlankOrLineEnd(text[first]))
        ++first;
    while (last > first && OuterBlankOrLineEnd(text[last - 1]))
        --last;
    const QString kept = text.mid(first, last - first);
    if (filtered && NumericCharacters(kept) != kept) return std::nullopt;
    return kept;
}

QString QuotedPaste(const QString& text)
{
    // Line ends and tabs show as blanks on the one-line status bar.
    QString quoted = text.simplified();
    if (quoted.size() > QuotedLength) quoted = quoted.left(QuotedLength) + QStringLiteral("...");
    return QStringLiteral("\"%1\"").arg(quoted);
}

QString PasteRefusedReason(const QString& text)
{
    return QStringLiteral("Nothing pasted: %1 holds characters other than digits and the "
                          "full stop.")
        .arg(QuotedPaste(text));
}

QString KeyRefusedReason(char32_t c)
{
    return QStringLiteral("\"%1\" cannot be typed in a number here.").arg(QString::fromUcs4(&c, 1));
}

NumberPaste::NumberPaste(QLineEdit* field, std::function<bool()> filtered,
                         std::function<void(const QString&)> showReason)
    : QObject(field), field_(field), filtered_(std::move(filtered)),
      showReason_(std::move(showReason))
{
    field_->installEventFilter(this);
}

std::optional<QString> NumberPaste::Take(const QString& text)
{
    if (field_->isReadOnly()) return std::nullopt;
    std::optional<QString> kept = PastedNumberText(text, filtered_());
    if (!kept) {
        if (showReason_) showReason_(PasteRefusedReason(text));
        return std::nullopt;
    }
    if (kept->isEmpty()) return std::nullopt;
    // A paste that goes in ends whatever refusal the status line told.
    if (!PutBackStatus() && showReason_) showReason_(QString());
    return kept;
}

void NumberPaste::setStatusReader(std::function<QString()> read)
{
    readStatus_ = std::move(read);
}

void NumberPaste::RefuseKey(char32_t c)
{
    if (c < 32 || c == 127 || !showReason_) return;
    if (!beforeRefusal_) beforeRefusal_ = readStatus_ ? readStatus_() : QString();
    refusal_ = KeyRefusedReason(c);
    showReason_(refusal_);
}

void NumberPaste::EndKeyRefusal()
{
    PutBackStatus();
}

bool NumberPaste::PutBackStatus()
{
    if (!beforeRefusal_) return false;
    const QString before = *beforeRefusal_;
    beforeRefusal_.reset();
    if (readStatus_ && readStatus_() != refusal_) return false;
    showReason_(before);
    return true;
}

bool NumberPaste::Paste(const QString& text)
{
    const std::optional<QString> kept = Take(text);
    if (kept) field_->insert(*kept);
    return kept.has_value();
}

// The field's own context menu, whose Paste item pastes through this guard.
void NumberPaste::ShowMenu(const QContextMenuEvent* e)
{
    QMenu* menu = field_->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString paste = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != paste) continue;
        QObject::disconnect(action, &QAction::triggered, field_, nullptr);
        QObject::connect(action, &QAction::triggered, this,
                         [this] { Paste(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(e->globalPos());
}

// Dropped text goes in where it is dropped; it is copied, never moved, so a
// drag out of another field leaves that field as it was.
void NumberPaste::Drop(QDropEvent* e)
{
    if (field_->isReadOnly() || !e->mimeData()->hasText()) {
        e->ignore();
        return;
    }
    const std::optional<QString> kept = Take(e->mimeData()->text());
    if (kept) {
        field_->setCursorPosition(field_->cursorPositionAt(e->position().toPoint()));
        field_->insert(*kept);
        e->setDropAction(Qt::CopyAction);
        e->accept();
    } else {
        e->ignore();
    }
    QDragLeaveEvent leave; // ends the field's drop caret
    QCoreApplication::sendEvent(field_, &leave);
}

bool NumberPaste::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != field_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        // Ctrl+V, Shift+Insert and the platform's other paste keys.
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) break;
        Paste(QGuiApplication::clipboard()->text());
        return true;
    case QEvent::ContextMenu:
        ShowMenu(static_cast<QContextMenuEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the selection where systems have one.
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
            !clipboard->supportsSelection())
            break;
        field_->deselect();
        Paste(clipboard->text(QClipboard::Selection));
        return true;
    }
    case QEvent::Drop:
        Drop(static_cast<QDropEvent*>(event));
        return true;
    case QEvent::InputMethod:
        if (filtered_()) FilterComposedText(static_cast<QInputMethodEvent*>(event));
        break;
    case QEvent::FocusOut:
        // A window that hides has had its hints taken away already.
        if (field_->isVisible())
            EndKeyRefusal();
        else
            beforeRefusal_.reset();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vemora
