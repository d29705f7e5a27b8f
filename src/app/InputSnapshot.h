// What the printed reports read of the input window, as it stands (edits
// not yet saved included): the text of each box whose row prints its text
// (InputFields' PrintedAs), the chosen entry of each unit list, the labels
// of the scroll bars, the options chosen and the texts of the grids. The
// input window fills it (InputWindow::Snapshot) from the table of boxes; a
// window that is not there gives an empty one.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <vector>

#include "app/InputBoxes.h"

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

struct InputSnapshot
{
    // The text of each box that prints its text; empty for the others.
    std::array<QString, InputBoxCount> texts{};
    // The chosen entry of each box's unit list and of each grid's.
    std::array<QString, InputBoxCount> boxUnits{};
    std::array<QString, GridUnitCount> gridUnits{};

    // The scroll bars' labels as shown.
    QString DesignLife;            // lblLife
    QString BaseYear;              // lblBaseYear
    QString SupplyStart;           // lblSupplyStart
    QString PumpingHours;          // lblPumpingHours
    QString SummerMonths;          // lblSummer
    QString MaintenancePipeline;   // lblMPipeline
    QString MaintenanceMechanical; // lblMMechanical
    QString MaintenanceElectrical; // lblMElectrical

    // The options chosen.
    bool GravityFixedDemand = false;  // optGSpecifiedFlowrate
    bool OperatingFlowChosen = false; // optFlowrate
    bool PumpCurveChosen = false;     // optPumpDetails
    bool EpoxyLining = false;         // optEpoxy

    // The grids' texts.
    GridTexts GravityDemand; // msgDemand
    GridTexts PumpDemand;    // msgPumpDemand
    GridTexts Nodes;         // msgProfile
    GridTexts Staff;         // msgOperational
    GridTexts OtherExpenses; // msgOtherOperational

    const QString& Text(InputBox box) const { return texts[static_cast<std::size_t>(box)]; }
    const QString& Unit(InputBox box) const { return boxUnits[static_cast<std::size_t>(box)]; }
    const QString& Unit(GridUnit grid) const { return gridUnits[static_cast<std::size_t>(grid)]; }
    QString& Text(InputBox box) { return texts[static_cast<std::size_t>(box)]; }
    QString& Unit(InputBox box) { return boxUnits[static_cast<std::size_t>(box)]; }
    QString& Unit(GridUnit grid) { return gridUnits[static_cast<std::size_t>(grid)]; }
};

// The input window's snapshot, the window loaded first when it is not; an
// empty one when there is no input window.
InputSnapshot ReadInputWindow(AppContext& ctx);

} // namespace vemora
