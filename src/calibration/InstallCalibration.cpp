#include "calibration/InstallCalibration.h"

#include "app/AppContext.h"
#include "calibration/frmRoughness.h"
#include "calibration/frmViewRoughness.h"

namespace vemora {

void InstallCalibration(AppContext& ctx)
{
    ctx.windows.roughness.Install([&ctx]() -> RoughnessWindow* {
        auto* window = new frmRoughness(ctx);
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
    ctx.windows.roughnessView.Install([&ctx]() -> RoughnessViewWindow* {
        auto* window = new frmViewRoughness(ctx);
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
}

} // namespace vemora
