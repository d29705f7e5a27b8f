// What the printed reports and the analysis read of the input window, as it
// stands (edits not yet saved included): the texts of its fields, labels and
// unit lists, the options chosen and the texts of its grids, one member for
// each control (named beside it). The input window fills it
// (InputWindow::Snapshot), so a control it no longer has fails to compile
// instead of printing empty; a window that is not there gives an empty one.
#pragma once

#include <QString>
#include <cstddef>
#include <vector>

namespace vemora {

struct AppContext;

// The texts of a grid, heading row 0 included.
struct GridTexts
{
    std::vector<std::vector<QString>> rows;

    int Rows() const { return static_cast<int>(rows.size()); }
    // A cell's text; empty outside the grid.
    QString Cell(int row, int col) const
    {
        if (row < 0 || row >= Rows()) return QString();
        const std::vector<QString>& cells = rows[static_cast<std::size_t>(row)];
        if (col < 0 || col >= static_cast<int>(cells.size())) return QString();
        return cells[static_cast<std::size_t>(col)];
    }
};

// Page "General Data": periods, demand, reservoir levels and pump data.
struct GeneralInputs
{
    QString DesignLife;  // lblLife
    QString BaseYear;    // lblBaseYear
    QString SupplyStart; // lblSupplyStart

    // A gravity project.
    bool GravityFixedDemand = false; // optGSpecifiedFlowrate
    QString GravityFlowRate;         // txtGFlowrate
    QString GravityFlowRateUnit;     // comGFlowrateUnits
    QString GravityDemandUnit;       // comVaryingDemandUnits
    GridTexts GravityDemand;         // msgDemand
    QString TopLevel;                // txtTRWL
    QString TopLevelUnit;            // comTRWLUnits
    QString BottomLevel;             // txtBRWL
    QString BottomLevelUnit;         // comBRWLUnits

    // A pumping project.
    QString PumpFlowRate;             // txtPFlowrate
    QString PumpFlowRateUnit;         // comPFlowrateUnits
    QString PumpDemandUnit;           // comPumpVaryingDemandUnits
    GridTexts PumpDemand;             // msgPumpDemand
    QString StationLevel;             // txtPPRWL
    QString StationLevelUnit;         // comPPRWLUnits
    QString EndLevel;                 // txtPERWL
    QString EndLevelUnit;             // comPERWLUnits
    bool OperatingFlowChosen = false; // optFlowrate
    QString OperatingFlowRate;        // txtPumpOperatingFlowrate
    QString OperatingFlowRateUnit;    // comPumpOperatingFlowrateUnits
    QString PumpEfficiency;           // txtPumpEfficiency
    bool PumpCurveChosen = false;     // optPumpDetails
    QString PumpHeadUnit;             // comHeadUnits
    QString PumpFlowUnit;             // comFlowUnits
};

// Page "Profile Data": the profile grid, its unit lists, lining and roughness.
struct ProfileInputs
{
    GridTexts Nodes;             // msgProfile
    QString ElevationUnit;       // comElevationUnits
    QString LengthUnit;          // comLengthUnits
    QString DiameterUnit;        // comDiameterUnits
    QString WallThicknessUnit;   // comWallThicknessUnits
    bool EpoxyLining = false;    // optEpoxy
    QString LiningThickness;     // txtLiningThickness
    QString LiningThicknessUnit; // comLiningThicknessUnits
    QString RoughnessNew;        // txtKsNew
    QString RoughnessNewUnit;    // comKsNewUnits
    QString RoughnessOld;        // txtKsOld
    QString RoughnessOldUnit;    // comKsOldUnits
    QString DeteriorationYears;  // txtKsOldYears
};

// Page "Energy Data": hours, summer months and the six tariff rates.
struct EnergyInputs
{
    QString PumpingHours;   // lblPumpingHours
    QString SummerMonths;   // lblSummer
    QString SummerPeak;     // txtSPeak
    QString SummerStandard; // txtSStandard
    QString SummerOffPeak;  // txtSOffpeak
    QString WinterPeak;     // txtWPeak
    QString WinterStandard; // txtWStandard
    QString WinterOffPeak;  // txtWOffpeak
};

// Page "Rates and Sales": works costs, maintenance, operational costs, rates,
// the water tariff and the supervision cost.
struct RatesInputs
{
    QString Mechanical;            // txtMechanical
    QString Electrical;            // txtElectrical
    QString MaintenancePipeline;   // lblMPipeline
    QString MaintenanceMechanical; // lblMMechanical
    QString MaintenanceElectrical; // lblMElectrical
    GridTexts Staff;               // msgOperational
    GridTexts OtherExpenses;       // msgOtherOperational
    QString Escalation;            // txtEscalation
    QString DiscountRate;          // txtDiscountRate
    QString EnergyEscalation;      // txtEnergyEscalation
    QString WaterTariff;           // txtWaterSales
    QString WaterTariffUnit;       // comWaterSalesUnits
    QString WaterTariffIncrease;   // txtWaterIncrease
    QString Supervision;           // txtSupervision
};

struct InputSnapshot
{
    GeneralInputs general;
    ProfileInputs profile;
    EnergyInputs energy;
    RatesInputs rates;
};

// The input window's snapshot, the window loaded first when it is not; an
// empty one when there is no input window.
InputSnapshot ReadInputWindow(AppContext& ctx);

} // namespace vemora
