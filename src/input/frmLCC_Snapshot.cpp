// The snapshot of the window that the printed reports read: each box whose
// row prints its text and each unit list through the table of boxes, and
// the labels, options and grids from their controls, as they stand.
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "app/InputFields.h"
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
    InputSnapshot in;
    for (const InputField& f : InputFields())
        if (f.printed == PrintedAs::Text) in.texts[static_cast<size_t>(f.box)] = BoxText(f.box);
    const std::vector<UnitListRow>& lists = EveryUnitList();
    for (size_t i = 0; i < lists.size(); ++i) {
        const QString unit = unitLists_[i]->currentText();
        if (lists[i].box)
            in.boxUnits[static_cast<size_t>(*lists[i].box)] = unit;
        else
            in.gridUnits[static_cast<size_t>(lists[i].grid)] = unit;
    }

    in.DesignLife = lblLife->text();
    in.BaseYear = lblBaseYear->text();
    in.SupplyStart = lblSupplyStart->text();
    in.PumpingHours = lblPumpingHours->text();
    in.SummerMonths = lblSummer->text();
    in.MaintenancePipeline = lblMPipeline->text();
    in.MaintenanceMechanical = lblMMechanical->text();
    in.MaintenanceElectrical = lblMElectrical->text();

    in.GravityFixedDemand = optGSpecifiedFlowrate->isChecked();
    in.OperatingFlowChosen = optFlowrate->isChecked();
    in.PumpCurveChosen = optPumpDetails->isChecked();
    in.EpoxyLining = optEpoxy->isChecked();

    in.GravityDemand = TextsOf(msgDemand);
    in.PumpDemand = TextsOf(msgPumpDemand);
    in.Nodes = TextsOf(msgProfile);
    in.Staff = TextsOf(msgOperational);
    in.OtherExpenses = TextsOf(msgOtherOperational);
    return in;
}

} // namespace vemora
