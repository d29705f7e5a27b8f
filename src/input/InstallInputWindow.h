// Puts the input window into the registry: made on first use, as a working
// window of the context's main window.
#pragma once

namespace vemora {

struct AppContext;

void InstallInputWindow(AppContext& ctx);

} // namespace vemora
