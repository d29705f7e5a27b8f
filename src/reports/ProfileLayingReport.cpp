// The profile and laying data report: the profile grid as the input window
// shows it, 27 nodes a page in a fixed-pitch face, then a page with the
// pipeline characteristics and the pipe laying conditions.
#include "app/AppContext.h"
#include "app/InputSnapshot.h"
#include "app/PrintFailure.h"
#include "engine/NumberFormat.h"
#include "pages/PageFrames.h"
#include "platform/ReportPrinter.h"
#include "project/SystemType.h"
#include "project/UnitSystem.h"
#include "reports/ReportTexts.h"
#include "reports/Reports.h"

namespace vemora {

namespace {

constexpr int kNodesPerPage = 27;
constexpr int kLastBreak = 486; // the last full page of a 500-node profile

void PrintTitle(AppContext& ctx, ReportPrinter& p)
{
    PrintPlotPageTitle(p, IsPumping(ctx.store)
                              ? QStringLiteral("PIPELINE PROFILE DATA: PUMPING SYSTEM")
                              : QStringLiteral("PIPELINE PROFILE DATA: GRAVITY SYSTEM"));
}

void PrintTableHeading(const InputSnapshot& in, ReportPrinter& p)
{
    auto unit = [&](const QString& list) {
        return QStringLiteral("(") + list + QStringLiteral(")");
    };
    p.setFontName(QStringLiteral("Courier New"));
    p.setFontSize(10);
    p.Rule();
    p.Print({{5, "Node"},
             {11, "Elevation"},
             {22, "Accumulated"},
             {35, "Pipe"},
             {45, "Wall"},
             {56, "Pipe"},
             {65, "Secondary"},
             {75, "Description"}});
    p.Print({{5, "nr"},
             {22, "length"},
             {35, "diameter"},
             {45, "thickness"},
             {56, "cost/"},
             {65, "losses"}},
            LineEnd::Keep);
    p.Print({{11, unit(in.Unit(GridUnit::Elevation))},
             {22, unit(in.Unit(GridUnit::Length))},
             {35, unit(in.Unit(GridUnit::Diameter))},
             {46, unit(in.Unit(GridUnit::WallThickness))},
             {56, "metre"}},
            LineEnd::Keep);
    p.Print();
    p.Rule();
    p.Print();
    p.setFontBold(false);
}

void StartPage(AppContext& ctx, ReportPages& pages, ReportPrinter& p)
{
    p.setFontBold(false);
    pages.PrintPageHeader();
    PrintTitle(ctx, p);
}

void PrintNodeRows(AppContext& ctx, ReportPages& pages, const InputSnapshot& in, ReportPrinter& p)
{
    static const int tabs[] = {5, 11, 22, 35, 45, 56, 65, 75};
    const int lastRow = in.Nodes.Rows() - 1;
    for (int r = 1; r <= lastRow; ++r) {
        for (int c = 0; c < 8; ++c) {
            p.Tab(tabs[c]);
            p.PrintText(in.Nodes.Cell(r, c));
        }
        p.EndLine();
        if (r % kNodesPerPage == 0 && r <= kLastBreak) {
            pages.PrintPageFooter(kReportBodyEnd);
            StartPage(ctx, pages, p);
            PrintTableHeading(in, p);
        }
    }
}

// A field's text, a blank and the unit list's name, as the window shows them.
QString WithUnit(const QString& field, const QString& list)
{
    return field + QStringLiteral(" ") + list;
}

// A caption at tab 8 and its value at tab `valueTab`. A caption that reaches
// to within a blank of that column puts its value a blank after its end, so
// that the two never run together.
void PrintCaption(ReportPrinter& p, const QString& caption, const QString& value, int valueTab = 40)
{
    p.Print({{8, caption}}, LineEnd::Keep);
    const double gap = p.TextWidth(QStringLiteral(" "));
    if (p.CurrentX() + gap <= p.TabPosition(valueTab))
        p.Tab(valueTab);
    else
        p.setCurrentX(p.CurrentX() + gap);
    p.PrintText(value);
    p.EndLine();
}

void PrintCharacteristics(const InputSnapshot& in, ReportPrinter& p)
{
    p.setFontBold(true);
    p.Print({{7, "Pipline characteristics"}});
    p.setFontBold(false);
    if (in.EpoxyLining)
        p.Print({{8, "Lining system - Epoxy coated"}}, LineEnd::Keep);
    else
        PrintCaption(
            p, "Lining system - Cement mortar:",
            WithUnit(in.Text(InputBox::txtLiningThickness), in.Unit(InputBox::txtLiningThickness)));
    PrintCaption(p, "Roughness of new pipe (Ks):",
                 WithUnit(in.Text(InputBox::txtKsNew), in.Unit(InputBox::txtKsNew)));
    PrintCaption(p, "Roughness of old pipe (Ks):",
                 WithUnit(in.Text(InputBox::txtKsOld), in.Unit(InputBox::txtKsOld)));
    PrintCaption(p, "Roughness deterioration years:",
                 in.Text(InputBox::txtKsOldYears) + QStringLiteral(" years"));
    p.Print();
}

void PrintLaying(AppContext& ctx, ReportPrinter& p)
{
    const ProjectStore& s = ctx.store;
    const QString symbol = CurrencyText(ctx);
    const QString length = IsUS(s) ? QStringLiteral("ft") : QStringLiteral("m");
    const QString volume = IsUS(s) ? QStringLiteral("/ft³") : QStringLiteral("/m³");
    auto number = [&](int i) {
        return QString::fromStdString(
            FormatGeneral(static_cast<float>(FiniteOrFail(s.LayingCost[i]))));
    };

    p.setFontBold(true);
    p.Print({{7, "Pipe laying conditions"}});
    p.setFontBold(false);
    PrintCaption(p, "Laying (incl joining)", symbol + number(1) + QStringLiteral("/") + length);
    static const char* const rates[] = {"Excavation",     "Rock excavation", "Bedding import",
                                        "Bedding trench", "Blanket import",  "Blanket trench",
                                        "Backfilling"};
    for (int i = 0; i < 7; ++i)
        PrintCaption(p, QLatin1String(rates[i]), symbol + number(i + 2) + volume);

    p.Print();
    p.setFontBold(true);
    p.Print({{7, "Anticipated laying conditions"}});
    p.setFontBold(false);
    PrintCaption(p, "Description", "Percentage expected", 35);
    PrintCaption(p, "Rock", number(9) + QStringLiteral("%"));
    PrintCaption(p, "Bedding import", number(10) + QStringLiteral("%"));
    PrintCaption(p, "Blanket import", number(11) + QStringLiteral("%"));
    PrintCaption(p, "Required cover", number(12) + QStringLiteral(" ") + length);
    PrintCaption(p, "Excavation lower than pipe", number(13) + QStringLiteral(" ") + length);
}

} // namespace

void PrintProfileData(AppContext& ctx, PageRun& run, ReportPrinter& p)
{
    const InputSnapshot in = ReadInputWindow(ctx);
    ReportPages pages(ctx, run, p);
    StartPage(ctx, pages, p);
    PrintTableHeading(in, p);
    PrintNodeRows(ctx, pages, in, p);

    pages.PrintPageFooter();
    StartPage(ctx, pages, p); // the header's face at 13 points for the whole page
    PrintCharacteristics(in, p);
    PrintLaying(ctx, p);
    pages.PrintPageFooter();
}

} // namespace vemora
