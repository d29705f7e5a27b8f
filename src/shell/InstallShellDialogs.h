// Puts the shell's own dialogs into the registry: preferences, About,
// Disclaimer and the guide, each a fresh modal dialog over the main window.
#pragma once

namespace vemora {

struct AppContext;

void InstallShellDialogs(AppContext& ctx);

} // namespace vemora
