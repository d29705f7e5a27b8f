#include "results/ResultPictures.h"

#include <QPainter>
#include <QPainterPath>

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

QPixmap ComponentSymbol(int element)
{
    switch (element) {
    case 1: { // air valve: an upright stem with two blue blocks
        QPixmap p = Blank(16, 17);
        QPainter g(&p);
        g.fillRect(7, 4, 2, 13, Qt::black);
        g.fillRect(2, 0, 12, 4, SymbolBlue);
        g.fillRect(4, 6, 8, 4, SymbolBlue);
        return p;
    }
    case 2: { // non-return valve: a blue triangle against a bar
        QPixmap p = Blank(9, 18);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        QPainterPath triangle;
        triangle.moveTo(0, 1);
        triangle.lineTo(7, 9);
        triangle.lineTo(0, 17);
        triangle.closeSubpath();
        g.fillPath(triangle, SymbolBlue);
        g.fillRect(7, 0, 2, 18, Qt::black);
        return p;
    }
    case 3: { // isolating valve: a blue bow tie
        QPixmap p = Blank(12, 13);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        QPainterPath tie;
        tie.moveTo(0, 1);
        tie.lineTo(12, 12);
        tie.lineTo(12, 1);
        tie.lineTo(0, 12);
        tie.closeSubpath();
        g.fillPath(tie, SymbolBlue);
        return p;
    }
    case 4: { // reservoir: a blue square outlined in black
        QPixmap p = Blank(16, 15);
        QPainter g(&p);
        g.fillRect(0, 0, 16, 15, Qt::black);
        g.fillRect(1, 1, 14, 13, SymbolBlue);
        return p;
    }
    case 5: { // pump station: a yellow disc marked P on a pipe line
        QPixmap p = Blank(18, 12);
        QPainter g(&p);
        g.fillRect(0, 5, 18, 2, Qt::black);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(Qt::black);
        g.setBrush(QColor(255, 255, 0));
        g.drawEllipse(QRectF(3.5, 0.5, 11, 11));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(9);
        font.setBold(true);
        g.setFont(font);
        g.drawText(QRect(3, 0, 12, 12), Qt::AlignCenter, QStringLiteral("P"));
        return p;
    }
    default:
        return QPixmap();
    }
}

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

QPixmap UprightTitle(const QString& text, int width, int height, bool bold)
{
    QPixmap p = Blank(width, height);
    QPainter g(&p);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(width - 5);
    font.setBold(bold);
    g.setFont(font);
    g.setPen(Qt::black);
    g.translate(0, height);
    g.rotate(-90);
    g.drawText(QRect(0, 0, height, width), Qt::AlignCenter, text);
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
