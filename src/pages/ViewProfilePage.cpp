#include "pages/ViewProfilePage.h"

#include <algorithm>
#include <vector>

#include "app/AppContext.h"
#include "app/PrintFailure.h"
#include "engine/NumberFormat.h"
#include "graphs/GraphPictures.h"
#include "graphs/GraphPieces.h"
#include "graphs/LegendKeys.h"
#include "graphs/ProfileGraph.h"
#include "pages/PageFrames.h"
#include "platform/Drawing.h"
#include "platform/ReportPrinter.h"
#include "project/ProjectYears.h"
#include "project/UnitSystem.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

constexpr double kInchesPerMetre = 39.3700787;

QString DistanceText(const ProjectStore& store, const QString& listText)
{
    const char* word = LengthUnits.Text(store.ChainageUnit);
    return listText.trimmed() + QStringLiteral(" ") + (word ? QString::fromUtf8(word) : QString());
}

// The year's roughness: millimetres for a metric project, inches (" ''")
// for a US one; "#0.000".
QString RoughnessText(const AppContext& ctx, int year)
{
    const double metres = FiniteOrFail(ctx.results.YearRoughness[year]);
    const bool metric = IsMetric(ctx.store);
    const double value = metres * (metric ? 1000.0 : kInchesPerMetre);
    return QString::fromStdString(FormatThreeDecimals(value)) +
           (metric ? QStringLiteral(" mm") : QStringLiteral(" ''"));
}

// The flow of the year in the unit the project's flow is entered in, as the
// results window's caption forms it: "12.500 Mega liters/day".
QString FlowText(const AppContext& ctx, int year)
{
    const QString caption =
        QString::fromStdString(MakeProfileCaptions(ctx.store, ctx.results, year).FlowRate);
    const qsizetype colon = caption.indexOf(QStringLiteral(": "));
    if (colon < 0) throw PrintFailure("the flow of the profile page cannot be formed");
    return caption.mid(colon + 2);
}

// A legend key and its name, on one or two lines.
struct LegendEntry
{
    QImage key;
    std::vector<const char*> lines;
};

// The names follow one another at column 8, half a line apart, from one
// line below "LEGEND:"; each key stands at 31 mm, centred beside its name.
void PrintLegend(ReportPrinter& p, bool gradeline)
{
    PrintLegendCaption(p, 102);
    std::vector<LegendEntry> entries = {{ComponentSymbol(5), {"Air valve"}},
                                        {ComponentSymbol(4), {"Non-return", "valve"}},
                                        {ComponentSymbol(3), {"Isolating", "valve"}},
                                        {ComponentSymbol(1), {"Reservoir"}},
                                        {ComponentSymbol(2), {"Pumpstation"}},
                                        {LineKey(graphcolor::Ground), {"Pipeline", "profile"}}};
    if (gradeline) entries.push_back({LineKey(graphcolor::Gradeline), {"Hydraulic", "gradeline"}});

    for (const LegendEntry& e : entries) {
        const double middle =
            p.CurrentY() + static_cast<double>(e.lines.size()) * p.TextHeight() / 2;
        p.PaintPicture(e.key, QPointF(31, middle - ReportPrinter::OwnSize(e.key).height() / 2));
        for (const char* line : e.lines)
            p.Print({{8, QLatin1String(line)}});
        p.setCurrentY(p.CurrentY() + p.TextHeight() / 2);
    }
}

} // namespace

void PrintBesideProfileGraph(ReportPrinter& p, const QString& text)
{
    // A blank's width stays free before the graph.
    const double room =
        kProfileViewGraphBox.left() - p.TabPosition(8) - p.TextWidth(QStringLiteral(" "));
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && p.TextWidth(longer) > room) {
            p.Print({{8, line}});
            line = word;
        } else {
            line = longer;
        }
    }
    p.Print({{8, line}});
}

void PrintViewProfilePlot(AppContext& ctx, PageRun& run, ReportPrinter& p, const Drawing& graph,
                          const QString& beginText, const QString& endText, bool solved)
{
    const int year = std::clamp<int>(ctx.view.SelectedYear, 1, MaxYears);
    const bool gradeline = !ctx.view.HideGradeline;
    const bool figures = gradeline && solved; // the year's figures and its gradeline
    QString roughness, flow;
    if (figures) {
        roughness = RoughnessText(ctx, year);
        flow = FlowText(ctx, year);
    }

    PrintGraphPageHeader(ctx, run, p);
    PrintGraphPageTitle(p, QStringLiteral("PROFILE PLOT:"));
    p.Print({{8, "Begin distance:"}});
    PrintBesideProfileGraph(p, DistanceText(ctx.store, beginText));
    p.Print({{8, "End distance:"}});
    PrintBesideProfileGraph(p, DistanceText(ctx.store, endText));
    if (gradeline) {
        p.Print({{8, "Absolute roughness:"}});
        PrintBesideProfileGraph(p, roughness);
        p.Print({{8, QStringLiteral("Year: ") +
                         QString::number(OperatingCalendarYear(ctx.store, year))}});
        p.Print({{8, "Flow rate:"}});
        PrintBesideProfileGraph(p, flow);
    } else {
        p.Print();
        p.Print();
        p.Print();
    }

    p.PaintDrawing(kProfileViewGraphBox, [graph](QPainter& painter, const QRectF& target) {
        graph.replay(painter, target, ReplayStyle::Print);
    });
    PrintLegend(p, figures);
    p.setCurrentY(175);
    PrintGraphPageFooter(p);
}

} // namespace vemora
