// Discarding the analysis results when an input is edited.
#pragma once

#include <functional>

namespace vemora {

struct ProjectStore;

// Installs what closes (unloads) the results window. The results window
// installs it; until one exists closing is a no-op.
void SetResultsWindowCloser(std::function<void()> closer);

// The edited input no longer matches the results: close the results window
// when results are valid, then mark the project as without results and
// unsaved. Both flags are cleared on every call.
void InvalidateResults(ProjectStore& store);

} // namespace vemora
