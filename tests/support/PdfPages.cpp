#include "support/PdfPages.h"

#include <QPdfDocument>
#include <QPdfSelection>
#include <QProcess>
#include <QXmlStreamReader>

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
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) return pages;
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

} // namespace vemora::test
