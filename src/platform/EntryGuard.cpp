#include "platform/EntryGuard.h"

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
#include <QValidator>

#include "platform/FieldBehaviours.h"
#include "platform/RefusalReasons.h"
#include "platform/TextArea.h"
#include "platform/TextBox.h"

namespace vemora {

namespace {

bool OuterBlankOrLineEnd(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// What an input method commits into a number box is typed through the key
// filter.
void FilterComposedText(QInputMethodEvent* e)
{
    const QString kept = NumericCharacters(e->commitString());
    if (kept == e->commitString()) return;
    if (kept.isEmpty())
        e->setCommitString(QString());
    else
        e->setCommitString(kept, e->replacementStart(), e->replacementLength());
}

// Parts the Paste item of a box's standard context menu from the box's own
// paste slot: true for the item connected to that slot, which is known so
// whatever its translated text.
bool TakePasteItem(QAction* action, QLineEdit* box)
{
    return QObject::disconnect(action, SIGNAL(triggered()), box, SLOT(paste())) ||
           QObject::disconnect(action, &QAction::triggered, box, &QLineEdit::paste);
}

// What a single-line text box takes other than by typed keys (a paste, a
// drop, the middle button) reaches it as a new text, which the box takes
// back when it is refused: the part that differs from the text last taken is
// what came in.
class HeldTextValidator : public QValidator
{
  public:
    HeldTextValidator(QLineEdit* box, const TextGuard* guard)
        : QValidator(box), guard_(guard), taken_(box->text())
    {
    }

    State validate(QString& input, int&) const override
    {
        qsizetype front = 0;
        while (front < input.size() && front < taken_.size() && input[front] == taken_[front])
            ++front;
        qsizetype back = 0;
        while (back < input.size() - front && back < taken_.size() - front &&
               input[input.size() - 1 - back] == taken_[taken_.size() - 1 - back])
            ++back;
        if (!guard_->TakesText(input.mid(front, input.size() - front - back))) return Invalid;
        taken_ = input;
        return Acceptable;
    }

  private:
    const TextGuard* guard_;
    mutable QString taken_;
};

// The first character of a typed text that the key filter drops, 0 when
// none is.
char32_t FirstRefused(const QString& text)
{
    for (char32_t c : text.toUcs4())
        if (c >= 32 && c != 127 && (c > 0xFF || !isNumericKey(static_cast<int>(c), false)))
            return c;
    return 0;
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

// ---- Pastes into a box of one line ----------------------------------------

EntryGuard::EntryGuard(QWidget* box, QLineEdit* line, ShowReason showReason)
    : QObject(box), line_(line), showReason_(std::move(showReason)), box_(box)
{
    box_->installEventFilter(this);
}

bool EntryGuard::Paste(const QString& text)
{
    const std::optional<QString> kept = Take(text);
    if (kept) line_->insert(*kept);
    return kept.has_value();
}

// The box's own context menu, whose Paste item pastes through this guard.
void EntryGuard::ShowMenu(const QContextMenuEvent* e)
{
    QMenu* menu = line_->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions())
        if (TakePasteItem(action, line_))
            connect(action, &QAction::triggered, this,
                    [this] { Paste(QGuiApplication::clipboard()->text()); });
    menu->popup(e->globalPos());
}

// Dropped text goes in where it is dropped; it is copied, never moved, so a
// drag out of another field leaves that field as it was.
void EntryGuard::Drop(QDropEvent* e)
{
    if (line_->isReadOnly() || !e->mimeData()->hasText()) {
        e->ignore();
        return;
    }
    const std::optional<QString> kept = Take(e->mimeData()->text());
    if (kept) {
        line_->setCursorPosition(line_->cursorPositionAt(e->position().toPoint()));
        line_->insert(*kept);
        e->setDropAction(Qt::CopyAction);
        e->accept();
    } else {
        e->ignore();
    }
    QDragLeaveEvent leave; // ends the box's drop caret
    QCoreApplication::sendEvent(line_, &leave);
}

// The paste routes of a box of one line. True when the event is handled
// here.
bool EntryGuard::FilterPasteEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        // Ctrl+V, Shift+Insert and the platform's other paste keys.
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
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
            return false;
        line_->deselect();
        Paste(clipboard->text(QClipboard::Selection));
        return true;
    }
    case QEvent::Drop: {
        // The guard puts in a drop that the box does not take itself.
        auto* drop = static_cast<QDropEvent*>(event);
        if (BoxTakesDrop(drop->mimeData()->text())) return false;
        Drop(drop);
        return true;
    }
    default:
        return false;
    }
}

bool EntryGuard::BoxTakesDrop(const QString&) const
{
    return false;
}

