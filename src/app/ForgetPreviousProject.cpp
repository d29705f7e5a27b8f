#include "app/ForgetPreviousProject.h"

#include "app/AppContext.h"
#include "app/DiscardResults.h"

namespace vemora {

void ForgetPreviousProject(AppContext& ctx)
{
    WindowRegistry& windows = ctx.windows;
    windows.roughnessView.Unload();
    windows.roughness.Unload();
    windows.profileView.Unload(); // the calibration menu item goes with it
    windows.pumpView.Unload();
    windows.results.Unload(); // also when the load has already cleared the results
    DiscardResults(ctx);
    // Nothing computed for that project stays behind, shown or not: the
    // results store is as the program starts with it.
    ctx.results = ResultsStore();
    if (InputWindow* input = windows.input.Get()) input->ClosePumpCurvePanel();
    ctx.calibration = CalibrationData();
}

} // namespace vemora
