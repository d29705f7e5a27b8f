// A drawing replayed onto a PDF page is vector lines and real text in the
// page rectangle it was given, read back with the PDF module.
#include <QFile>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/DrawingSurface.h"

using namespace vemora;

namespace {

constexpr double kPointsPerMm = 72 / 25.4;

// A 6000 x 3000 twip graph: grid, axes, a bar and labels.
DrawingSurface graph()
{
    DrawingSurface s(6000, 3000);
    s.setBackColor(vbcolor::White);
    s.Cls();
    s.setDrawStyle(DrawStyle::Dash);
    s.setForeColor(0x808080);
    for (int y = 350; y <= 2310; y += 490)
        s.Line(800, y, 5620, y);
    s.setDrawStyle(DrawStyle::Solid);
    s.setForeColor(vbcolor::Black);
    s.Line(800, 350, 800, 2530);
    s.LineTo(5620, 2530);
    s.FilledBox(2000, 1000, 2600, 2310, 0xFF0000);
    s.setCurrentX(300);
    s.setCurrentY(1415);
    s.Print("1550");
    s.setFontSize(10);
    s.setCurrentX(2500);
    s.setCurrentY(2780);
    s.Print("Accumulated length( m )");
    return s;
}

// Replays a drawing on an A4 landscape page into 220 x 98 mm at (10, 57) mm,
// as a graph page pastes its picture.
QString printToPdf(const Drawing& d, const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    QPainter painter(&writer);
    const double perMm = 1200 / 25.4;
    d.replay(painter, QRectF(10 * perMm, 57 * perMm, 220 * perMm, 98 * perMm), ReplayStyle::Print);
    painter.end();
    return path;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Where a text of the drawing lands on the page, in points.
QPointF pagePoint(double xTwips, double yTwips)
{
    return {(10 + xTwips * 220 / 6000) * kPointsPerMm, (57 + yTwips * 98 / 3000) * kPointsPerMm};
}

} // namespace

TEST(DrawingPdf, TextIsRealTextAtItsPlaceAndLinesAreVectors)
{
    QTemporaryDir dir;
    const QString path = printToPdf(graph().drawing(), dir.filePath("graph.pdf"));

    QPdfDocument doc;
    ASSERT_EQ(doc.load(path), QPdfDocument::Error::None);
    ASSERT_EQ(doc.pageCount(), 1);
    const QString text = doc.getAllText(0).text();
    EXPECT_TRUE(text.contains("1550")) << text.toStdString();
    EXPECT_TRUE(text.contains("Accumulated length( m )")) << text.toStdString();

    for (const auto& [label, x, y] : {std::tuple{QString("1550"), 300.0, 1415.0},
                                      std::tuple{QString("Accumulated"), 2500.0, 2780.0}}) {
        const QPdfSelection sel =
            doc.getSelectionAtIndex(0, static_cast<int>(text.indexOf(label)), label.size());
        const QRectF box = sel.boundingRectangle();
        const QPointF expected = pagePoint(x, y);
        EXPECT_NEAR(box.left(), expected.x(), 3) << label.toStdString();
        EXPECT_GT(box.top(), expected.y() - 2) << label.toStdString();
        EXPECT_LT(box.top(), expected.y() + 6) << label.toStdString();
    }

    // No bitmap of the graph: no image object at all.
    EXPECT_FALSE(fileBytes(path).contains("/Subtype /Image"));

    // The axes and the bar are drawn: render the page and look along them.
    const QSizeF page = doc.pagePointSize(0);
    const double pxPerPoint = 2;
    const QImage img = doc.render(0, (page * pxPerPoint).toSize());
    auto at = [&](double xTwips, double yTwips) {
        const QPointF p = pagePoint(xTwips, yTwips) * pxPerPoint;
        return img.pixelColor(qRound(p.x()), qRound(p.y()));
    };
    EXPECT_LT(at(800, 1800).lightness(), 80);  // the vertical axis
    EXPECT_LT(at(3000, 2530).lightness(), 80); // the horizontal axis
    EXPECT_EQ(at(2300, 1500), QColor(0, 0, 255));
    EXPECT_GT(at(3000, 1800).lightness(), 240); // background between lines
}

TEST(DrawingPdf, PastedPicturesAreTheOnlyImages)
{
    DrawingSurface s = graph();
    QImage title(18, 82, QImage::Format_RGB32);
    title.fill(Qt::black);
    s.PaintPicture(title, 11, 1800);
    QTemporaryDir dir;
    const QString path = printToPdf(s.drawing(), dir.filePath("titled.pdf"));
    EXPECT_TRUE(fileBytes(path).contains("/Subtype /Image"));

    QPdfDocument doc;
    ASSERT_EQ(doc.load(path), QPdfDocument::Error::None);
    EXPECT_TRUE(doc.getAllText(0).text().contains("1550"));
}
