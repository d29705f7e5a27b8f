// Discarding the analysis results when an input is edited.
#pragma once

namespace vemora {

struct AppContext;

// The edited input no longer matches the results: unload the results window
// when results are valid and the IRR window always, then mark the project as without results and
// unsaved. Both flags are cleared on every call.
void InvalidateResults(AppContext& ctx);

} // namespace vemora
