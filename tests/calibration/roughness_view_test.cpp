// The calibration's profile view: its scenario boxes from the last
// Calculate, the scenario gradelines on the drawing, the read-out, the copy
// to the clipboard and the printed page.
#include "CalibrationFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>

#include "app/PageRun.h"
#include "app/PrintCopies.h"
#include "engine/ConvertInputToSI.h"
#include "engine/NumberFormat.h"
#include "graphs/DrawRoughnessProfile.h"
#include "pages/PrintRoughnessProfilePlot.h"
#include "pages/ViewProfilePage.h"
#include "platform/PictureBox.h"
#include "platform/PrinterPageDevice.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "platform/ScrollBar.h"
#include "project/UnitTables.h"
#include "support/PdfPages.h"
#include "support/TextsApart.h"

namespace vemora::test {
namespace {

constexpr uint32_t Red = ScenarioColours[0];

class RoughnessViewTest : public CalibrationTest
{
  protected:
    // Scenario s measured from node 1 to node 3 (heads 120 and 115 m, in
    // metres of water) at the given flow in m³/s.
    void Calibrate(int s, double flow)
    {
        CalibrationScenario& sc = ctx.calibration.scenarios[static_cast<size_t>(s - 1)];
        sc.flow = flow;
        sc.flowUnit = 2;
        sc.pressureUnit = 15;
        sc.points[0] = {0.0, 100.0, 20.0};
        sc.points[1] = {1000.0, 90.0, 25.0};
        ConvertInputToSI(ctx.store, ctx.results);
        ctx.calibration.results = CalibrateRoughness(
            ctx.calibration.scenarios, CalibrationProfileOf(ctx.store, ctx.results, 4));
    }
    static int CountInColour(const Drawing& d, uint32_t colour, PrimitiveKind kind)
    {
        int n = 0;
        for (const Primitive* p : d.of(kind))
            n += p->color == colour;
        return n;
    }
};

TEST_F(RoughnessViewTest, ScenarioBoxesFollowTheLastCalculate)
{
    Calibrate(3, 0.3);
    frmViewRoughness* v = OpenView();
    EXPECT_EQ(v->windowTitle(), "  VIEW PROFILE WITH ROUGHNESS VALUES");
    EXPECT_EQ(v->chkScenario[2]->text(), "Scenario 3 (Q = 0.300 m³/s)");
    EXPECT_TRUE(v->chkScenario[2]->isChecked());
    EXPECT_TRUE(v->chkScenario[2]->isEnabled());
    EXPECT_EQ(v->chkScenario[4]->text(), "Scenario 5 (Q =  m³/s)");
    EXPECT_FALSE(v->chkScenario[4]->isChecked());
    EXPECT_FALSE(v->chkScenario[4]->isEnabled());
    // The year bar runs over the design life.
    EXPECT_EQ(v->hscYears->Min(), 1);
    EXPECT_EQ(v->hscYears->Max(), 10);
    v->hscYears->setValue(5);
    EXPECT_EQ(v->lblYear->text(), "2025");
}

TEST_F(RoughnessViewTest, TickedScenariosDrawTheirGradelinesWithMeasuringPoints)
{
    Calibrate(1, 0.3);
    frmViewRoughness* v = OpenView();
    const Drawing& d = v->picGraph->drawing();
    EXPECT_EQ(CountInColour(d, Red, PrimitiveKind::Line), 2); // node 1 to 2 to 3
    EXPECT_EQ(CountInColour(d, Red, PrimitiveKind::Circle), 2);

    v->chkScenario[0]->setChecked(false);
    EXPECT_EQ(CountInColour(v->picGraph->drawing(), Red, PrimitiveKind::Line), 2); // no redraw yet
    v->sscView->click();
    EXPECT_EQ(CountInColour(v->picGraph->drawing(), Red, PrimitiveKind::Line), 0);
    EXPECT_EQ(CountInColour(v->picGraph->drawing(), Red, PrimitiveKind::Circle), 0);

    // A view that begins inside the section: no circle at its start.
    v->chkScenario[0]->setChecked(true);
    v->comBegin->setCurrentIndex(1);
    v->sscView->click();
    EXPECT_EQ(CountInColour(v->picGraph->drawing(), Red, PrimitiveKind::Line), 1);
    EXPECT_EQ(CountInColour(v->picGraph->drawing(), Red, PrimitiveKind::Circle), 1);
}

TEST_F(RoughnessViewTest, GradelinesAreDrawnInTheElevationUnitAndWidenTheRange)
{
    // The calibrated heads lie far below the ground: they lower the axis.
    Calibrate(1, 0.3);
    CalibrationScenario& sc = ctx.calibration.scenarios[0];
    sc.points[0].pressure = -60.0; // head 40 m
    sc.points[1].pressure = -55.0; // head 35 m
    ctx.calibration.results = CalibrateRoughness(ctx.calibration.scenarios,
                                                 CalibrationProfileOf(ctx.store, ctx.results, 4));
    frmViewRoughness* v = OpenView();
    EXPECT_LE(v->plotFrame().originY, 35.0);

    // Levels in feet: 40 m is drawn at 40 / 0.3048 ft.
    ctx.store.ElevationUnit = 2;
    v->sscView->click();
    const PlotFrame& f = v->plotFrame();
    const auto circles = v->picGraph->drawing().of(PrimitiveKind::Circle);
    ASSERT_FALSE(circles.empty());
    EXPECT_NEAR(circles[0]->y1, f.y(40 / 0.3048), 1.0);
    EXPECT_LE(f.originY, 35 / 0.3048);
}

TEST_F(RoughnessViewTest, ReadOutAtAndBeyondTheFrame)
{
    frmViewRoughness* v = OpenView();
    const PlotFrame& f = v->plotFrame();
    ASSERT_EQ(f.left, 800);
    const double y = f.bottom - 220;
    v->picGraph_MouseMove(0, 0, 1020, y);
    EXPECT_EQ(v->lblX->text(), QString::fromStdString(FormatThreeDecimals(f.originX)) + " m");
    v->picGraph_MouseMove(0, 0, 1019, y);
    EXPECT_EQ(v->lblX->text(), "Out of range");
    EXPECT_EQ(v->lblY->text(), "Out of range");
    // Before any drawing (no scales yet) the read-out is out of range too.
    EXPECT_EQ(ReadProfile(PlotFrame{}, ctx.store, 1020, 0).Distance, "Out of range");
}

TEST_F(RoughnessViewTest, ARightClickCopiesTheGraphAndALeftClickDoesNothing)
{
    frmViewRoughness* v = OpenView();
    v->picGraph_MouseDown(1, 0, 2000, 2000);
    EXPECT_TRUE(scripted.clipboardImage().isNull());
    EXPECT_TRUE(scripted.messages.empty());
    v->picGraph_MouseDown(2, 0, 2000, 2000);
    EXPECT_FALSE(scripted.clipboardImage().isNull());
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text, "The pipeline profile was copied to the clipboard");
    EXPECT_EQ(scripted.messages[0].icon, MsgIcon::Information);
}

TEST_F(RoughnessViewTest, TwoCopiesPrintAsTwoLandscapePagesEachNumberedOne)
{
    Calibrate(1, 0.3);
    frmViewRoughness* v = OpenView();
    RecordingPageDevice device;
    EXPECT_EQ(PrintCopiesOn(ctx, device, 2, v->PrintViewJob()), PrintOutcome::Printed);
    ASSERT_EQ(device.pages().size(), 2u);
    for (const RecordedPage& page : device.pages()) {
        EXPECT_EQ(page.orientation, PageOrientation::Landscape);
        EXPECT_TRUE(page.findText("PROFILE PLOT:"));
        EXPECT_TRUE(page.findText("1250.000 m"));
        EXPECT_TRUE(page.findText("Year: 2021"));
        EXPECT_TRUE(page.findText("Hydraulic"));
        ASSERT_EQ(page.paintings.size(), 1u);
        EXPECT_EQ(page.paintings[0].rect, QRectF(50, 55, 215, 98));
        EXPECT_TRUE(page.findText("Page 1"));
        EXPECT_FALSE(page.findText("Page 2"));
    }

    // A printer failure says what could not be printed.
    RecordingPageDevice broken;
    broken.failAtOpen();
    EXPECT_EQ(PrintCopiesOn(ctx, broken, 1, v->PrintViewJob()), PrintOutcome::Failed);
    ASSERT_FALSE(scripted.messages.empty());
    EXPECT_TRUE(
        scripted.messages.back().text.startsWith("Could not print the calibration profile"));
}

// The printed calibration profile keeps its texts half a millimetre apart
// and off its axes on the paper, at the margins that shrink the page too.
TEST_F(RoughnessViewTest, ThePrintedGraphKeepsItsTextsApart)
{
    Calibrate(1, 0.3);
    frmViewRoughness* v = OpenView();
    for (double margins : {0.0, 15.0, 40.0}) {
        const MarginsLayout layout = LayOutForMargins(margins);
        RecordingPageDevice device(layout.portrait);
        ASSERT_EQ(PrintCopiesOn(ctx, device, 1, v->PrintViewJob()), PrintOutcome::Printed);
        EXPECT_EQ(ExpectPageGraphsApart(device.pages().at(0), layout.scale,
                                        std::to_string(int(margins)) + " mm"),
                  1);
    }
}

TEST_F(RoughnessViewTest, TheFlowBesideTheGraphShowsWholeInAnyUnit)
{
    Calibrate(1, 0.3);
    for (int unit : {6, 7, 11}) { // gal/min (USA), Million gal/hour (USA) and (EUR)
        ctx.store.FixedDemandUnit = static_cast<int16_t>(unit);
        frmViewRoughness* v = OpenView();
        RecordingPageDevice device;
        ASSERT_EQ(PrintCopiesOn(ctx, device, 1, v->PrintViewJob()), PrintOutcome::Printed);
        const RecordedPage& page = device.pages().at(0);
        const QRectF graph = page.paintings.at(0).rect;
        const PageText* caption = page.findText("Flow rate:");
        const PageText* legend = page.findText("LEGEND:");
        ASSERT_TRUE(caption && legend);

        // The lines under "Flow rate:" down to the legend read the flow whole,
        // and none of them reaches the graph.
        QStringList flow;
        for (const PageText& t : page.texts) {
            if (t.pos.y() <= caption->pos.y() || t.pos.y() >= legend->pos.y()) continue;
            flow << t.text;
            EXPECT_LT(t.pos.x() + t.width, graph.left()) << t.text.toStdString();
        }
        const QString unitName = QString::fromUtf8(FlowUnits.Text(unit));
        EXPECT_TRUE(flow.join(' ').endsWith(" " + unitName)) << flow.join('|').toStdString();
        v->close();
    }
}

// The calibration page is the profile view page line for line: for a
// pump-curve project both print the flow in the pump curve's unit, as the
// views show it, not in the demand's unit.
TEST_F(RoughnessViewTest, ThePageIsTheProfileViewPageLineForLine)
{
    ProjectStore& s = ctx.store;
    s.SystemType = 1;
    SetPumpCurve(s, TypicalPumpCurve); // meets a lift of 40 m
    std::swap(s.StartReservoirLevel, s.EndReservoirLevel);
    s.CurveFlowUnit = 0;   // m³/h
    s.FixedDemandUnit = 3; // l/s
    Calibrate(1, 0.3);
    frmViewRoughness* v = OpenView();
    for (int y = 1; y <= MaxYears; ++y) {
        ctx.results.YearFlow[y] = 384.7f / 3600;
        ctx.results.YearRoughness[y] = 0.0001f;
    }
    for (bool gradeline : {true, false}) {
        if (!gradeline) v->chkHydraulic->click();
        RecordingPageDevice calibration;
        ASSERT_EQ(PrintCopiesOn(ctx, calibration, 1, v->PrintViewJob()), PrintOutcome::Printed);
        RecordingPageDevice view;
        {
            ReportPrinter printer(view);
            PageRun run{HeaderTextsOf(ctx.store)};
            PrintViewProfilePlot(ctx, run, printer, v->picGraph->drawing(),
                                 v->comBegin->currentText(), v->comEnd->currentText(), true);
        }
        ASSERT_EQ(calibration.pages().size(), 1u);
        ASSERT_EQ(view.pages().size(), 1u);
        const RecordedPage& page = calibration.pages()[0];
        EXPECT_EQ(page.textLines().join('\n').toStdString(),
                  view.pages()[0].textLines().join('\n').toStdString());
        EXPECT_EQ(page.pictures.size(), view.pages()[0].pictures.size());
        EXPECT_EQ(page.findText("384.700 m³/h") != nullptr, gradeline);
        EXPECT_FALSE(page.findTextStartingWith("106.861"));
    }
}

TEST_F(RoughnessViewTest, ThePageReadsBackFromARealPdf)
{
    Calibrate(1, 0.3);
    frmViewRoughness* v = OpenView();
    v->chkHydraulic->click(); // gradeline hidden: no roughness lines, no gradeline legend
    QTemporaryDir dir;
    const QString path = dir.filePath("calibration.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PrinterPageDevice device(printer);
        ASSERT_EQ(PrintCopiesOn(ctx, device, 1, v->PrintViewJob()), PrintOutcome::Printed);
    }
    const auto pages = readPdfPages(path);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].landscape);
    EXPECT_TRUE(pages[0].text.contains("PROFILE PLOT:"));
    EXPECT_TRUE(pages[0].text.contains("Pipeline"));
    EXPECT_FALSE(pages[0].text.contains("Absolute roughness:"));
    EXPECT_FALSE(pages[0].text.contains("gradeline"));
}

} // namespace
} // namespace vemora::test
