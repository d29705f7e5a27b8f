// Reports still to be written: each prints nothing yet.
#include "reports/Reports.h"

namespace vemora {

void PrintIRRGraph(AppContext&, ReportPrinter&) {}

} // namespace vemora
