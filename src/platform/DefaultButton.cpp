#include "platform/DefaultButton.h"

#include <QKeyEvent>
#include <QPointer>

#include "platform/PictureButton.h"

namespace vemora {

namespace {

class DefaultButtonKeys : public QObject
{
  public:
    DefaultButtonKeys(QWidget* dialog, PictureButton* button)
        : QObject(dialog), dialog_(dialog), button_(button)
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
        if (button_ && button_->isVisible() && button_->isEnabled()) button_->click();
        return true;
    }

  private:
    QWidget* dialog_;
    QPointer<PictureButton> button_;
};

} // namespace

void SetDefaultButton(QWidget* dialog, PictureButton* button)
{
    new DefaultButtonKeys(dialog, button);
}

} // namespace vemora
