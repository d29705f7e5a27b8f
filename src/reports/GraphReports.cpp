// The system analysis graph pages of the print run, drawn from the stores,
// so printing never loads or changes the results window.
#include "pages/SystemGraphPage.h"
#include "reports/Reports.h"

namespace vemora {

void PrintDemandCapacityGraph(AppContext& ctx, PageRun& run, ReportPrinter& printer)
{
    PrintSystemAnalysisGraph(ctx, run, printer, SystemGraph::DemandCapacity);
}

void PrintIncomeExpenditureGraph(AppContext& ctx, PageRun& run, ReportPrinter& printer)
{
    PrintSystemAnalysisGraph(ctx, run, printer, SystemGraph::IncomeExpenditure);
}

} // namespace vemora
