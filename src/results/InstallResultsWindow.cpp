#include "results/InstallResultsWindow.h"

#include "app/AppContext.h"
#include "app/PrintFailure.h"
#include "app/ResultsGuard.h"
#include "results/frmDutyPoint.h"
#include "results/frmIRRView.h"
#include "results/frmResults.h"

namespace vemora {

void InstallResultsWindow(AppContext& ctx)
{
    ctx.windows.results.Install([&ctx]() -> ResultsWindow* {
        auto* window = new frmResults(ctx);
        GuardResultsWindow(ctx, window);
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
    ctx.graphPages.profilePlot = [&ctx](PageRun& run, ReportPrinter& printer) {
        ResultsWindow* window = ctx.windows.results.Load();
        if (!window) throw PrintFailure("the results window is not available");
        window->PrintProfilePlot(run, printer);
    };
    ctx.windows.irrView.Install([&ctx]() -> IrrViewWindow* {
        auto* window = new frmIRRView(ctx);
        GuardResultsWindow(ctx, window);
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
    ctx.windows.dutyPoint.Install([&ctx] {
        frmDutyPoint dialog(ctx, ctx.mainWindow().widget());
        return ctx.ui.execDialog(&dialog);
    });
}

} // namespace vemora
