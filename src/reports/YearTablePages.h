// The pages of a yearly table: each starts with the page header, the title
// and two lines of column captions between rules in Courier New, and ends
// with the page footer (the caller's ReportPages ends the last one).
#pragma once

#include <array>
#include <vector>

#include "platform/ReportPrinter.h"

namespace vemora {

struct AppContext;
class ReportPages;

// One line of column captions; its last column only a pumping project has.
struct TableCaptionLine
{
    std::vector<PrintItem> items;
    PrintItem pumpingItem;
};

struct TableHeading
{
    int titleColumn = 0;
    QString title;
    double captionPoints = 0;
    std::array<TableCaptionLine, 2> captions;
};

// Begins a page of `pages` and heads it.
void PrintTableHeading(AppContext& ctx, ReportPages& pages, ReportPrinter& p,
                       const TableHeading& heading);
// Ends a full page with its footer and heads the next one.
void TurnTablePage(AppContext& ctx, ReportPages& pages, ReportPrinter& p,
                   const TableHeading& heading);

} // namespace vemora
