// Reports still to be written: each prints nothing yet.
#include "reports/Reports.h"

namespace vemora {

void PrintProfileData(AppContext&, ReportPrinter&) {}
void PrintEnergyData(AppContext&, ReportPrinter&) {}
void PrintRatesAndSales(AppContext&, ReportPrinter&) {}
void PrintDemandYieldTable(AppContext&, ReportPrinter&) {}
void PrintIncomeExpenditureTable(AppContext&, ReportPrinter&) {}
void PrintProfilePlot(AppContext&, ReportPrinter&) {}
void PrintIRRGraph(AppContext&, ReportPrinter&) {}

} // namespace vemora
