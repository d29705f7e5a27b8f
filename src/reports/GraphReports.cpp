// The system analysis graph pages of the print run, drawn by the results
// window through ctx.graphPages.
#include "app/AppContext.h"
#include "app/PrintFailure.h"
#include "reports/Reports.h"

namespace vemora {
namespace {

void printSystemGraph(AppContext& ctx, ReportPrinter& printer, SystemGraph graph)
{
    if (!ctx.graphPages.systemGraphs) throw PrintFailure("the system graph page is not available");
    ctx.graphPages.systemGraphs(printer, graph);
}

} // namespace

void PrintDemandCapacityGraph(AppContext& ctx, ReportPrinter& printer)
{
    printSystemGraph(ctx, printer, SystemGraph::DemandCapacity);
}

void PrintIncomeExpenditureGraph(AppContext& ctx, ReportPrinter& printer)
{
    printSystemGraph(ctx, printer, SystemGraph::IncomeExpenditure);
}

} // namespace vemora
