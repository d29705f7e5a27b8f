// The printed pump pages, portrait report pages: the pump curve of the
// pump-curve view with its two-entry legend, and the duty point of one year
// (the pump and system curve graph, then the duty-point table copied row by
// row, 27 grid rows a page). The graphs come as the windows drew them; the
// legend keys are drawn in the curves' colours.
#pragma once

#include <QString>

namespace vemora {

struct AppContext;
struct PageRun;
class Drawing;
class FlexGrid;
class ReportPrinter;

// "PUMP CURVE:", the graph stretched to 170 x 90 mm at (16, 100) mm, and the
// legend: the keys of the two curves at (15, 208) and (65, 208) mm, "- Pump
// curve" and "- Efficiency curve".
void PrintPumpCurve(AppContext& ctx, PageRun& run, ReportPrinter& printer, const Drawing& graph);

// "RESULTS: PUMP & SYSTEM CURVE" with the duty year's caption, the graph and
// the legend "- Pump curve", "- System curve"; then "RESULTS: DUTY POINTS"
// pages with the grid's two heading rows and its year rows as they stand.
void PrintPumpSystemCurve(AppContext& ctx, PageRun& run, ReportPrinter& printer,
                          const Drawing& graph, const QString& dutyYear, const FlexGrid& duty);

} // namespace vemora
