#include "reports/ReportItems.h"

#include "app/AppContext.h"
#include "project/SystemType.h"
#include "reports/Reports.h"

namespace vemora {

const std::array<ReportItem, kReportItemCount>& ReportItems()
{
    static const std::array<ReportItem, kReportItemCount> items{{
        {0, ReportBox::General, "chkGeneral",
         "Could not print the General Data ! Check the input data.", PrintGeneralData},
        {1, ReportBox::Profile, "chkProfile",
         "Could not print the Profile Data ! Check the input data.", PrintProfileData},
        {2, ReportBox::Energy, "chkEnergy",
         "Could not print the Energy Data ! Check the input data.", PrintEnergyData},
        {3, ReportBox::Rates, "chkRates",
         "Could not print the Rates & Sales Data ! Check the input data.", PrintRatesAndSales},
        {4, ReportBox::TextHydraulic, "chkTextHydraulic",
         "Could not print the Hydraulic Analysis results ! Check the obtained results.",
         PrintHydraulicAnalysisTable},
        {5, ReportBox::TextDemand, "chkTextDemand",
         "Could not print the Hydraulic Analysis (Demand & Yield)! Check the obtained results.",
         PrintDemandYieldTable},
        {6, ReportBox::TextCost, "chkTextCost",
         "Could not print the Cost Analysis (Income & Expenditure)! Check the obtained results.",
         PrintIncomeExpenditureTable},
        {7, ReportBox::Cost, "chkCost",
         "Could not print the Summary of the Cost Analysis ! Check the obtained results.",
         PrintCostAnalysis},
        {8, ReportBox::Hydraulic, "chkHydraulic",
         "Could not print the Hydraulic Analysis graph ! Check the obtained results.",
         PrintProfilePlot},
        {9, ReportBox::Demand, "chkDemand",
         "Could not print the Demand & Capacity Analysis graph ! Check the obtained results.",
         PrintDemandCapacityGraph},
        {10, ReportBox::Income, "chkIncome",
         "Could not print the Income & Expenditure Analysis graph ! Check the obtained results.",
         PrintIncomeExpenditureGraph},
        {11, ReportBox::IRR, "chkIRR",
         "Could not print the IRR graph ! Check the obtained results.", PrintIRRGraph},
    }};
    return items;
}

bool ReportAvailable(const AppContext& ctx, ReportBox box)
{
    if (box < ReportBox::TextHydraulic) {
        if (!ctx.store.ProjectOpen) return false;
        return box != ReportBox::Energy || IsPumping(ctx.store);
    }
    return ctx.store.ResultsValid;
}

} // namespace vemora
