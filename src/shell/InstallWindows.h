// Installs every window the program has into the context's registry. The
// shell is the one place that knows all window folders.
#pragma once

namespace vemora {

struct AppContext;

void InstallWindows(AppContext& ctx);

} // namespace vemora
