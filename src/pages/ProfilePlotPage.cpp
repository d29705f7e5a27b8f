#include "pages/ProfilePlotPage.h"

#include <algorithm>

#include "app/AppContext.h"
#include "app/PrintFailure.h"
#include "engine/NumberFormat.h"
#include "graphs/GraphPictures.h"
#include "graphs/HydraulicProfileGraph.h"
#include "pages/PageFrames.h"
#include "platform/ReportPrinter.h"
#include "project/ProjectYears.h"
#include "project/SystemType.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

// The value of a caption such as "Flow rate: 12.500 Mega liters/day"; a
// caption that could not be formed stops the page.
QString CaptionValue(const std::string& caption)
{
    const QString text = QString::fromStdString(caption);
    const qsizetype colon = text.indexOf(QStringLiteral(": "));
    if (colon < 0) throw PrintFailure("a value of the profile page cannot be formed");
    return text.mid(colon + 2);
}

// A distance in its general number form, a blank and the chainage unit
// word; a unit code outside the list gives no word.
QString DistanceText(const ProjectStore& store, float distance)
{
    const char* word = LengthUnits.Text(store.ChainageUnit);
    return QString::fromStdString(FormatGeneral(static_cast<float>(FiniteOrFail(distance)))) +
           QStringLiteral(" ") + (word ? QString::fromUtf8(word) : QString());
}

struct LegendEntry
{
    int nodeType;
    QPointF at; // mm
    int column;
    const char* label;
};

void PrintLegend(ReportPrinter& p)
{
    static const LegendEntry rows[2][3] = {
        {{5, {15, 206}, 20, "- Air valve"},
         {4, {65, 206}, 60, "- Non-return"},
         {3, {115, 206}, 95, "- Isolating"}},
        {{1, {15, 213}, 20, "- Reservoir"}, {2, {65, 213}, 60, "- Pumpstation"}, {-1, {}, 0, ""}}};
    PrintLegendCaption(p, 200);
    for (int row = 0; row < 2; ++row) {
        for (const LegendEntry& e : rows[row])
            if (e.nodeType >= 0) p.PaintPicture(ComponentSymbol(e.nodeType), e.at);
        for (const LegendEntry& e : rows[row])
            if (e.nodeType >= 0) p.Print({{e.column, QLatin1String(e.label)}}, LineEnd::Keep);
        p.Print();
        if (row == 0) p.Print();
    }
}

} // namespace

void PrintProfilePlotPage(AppContext& ctx, PageRun& run, ReportPrinter& p,
                          const ProfilePlotSection& section)
{
    const ProjectStore& s = ctx.store;
    const ProfilePlotData plot = PrepareProfilePlotData(s);
    const int begin = section.begin;
    const int end = section.end;
    if (begin < 1 || begin > plot.NodeCount || end < 1 || end > plot.NodeCount)
        throw PrintFailure("no section of the profile is chosen");
    const int year = std::clamp<int>(ctx.view.SelectedYear, 1, MaxYears);

    // The graph is drawn again for the page, so it prints at full resolution.
    DrawingSurface surface(section.graphWidth, section.graphHeight);
    PlotFrame frame;
    const ProfileView view{begin, end, year, ctx.view.HideGradeline, ctx.view.HideComponents};
    const HydraulicProfileResult drawn = DrawHydraulicProfile(surface, frame, s, ctx.results, view);
    if (drawn.Status != ProfileStatus::Drawn)
        throw PrintFailure("the chosen section of the profile cannot be drawn");
    const QString flow = CaptionValue(drawn.Captions.FlowRate);
    const bool pumping = IsPumping(s);
    const QString head = pumping ? CaptionValue(drawn.Captions.PumpingHead) : QString();
    const QString yearText =
        QStringLiteral("Year ") + QString::number(OperatingCalendarYear(s, year));

    ReportPages pages(ctx, run, p);
    pages.PrintPageHeader();
    PrintPlotPageTitle(p, QStringLiteral("PROFILE PLOT:"));
    p.setFontSize(11);
    p.Print({{8, "Begin distance:"}, {28, DistanceText(s, plot.PlotDistance[begin])}});
    p.Print({{8, "End distance:"}, {28, DistanceText(s, plot.PlotDistance[end])}});
    p.Print({{8, "Flow rate:"}, {28, flow}});
    if (pumping)
        p.Print({{8, "Pumping head:"}, {28, head}, {80, yearText}});
    else
        p.Print({{8, yearText}});
    p.Print();

    const Drawing graph = surface.drawing();
    p.PaintDrawing(QRectF(16, 115, 170, 90), [graph](QPainter& painter, const QRectF& target) {
        graph.replay(painter, target, ReplayStyle::Print);
    });
    PrintLegend(p);
    pages.PrintPageFooter();
}

} // namespace vemora
