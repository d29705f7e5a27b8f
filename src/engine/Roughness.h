// Ageing of the pipe roughness over the years.
#pragma once

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

// YearRoughness(y), m: grows linearly from RoughnessNewSI in year 1 to
// RoughnessOldSI in year T = DeteriorationYears rounded half to even,
// Ks(y) = new + (old - new) (y - 1) / (DeteriorationYears - 1), then stays at
// the old value up to the design life (years past the design life up to T are
// filled too). T = 1 means old roughness from year 1. False (nothing usable)
// when T is outside 1..100 (DeteriorationYears at or below 0.5, or above
// 100.5) or not finite.
bool AgeRoughness(const ProjectStore& store, ResultsStore& results);

} // namespace vemora
