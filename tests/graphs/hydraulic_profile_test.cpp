// The results window's hydraulic profile: its titles and captions, and the
// same drawing printed onto a PDF page as vector lines and real text.
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "graphs/HydraulicProfileGraph.h"
#include "platform/PrinterPageDevice.h"
#include "platform/ReportPrinter.h"
#include "support/GraphProjects.h"
#include "support/PdfPages.h"

using namespace vemora;
using namespace vemora::test;

TEST(HydraulicProfile, TitlesByTheProjectUnitsAndTheYearsCaptions)
{
    GraphProject p = CrestProject();
    DrawingSurface s(10200, 4800);
    PlotFrame f;
    HydraulicProfileResult r = DrawHydraulicProfile(s, f, p.s(), p.r(), {1, 6, 1, false, false});
    ASSERT_EQ(r.Status, ProfileStatus::Drawn);
    EXPECT_TRUE(s.drawing().findText("Accumulated length( m )"));
    EXPECT_EQ(r.Captions.FlowRate, "Flow rate: 12.500 Mega liters/day");
    EXPECT_EQ(r.Captions.PumpingHead, "");

    p.s().ChainageUnit = 1;
    r = DrawHydraulicProfile(s, f, p.s(), p.r(), {1, 6, 1, false, false});
    EXPECT_TRUE(s.drawing().findText("Accumulated length( km )"));

    // Hidden gradeline: the captions are written all the same.
    r = DrawHydraulicProfile(s, f, p.s(), p.r(), {1, 6, 1, true, true});
    EXPECT_EQ(r.Captions.FlowRate, "Flow rate: 12.500 Mega liters/day");

    r = DrawHydraulicProfile(s, f, p.s(), p.r(), {4, 2, 1, false, false});
    EXPECT_EQ(r.Status, ProfileStatus::BeginNotBeforeEnd);
    EXPECT_EQ(r.Captions.FlowRate, "");
    EXPECT_TRUE(s.drawing().findText("Accumulated length( km )")); // the picture stays
}

TEST(HydraulicProfile, PrintedPageHoldsVectorLinesAndText)
{
    GraphProject p = CrestProject();
    DrawingSurface s(10200, 4800);
    PlotFrame f;
    DrawHydraulicProfile(s, f, p.s(), p.r(), {1, 6, 1, false, true});

    QTemporaryDir dir;
    const QString path = dir.filePath("profile.pdf");
    QPrinter printer(QPrinter::HighResolution);
    PrinterPageDevice::setUpPdf(printer, path);
    PrinterPageDevice device(printer);
    ReportPrinter page(device);
    ASSERT_TRUE(page.Begin());
    page.PaintDrawing(QRectF(10, 40, 190, 90), [&](QPainter& g, const QRectF& target) {
        s.drawing().replay(g, target, ReplayStyle::Print);
    });
    ASSERT_TRUE(page.EndDoc());

    const auto pages = readPdfPages(path);
    ASSERT_EQ(pages.size(), 1u);
    for (const char* text : {"1550", "1200", "250", "Accumulated length( m )"})
        EXPECT_TRUE(pages[0].text.contains(text)) << text;

    // The one image is the vertical title; the grid, ground and gradeline are lines.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/Subtype /Image"), 1);
}
