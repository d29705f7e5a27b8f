#include "pages/PumpPages.h"

#include "graphs/PumpGraphs.h"
#include "pages/PageFrames.h"
#include "platform/Drawing.h"
#include "platform/FlexGrid.h"
#include "platform/ReportPrinter.h"

namespace vemora {

namespace {

constexpr int kGridRowsPerPage = 27;

void PaintGraph(ReportPrinter& p, const Drawing& graph)
{
    p.PaintDrawing(QRectF(16, 100, 170, 90), [graph](QPainter& painter, const QRectF& target) {
        graph.replay(painter, target, ReplayStyle::Print);
    });
}

void PrintLegend(ReportPrinter& p, const char* second)
{
    PrintLegendCaption(p, 200);
    p.PaintPicture(PumpCurveKey(), QPointF(15, 208));
    p.PaintPicture(SecondCurveKey(), QPointF(65, 208));
    p.Print({{23, "- Pump curve"}, {60, QLatin1String(second)}});
}

void PrintGridRow(ReportPrinter& p, const FlexGrid& grid, int row)
{
    static const int tabs[] = {7, 15, 30, 45};
    for (int c = 0; c < 4; ++c) {
        p.Tab(tabs[c]);
        p.PrintText(c < grid.Cols() ? grid.TextMatrix(row, c) : QString());
    }
    p.EndLine();
}

void StartTablePage(ReportPages& pages, ReportPrinter& p, const FlexGrid& duty)
{
    p.setFontBold(false);
    pages.PrintPageHeader();
    PrintPlotPageTitle(p, QStringLiteral("RESULTS: DUTY POINTS"));
    p.setFontName(QStringLiteral("Courier New"));
    p.setFontSize(10);
    p.Rule();
    for (int r = 0; r < 2 && r < duty.Rows(); ++r)
        PrintGridRow(p, duty, r);
    p.Print();
    p.Rule();
    p.Print();
    p.setFontBold(false);
}

} // namespace

void PrintPumpCurve(AppContext& ctx, PageRun& run, ReportPrinter& p, const Drawing& graph)
{
    ReportPages pages(ctx, run, p);
    pages.PrintPageHeader();
    PrintPlotPageTitle(p, QStringLiteral("PUMP CURVE:"));
    p.setFontSize(11);
    p.Print();
    PaintGraph(p, graph);
    PrintLegend(p, "- Efficiency curve");
    pages.PrintPageFooter(kReportBodyEnd);
}

void PrintPumpSystemCurve(AppContext& ctx, PageRun& run, ReportPrinter& p, const Drawing& graph,
                          const QString& dutyYear, const FlexGrid& duty)
{
    ReportPages pages(ctx, run, p);
    pages.PrintPageHeader();
    PrintPlotPageTitle(p, QStringLiteral("RESULTS: PUMP & SYSTEM CURVE"));
    p.setFontSize(11);
    p.Print({{8, dutyYear.trimmed()}});
    PaintGraph(p, graph);
    PrintLegend(p, "- System curve");
    pages.PrintPageFooter(kReportBodyEnd);

    StartTablePage(pages, p, duty);
    for (int r = 2; r < duty.Rows(); ++r) {
        PrintGridRow(p, duty, r);
        if (r % kGridRowsPerPage == 0) {
            pages.PrintPageFooter(kReportBodyEnd);
            StartTablePage(pages, p, duty);
        }
    }
    pages.PrintPageFooter();
}

} // namespace vemora
