// Reads a PDF back for tests of printed output: per page its text, its size
// in points and its orientation, the words with their boxes, and the colours
// the page shows in a place.
#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace vemora::test {

struct PdfPage
{
    QString text;           // every text of the page, in reading order
    QSizeF size;            // points (1/72 inch)
    bool landscape = false; // wider than tall
};

// The pages of a PDF file; empty when it cannot be read.
std::vector<PdfPage> readPdfPages(const QString& path);

// A word as pdftotext finds it: its text and its box in points from the top
// left corner of the page.
struct PdfWord
{
    QString text;
    QRectF box;
};

// The words of every page, read with pdftotext -bbox-layout (poppler-utils);
// empty when the file cannot be read.
std::vector<std::vector<PdfWord>> readPdfWords(const QString& path);

// How many pixels of page `page`, drawn at ten pixels a millimetre, show
// `colour` inside `mm`, a rectangle in millimetres from the page's top left
// corner; -1 when the page cannot be drawn. A pixel shows it within 80 of
// each component, as the blur of a picture the PDF keeps compressed leaves
// it.
int pdfPixelsOfColour(const QString& path, int page, const QRectF& mm, const QColor& colour);

} // namespace vemora::test
