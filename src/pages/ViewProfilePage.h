// The printed page of the profile view: the section, and while the
// gradeline is on the roughness, year and flow of the year on view,
// beside the profile graph and a column of legend symbols, on a landscape
// graph page.
#pragma once

#include <QRectF>
#include <QString>

namespace vemora {

// Where the profile view page (and the calibration's page like it) pastes
// its graph, millimetres.
inline const QRectF kProfileViewGraphBox(50, 55, 215, 98);

struct AppContext;
struct PageRun;
class Drawing;
class ReportPrinter;

// A value of the column left of the graph: `text` at print column 8, carried
// on at its blanks over further lines where it would reach the graph, so
// that it shows whole.
void PrintBesideProfileGraph(ReportPrinter& printer, const QString& text);

// `beginText` and `endText` are the texts of the view's distance lists. The
// year and the gradeline switch come from ctx.view; `solved` says whether
// the view's hydraulics were solved for the graph: without, the roughness
// and the flow print blank and the legend has no gradeline. A value that
// cannot be formed stops the page with a PrintFailure before anything is
// printed.
void PrintViewProfilePlot(AppContext& ctx, PageRun& run, ReportPrinter& printer,
                          const Drawing& graph, const QString& beginText, const QString& endText,
                          bool solved);

} // namespace vemora
