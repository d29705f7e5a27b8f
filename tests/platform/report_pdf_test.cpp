// The printer back end writing PDF files, read back with the PDF module:
// pages and their orientation, the fonts the reports name, positions on the
// page, vector paintings and failures to open.
#include <QFile>
#include <QFontInfo>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/PrinterPageDevice.h"
#include "platform/ReportPrinter.h"
#include "support/PdfPages.h"

using namespace vemora;
using vemora::test::readPdfPages;

namespace {

struct PdfOutput : ::testing::Test
{
    QTemporaryDir dir;
    QString path = dir.filePath("report.pdf");
    QPrinter qprinter; // screen resolution, as a caller gets it by default
    std::optional<PrinterPageDevice> device;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        PrinterPageDevice::setUpPdf(qprinter, path);
        device.emplace(qprinter);
    }

    QByteArray fileBytes()
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(PdfOutput, PortraitPageThenLandscapePage)
{
    {
        ReportPrinter printer(*device);
        printer.setFontName("Times New Roman");
        printer.setFontSize(12);
        printer.Print({{7, "GENERAL PROJECT DATA"}});
        printer.setCurrentY(245);
        printer.Print({{10, "Portrait footer"}});
        printer.EndPage();
        printer.setOrientation(PageOrientation::Landscape);
        printer.setFontName("Courier New");
        printer.Print({{7, "IRR GRAPH:"}});
        printer.setCurrentY(165);
        printer.Print({{10, "Landscape footer"}});
        printer.EndPage();
        EXPECT_TRUE(printer.EndDoc()) << printer.status().detail.toStdString();
        EXPECT_EQ(printer.pageCount(), 2);
    }
    const auto pages = readPdfPages(path);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_FALSE(pages[0].landscape);
    EXPECT_TRUE(pages[1].landscape);
    EXPECT_NEAR(pages[0].size.width(), 595, 1); // A4 in points
    EXPECT_NEAR(pages[0].size.height(), 842, 1);
    EXPECT_TRUE(pages[0].text.contains("GENERAL PROJECT DATA"));
    EXPECT_TRUE(pages[0].text.contains("Portrait footer"));
    EXPECT_FALSE(pages[0].text.contains("IRR GRAPH:"));
    EXPECT_TRUE(pages[1].text.contains("IRR GRAPH:"));
    EXPECT_TRUE(pages[1].text.contains("Landscape footer"));
    EXPECT_FALSE(pages[1].text.contains("GENERAL"));
    // The faces embedded are the metric-compatible ones.
    const QByteArray bytes = fileBytes();
    EXPECT_TRUE(bytes.contains("LiberationSerif"));
    EXPECT_TRUE(bytes.contains("LiberationMono"));
}

TEST(PageFonts, ReportFaceNamesMapToInstalledMetricCompatibleFaces)
{
    EXPECT_EQ(printerFontFamily("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(printerFontFamily("times new roman"), "Liberation Serif");
    EXPECT_EQ(printerFontFamily("Courier New"), "Liberation Mono");
    EXPECT_EQ(printerFontFamily("Arial"), "Arial");
    // Installed, so the face drawn is the face asked for.
    EXPECT_EQ(QFontInfo(printerFont(PageFont{"Times New Roman", 12, true, false})).family(),
              "Liberation Serif");
    EXPECT_EQ(QFontInfo(printerFont(PageFont{"Courier New", 10, false, false})).family(),
              "Liberation Mono");
    const QFont font = printerFont(PageFont{"Times New Roman", 21, true, true});
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 21);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.underline());
}

TEST_F(PdfOutput, RuleLandsAtItsMillimetrePosition)
{
    {
        ReportPrinter printer(*device);
        printer.setCurrentY(99);
        printer.Rule(); // from (8, 100) to (193, 100) of the printable area
        EXPECT_TRUE(printer.EndDoc());
    }
    QPdfDocument doc;
    ASSERT_EQ(doc.load(path), QPdfDocument::Error::None);
    // Ten pixels a millimetre; the printable area starts 4.2 mm in.
    const QImage image = doc.render(0, QSize(2100, 2970));
    auto dark = [&](double xMm, double yMm) {
        const QRgb px = image.pixel(qRound(xMm * 10), qRound(yMm * 10));
        return qAlpha(px) > 128 && qGray(px) < 128; // the page is transparent
    };
    EXPECT_TRUE(dark(4.2 + 20, 104.2));
    EXPECT_TRUE(dark(4.2 + 190, 104.2));
    EXPECT_FALSE(dark(4.2 + 20, 104.2 + 0.5));
    EXPECT_FALSE(dark(4.2 + 20, 104.2 - 0.5));
    EXPECT_FALSE(dark(4.2 + 6, 104.2)); // starts 8 mm in
    EXPECT_FALSE(dark(4.2 + 195, 104.2));
}

TEST_F(PdfOutput, VectorPaintingStaysVector)
{
    {
        ReportPrinter printer(*device);
        printer.setOrientation(PageOrientation::Landscape);
        printer.PaintDrawing(QRectF(50, 55, 190, 100), [](QPainter& p, const QRectF& r) {
            // Device units: the painter draws at the printer's resolution.
            p.setPen(QPen(Qt::black, 0));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.drawLine(r.topLeft(), r.bottomRight());
            QFont f("Liberation Sans");
            f.setPointSizeF(10);
            p.setFont(f);
            p.drawText(r.center(), "Discount rate (%)");
        });
        EXPECT_TRUE(printer.EndDoc());
    }
    const auto pages = readPdfPages(path);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].landscape);
    EXPECT_TRUE(pages[0].text.contains("Discount rate (%)"));
    EXPECT_FALSE(fileBytes().contains("/Subtype /Image")); // no picture in the file

    // The same check sees a pasted picture.
    {
        PrinterPageDevice pictureDevice(qprinter);
        ReportPrinter printer(pictureDevice);
        QImage swatch(14, 15, QImage::Format_RGB32);
        swatch.fill(Qt::red);
        printer.PaintPicture(swatch, QRectF(10, 57, 220, 98));
        EXPECT_TRUE(printer.EndDoc());
    }
    EXPECT_TRUE(fileBytes().contains("/Subtype /Image"));
}

TEST(PdfFailures, FileThatCannotBeWrittenFailsAtBegin)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no-such-folder/report.pdf");
    QPrinter qprinter(QPrinter::HighResolution);
    PrinterPageDevice::setUpPdf(qprinter, path);
    PrinterPageDevice device(qprinter);
    ReportPrinter printer(device);
    EXPECT_FALSE(printer.Begin());
    EXPECT_EQ(printer.status().failure, PageFailure::Open);
    EXPECT_TRUE(printer.status().detail.contains(path));
    printer.Print({{1, "nothing"}});
    EXPECT_FALSE(printer.EndDoc());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(PdfCopies, PrintRunTakesTheCopiesAndPrintsOneEach)
{
    QPrinter qprinter;
    qprinter.setCopyCount(3);
    EXPECT_EQ(PrinterPageDevice::takeCopies(qprinter), 3);
    EXPECT_EQ(qprinter.copyCount(), 1);
}
