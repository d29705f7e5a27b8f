#include "pages/SystemGraphPage.h"

#include <QPainter>
#include <QStringList>

#include "app/AppContext.h"
#include "graphs/LegendKeys.h"
#include "graphs/SystemGraphs.h"
#include "pages/PageFrames.h"
#include "platform/DrawingSurface.h"
#include "platform/ReportPrinter.h"
#include "platform/Twips.h"

namespace vemora {
namespace {

// What the page shows of the graph: its drawing and the legend captions the
// window's labels would show.
struct SystemGraphPageContent
{
    bool demandCapacity = true;
    Drawing graph;
    // Demand: lblDemand, lblYield. Income: lblIncome, lblCapitalExpenditure,
    // lblOperational, lblMaintenance, lblEnergy.
    QStringList captions;
    bool pumping = false;
};

// The graph drawn afresh from the stores at the size of the window's picture.
SystemGraphPageContent DrawSystemGraph(const AppContext& ctx, SystemGraph which)
{
    DrawingSurface surface(kSystemGraphWidth, kSystemGraphHeight);
    SystemGraphPageContent page;
    page.demandCapacity = which == SystemGraph::DemandCapacity;
    auto text = [](const std::string& caption) { return QString::fromStdString(caption); };
    if (page.demandCapacity) {
        const DemandLegend legend = DrawDemandCapacityGraph(surface, ctx.store, ctx.results);
        page.captions = {text(legend.Demand), text(legend.Yield)};
    } else {
        const IncomeLegend legend = DrawIncomeExpenditureGraph(surface, ctx.store, ctx.results);
        page.captions = {text(legend.Income), text(legend.CapitalExpenditure),
                         text(legend.Operational), text(legend.Maintenance), text(legend.Energy)};
        page.pumping = legend.EnergyVisible;
    }
    page.graph = surface.drawing();
    return page;
}

// The legend swatches at their screen size (14 by 15 pixels), in the colour
// of their bars (&HBBGGRR).
QImage ScreenSwatch(uint32_t color, uint32_t upper = 0, int upperRows = 0)
{
    return Swatch(vbColor(color), 14, 15, upperRows > 0 ? vbColor(upper) : QColor(), upperRows)
        .toImage();
}

QString Caption(const QStringList& captions, int i)
{
    return i < captions.size() ? captions[i].trimmed() : QString();
}

void PrintDemandLegend(ReportPrinter& p, const QStringList& captions)
{
    p.Print({{8, QStringLiteral("LEGEND:")},
             {25, QStringLiteral("Demand (Supplied + shortage") + Caption(captions, 0)},
             {87, Caption(captions, 1)}});
    p.PaintPicture(ScreenSwatch(barcolor::Supplied, barcolor::Shortage, 5), QPointF(30, 155));
    p.PaintPicture(ScreenSwatch(barcolor::Yield), QPointF(125, 155));
}

void PrintIncomeLegend(ReportPrinter& p, const QStringList& captions, bool pumping)
{
    p.Print({{8, QStringLiteral("LEGEND:")},
             {25, Caption(captions, 0)},
             {71, Caption(captions, 1)},
             {117, Caption(captions, 2)}});
    p.setFontSize(4);
    p.Print();
    p.setFontSize(10);
    if (pumping)
        p.Print({{25, Caption(captions, 3)}, {71, Caption(captions, 4)}});
    else
        p.Print({{25, Caption(captions, 3)}});
    p.PaintPicture(ScreenSwatch(barcolor::Income), QPointF(30, 155));
    p.PaintPicture(ScreenSwatch(barcolor::Capital), QPointF(100, 155));
    p.PaintPicture(ScreenSwatch(barcolor::Operational), QPointF(170, 155));
    p.PaintPicture(ScreenSwatch(barcolor::Maintenance), QPointF(30, 160));
    if (pumping) p.PaintPicture(ScreenSwatch(barcolor::Energy), QPointF(100, 160));
}

} // namespace

void PrintSystemAnalysisGraph(AppContext& ctx, PageRun& run, ReportPrinter& p, SystemGraph which)
{
    const SystemGraphPageContent page = DrawSystemGraph(ctx, which);
    PrintGraphPageHeader(ctx, run, p);
    // The graph's white ground reaches up into the title's line, so the
    // graph goes on the page first and the title over it.
    const Drawing graph = page.graph;
    p.PaintDrawing(QRectF(10, 57, 220, 98), [graph](QPainter& painter, const QRectF& target) {
        graph.replay(painter, target, ReplayStyle::Print);
    });
    p.setFontSize(13);
    p.setFontUnderline(true);
    p.Print({{7, page.demandCapacity ? QStringLiteral("System Analysis: Demand & Capacity")
                                     : QStringLiteral("System Analysis: Income & Expenditure")}});
    p.setFontSize(10);
    p.setCurrentY(155);
    p.setFontUnderline(false);
    if (page.demandCapacity)
        PrintDemandLegend(p, page.captions);
    else
        PrintIncomeLegend(p, page.captions, page.pumping);
    p.setCurrentY(165);
    PrintGraphPageFooter(p);
}

} // namespace vemora
