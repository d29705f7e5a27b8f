#include "platform/ScrollBar.h"

#include <QKeyEvent>

namespace vemora {

ScrollBar::ScrollBar(Qt::Orientation o, QWidget* parent, bool flat)
    : QScrollBar(o, parent), flat_(flat)
{
    // The flat bar keeps the platform's look; only its name and the
    // flag differ, which the windows use for their year and hour pickers.
    // Like any field it takes the focus by a click or Tab (and then its
    // arrow keys), never by a turn of the wheel.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::sliderPressed, this, [this] { pressValue_ = value(); });
    connect(this, &QScrollBar::valueChanged, this, [this](int) {
        if (isSliderDown())
            emit Scroll();
        else
            emit Change();
    });
    connect(this, &QScrollBar::sliderReleased, this, [this] {
        if (value() != pressValue_) emit Change();
    });
}

// The platform's bar turns its controls round so that the wheel scrolls the
// right way, and with them Left and Right: here each arrow key takes the step
// of the arrow button it points at (left and top lower the value).
void ScrollBar::keyPressEvent(QKeyEvent* e)
{
    const bool mirrored = orientation() == Qt::Horizontal && isRightToLeft();
    SliderAction action = SliderNoAction;
    switch (e->key()) {
    case Qt::Key_Left:
        action = mirrored ? SliderSingleStepAdd : SliderSingleStepSub;
        break;
    case Qt::Key_Right:
        action = mirrored ? SliderSingleStepSub : SliderSingleStepAdd;
        break;
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    default:
        QScrollBar::keyPressEvent(e);
        return;
    }
    triggerAction(action);
    e->accept();
}

} // namespace vemora
