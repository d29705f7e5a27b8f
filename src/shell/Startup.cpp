#include "shell/Startup.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "app/AppContext.h"
#include "platform/Screen.h"
#include "platform/Twips.h"
#include "shell/MDIProject.h"

namespace vemora {

QString VersionNumber()
{
    return QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

QString VersionText()
{
    return QStringLiteral("Version: ") + VersionNumber();
}

bool IsScreenSize(const Screen& screen, int32_t width, int32_t height)
{
    return screen.widthTwips() == int64_t{width} * kTwipsPerPixel &&
           screen.heightTwips() == int64_t{height} * kTwipsPerPixel;
}

namespace {

int Component(int16_t c)
{
    return std::clamp<int>(c, 0, 255);
}

// Colour of band i (0..255) between the two colours, rounded to whole values.
QColor BandColour(int i, int r1, int g1, int b1, int r2, int g2, int b2)
{
    auto step = [i](int from, int to) {
        return from + static_cast<int>(std::lround((to - from) * i / 255.0));
    };
    return QColor(step(r1, r2), step(g1, g2), step(b1, b2));
}

} // namespace

void DrawGradientBackground(QWidget* target, int16_t r1, int16_t g1, int16_t b1, int16_t r2,
                            int16_t g2, int16_t b2)
{
    if (!target) return;
    const int w = target->width();
    const int h = target->height();
    if (w <= 0 || h <= 0) return;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter painter(&image);
    // Each pixel row takes the band of its place in the height, so the top
    // row is band 0 and the bottom row band 255 whatever the height.
    for (int y = 0; y < h; ++y) {
        const int band = h == 1 ? 0 : static_cast<int>(std::lround(y * 255.0 / (h - 1)));
        painter.fillRect(0, y, w, 1,
                         BandColour(band, Component(r1), Component(g1), Component(b1),
                                    Component(r2), Component(g2), Component(b2)));
    }
    painter.end();
    QPalette pal = target->palette();
    pal.setBrush(QPalette::Window, QBrush(image));
    target->setPalette(pal);
    target->setAutoFillBackground(true);
}

MDIProject* ShowMainWindow(AppContext& ctx)
{
    auto* main = new MDIProject(ctx);
    main->setAttribute(Qt::WA_DeleteOnClose);
    // The help window stands beside the main window and goes with it; it
    // opens over the working area, leaving the menus and the toolbar free.
    ctx.ui.setHelpParent(main, main->mdiArea);
    main->show();
    // The program's window comes up active, and with it the working window
    // the start-up showed in it.
    main->raise();
    main->activateWindow();
    return main;
}

} // namespace vemora
