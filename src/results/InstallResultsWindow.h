// Installs the results window into the registry's results slot.
#pragma once

namespace vemora {

struct AppContext;

// The results window is made hidden, as a working window of the main window.
void InstallResultsWindow(AppContext& ctx);

} // namespace vemora
