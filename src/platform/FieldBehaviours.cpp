#include "platform/FieldBehaviours.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/DatePicker.h"
#include "platform/EntryGuard.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"

namespace vemora {

bool NumericTextAccepted(const QString& text)
{
    for (QChar c : text) {
        const ushort code = c.unicode();
        if (code < 32 || code == 127) continue;
        if (!isNumericKey(code, false)) return false;
    }
    return true;
}

QString NumericCharacters(const QString& text)
{
    QString kept;
    for (QChar c : text)
        if (c.unicode() >= 32 && isNumericKey(c.unicode(), false)) kept += c;
    return kept;
}

void TypeIntoNumberField(QLineEdit* field, const QString& text)
{
    const QString kept = NumericCharacters(text);
    if (kept.isEmpty() || field->isReadOnly()) return;
    field->insert(kept);
}

namespace {

// The first character of a text that the filter drops, 0 when none is.
char32_t FirstRefused(const QString& text)
{
    for (char32_t c : text.toUcs4())
        if (c >= 32 && c != 127 && (c > 0xFF || !isNumericKey(static_cast<int>(c), false)))
            return c;
    return 0;
}

// A key that types text: what the filter lets through is typed, the rest is
// dropped and told. Keys that type nothing (arrows, Delete, Shift ...) pass;
// the paste keys are the entry guard's.
bool FilterKey(QLineEdit* field, QKeyEvent* e, EntryGuard* guard)
{
    const QString typed = e->text();
    if (NumericTextAccepted(typed)) {
        if (!typed.isEmpty()) guard->EndKeyRefusal();
        return false;
    }
    TypeIntoNumberField(field, typed);
    guard->RefuseKey(FirstRefused(typed));
    return true;
}

} // namespace

FieldBehaviours::FieldBehaviours(QObject* parent, std::function<void(const QString&)> showHint,
                                 std::function<QString()> readHint)
    : QObject(parent), showHint_(std::move(showHint)), readHint_(std::move(readHint))
{
    if (parent && parent->isWidgetType()) parent->installEventFilter(this);
}

void FieldBehaviours::AddHint(QWidget* w, const QString& hint)
{
    w->setToolTip(hint);
}

void FieldBehaviours::AddFocusHint(QWidget* w, const QString& hint)
{
    AddHint(w, hint);
    focusHints_.insert(w, hint);
    w->installEventFilter(this);
}

EntryGuard* FieldBehaviours::GuardNumberBox(QLineEdit* w, EntryGuard::NumberKeys keys)
{
    auto* guard = new EntryGuard(w, keys, showHint_);
    guard->setStatusReader(readHint_);
    return guard;
}

void FieldBehaviours::AddKeyFilter(QLineEdit* w)
{
    w->installEventFilter(this);
    keyFiltered_.insert(w, GuardNumberBox(w, EntryGuard::NumberKeys::Filtered));
}

void FieldBehaviours::AddUnfilteredNumberBox(QLineEdit* w)
{
    GuardNumberBox(w, EntryGuard::NumberKeys::Unfiltered);
}

void FieldBehaviours::KeepCharacters(QLineEdit* w, std::function<bool(char32_t)> holds)
{
    new EntryGuard(w, std::move(holds), showHint_);
}

void FieldBehaviours::KeepCharacters(TextArea* w, std::function<bool(char32_t)> holds)
{
    new EntryGuard(w, std::move(holds), showHint_);
}

void FieldBehaviours::GuardWheel(QWidget* w)
{
    // A turn of the wheel would first give the control the focus (and so
    // pass the guard); only a click or Tab may give it.
    if (w->focusPolicy() == Qt::WheelFocus) w->setFocusPolicy(Qt::StrongFocus);
    wheelGuarded_.insert(w);
    w->installEventFilter(this);
}

void FieldBehaviours::GuardWheels(QWidget* root)
{
    for (QWidget* control : root->findChildren<QWidget*>())
        if (qobject_cast<QComboBox*>(control) || qobject_cast<ScrollBar*>(control) ||
            qobject_cast<DatePicker*>(control))
            GuardWheel(control);
}

bool FieldBehaviours::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        if (EntryGuard* guard = keyFiltered_.value(watched))
            return FilterKey(static_cast<QLineEdit*>(watched), static_cast<QKeyEvent*>(event),
                             guard);
    switch (event->type()) {
    case QEvent::Wheel:
        if (wheelGuarded_.contains(watched) && !static_cast<QWidget*>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::Show:
        // The window coming up writes the hint of the field it holds the
        // focus in (the text it left when it hid has gone).
        if (watched == parent())
            if (QWidget* field = static_cast<QWidget*>(watched)->focusWidget())
                if (const auto hint = focusHints_.constFind(field);
                    hint != focusHints_.constEnd() && showHint_)
                    showHint_(hint.value());
        break;
    case QEvent::FocusIn: {
        const auto hint = focusHints_.constFind(watched);
        if (hint != focusHints_.constEnd() && showHint_) showHint_(hint.value());
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vemora
