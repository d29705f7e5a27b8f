// The print run's IRR page: the full range of the IRR scan, drawn afresh, so
// printing never loads or shows the IRR window.
#include "pages/IrrGraphPage.h"
#include "reports/Reports.h"

namespace vemora {

void PrintIRRGraph(AppContext& ctx, PageRun& run, ReportPrinter& printer)
{
    PrintIrrGraphPage(ctx, run, printer, IrrFullRangeBegin, IrrFullRangeEnd);
}

} // namespace vemora
