#include "graphs/PrintRoughnessProfilePlot.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/AppContext.h"
#include "app/PageFrames.h"
#include "engine/NumberFormat.h"
#include "graphs/GraphPictures.h"
#include "graphs/GraphPieces.h"
#include "graphs/GraphUnits.h"
#include "graphs/LegendKeys.h"
#include "graphs/ViewProfilePage.h"
#include "platform/ReportPrinter.h"
#include "platform/Twips.h"
#include "project/UnitSystem.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

constexpr double InchesPerMetre = 39.3700787;

QString Utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The distance list text with the chainage unit word ("" for an unknown unit).
QString DistanceText(const AppContext& ctx, const QString& listText)
{
    const char* unit = LengthUnits.Text(ctx.store.ChainageUnit);
    return listText.trimmed() + QLatin1Char(' ') + QString::fromUtf8(unit ? unit : "");
}

// The year's roughness: millimetres on a metric project, inches on a US one.
QString RoughnessText(const AppContext& ctx, int year)
{
    const double ks = ctx.results.YearRoughness[static_cast<size_t>(year)];
    if (IsMetric(ctx.store)) return Utf8(FormatThreeDecimals(ks * 1000)) + " mm";
    return Utf8(FormatThreeDecimals(ks * InchesPerMetre)) + " ''";
}

// The year's flow in the demand's unit.
QString FlowText(const AppContext& ctx, int year)
{
    const UnitChoice unit = DemandFlowUnit(ctx.store);
    if (!unit.usable()) return {};
    const double flow = ctx.results.YearFlow[static_cast<size_t>(year)] / *unit.Factor;
    return Utf8(FormatThreeDecimals(flow)) + QLatin1Char(' ') + Utf8(unit.Text).trimmed();
}

} // namespace

void PrintRoughnessProfilePlot(ReportPrinter& printer, AppContext& ctx,
                               const RoughnessProfilePage& page)
{
    const int year = std::clamp(page.Year, 1, MaxYears);
    PrintGraphPageHeader(ctx, printer);

    printer.setFontSize(12);
    printer.Print();
    printer.setFontUnderline(true);
    printer.Print({{7, QStringLiteral("PROFILE PLOT:")}});
    printer.setFontUnderline(false);
    printer.setFontSize(11);
    printer.Print({{8, QStringLiteral("Begin distance:")}});
    PrintBesideProfileGraph(printer, DistanceText(ctx, page.BeginDistance));
    printer.Print({{8, QStringLiteral("End distance:")}});
    PrintBesideProfileGraph(printer, DistanceText(ctx, page.EndDistance));
    if (page.GradelineShown) {
        printer.Print({{8, QStringLiteral("Absolute roughness:")}});
        PrintBesideProfileGraph(printer, RoughnessText(ctx, year));
        printer.Print({{8, QStringLiteral("Year: %1").arg(ctx.store.SupplyStartYear + year - 1)}});
        printer.Print({{8, QStringLiteral("Flow rate:")}});
        PrintBesideProfileGraph(printer, FlowText(ctx, year));
    } else {
        printer.Print();
        printer.Print();
        printer.Print();
    }

    const Drawing picture = page.Picture; // the copy the page keeps while it prints
    printer.PaintDrawing(kProfileViewGraphBox, [picture](QPainter& p, const QRectF& target) {
        picture.replay(p, target, ReplayStyle::Print);
    });

    PrintLegendCaption(printer, 102);
    const int symbols[] = {5, 4, 3, 1, 2}; // air valve, non-return, isolating, reservoir, pump
    for (int i = 1; i <= 5; ++i)
        printer.PaintPicture(ComponentSymbol(symbols[i - 1]), QPointF(31, 100 + 8 * i));
    printer.PaintPicture(LineKey(graphcolor::Ground, 1), QPointF(31, 146));
    if (page.GradelineShown)
        printer.PaintPicture(LineKey(graphcolor::Gradeline, 1), QPointF(31, 154));
    const char* labels[] = {"Air valve", "", "Non-return",  "valve", "Isolating", "valve",
                            "Reservoir", "", "Pumpstation", "",      "Pipeline",  "profile"};
    for (const char* label : labels)
        printer.Print({{8, QString::fromLatin1(label)}});
    if (page.GradelineShown) {
        printer.Print({{8, QStringLiteral("Hydraulic")}});
        printer.Print({{8, QStringLiteral("gradeline")}});
    }

    printer.setCurrentY(175);
    PrintGraphPageFooter(ctx, printer);
}

} // namespace vemora
