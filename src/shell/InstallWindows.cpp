#include "shell/InstallWindows.h"

#include "converter/InstallConverter.h"
#include "input/InstallInputWindow.h"
#include "reports/InstallReports.h"
#include "results/InstallResultsWindow.h"
#include "shell/InstallShellDialogs.h"

namespace vemora {

void InstallWindows(AppContext& ctx)
{
    InstallInputWindow(ctx);
    InstallResultsWindow(ctx);
    InstallReports(ctx);
    InstallConverter(ctx);
    InstallShellDialogs(ctx);
}

} // namespace vemora
