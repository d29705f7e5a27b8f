#include "platform/PrinterPageDevice.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>

#include "platform/PageFonts.h"

namespace vemora {

// Rules and lines: thin, but wide enough to print on any printer.
constexpr double kLineWidthMm = 0.2;
// Dots an inch the pages are drawn at, whatever mode the printer was made in:
// at screen resolution fonts would be rounded to whole screen pixels.
constexpr int kDotsPerInch = 1200;
// The unprintable border of a common office printer, kept on PDF pages too.
constexpr double kPdfMarginMm = 4.2;

PrinterPageDevice::PrinterPageDevice(QPrinter& printer) : printer_(printer) {}

void PrinterPageDevice::setUpPdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                           QPageLayout::Millimeter);
}

void PrinterPageDevice::offerPdfWithoutQueue(QPrinter& printer, const QString& path)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) setUpPdf(printer, path);
}

int PrinterPageDevice::takeCopies(QPrinter& printer)
{
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    return copies;
}

QString PrinterPageDevice::target() const
{
    if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty())
        return QStringLiteral("the file \"%1\"").arg(printer_.outputFileName());
    const QString name = printer_.printerName();
    return name.isEmpty() ? QStringLiteral("the printer")
                          : QStringLiteral("the printer \"%1\"").arg(name);
}

void PrinterPageDevice::setOrientation(PageOrientation orientation)
{
    printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
}

PageStatus PrinterPageDevice::open(PageOrientation orientation)
{
    setOrientation(orientation);
    printer_.setColorMode(QPrinter::Color);
    if (printer_.resolution() < kDotsPerInch) printer_.setResolution(kDotsPerInch);
    if (!painter_.begin(&printer_) || printer_.printerState() == QPrinter::Error) {
        if (painter_.isActive()) painter_.end();
        return {PageFailure::Open, 1, QStringLiteral("Could not open %1.").arg(target())};
    }
    dotsPerMm_ = printer_.resolution() / 25.4;
    return {};
}

PageStatus PrinterPageDevice::nextPage(PageOrientation orientation, int page)
{
    setOrientation(orientation);
    if (!printer_.newPage() || printer_.printerState() == QPrinter::Error)
        return {PageFailure::StartPage, page,
                QStringLiteral("Could not start page %1 on %2.").arg(page).arg(target())};
    return {};
}

PageStatus PrinterPageDevice::close()
{
    if (!painter_.isActive()) return {};
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error ||
        printer_.printerState() == QPrinter::Aborted)
        return {PageFailure::End, 0,
                QStringLiteral("Could not finish printing on %1.").arg(target())};
    // Qt hands the finished document to the print system last and keeps no
    // word of a refusal (a queue not accepting jobs, a printer gone); the
    // print system's answer to that request is still at hand.
    if (printer_.outputFormat() == QPrinter::NativeFormat &&
        cupsLastError() >= IPP_STATUS_ERROR_BAD_REQUEST)
        return {PageFailure::End, 0,
                QStringLiteral("Could not print on %1: %2")
                    .arg(target(), QString::fromUtf8(cupsLastErrorString()))};
    return {};
}

QSizeF PrinterPageDevice::pageSize(PageOrientation orientation) const
{
    QPageLayout layout = printer_.pageLayout();
    layout.setOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    return layout.paintRect(QPageLayout::Millimeter).size();
}

QPointF PrinterPageDevice::dots(QPointF mm) const
{
    return mm * dotsPerMm_;
}

QRectF PrinterPageDevice::dots(const QRectF& mm) const
{
    return QRectF(dots(mm.topLeft()), mm.size() * dotsPerMm_);
}

void PrinterPageDevice::drawText(const PageText& text)
{
    painter_.setFont(printerFont(text.font));
    painter_.setPen(text.color);
    painter_.drawText(dots(text.pos + QPointF(0, text.ascent)), text.text);
}

void PrinterPageDevice::drawLine(const PageLine& line)
{
    painter_.setPen(QPen(line.color, kLineWidthMm * dotsPerMm_));
    painter_.drawLine(dots(line.from), dots(line.to));
}

void PrinterPageDevice::drawPicture(const QRectF& rect, const QImage& image)
{
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(dots(rect), image);
}

void PrinterPageDevice::paintVector(const QRectF& rect, const VectorPainter& paint)
{
    const QRectF target = dots(rect);
    painter_.save();
    painter_.setClipRect(target);
    paint(painter_, target);
    painter_.restore();
}

} // namespace vemora
