// The twelve items a print run can print, in the fixed order they print in
// (which is not the order of the boxes on the print selection window: the
// energy data print before the rates and sales, the income and expenditure
// table before the cost summary). Each names its check box, the message
// shown when it fails, and the procedure that prints it.
#pragma once

#include <QString>
#include <array>

namespace vemora {

struct AppContext;
struct PageRun;
class ReportPrinter;

using ReportProcedure = void (*)(AppContext&, PageRun&, ReportPrinter&);

enum class ReportBox {
    General,       // chkGeneral
    Profile,       // chkProfile
    Energy,        // chkEnergy
    Rates,         // chkRates
    TextHydraulic, // chkTextHydraulic
    TextDemand,    // chkTextDemand
    TextCost,      // chkTextCost
    Cost,          // chkCost
    Hydraulic,     // chkHydraulic
    Demand,        // chkDemand
    Income,        // chkIncome
    IRR,           // chkIRR
};

constexpr int kReportItemCount = 12;

struct ReportItem
{
    int step; // 0..11, the printing order
    ReportBox box;
    const char* name; // the check box's name
    const char* failure;
    ReportProcedure print;
};

// In printing order: item i has step i.
const std::array<ReportItem, kReportItemCount>& ReportItems();

// Whether an item can be chosen: the input reports while a project is open
// (the energy data for a pumping system only), the result reports and
// graphs while results are valid.
bool ReportAvailable(const AppContext& ctx, ReportBox box);

// The message of a failure before the first item printed.
inline const char* kPrintStartFailure = "Could not start printing. Check the printer.";

} // namespace vemora
