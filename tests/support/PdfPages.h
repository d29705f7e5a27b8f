// Reads a PDF back for tests of printed output: per page its text, its size
// in points and its orientation, and the words with their boxes.
#pragma once

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

} // namespace vemora::test
