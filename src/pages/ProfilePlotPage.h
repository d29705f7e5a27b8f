// The printed page of the results window's hydraulic profile: the section,
// the flow, the pumping head and the year above the profile graph, and the
// legend of the node symbols below it, on a portrait report page.
#pragma once

namespace vemora {

struct AppContext;
struct PageRun;
class ReportPrinter;

// What the page takes from the results window: the nodes chosen in its
// distance lists (1..node count; 0 for a list without a selection) and the
// size of its profile picture in twips, at which the graph is drawn again.
struct ProfilePlotSection
{
    int begin = 0;
    int end = 0;
    double graphWidth = 0;
    double graphHeight = 0;
};

// Prints the page for that section and the year ctx.view shows. A list
// without a selection, or a value that cannot be formed, stops it with a
// PrintFailure before anything is printed.
void PrintProfilePlotPage(AppContext& ctx, PageRun& run, ReportPrinter& printer,
                          const ProfilePlotSection& section);

} // namespace vemora
