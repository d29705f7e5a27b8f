#include "platform/PrinterPageDevice.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/PageFonts.h"

namespace vemora {

// Rules and lines: thin, but wide enough to print on any printer.
constexpr double kLineWidthMm = 0.2;
// Dots an inch the pages are drawn at, whatever mode the printer was made in:
// at screen resolution fonts would be rounded to whole screen pixels.
constexpr int kDotsPerInch = 1200;
// The unprintable border of a common office printer, kept on PDF pages too.
constexpr double kPdfMarginMm = 4.2;

namespace {

// The area a page is laid out in: an A4 sheet less that border, in its
// orientation. Margins that leave less than this scale the page down.
QSizeF LayoutFrame(PageOrientation orientation)
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSizeF portrait = a4 - QSizeF(2 * kPdfMarginMm, 2 * kPdfMarginMm);
    return orientation == PageOrientation::Landscape ? portrait.transposed() : portrait;
}

} // namespace

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

namespace {

// The last bytes of every whole PDF file.
constexpr char PdfEnd[] = "%%EOF";

// Whether `path` ends as a whole PDF file does.
bool PdfIsWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64) return false;
    file.seek(file.size() - 64);
    return file.read(64).contains(PdfEnd);
}

// Why the end of a document could not be written to `path`: the error of a
// further write of a block (a full disk, a file-size limit, a quota), or a
// failed write of the disk when that write goes through.
int WriteError(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return errno;
    static const char block[64 * 1024] = {};
    const ssize_t written = ::write(fd, block, sizeof block);
    const int error = written < 0 ? errno : EIO;
    ::close(fd);
    return error;
}

} // namespace

bool PrinterPageDevice::onFile() const
{
    return !pdfTarget_.isEmpty() ||
           (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty());
}

QString PrinterPageDevice::target() const
{
    if (!pdfTarget_.isEmpty()) return QStringLiteral("the file \"%1\"").arg(pdfTarget_);
    if (onFile()) return QStringLiteral("the file \"%1\"").arg(printer_.outputFileName());
    const QString name = printer_.printerName();
    return name.isEmpty() ? QStringLiteral("the printer")
                          : QStringLiteral("the printer \"%1\"").arg(name);
}

void PrinterPageDevice::setOrientation(PageOrientation orientation)
{
    printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
}

QSizeF PrinterPageDevice::printableSize(PageOrientation orientation) const
{
    QPageLayout layout = printer_.pageLayout();
    layout.setOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    return layout.paintRect(QPageLayout::Millimeter).size();
}

double PrinterPageDevice::pageScale(PageOrientation orientation) const
{
    const QSizeF area = printableSize(orientation);
    const QSizeF frame = LayoutFrame(orientation);
    if (area.isEmpty()) return 1;
    return std::min({1.0, area.width() / frame.width(), area.height() / frame.height()});
}

// The page's drawing scaled down uniformly when the printable area is
// smaller than the layout frame (wide margins, a small sheet); never up.
void PrinterPageDevice::scalePage(PageOrientation orientation)
{
    const double scale = pageScale(orientation);
    painter_.setTransform(QTransform::fromScale(scale, scale));
}

// A PDF file is printed into a temporary file beside the file its name
// leads to, as a project is saved; Qt opens it by the path TempPath gives,
// so it stays unnamed until the rename where the system allows.
PageStatus PrinterPageDevice::beginPdf()
{
    if (printer_.outputFormat() != QPrinter::PdfFormat || printer_.outputFileName().isEmpty())
        return {};
    pdfTarget_ = printer_.outputFileName();
    pdf_ = std::make_unique<FileReplacement>();
    std::string why;
    if (!pdf_->Begin(QFile::encodeName(pdfTarget_).toStdString(), why) || !pdf_->MakeTemp(why)) {
        const QString detail = QStringLiteral("Could not open %1.").arg(target());
        dropPdf();
        return {PageFailure::Open, 1, detail, 0, QString::fromStdString(why), true};
    }
    printer_.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(pdf_->TempPath())));
    return {};
}

// The printer names the PDF file again; the temporary file is removed.
void PrinterPageDevice::dropPdf()
{
    if (pdfTarget_.isEmpty()) return;
    printer_.setOutputFileName(pdfTarget_);
    pdf_.reset();
    pdfTarget_.clear();
}

QString PrinterPageDevice::pdfTemp() const
{
    return pdf_ ? QFile::decodeName(QByteArray::fromStdString(pdf_->TempPath())) : QString();
}

// A whole temporary file takes the place of the file (and its permissions);
// anything else is dropped, with the system's reason.
PageStatus PrinterPageDevice::finishPdf()
{
    if (pdfTarget_.isEmpty()) return {};
    const QString detail = QStringLiteral("Could not finish printing on %1.").arg(target());
    int error = 0;
    std::string why;
    if (!PdfIsWhole(pdfTemp()))
        error = WriteError(pdfTemp());
    else
        pdf_->Commit(why);
    dropPdf();
    if (error != 0 || !why.empty())
        return {PageFailure::End, 0, detail, error, QString::fromStdString(why)};
    return {};
}

PageStatus PrinterPageDevice::open(PageOrientation orientation)
{
    setOrientation(orientation);
    printer_.setColorMode(QPrinter::Color);
    if (printer_.resolution() < kDotsPerInch) printer_.setResolution(kDotsPerInch);
    if (const PageStatus pdf = beginPdf(); !pdf.ok()) return pdf;
    if (!painter_.begin(&printer_) || printer_.printerState() == QPrinter::Error) {
        if (painter_.isActive()) painter_.end();
        const QString detail = QStringLiteral("Could not open %1.").arg(target());
        const bool file = onFile();
        dropPdf();
        return {PageFailure::Open, 1, detail, 0, {}, file};
    }
    dotsPerMm_ = printer_.resolution() / 25.4;
    scalePage(orientation);
    return {};
}

PageStatus PrinterPageDevice::nextPage(PageOrientation orientation, int page)
{
    setOrientation(orientation);
    if (!printer_.newPage() || printer_.printerState() == QPrinter::Error)
        // A PDF file fails here when its disk fills up: the system says why.
        return {PageFailure::StartPage, page,
                QStringLiteral("Could not start page %1 on %2.").arg(page).arg(target()),
                pdf_ ? WriteError(pdfTemp()) : 0};
    scalePage(orientation);
    return {};
}

PageStatus PrinterPageDevice::close()
{
    if (!painter_.isActive()) return {};
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error ||
        printer_.printerState() == QPrinter::Aborted) {
        const QString detail = QStringLiteral("Could not finish printing on %1.").arg(target());
        dropPdf();
        return {PageFailure::End, 0, detail};
    }
    if (const PageStatus pdf = finishPdf(); !pdf.ok()) return pdf;
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
    return printableSize(orientation) / pageScale(orientation);
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
