// Puts the import wizard into its registry slot: a fresh modal dialog over
// the main window at each opening.
#pragma once

namespace vemora {

struct AppContext;

void InstallImportWizard(AppContext& ctx);

} // namespace vemora
