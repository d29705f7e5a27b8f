// The printed reports and graph pages of the print run. Each prints complete
// pages framed by PageFrames, reads the stores as they stand, and throws
// PrintFailure when it cannot go on; none shows a message.
#pragma once

namespace vemora {

struct AppContext;
struct PageRun;
class ReportPrinter;

// Input data.
void PrintGeneralData(AppContext& ctx, PageRun& run, ReportPrinter& printer);
void PrintProfileData(AppContext& ctx, PageRun& run, ReportPrinter& printer);
void PrintEnergyData(AppContext& ctx, PageRun& run, ReportPrinter& printer);
void PrintRatesAndSales(AppContext& ctx, PageRun& run, ReportPrinter& printer);

// Results. The hydraulic table prints the run's year.
void PrintHydraulicAnalysisTable(AppContext& ctx, PageRun& run, ReportPrinter& printer);
void PrintDemandYieldTable(AppContext& ctx, PageRun& run, ReportPrinter& printer);
void PrintIncomeExpenditureTable(AppContext& ctx, PageRun& run, ReportPrinter& printer);
void PrintCostAnalysis(AppContext& ctx, PageRun& run, ReportPrinter& printer);

// Graph pages, through ctx.graphPages; a page whose slot is empty fails.
void PrintProfilePlot(AppContext& ctx, PageRun& run, ReportPrinter& printer);
void PrintDemandCapacityGraph(AppContext& ctx, PageRun& run, ReportPrinter& printer);
void PrintIncomeExpenditureGraph(AppContext& ctx, PageRun& run, ReportPrinter& printer);
void PrintIRRGraph(AppContext& ctx, PageRun& run, ReportPrinter& printer);

} // namespace vemora
