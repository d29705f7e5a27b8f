#include "input/InstallInputWindow.h"

#include "app/AppContext.h"
#include "input/frmLCC.h"

namespace vemora {

void InstallInputWindow(AppContext& ctx)
{
    ctx.windows.input.Install([&ctx]() -> InputWindow* {
        auto* window = new frmLCC(ctx);
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
}

} // namespace vemora
