// The snapshot of the window that the printed reports and the analysis read:
// each member from its control, as the control stands.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "input/frmLCC.h"
#include "platform/FlexGrid.h"

namespace vemora {
namespace {

GridTexts TextsOf(const FlexGrid* grid)
{
    GridTexts texts;
    texts.rows.resize(static_cast<size_t>(grid->Rows()));
    for (int r = 0; r < grid->Rows(); ++r) {
        std::vector<QString>& cells = texts.rows[static_cast<size_t>(r)];
        cells.reserve(static_cast<size_t>(grid->Cols()));
        for (int c = 0; c < grid->Cols(); ++c)
            cells.push_back(grid->TextMatrix(r, c));
    }
    return texts;
}

} // namespace

InputSnapshot frmLCC::Snapshot() const
{
    return InputSnapshot{GeneralSnapshot(), ProfileSnapshot(), EnergySnapshot(), RatesSnapshot()};
}

GeneralInputs frmLCC::GeneralSnapshot() const
{
    GeneralInputs in;
    in.DesignLife = lblLife->text();
    in.BaseYear = lblBaseYear->text();
    in.SupplyStart = lblSupplyStart->text();

    in.GravityFixedDemand = optGSpecifiedFlowrate->isChecked();
    in.GravityFlowRate = txtGFlowrate->text();
    in.GravityFlowRateUnit = comGFlowrateUnits->currentText();
    in.GravityDemandUnit = comVaryingDemandUnits->currentText();
    in.GravityDemand = TextsOf(msgDemand);
    in.TopLevel = txtTRWL->text();
    in.TopLevelUnit = comTRWLUnits->currentText();
    in.BottomLevel = txtBRWL->text();
    in.BottomLevelUnit = comBRWLUnits->currentText();

    in.PumpFlowRate = txtPFlowrate->text();
    in.PumpFlowRateUnit = comPFlowrateUnits->currentText();
    in.PumpDemandUnit = comPumpVaryingDemandUnits->currentText();
    in.PumpDemand = TextsOf(msgPumpDemand);
    in.StationLevel = txtPPRWL->text();
    in.StationLevelUnit = comPPRWLUnits->currentText();
    in.EndLevel = txtPERWL->text();
    in.EndLevelUnit = comPERWLUnits->currentText();
    in.OperatingFlowChosen = optFlowrate->isChecked();
    in.OperatingFlowRate = txtPumpOperatingFlowrate->text();
    in.OperatingFlowRateUnit = comPumpOperatingFlowrateUnits->currentText();
    in.PumpEfficiency = txtPumpEfficiency->text();
    in.PumpCurveChosen = optPumpDetails->isChecked();
    in.PumpHeadUnit = comHeadUnits->currentText();
    in.PumpFlowUnit = comFlowUnits->currentText();
    return in;
}

ProfileInputs frmLCC::ProfileSnapshot() const
{
    ProfileInputs in;
    in.Nodes = TextsOf(msgProfile);
    in.ElevationUnit = comElevationUnits->currentText();
    in.LengthUnit = comLengthUnits->currentText();
    in.DiameterUnit = comDiameterUnits->currentText();
    in.WallThicknessUnit = comWallThicknessUnits->currentText();
    in.EpoxyLining = optEpoxy->isChecked();
    in.LiningThickness = txtLiningThickness->text();
    in.LiningThicknessUnit = comLiningThicknessUnits->currentText();
    in.RoughnessNew = txtKsNew->text();
    in.RoughnessNewUnit = comKsNewUnits->currentText();
    in.RoughnessOld = txtKsOld->text();
    in.RoughnessOldUnit = comKsOldUnits->currentText();
    in.DeteriorationYears = txtKsOldYears->text();
    return in;
}

EnergyInputs frmLCC::EnergySnapshot() const
{
    EnergyInputs in;
    in.PumpingHours = lblPumpingHours->text();
    in.SummerMonths = lblSummer->text();
    in.SummerPeak = txtSPeak->text();
    in.SummerStandard = txtSStandard->text();
    in.SummerOffPeak = txtSOffpeak->text();
    in.WinterPeak = txtWPeak->text();
    in.WinterStandard = txtWStandard->text();
    in.WinterOffPeak = txtWOffpeak->text();
    return in;
}

RatesInputs frmLCC::RatesSnapshot() const
{
    RatesInputs in;
    in.Mechanical = txtMechanical->text();
    in.Electrical = txtElectrical->text();
    in.MaintenancePipeline = lblMPipeline->text();
    in.MaintenanceMechanical = lblMMechanical->text();
    in.MaintenanceElectrical = lblMElectrical->text();
    in.Staff = TextsOf(msgOperational);
    in.OtherExpenses = TextsOf(msgOtherOperational);
    in.Escalation = txtEscalation->text();
    in.DiscountRate = txtDiscountRate->text();
    in.EnergyEscalation = txtEnergyEscalation->text();
    in.WaterTariff = txtWaterSales->text();
    in.WaterTariffUnit = comWaterSalesUnits->currentText();
    in.WaterTariffIncrease = txtWaterIncrease->text();
    in.Supervision = txtSupervision->text();
    return in;
}

} // namespace vemora
