// The pages of a yearly table: each starts with the page header, the title
// and two lines of column captions between rules in Courier New, and ends
// with the page footer.
#pragma once

#include <array>
#include <vector>

#include "platform/ReportPrinter.h"

namespace vemora {

struct AppContext;

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

void PrintTableHeading(AppContext& ctx, ReportPrinter& p, const TableHeading& heading);
// Ends a full page with its footer and heads the next one.
void TurnTablePage(AppContext& ctx, ReportPrinter& p, const TableHeading& heading);
// Ends the table's last page with its footer.
void EndTablePage(AppContext& ctx, ReportPrinter& p);

} // namespace vemora
