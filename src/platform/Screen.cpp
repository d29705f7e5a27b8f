#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/Twips.h"

namespace vemora {

namespace {
std::optional<QSize>& overrideSize()
{
    static std::optional<QSize> size;
    return size;
}
} // namespace

QSize screenSize()
{
    if (overrideSize()) return *overrideSize();
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->geometry().size();
    return {800, 600};
}

void setScreenSizeOverride(std::optional<QSize> size)
{
    overrideSize() = size;
}

int screenWidthTwips()
{
    return pixelsToTwips(screenSize().width());
}

int screenHeightTwips()
{
    return pixelsToTwips(screenSize().height());
}

void placeOverScreen(QWidget* w)
{
    if (!w) return;
    const QSize s = screenSize();
    w->setGeometry(0, 0, s.width(), s.height());
    w->move(0, 0);
}

} // namespace vemora
