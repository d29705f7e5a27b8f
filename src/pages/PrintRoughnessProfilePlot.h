// The printed page of the calibration's profile view: the profile view page
// (ViewProfilePage.h) item for item, with the calibration view's picture,
// distance texts and legend keys. The year and the gradeline switch come
// from ctx.view, as the calibration view sets them; the scenario gradelines
// appear in the picture only.
#pragma once

#include <QString>

#include "platform/Drawing.h"

namespace vemora {

struct AppContext;
struct PageRun;
class ReportPrinter;

struct RoughnessProfilePage
{
    QString BeginDistance; // the list texts of the begin and end node
    QString EndDistance;
    Drawing Picture;
    bool Solved = false; // the view's hydraulics were solved for the picture
};

void PrintRoughnessProfilePlot(ReportPrinter& printer, AppContext& ctx, PageRun& run,
                               const RoughnessProfilePage& page);

} // namespace vemora
