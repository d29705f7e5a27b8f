#include "graphs/GraphPictures.h"

#include <QPainter>
#include <QPolygon>
#include <array>

#include "graphs/GraphPieces.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

const QColor kSymbolBlue(0, 0, 255);

QImage Reservoir()
{
    QImage image(16, 15, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(0, 0, 16, 15, kSymbolBlue);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 15, 14);
    return image;
}

QImage PumpStation()
{
    QImage image(18, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawLine(0, 6, 17, 6); // the pipe
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(3, 0, 11, 11);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(3, 0, 12, 12), Qt::AlignCenter, QStringLiteral("P"));
    return image;
}

QImage IsolatingValve()
{
    QImage image(12, 13, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawLine(5, 0, 5, 7); // spindle
    p.drawLine(3, 0, 7, 0); // hand wheel
    p.setBrush(kSymbolBlue);
    p.drawPolygon(QPolygon({QPoint(0, 3), QPoint(0, 12), QPoint(5, 7)}));
    p.drawPolygon(QPolygon({QPoint(11, 3), QPoint(11, 12), QPoint(6, 7)}));
    return image;
}

QImage NonReturnValve()
{
    QImage image(9, 18, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(kSymbolBlue);
    p.drawPolygon(QPolygon({QPoint(0, 3), QPoint(0, 14), QPoint(6, 9)}));
    p.fillRect(6, 0, 3, 18, Qt::black); // the seat the flap closes on
    return image;
}

QImage AirValve()
{
    QImage image(16, 17, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(7, 6, 2, 11, Qt::black); // the stem down to the pipe
    p.setPen(Qt::black);
    p.setBrush(kSymbolBlue);
    p.drawRect(0, 1, 6, 5);
    p.drawRect(9, 1, 6, 5);
    p.drawLine(6, 3, 9, 3);
    return image;
}

DrawFont TitleFont(bool bold)
{
    DrawFont f;
    f.size = 10;
    f.bold = bold;
    return f;
}

} // namespace

const QImage& ComponentSymbol(int nodeType)
{
    static const std::array<QImage, 6> symbols = {QImage(),         Reservoir(),      PumpStation(),
                                                  IsolatingValve(), NonReturnValve(), AirValve()};
    static const QImage none;
    if (nodeType < 1 || nodeType >= static_cast<int>(symbols.size())) return none;
    return symbols[static_cast<size_t>(nodeType)];
}

const QImage& ElevationTitlePicture(int elevationUnit)
{
    static const std::array<QImage, 4> pictures = [] {
        std::array<QImage, 4> p;
        for (int code = 0; code < LengthUnits.Count(); ++code)
            p[static_cast<size_t>(code)] = verticalTitlePicture(
                QStringLiteral("Elevation ( %1 )").arg(QString::fromUtf8(LengthUnits.Text(code))),
                18, TitleFont(false));
        return p;
    }();
    static const QImage none;
    if (!LengthUnits.Has(elevationUnit)) return none;
    return pictures[static_cast<size_t>(elevationUnit)];
}

const QImage& HeadTitlePicture(int headUnit)
{
    static const std::array<QImage, 2> pictures = [] {
        std::array<QImage, 2> p;
        for (int code = 0; code < PumpHeadUnits.Count(); ++code)
            p[static_cast<size_t>(code)] = verticalTitlePicture(
                QStringLiteral("Head (%1)").arg(QString::fromUtf8(PumpHeadUnits.Text(code))), 18,
                TitleFont(true));
        return p;
    }();
    static const QImage none;
    if (!PumpHeadUnits.Has(headUnit)) return none;
    return pictures[static_cast<size_t>(headUnit)];
}

const QImage& YieldDemandTitlePicture()
{
    static const QImage picture =
        verticalTitlePicture(QStringLiteral("Yield & Demand"), 17, TitleFont(false));
    return picture;
}

} // namespace vemora
