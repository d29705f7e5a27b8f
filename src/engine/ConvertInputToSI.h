// Normalisation of the project input to SI working values, and the copy of
// the laying table into the working rates used by the capital cost.
#pragma once

#include <optional>

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

// Turns the stored inputs into SI working values (m, m³/s) and sets the unit
// factors, in `results`. Never changes an input; running it twice gives the same
// values. Internal diameter = outside diameter - 2 x wall - 2 x lining (the
// lining only for cement mortar, HasMortarLining). Section j = node j to j + 1,
// length = difference of accumulated lengths x chainage factor. A unit code
// outside its list leaves the value it would set as it was and makes the
// result false; only the codes the project uses are looked at.
bool ConvertInputToSI(const ProjectStore& store, ResultsStore& results);

// Copies LayingCost(1..13) into the thirteen laying working values. For a US
// project (UnitSystem not 0) the table is in feet: the laying rate goes from
// per ft to per m, the earthworks rates from per ft³ to per m³, and the cover
// and the excavation below the invert from ft to m.
void CopyLayingRates(const ProjectStore& store, ResultsStore& results);

// A pipe dimension in metres: mm values are divided by 1000, the others
// multiplied by their factor in PipeDimensionUnits. No value for a code
// outside the list.
std::optional<float> PipeDimensionToMetres(float value, int code);

} // namespace vemora
