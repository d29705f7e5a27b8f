#include "support/PdfPages.h"
#include "support/WaitLimit.h"

#include <QPdfDocument>
#include <QPdfSelection>
#include <QProcess>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdlib>

namespace vemora::test {

std::vector<PdfPage> readPdfPages(const QString& path)
{
    std::vector<PdfPage> pages;
    QPdfDocument doc;
    if (doc.load(path) != QPdfDocument::Error::None) return pages;
    for (int i = 0; i < doc.pageCount(); ++i) {
        PdfPage page;
        page.text = doc.getAllText(i).text();
        page.size = doc.pagePointSize(i);
        page.landscape = page.size.width() > page.size.height();
        pages.push_back(page);
    }
    return pages;
}

std::vector<std::vector<PdfWord>> readPdfWords(const QString& path)
{
    std::vector<std::vector<PdfWord>> pages;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(WaitLimitMs()) || pdftotext.exitCode() != 0) return pages;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("page")) {
            pages.emplace_back();
        } else if (xml.name() == QLatin1String("word") && !pages.empty()) {
            const auto at = [&](const char* name) {
                return xml.attributes().value(QLatin1String(name)).toDouble();
            };
            const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
            pages.back().push_back({xml.readElementText(), box});
        }
    }
    return pages;
}

int pdfPixelsOfColour(const QString& path, int page, const QRectF& mm, const QColor& colour)
{
    QPdfDocument doc;
    if (doc.load(path) != QPdfDocument::Error::None || page >= doc.pageCount()) return -1;
    constexpr double PixelsPerMm = 10;
    constexpr double MmPerPoint = 25.4 / 72;
    const QImage image =
        doc.render(page, (doc.pagePointSize(page) * MmPerPoint * PixelsPerMm).toSize())
            .convertToFormat(QImage::Format_ARGB32);
    const QRect area = QRectF(mm.topLeft() * PixelsPerMm, mm.size() * PixelsPerMm)
                           .toRect()
                           .intersected(image.rect());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor shown = image.pixelColor(x, y);
            const int off = std::max({std::abs(shown.red() - colour.red()),
                                      std::abs(shown.green() - colour.green()),
                                      std::abs(shown.blue() - colour.blue())});
            if (shown.alpha() > 200 && off <= 80) ++count;
        }
    return count;
}

} // namespace vemora::test
