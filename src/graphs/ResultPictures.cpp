#include "graphs/ResultPictures.h"

#include <QPainter>

namespace vemora {

namespace {

const QColor SymbolBlue(0, 0, 255);

QPixmap Blank(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

QPixmap LineKey(const QColor& color, int width, int height)
{
    QPixmap p = Blank(width, height);
    QPainter g(&p);
    g.fillRect(2, height / 2 - 1, width - 4, 2, color);
    return p;
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
    g.setPen(QPen(QColor(0, 64, 0), 1.5));
    g.drawPolyline(QPolygonF({QPointF(3, 13), QPointF(8, 10), QPointF(13, 12), QPointF(20, 7)}));
    g.setPen(QPen(SymbolBlue, 1.5));
    g.drawPolyline(QPolygonF({QPointF(3, 4), QPointF(20, 6)}));
    return p;
}

} // namespace vemora
