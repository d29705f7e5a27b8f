// Installs the roughness calibration window and its profile view into their
// slots of the window registry.
#pragma once

namespace vemora {

struct AppContext;

void InstallCalibration(AppContext& ctx);

} // namespace vemora
