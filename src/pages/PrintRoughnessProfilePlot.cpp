#include "pages/PrintRoughnessProfilePlot.h"

#include "pages/ViewProfilePage.h"

namespace vemora {

void PrintRoughnessProfilePlot(ReportPrinter& printer, AppContext& ctx, PageRun& run,
                               const RoughnessProfilePage& page)
{
    PrintViewProfilePlot(ctx, run, printer, page.Picture, page.BeginDistance, page.EndDistance,
                         page.Solved);
}

} // namespace vemora
