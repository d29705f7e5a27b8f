#include "platform/FieldBehaviours.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

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

// A key that types text: what the filter lets through is typed, the rest is
// dropped. A paste (Ctrl+V, Shift+Insert) types the clipboard's text the
// same way. Keys that type nothing (arrows, Delete, Ctrl+C ...) pass.
bool FilterKey(QLineEdit* field, QKeyEvent* e)
{
    if (e->matches(QKeySequence::Paste)) {
        TypeIntoNumberField(field, QGuiApplication::clipboard()->text());
        return true;
    }
    if (NumericTextAccepted(e->text())) return false;
    TypeIntoNumberField(field, e->text());
    return true;
}

// The field's own context menu, whose Paste types the clipboard's text.
void ShowNumberFieldMenu(QLineEdit* field, const QContextMenuEvent* e)
{
    QMenu* menu = field->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString paste = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != paste) continue;
        QObject::disconnect(action, &QAction::triggered, field, nullptr);
        QObject::connect(action, &QAction::triggered, field, [field] {
            TypeIntoNumberField(field, QGuiApplication::clipboard()->text());
        });
    }
    menu->popup(e->globalPos());
}

// The middle button pastes the selection where systems have one.
bool PasteSelection(QLineEdit* field, const QMouseEvent* e)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (e->button() != Qt::MiddleButton || !clipboard->supportsSelection()) return false;
    if (!field->isReadOnly()) {
        field->deselect();
        TypeIntoNumberField(field, clipboard->text(QClipboard::Selection));
    }
    return true;
}

// Dropped text is typed where it is dropped; it is copied, never moved, so
// a drag out of another field leaves that field as it was.
void DropIntoNumberField(QLineEdit* field, QDropEvent* e)
{
    if (field->isReadOnly() || !e->mimeData()->hasText()) {
        e->ignore();
        return;
    }
    field->setCursorPosition(field->cursorPositionAt(e->position().toPoint()));
    e->setDropAction(Qt::CopyAction);
    e->accept();
    TypeIntoNumberField(field, e->mimeData()->text());
    QDragLeaveEvent leave; // ends the field's drop caret
    QCoreApplication::sendEvent(field, &leave);
}

// What an input method commits is typed through the filter too.
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
    w->installEventFilter(this);
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
    if (keyFiltered_.contains(watched)) {
        auto* field = static_cast<QLineEdit*>(watched);
        switch (event->type()) {
        case QEvent::KeyPress:
            return FilterKey(field, static_cast<QKeyEvent*>(event));
        case QEvent::ContextMenu:
            ShowNumberFieldMenu(field, static_cast<QContextMenuEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            if (PasteSelection(field, static_cast<QMouseEvent*>(event))) return true;
            break;
        case QEvent::Drop:
            DropIntoNumberField(field, static_cast<QDropEvent*>(event));
            return true;
        case QEvent::InputMethod:
            FilterComposedText(static_cast<QInputMethodEvent*>(event));
            break;
        default:
            break;
        }
    }
    switch (event->type()) {
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
