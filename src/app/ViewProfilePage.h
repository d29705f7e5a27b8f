// The printed page of the profile view: the section, and while the
// gradeline is drawn the roughness, year and flow of the year on view,
// beside the profile graph and a column of legend symbols, on a landscape
// graph page.
#pragma once

#include <QImage>
#include <QString>

namespace vemora {

struct AppContext;
class Drawing;
class ReportPrinter;

struct ViewProfileLegend
{
    QImage pipelineProfile; // line sample of the ground profile
    QImage gradeline;       // line sample of the hydraulic gradeline
};

// `beginText` and `endText` are the texts of the view's distance lists. The
// year and the gradeline switch come from ctx.view. A value that cannot be
// formed stops the page with a PrintFailure before anything is printed.
void PrintViewProfilePlotPage(AppContext& ctx, ReportPrinter& printer, const Drawing& graph,
                              const QString& beginText, const QString& endText,
                              const ViewProfileLegend& legend);

} // namespace vemora
