#include "input/InstallInputWindow.h"

#include "app/AppContext.h"
#include "input/frmLCC.h"
#include "input/frmPumpView.h"
#include "input/frmView.h"

namespace vemora {

void InstallInputWindow(AppContext& ctx)
{
    ctx.windows.input.Install([&ctx]() -> InputWindow* {
        auto* window = new frmLCC(ctx);
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
    ctx.windows.profileView.Install([&ctx]() -> ProfileViewWindow* {
        auto* window = new frmView(ctx);
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
    ctx.windows.pumpView.Install([&ctx]() -> PumpViewWindow* {
        auto* window = new frmPumpView(ctx);
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
}

} // namespace vemora
