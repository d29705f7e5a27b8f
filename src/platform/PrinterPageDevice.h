// The back end on a QPrinter: a printer chosen in the print dialog, or a PDF
// file. Millimetres become printer dots at the printer's resolution, so text,
// rules and vector paintings print sharply. Margins that leave less than the
// layout frame (an A4 sheet less the PDF border) scale every page down
// uniformly to fit them, never up. Every start of the document and of a page
// is checked, and so is the printer's state after the end. A PDF file is
// written as a project is saved (FileReplacement): under a temporary name
// beside the file its name leads to, and moved into place only once it is
// whole, so a failure leaves an earlier file of that name as it was; a link
// at the name is followed, one another user planted is refused.
#pragma once

#include <QPainter>
#include <memory>

#include "files/SafeReplace.h"

#include "platform/PageDevice.h"

class QPrinter;

namespace vemora {

class PrinterPageDevice : public PageDevice
{
  public:
    // The printer stays the caller's and must outlive the device.
    explicit PrinterPageDevice(QPrinter& printer);

    // Sets a printer up to write a PDF file of A4 pages with the margins of
    // a common office printer.
    static void setUpPdf(QPrinter& printer, const QString& path);
    // Where the system has no printer queue, sets the printer up to write the
    // PDF file at path, so the print dialog opens with its PDF entry chosen
    // and that name filled in; with a queue, the default printer stays.
    static void offerPdfWithoutQueue(QPrinter& printer, const QString& path);
    // The copies chosen in the print dialog. The printer is set to one copy,
    // since the print run prints each copy itself (page numbers restart with
    // every copy).
    static int takeCopies(QPrinter& printer);

    PageStatus open(PageOrientation orientation) override;
    PageStatus nextPage(PageOrientation orientation, int page) override;
    PageStatus close() override;
    QSizeF pageSize(PageOrientation orientation) const override;
    void drawText(const PageText& text) override;
    void drawLine(const PageLine& line) override;
    void drawPicture(const QRectF& rect, const QImage& image) override;
    void paintVector(const QRectF& rect, const VectorPainter& paint) override;

  private:
    QPointF dots(QPointF mm) const;
    QRectF dots(const QRectF& mm) const;
    void setOrientation(PageOrientation orientation);
    // The printable area in millimetres, and the factor the page is drawn
    // at to fit it (1 or less).
    QSizeF printableSize(PageOrientation orientation) const;
    double pageScale(PageOrientation orientation) const;
    void scalePage(PageOrientation orientation);
    // Whether the document goes to a PDF file, and the file or printer it
    // goes to, as a message names it.
    bool onFile() const;
    QString target() const;
    PageStatus beginPdf();
    PageStatus finishPdf();
    void dropPdf();
    QString pdfTemp() const;

    QPrinter& printer_;
    QString pdfTarget_; // the PDF file being printed, while its temporary file is written
    std::unique_ptr<FileReplacement> pdf_;
    QPainter painter_;
    double dotsPerMm_ = 1;
};

} // namespace vemora
