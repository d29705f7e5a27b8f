#include "shell/InstallWindows.h"

#include "converter/InstallConverter.h"
#include "input/InstallInputWindow.h"
#include "results/InstallResultsWindow.h"
#include "shell/InstallShellDialogs.h"
#include "shell/StandInWindows.h"

namespace vemora {

void InstallWindows(AppContext& ctx)
{
    InstallInputWindow(ctx);
    InstallResultsWindow(ctx);
    InstallConverter(ctx);
    InstallShellDialogs(ctx);
    // Last: windows not built yet get their plain stand-ins.
    InstallStandIns(ctx);
}

} // namespace vemora
