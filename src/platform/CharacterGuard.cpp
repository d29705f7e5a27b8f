#include "platform/CharacterGuard.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "platform/NumberPaste.h"
#include "platform/TextArea.h"

namespace vemora {

namespace {

// What a single-line box takes other than by typed keys (a paste, a drop, the
// middle button) reaches it as a new text, which the box takes back when it
// is refused: the part that differs from the text last taken is what came in.
class HeldTextValidator : public QValidator
{
  public:
    HeldTextValidator(QLineEdit* box, const CharacterGuard* guard)
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
        if (!guard_->TakesPaste(input.mid(front, input.size() - front - back))) return Invalid;
        taken_ = input;
        return Acceptable;
    }

  private:
    const CharacterGuard* guard_;
    mutable QString taken_;
};

} // namespace

CharacterGuard::CharacterGuard(QLineEdit* box, Holds holds, ShowReason showReason)
    : QObject(box), box_(box), holds_(std::move(holds)), showReason_(std::move(showReason))
{
    box->setValidator(new HeldTextValidator(box, this));
    box->installEventFilter(this);
}

CharacterGuard::CharacterGuard(TextArea* box, Holds holds, ShowReason showReason)
    : QObject(box), box_(box), holds_(std::move(holds)), showReason_(std::move(showReason))
{
    box->setInsertCheck([this](const QString& text) { return TakesPaste(text); });
    box->installEventFilter(this);
}

std::optional<char32_t> CharacterGuard::Unheld(const QString& text) const
{
    for (char32_t c : text.toUcs4())
        if (!holds_(c)) return c;
    return std::nullopt;
}

bool CharacterGuard::TakesPaste(const QString& text) const
{
    if (!Unheld(text)) return true;
    showReason_(QStringLiteral("Nothing pasted: %1 holds characters the project file cannot hold.")
                    .arg(QuotedPaste(text)));
    return false;
}

void CharacterGuard::ShowTyped(char32_t c) const
{
    showReason_(
        QStringLiteral("\"%1\" cannot be kept in the project file.").arg(QString::fromUcs4(&c, 1)));
}

bool CharacterGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (key->matches(QKeySequence::Paste) || typed.isEmpty() || typed.front().unicode() < 32)
            return false;
        if (const auto c = Unheld(typed)) {
            ShowTyped(*c);
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        // What an input method commits is typed: refused whole.
        auto* composed = static_cast<QInputMethodEvent*>(event);
        if (const auto c = Unheld(composed->commitString())) {
            ShowTyped(*c);
            composed->setCommitString(QString());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vemora
