#include "shell/InstallWindows.h"

#include "input/InstallInputWindow.h"
#include "results/InstallResultsWindow.h"

namespace vemora {

void InstallWindows(AppContext& ctx)
{
    InstallInputWindow(ctx);
    InstallResultsWindow(ctx);
}

} // namespace vemora
