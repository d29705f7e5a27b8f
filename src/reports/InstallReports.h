// Installs the print selection window into its registry slot.
#pragma once

namespace vemora {

struct AppContext;

void InstallReports(AppContext& ctx);

} // namespace vemora
