// What the user sees when an analysis finds no duty point in a year.
#pragma once

namespace vemora {

struct AppContext;

// The message "The pump curve does not intersect the system curve for year
// N" (title "Error"), then the duty-point warning window with that year's
// curves, modal; returns when it closes. The analysis observer calls this
// at the moment the engine reports the missed year.
void ShowPumpCurveMissed(AppContext& ctx, int year);

} // namespace vemora
