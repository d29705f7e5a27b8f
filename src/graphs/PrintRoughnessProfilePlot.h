// The printed page of the calibration's profile view: a landscape graph page
// with the title "PROFILE PLOT:", the section's begin and end distances, the
// year's roughness, year and flow while the gradeline is shown, the view's
// picture stretched to 215 x 98 mm at (50, 55) mm, and the legend of the
// node symbols and the lines. The scenario gradelines appear in the picture
// only.
#pragma once

#include <QString>

#include "platform/Drawing.h"

namespace vemora {

struct AppContext;
class ReportPrinter;

struct RoughnessProfilePage
{
    QString BeginDistance; // the list texts of the begin and end node
    QString EndDistance;
    bool GradelineShown = true;
    int Year = 1; // design-life year of the drawn gradeline
    Drawing Picture;
};

void PrintRoughnessProfilePlot(ReportPrinter& printer, AppContext& ctx,
                               const RoughnessProfilePage& page);

} // namespace vemora