bool EntryGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_) return QObject::eventFilter(watched, event);
    if (FilterBoxEvent(event)) return true;
    if (line_ && FilterPasteEvent(event)) return true;
    return QObject::eventFilter(watched, event);
}

// ---- Number boxes ----------------------------------------------------------

NumberGuard::NumberGuard(QLineEdit* box, Keys keys, ShowReason showReason, ReadStatus readStatus)
    : NumberGuard(
          box, [filtered = keys == Keys::Filtered] { return filtered; }, std::move(showReason),
          std::move(readStatus))
{
}

NumberGuard::NumberGuard(QLineEdit* box, std::function<bool()> filtered, ShowReason showReason,
                         ReadStatus readStatus)
    : EntryGuard(box, box, std::move(showReason)), filtered_(std::move(filtered)),
      readStatus_(std::move(readStatus))
{
}

std::optional<QString> NumberGuard::Take(const QString& text)
{
    if (line_->isReadOnly()) return std::nullopt;
    std::optional<QString> kept = PastedNumberText(text, filtered_());
    if (!kept) {
        if (showReason_) showReason_(NumberPasteRefusedReason(text));
        return std::nullopt;
    }
    if (kept->isEmpty()) return std::nullopt;
    // A paste that goes in ends whatever refusal the status line told.
    if (!PutBackStatus() && showReason_) showReason_(QString());
    return kept;
}

bool NumberGuard::TakesKey(const QString& typed, bool filtered)
{
    if (typed.isEmpty()) return true;
    const char32_t refused = filtered ? FirstRefused(typed) : 0;
    if (refused == 0) {
        EndKeyRefusal();
        return true;
    }
    if (showReason_) {
        if (!beforeRefusal_) beforeRefusal_ = readStatus_ ? readStatus_() : QString();
        refusal_ = NumberKeyRefusedReason(refused);
        showReason_(refusal_);
    }
    return false;
}

void NumberGuard::EndKeyRefusal()
{
    PutBackStatus();
}

bool NumberGuard::PutBackStatus()
{
    if (!beforeRefusal_) return false;
    const QString before = *beforeRefusal_;
    beforeRefusal_.reset();
    if (readStatus_ && readStatus_() != refusal_) return false;
    showReason_(before);
    return true;
}

bool NumberGuard::FilterBoxEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::InputMethod:
        if (filtered_()) FilterComposedText(static_cast<QInputMethodEvent*>(event));
        return false;
    case QEvent::FocusOut:
        // A window that hides has had its hints taken away already.
        if (line_->isVisible())
            EndKeyRefusal();
        else
            beforeRefusal_.reset();
        return false;
    default:
        return false;
    }
}

// ---- Text boxes ------------------------------------------------------------

TextGuard::TextGuard(QLineEdit* box, Holds holds, ShowReason showReason)
    : EntryGuard(box, box, std::move(showReason)), holds_(std::move(holds))
{
    box->setValidator(new HeldTextValidator(box, this));
}

TextGuard::TextGuard(TextArea* box, Holds holds, ShowReason showReason)
    : EntryGuard(box, nullptr, std::move(showReason)), holds_(std::move(holds))
{
    box->setInsertCheck([this](const QString& text) { return TakesText(text); });
}

std::optional<char32_t> TextGuard::Unheld(const QString& text) const
{
    for (char32_t c : text.toUcs4())
        if (!holds_(c)) return c;
    return std::nullopt;
}

bool TextGuard::TakesText(const QString& text) const
{
    if (!Unheld(text)) return true;
    showReason_(TextPasteRefusedReason(text));
    return false;
}

std::optional<QString> TextGuard::Take(const QString& text)
{
    if (line_->isReadOnly()) return std::nullopt;
    const QString line = SingleLineText(text);
    if (line.isEmpty() || !TakesText(line)) return std::nullopt;
    return line;
}

// A text box takes a drop of one line as the box itself does (a drag inside
// it moves its text).
bool TextGuard::BoxTakesDrop(const QString& text) const
{
    return SingleLineText(text) == text;
}

bool TextGuard::FilterBoxEvent(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (key->matches(QKeySequence::Paste) || typed.isEmpty() || typed.front().unicode() < 32)
            return false;
        if (const auto c = Unheld(typed)) {
            showReason_(TextKeyRefusedReason(*c));
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        // What an input method commits is typed: refused whole; a box of one
        // line takes it on one line.
        auto* composed = static_cast<QInputMethodEvent*>(event);
        if (const auto c = Unheld(composed->commitString())) {
            showReason_(TextKeyRefusedReason(*c));
            composed->setCommitString(QString());
        } else if (line_ && SingleLineText(composed->commitString()) != composed->commitString()) {
            composed->setCommitString(SingleLineText(composed->commitString()),
                                      composed->replacementStart(), composed->replacementLength());
        }
    }
    return false;
}

} // namespace vemora
