#include "support/PdfPages.h"

#include <QPdfDocument>
#include <QPdfSelection>

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

} // namespace vemora::test
