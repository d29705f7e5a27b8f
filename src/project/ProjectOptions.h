// The project's three option codes: the demand (DemandMode), the pumping
// operation (PumpCurveGiven) and the pipe lining (LiningSystem), each 0 or 1.
// The load checks DemandMode and LiningSystem on every record and
// PumpCurveGiven on a pumping record; the data store takes PumpCurveGiven
// only from a pumping record or from the option buttons, so it holds 0 or 1
// whatever a gravity record holds. Works on the data store and on the
// project record alike.
#pragma once

#include <cstdint>

namespace vemora {

namespace DemandOption {
constexpr int16_t Fixed = 0;
constexpr int16_t Varying = 1; // one demand for each operating year (YearDemand)
} // namespace DemandOption

namespace PumpingOption {
constexpr int16_t OperatingFlowRate = 0;
constexpr int16_t PumpCurve = 1;
} // namespace PumpingOption

namespace LiningOption {
constexpr int16_t Epoxy = 0;  // epoxy coated: no lining thickness
constexpr int16_t Mortar = 1; // cement mortar or other
} // namespace LiningOption

// The named values are the codes every saved file holds: renumbered, they
// would turn each project's options over.
static_assert(DemandOption::Fixed == 0 && DemandOption::Varying == 1);
static_assert(PumpingOption::OperatingFlowRate == 0 && PumpingOption::PumpCurve == 1);
static_assert(LiningOption::Epoxy == 0 && LiningOption::Mortar == 1);

template <typename Project> bool HasVaryingDemand(const Project& p)
{
    return p.DemandMode == DemandOption::Varying;
}

// Any code but the operating flow rate's is a pump curve.
template <typename Project> bool HasPumpCurve(const Project& p)
{
    return p.PumpCurveGiven != PumpingOption::OperatingFlowRate;
}

template <typename Project> bool HasMortarLining(const Project& p)
{
    return p.LiningSystem == LiningOption::Mortar;
}

} // namespace vemora
