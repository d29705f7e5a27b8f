// The print run's profile plot page: the results window's hydraulic profile
// for the year that window shows, printed by the results window's page.
#include "app/AppContext.h"
#include "app/PrintFailure.h"
#include "reports/Reports.h"

namespace vemora {

void PrintProfilePlot(AppContext& ctx, PageRun& run, ReportPrinter& printer)
{
    if (!ctx.graphPages.profilePlot) throw PrintFailure("the profile plot page is not available");
    ctx.graphPages.profilePlot(run, printer);
}

} // namespace vemora
