#include "platform/TabControl.h"

namespace vemora {

TabControl::TabControl(QWidget* parent) : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, [this](int now) {
        const int before = previous_;
        previous_ = now;
        if (before != now) emit Click(before);
    });
}

void TabControl::setTabEnabled(int i, bool on)
{
    if (i < 0 || i >= count()) return;
    QTabWidget::setTabEnabled(i, on);
}

} // namespace vemora
