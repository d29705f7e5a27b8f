#include "graphs/LegendKeys.h"

#include <QPainter>

#include "graphs/GraphPieces.h"
#include "platform/Twips.h"

namespace vemora {

namespace {

QPixmap Blank(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

QImage LineKey(uint32_t colour, int thickness, int length)
{
    QImage key(length, 15, QImage::Format_RGB32);
    key.fill(Qt::white);
    QPainter(&key).fillRect(2, 7 - thickness / 2, length - 4, thickness, vbColor(colour));
    return key;
}

QPixmap Swatch(const QColor& color, int width, int height, const QColor& upper, int upperRows)
{
    QPixmap p(width, height);
    p.fill(Qt::black);
    QPainter g(&p);
    g.fillRect(1, 1, width - 2, height - 2, color);
    if (upper.isValid() && upperRows > 0) g.fillRect(1, 1, width - 2, upperRows, upper);
    return p;
}

QPixmap ChangeViewPicture()
{
    QPixmap p = Blank(22, 18);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1));
    g.drawLine(2, 1, 2, 16);
    g.drawLine(2, 16, 21, 16);
    g.setPen(QPen(vbColor(graphcolor::Ground), 1.5));
    g.drawPolyline(QPolygonF({QPointF(3, 13), QPointF(8, 10), QPointF(13, 12), QPointF(20, 7)}));
    g.setPen(QPen(vbColor(graphcolor::Gradeline), 1.5));
    g.drawPolyline(QPolygonF({QPointF(3, 4), QPointF(20, 6)}));
    return p;
}

} // namespace vemora
