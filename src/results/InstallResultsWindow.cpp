#include "results/InstallResultsWindow.h"

#include "app/AppContext.h"
#include "results/frmResults.h"

namespace vemora {

void InstallResultsWindow(AppContext& ctx)
{
    ctx.windows.results.Install([&ctx]() -> ResultsWindow* {
        auto* window = new frmResults(ctx);
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
}

} // namespace vemora
