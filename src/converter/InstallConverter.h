// Puts the unit converter into the registry: a fresh modal dialog over the
// main window at each opening.
#pragma once

namespace vemora {

struct AppContext;

void InstallConverter(AppContext& ctx);

} // namespace vemora
