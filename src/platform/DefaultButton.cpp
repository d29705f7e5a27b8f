#include "platform/DefaultButton.h"

#include <QKeyEvent>
#include <QPointer>

#include "platform/PictureButton.h"

namespace vemora {

namespace {

class DefaultButtonKeys : public QObject
{
  public:
    DefaultButtonKeys(QWidget* dialog, PictureButton* button, FocusedButtonReturn focused)
        : QObject(dialog), dialog_(dialog), button_(button), focused_(focused)
    {
        dialog->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != dialog_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        PictureButton* target = button_;
        if (focused_ == FocusedButtonReturn::ClicksFocused)
            if (auto* own = qobject_cast<PictureButton*>(dialog_->focusWidget())) target = own;
        if (target && target->isVisible() && target->isEnabled()) target->click();
        return true;
    }

  private:
    QWidget* dialog_;
    QPointer<PictureButton> button_;
    FocusedButtonReturn focused_;
};

} // namespace

void SetDefaultButton(QWidget* dialog, PictureButton* button, FocusedButtonReturn focused)
{
    new DefaultButtonKeys(dialog, button, focused);
}

} // namespace vemora
