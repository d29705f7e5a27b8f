#include "app/ForgetPreviousProject.h"

#include "app/AppContext.h"

namespace vemora {

void ForgetPreviousProject(AppContext& ctx)
{
    WindowRegistry& windows = ctx.windows;
    windows.roughnessView.Unload();
    windows.roughness.Unload();
    windows.profileView.Unload(); // the calibration menu item goes with it
    windows.pumpView.Unload();
    windows.irrView.Unload();
    windows.results.Unload();
    if (InputWindow* input = windows.input.Get()) input->ClosePumpCurvePanel();
    ctx.store.ResultsValid = 0;
    ctx.calibration = CalibrationData();
}

} // namespace vemora
