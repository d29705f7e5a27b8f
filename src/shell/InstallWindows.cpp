#include "shell/InstallWindows.h"

#include "converter/InstallConverter.h"
#include "input/InstallImportWizard.h"
#include "input/InstallInputWindow.h"
#include "results/InstallResultsWindow.h"
#include "shell/InstallShellDialogs.h"

namespace vemora {

void InstallWindows(AppContext& ctx)
{
    InstallInputWindow(ctx);
    InstallImportWizard(ctx);
    InstallResultsWindow(ctx);
    InstallConverter(ctx);
    InstallShellDialogs(ctx);
}

} // namespace vemora
