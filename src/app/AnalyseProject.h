// The analysis as the analysis dialog runs it, from the stores to the
// refreshed (still hidden) results window.
#pragma once

#include "engine/AnalysisRun.h"

namespace vemora {

struct AppContext;

// Discards the results there were, loads a fresh results window without
// showing it, has the store take the input on screen (TakeInputOnScreen)
// and keeps its image as the input the results describe (analysedInput),
// runs the analysis on the context's stores (the supervision cost is the
// store's, as the window's box gave it), keeps the run's flags in the project store and after a
// completed run has the results window refresh itself from the stores; a failed run leaves no
// results window loaded. `observer` sees the
// progress from 55 to 100 and, at that moment, a pump curve that misses the
// system curve; the caller shows the message that belongs to the outcome.
AnalysisOutcome AnalyseProject(AppContext& ctx, AnalysisObserver& observer);

} // namespace vemora
