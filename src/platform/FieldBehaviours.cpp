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

void FieldBehaviours::AddKeyFilter(QLineEdit* w)
{
    w->installEventFilter(this);
    keyFiltered_.insert(w, new NumberGuard(w, NumberGuard::Keys::Filtered, showHint_, readHint_));
}

void FieldBehaviours::AddUnfilteredNumberBox(QLineEdit* w)
{
    new NumberGuard(w, NumberGuard::Keys::Unfiltered, showHint_, readHint_);
}

void FieldBehaviours::KeepCharacters(QLineEdit* w, std::function<bool(char32_t)> holds)
{
    new TextGuard(w, std::move(holds), showHint_);
}

void FieldBehaviours::KeepCharacters(TextArea* w, std::function<bool(char32_t)> holds)
{
    new TextGuard(w, std::move(holds), showHint_);
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
    // A typed text that the number box's guard refuses is typed without the
    // characters the filter drops; the paste keys are the guard's.
    if (event->type() == QEvent::KeyPress)
        if (NumberGuard* guard = keyFiltered_.value(watched)) {
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            if (guard->TakesKey(typed, true)) return false;
            TypeIntoNumberField(static_cast<QLineEdit*>(watched), typed);
            return true;
        }
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
