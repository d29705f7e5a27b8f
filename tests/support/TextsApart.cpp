#include "support/TextsApart.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QTextItem>
#include <algorithm>
#include <gtest/gtest.h>

#include <QPrinter>

#include "platform/PrinterPageDevice.h"
#include "platform/RecordingPageDevice.h"

namespace vemora::test {

namespace {

struct PaintedLine
{
    QLineF line;
    double width = 0; // the pen's, in the painting's units
    bool solid = true;
    bool black = true;
};

// Keeps what a painting draws, in its own units (the page's dots), with the
// painter's transform applied.
class KeepingEngine : public QPaintEngine
{
  public:
    KeepingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyTransform) transform_ = state.transform();
        if (state.state() & DirtyPen) pen_ = state.pen();
    }

    void drawLines(const QLineF* lines, int count) override
    {
        const double scale = std::sqrt(std::abs(transform_.determinant()));
        for (int i = 0; i < count; ++i)
            kept.lines.push_back({transform_.map(lines[i]), pen_.widthF() * scale,
                                  pen_.style() == Qt::SolidLine,
                                  pen_.color() == QColor(Qt::black)});
    }
    void drawLines(const QLine* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QLineF line(lines[i]);
            drawLines(&line, 1);
        }
    }

    // Across, the text's advance; down, its ink.
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        const QFontMetricsF metrics(item.font());
        const QRectF ink = metrics.tightBoundingRect(item.text());
        const QRectF box(
            QPointF(at.x(), at.y() + ink.top()),
            QPointF(at.x() + metrics.horizontalAdvance(item.text()), at.y() + ink.bottom()));
        kept.texts.push_back({transform_.mapRect(box), item.text()});
    }

    void drawImage(const QRectF& rect, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override
    {
        kept.pictures.push_back(transform_.mapRect(rect));
    }
    void drawPixmap(const QRectF& rect, const QPixmap&, const QRectF&) override
    {
        kept.pictures.push_back(transform_.mapRect(rect));
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (mode != PolylineMode) return;
        for (int i = 1; i < count; ++i) {
            const QLineF line(points[i - 1], points[i]);
            drawLines(&line, 1);
        }
    }
    // Boxes and bars are no lines.
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    // Straight pieces of a path, as lines.
    void drawPath(const QPainterPath& path) override
    {
        for (int i = 1; i < path.elementCount(); ++i) {
            const QPainterPath::Element& to = path.elementAt(i);
            if (!to.isLineTo()) continue;
            const QLineF line(QPointF(path.elementAt(i - 1)), QPointF(to));
            drawLines(&line, 1);
        }
    }

    struct Kept
    {
        std::vector<TextRect> texts;
        std::vector<PaintedLine> lines;
        std::vector<QRectF> pictures;
    } kept;

  private:
    QTransform transform_;
    QPen pen_;
};

// A device that only keeps what is painted on it, at the resolution of a
// QPicture, so a picture plays back at the size it was recorded.
class KeepingDevice : public QPaintDevice
{
  public:
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1 << 20;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return QPicture().logicalDpiX();
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return QPicture().logicalDpiY();
        default:
            return 1000;
        }
    }
    mutable KeepingEngine engine;
};

// The box a line's pen covers.
QRectF PenBox(const PaintedLine& l)
{
    const double half = l.width / 2;
    return QRectF(l.line.p1(), l.line.p2()).normalized().adjusted(-half, -half, half, half);
}

double distance(const QRectF& a, const QRectF& b)
{
    return std::max(
        {b.left() - a.right(), a.left() - b.right(), b.top() - a.bottom(), a.top() - b.bottom()});
}

} // namespace

