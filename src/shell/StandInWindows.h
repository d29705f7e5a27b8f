// Plain stand-ins for the windows not built yet: every registry slot left
// without a factory gets one that opens a plain window bearing that window's
// caption, so every command runs. A window folder that installs its own
// factory first replaces its stand-in.
#pragma once

namespace vemora {

struct AppContext;

// Installs a stand-in into each slot that has no factory.
void InstallStandIns(AppContext& ctx);

} // namespace vemora
