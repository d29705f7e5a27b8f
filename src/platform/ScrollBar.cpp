#include "platform/ScrollBar.h"

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

} // namespace vemora