PaintedGraph ReadPaintedGraph(const PagePainting& painting)
{
    KeepingDevice device;
    QPainter painter(&device);
    QPicture picture = painting.picture;
    picture.play(&painter);
    painter.end();
    const KeepingEngine::Kept& kept = device.engine.kept;

    constexpr double mm = 1 / RecordingPageDevice::kDotsPerMm;
    const QTransform toMm = QTransform::fromScale(mm, mm);
    PaintedGraph graph;
    double firstAxis = 1e9;
    for (const PaintedLine& l : kept.lines) {
        const QRectF box = toMm.mapRect(PenBox(l));
        const QLineF line = toMm.map(l.line);
        const bool across = line.dy() == 0 && std::abs(line.dx()) >= painting.rect.width() / 3;
        const bool down = line.dx() == 0 && std::abs(line.dy()) >= painting.rect.height() / 3;
        if (!l.solid || !l.black || !(across || down)) continue;
        graph.axes.push_back(box);
        if (down) firstAxis = std::min(firstAxis, line.x1());
    }
    for (const TextRect& t : kept.texts)
        graph.texts.push_back({toMm.mapRect(t.box), t.text});
    for (const QRectF& p : kept.pictures)
        if (toMm.mapRect(p).right() <= firstAxis)
            graph.texts.push_back({toMm.mapRect(p), QStringLiteral("(title)")});
    return graph;
}

void ExpectTextsApart(const std::vector<TextRect>& texts, const std::vector<TextRect>& others,
                      const std::vector<QRectF>& axes, double gap, const std::string& what)
{
    for (size_t i = 0; i < texts.size(); ++i) {
        const auto& [box, text] = texts[i];
        for (const QRectF& axis : axes)
            EXPECT_GE(distance(box, axis), gap)
                << what << ": \"" << text.toStdString() << "\" touches an axis";
        for (size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_GE(distance(box, texts[j].box), gap)
                << what << ": \"" << text.toStdString() << "\" and \""
                << texts[j].text.toStdString() << "\"";
        for (const TextRect& other : others)
            EXPECT_GE(distance(box, other.box), gap)
                << what << ": \"" << text.toStdString() << "\" and the page's \""
                << other.text.toStdString() << "\"";
    }
}

std::vector<TextRect> PageTextBoxes(const std::vector<PageText>& texts)
{
    // The font at a hundred pixels a point, for the ink's outline.
    constexpr double kPixelsPerPoint = 100;
    constexpr double kMmPerPixel = 25.4 / 72 / kPixelsPerPoint;
    std::vector<TextRect> boxes;
    for (const PageText& t : texts) {
        QFont font(t.font.name);
        font.setPixelSize(static_cast<int>(t.font.size * kPixelsPerPoint));
        font.setBold(t.font.bold);
        const QRectF ink = QFontMetricsF(font).tightBoundingRect(t.text);
        const double baseline = t.pos.y() + t.ascent;
        boxes.push_back(
            {QRectF(QPointF(t.pos.x(), baseline + ink.top() * kMmPerPixel),
                    QPointF(t.pos.x() + t.width, baseline + ink.bottom() * kMmPerPixel)),
             t.text});
    }
    return boxes;
}

MarginsLayout LayOutForMargins(double mm)
{
    QPrinter printer(QPrinter::HighResolution);
    PrinterPageDevice::setUpPdf(printer, QStringLiteral("margins.pdf"));
    printer.setPageMargins(QMarginsF(mm, mm, mm, mm), QPageLayout::Millimeter);
    const PrinterPageDevice pdf(printer);
    const QSizeF laidOut = pdf.pageSize(PageOrientation::Portrait);
    return {laidOut,
            printer.pageLayout().paintRect(QPageLayout::Millimeter).width() / laidOut.width()};
}

int ExpectPageGraphsApart(const RecordedPage& page, double scale, const std::string& where)
{
    constexpr double kGapOnPaperMm = 0.5;
    for (const PagePainting& painting : page.paintings) {
        const PaintedGraph graph = ReadPaintedGraph(painting);
        EXPECT_GE(graph.axes.size(), 2u) << where;
        EXPECT_GE(graph.texts.size(), 4u) << where;
        ExpectTextsApart(graph.texts, PageTextBoxes(page.texts), graph.axes, kGapOnPaperMm / scale,
                         where);
    }
    return static_cast<int>(page.paintings.size());
}

} // namespace vemora::test
