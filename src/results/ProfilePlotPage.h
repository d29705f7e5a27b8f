// The printed page of the results window's hydraulic profile: the section,
// the flow, the pumping head and the year above the profile graph, and the
// legend of the node symbols below it, on a portrait report page.
#pragma once

namespace vemora {

struct AppContext;
class ReportPrinter;
class frmResults;

// Prints the page for the section chosen in the window's distance lists and
// the year it shows. A list without a selection, or a value that cannot be
// formed, stops it with a PrintFailure before anything is printed.
void PrintProfilePlotPage(AppContext& ctx, frmResults& window, ReportPrinter& printer);

} // namespace vemora
