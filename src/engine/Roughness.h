// Ageing of the pipe roughness over the years.
#pragma once

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

// YearRoughness(y), m: grows linearly from RoughnessNewSI in year 1 to
// RoughnessOldSI in year T = DeteriorationYears rounded half to even,
// Ks(y) = new + (old - new) (y - 1) / (DeteriorationYears - 1), then stays at
// the old value up to the design life. T = 1 means old roughness from year 1;
// T above 100 fills years 1..100 on the rising line. False (nothing usable)
// when T is below 1 (DeteriorationYears at or below 0.5) or not finite.
bool AgeRoughness(const ProjectStore& store, ResultsStore& results);

} // namespace vemora
