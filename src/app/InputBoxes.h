// The input window's boxes, named as the window names them (their table is
// app/InputFields.h). Indexed boxes (the six pump-curve points) take the
// point index 0..5 beside the name.
#pragma once

#include <cstddef>

namespace vemora {

enum class InputBox {
    txtProject,
    txtDesigner,
    txtDescription,
    txtGFlowrate,
    txtTRWL,
    txtBRWL,
    txtPFlowrate,
    txtPPRWL,
    txtPERWL,
    txtPumpOperatingFlowrate,
    txtPumpEfficiency,
    txtH,
    txtQ,
    txtEfficiency,
    txtLiningThickness,
    txtKsNew,
    txtKsOld,
    txtKsOldYears,
    txtSPeak,
    txtSStandard,
    txtSOffpeak,
    txtWPeak,
    txtWStandard,
    txtWOffpeak,
    txtEscalation,
    txtDiscountRate,
    txtEnergyEscalation,
    txtWaterSales,
    txtWaterIncrease,
    txtElectrical,
    txtMechanical,
    txtSupervision,
    // The pump-curve panel's texts, which the save copies without a check.
    txtPumptype,
    txtPumpDescription,
};

constexpr std::size_t InputBoxCount = static_cast<std::size_t>(InputBox::txtPumpDescription) + 1;

// The unit lists of the grids, which have no box of their own (the boxes'
// lists are in their rows of the table).
enum class GridUnit {
    VaryingDemand,
    PumpVaryingDemand,
    Elevation,
    Length,
    Diameter,
    WallThickness
};
constexpr std::size_t GridUnitCount = static_cast<std::size_t>(GridUnit::WallThickness) + 1;

// The six grids that the save reads back.
enum class InputGrid { Profile, Demand, PumpDemand, Laying, Staff, OtherOperational };

// The options chosen in the window, as the save stores them.
struct ChosenOptions
{
    bool varyingDemand = false; // optPumpVarying / optGCalculatedFlowrate
    bool pumpCurve = false;     // optPumpDetails
    bool mortarLining = false;  // optMortar
};

} // namespace vemora
