// What a printed pump page shows of its legend keys, read back from the PDF.
#pragma once

#include <gtest/gtest.h>

#include "support/PdfPages.h"

namespace vemora::test {

// The legend keys of a printed pump page: at the legend's place, the pump
// curve's key blue at 15 mm and the second curve's green at 65 mm from the
// printable area's left edge, 208 mm down.
inline void ExpectPumpLegendKeysOn(const QString& path, int page)
{
    // The keys' lines, 10 by 0.8 mm, with room for the page's margin.
    constexpr int Least = 400; // of some 600 pixels a line shows at full colour
    EXPECT_GT(pdfPixelsOfColour(path, page, QRectF(14, 207, 20, 12), QColor(0, 0, 255)), Least);
    EXPECT_GT(pdfPixelsOfColour(path, page, QRectF(64, 207, 20, 12), QColor(0, 255, 0)), Least);
    EXPECT_EQ(pdfPixelsOfColour(path, page, QRectF(14, 207, 20, 12), QColor(0, 255, 0)), 0);
    EXPECT_EQ(pdfPixelsOfColour(path, page, QRectF(64, 207, 20, 12), QColor(0, 0, 255)), 0);
}

} // namespace vemora::test
