// The units the graphs caption their values with, chosen from the project's
// unit codes by the same rules the analysis takes its factors by, so that a
// caption always names the unit of the factor it divides by.
#pragma once

#include <optional>
#include <string>

#include "project/ProjectStore.h"

namespace vemora {

struct UnitChoice
{
    std::string Text;            // the unit list's text, e.g. "Mega liters/day"
    std::optional<float> Factor; // SI units per unit; nothing for a code outside its list

    // Whether the unit can be used: a known code with a non-zero factor.
    bool usable() const { return Factor && *Factor != 0; }
};

// The demand's flow unit: the varying demand's (YearDemandUnit) when the
// demand varies per year, otherwise the fixed demand's (FixedDemandUnit).
UnitChoice DemandFlowUnit(const ProjectStore& store);

// The unit a year's pipeline flow is shown in: the demand's for a gravity
// system; for a pumping system the pump curve's flow unit when a pump curve
// is given, otherwise the operating flow's.
UnitChoice PipelineFlowUnit(const ProjectStore& store);

// A length unit (m, km, ft, miles) by its code.
UnitChoice LengthUnit(int code);

} // namespace vemora
