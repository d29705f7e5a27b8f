// The printed reports and graph pages of the print run. Each prints complete
// pages framed by PageFrames, reads the stores as they stand, and throws
// PrintFailure when it cannot go on; none shows a message.
#pragma once

namespace vemora {

struct AppContext;
class ReportPrinter;

// Input data.
void PrintGeneralData(AppContext& ctx, ReportPrinter& printer);
void PrintProfileData(AppContext& ctx, ReportPrinter& printer);
void PrintEnergyData(AppContext& ctx, ReportPrinter& printer);
void PrintRatesAndSales(AppContext& ctx, ReportPrinter& printer);

// Results. The hydraulic table prints the year ctx.PrintYear.
void PrintHydraulicAnalysisTable(AppContext& ctx, ReportPrinter& printer);
void PrintDemandYieldTable(AppContext& ctx, ReportPrinter& printer);
void PrintIncomeExpenditureTable(AppContext& ctx, ReportPrinter& printer);
void PrintCostAnalysis(AppContext& ctx, ReportPrinter& printer);

// Graph pages, through ctx.graphPages; a page whose slot is empty fails.
void PrintProfilePlot(AppContext& ctx, ReportPrinter& printer);
void PrintDemandCapacityGraph(AppContext& ctx, ReportPrinter& printer);
void PrintIncomeExpenditureGraph(AppContext& ctx, ReportPrinter& printer);
void PrintIRRGraph(AppContext& ctx, ReportPrinter& printer);

} // namespace vemora
