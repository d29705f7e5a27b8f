#include "platform/FieldBehaviours.h"

#include <QComboBox>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/DatePicker.h"
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

namespace {

// Keys that type nothing (arrows, Delete, Home, End) pass; a paste could
// bring any text in, so it does not.
bool NumericKeyAccepted(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Paste)) return false;
    return NumericTextAccepted(e->text());
}

} // namespace

FieldBehaviours::FieldBehaviours(QObject* parent, std::function<void(const QString&)> showHint)
    : QObject(parent), showHint_(std::move(showHint))
{
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
    keyFiltered_.insert(w);
    w->setAcceptDrops(false); // text dropped on the field would bypass the filter
    w->installEventFilter(this);
}

void FieldBehaviours::GuardWheel(QWidget* w)
{
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
    switch (event->type()) {
    case QEvent::KeyPress:
        if (keyFiltered_.contains(watched) && !NumericKeyAccepted(static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::InputMethod:
        if (keyFiltered_.contains(watched) &&
            !NumericTextAccepted(static_cast<QInputMethodEvent*>(event)->commitString()))
            return true;
        break;
    case QEvent::Wheel:
        if (wheelGuarded_.contains(watched) && !static_cast<QWidget*>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
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
