#include "pages/IrrGraphPage.h"

#include "app/AppContext.h"
#include "app/PrintFailure.h"
#include "engine/NumberFormat.h"
#include "graphs/IrrGraph.h"
#include "pages/PageFrames.h"
#include "platform/DrawingSurface.h"
#include "platform/ReportPrinter.h"

namespace vemora {

namespace {

const QRectF kGraphBox(50, 55, 190, 100); // mm
constexpr double kTwipsPerMm = 1440 / 25.4;

// The calculated IRR as "#0.000 %", or "n/a" when the scan found none.
QString IrrText(const ResultsStore& results)
{
    if (!results.IrrFound) return QStringLiteral("n/a");
    return QString::fromStdString(FormatThreeDecimals(FiniteOrFail(results.Irr))) +
           QStringLiteral(" %");
}

} // namespace

void PrintIrrGraphPage(AppContext& ctx, PageRun& run, ReportPrinter& p, int begin, int end)
{
    // Drawn at the size of its box, so its texts print at their own size.
    DrawingSurface surface(kGraphBox.width() * kTwipsPerMm, kGraphBox.height() * kTwipsPerMm);
    PlotFrame frame;
    if (DrawIRRGraph(surface, frame, ctx.results, begin, end) != IrrGraphStatus::Drawn)
        throw PrintFailure("the IRR graph cannot be drawn for this range");
    const QString irr = IrrText(ctx.results);

    PrintGraphPageHeader(ctx, run, p);
    PrintGraphPageTitle(p, QStringLiteral("IRR GRAPH:"));
    p.Print({{8, "Begin IRR:"}});
    p.Print({{8, QString::fromStdString(IrrRateText(begin)) + QStringLiteral(" %")}});
    p.Print({{8, "End IRR:"}});
    p.Print({{8, QString::fromStdString(IrrRateText(end)) + QStringLiteral(" %")}});
    p.Print({{8, "Calculated IRR:"}});
    p.Print({{8, irr}});

    const Drawing graph = surface.drawing();
    p.PaintDrawing(kGraphBox, [graph](QPainter& painter, const QRectF& target) {
        graph.replay(painter, target, ReplayStyle::Print);
    });
    p.setCurrentY(165);
    PrintGraphPageFooter(p);
}

} // namespace vemora
