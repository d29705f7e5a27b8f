#include "reports/YearTablePages.h"

#include "app/AppContext.h"
#include "pages/PageFrames.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

void PrintItemAt(ReportPrinter& p, const PrintItem& item)
{
    if (item.tab > 0) p.Tab(item.tab);
    p.PrintText(item.text);
}

} // namespace

void PrintTableHeading(AppContext& ctx, ReportPages& pages, ReportPrinter& p,
                       const TableHeading& heading)
{
    const bool pumping = IsPumping(ctx.store);
    p.setFontBold(false);
    pages.PrintPageHeader();
    PrintReportTitle(p, heading.titleColumn, heading.title);
    p.setFontSize(6);
    p.Print();

    p.setFontName(QStringLiteral("Courier New"));
    p.setFontSize(heading.captionPoints);
    p.Rule();
    for (const TableCaptionLine& line : heading.captions) {
        for (const PrintItem& item : line.items)
            PrintItemAt(p, item);
        if (pumping) PrintItemAt(p, line.pumpingItem);
        p.Print();
    }
    p.Rule();
    p.Print();
    p.setFontBold(false);
}

void TurnTablePage(AppContext& ctx, ReportPages& pages, ReportPrinter& p,
                   const TableHeading& heading)
{
    pages.PrintPageFooter(kReportBodyEnd);
    PrintTableHeading(ctx, pages, p, heading);
}

} // namespace vemora
