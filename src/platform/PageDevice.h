// The back end a ReportPrinter writes on: a printer or PDF file
// (PrinterPageDevice) or a recording for tests (RecordingPageDevice). The
// printer model itself (fonts, print position, tab columns) lives in
// ReportPrinter; a back end only starts documents and pages and puts items on
// the current page, all in millimetres.
#pragma once

#include "platform/PageItems.h"

namespace vemora {

class PageDevice
{
  public:
    virtual ~PageDevice() = default;

    // Starts the document with its first page.
    virtual PageStatus open(PageOrientation orientation) = 0;
    // Ends the current page and starts page `page` (2, 3, ...).
    virtual PageStatus nextPage(PageOrientation orientation, int page) = 0;
    // Ends the last page and the document; the pages go to the printer.
    virtual PageStatus close() = 0;

    // The printable area of a page in that orientation, in millimetres.
    virtual QSizeF pageSize(PageOrientation orientation) const = 0;

    virtual void drawText(const PageText& text) = 0;
    virtual void drawLine(const PageLine& line) = 0;
    virtual void drawPicture(const QRectF& rect, const QImage& image) = 0;
    virtual void paintVector(const QRectF& rect, const VectorPainter& paint) = 0;
};

} // namespace vemora
