// Discarding the analysis results: when an input is edited, and whenever
// results are about to be shown, printed or read and no longer describe the
// input on screen.
#pragma once

namespace vemora {

struct AppContext;

// The one way results go: the results window is unloaded when results are
// valid, the IRR view always (it would show the discarded scan), and the
// project is marked as without results.
void DiscardResults(AppContext& ctx);

// Results describe the input they were computed from. When the record a
// save would write now (BuildSaveImage) differs from the one the run
// analysed, the results are discarded. Returns whether results stand.
// Everything that shows, prints or reads results calls this first.
bool DiscardStaleResults(AppContext& ctx);

} // namespace vemora
