// Reads a PDF back for tests of printed output: per page its text, its size
// in points and its orientation.
#pragma once

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

} // namespace vemora::test
