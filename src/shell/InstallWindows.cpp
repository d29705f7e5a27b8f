#include "shell/InstallWindows.h"

#include "calibration/InstallCalibration.h"
#include "converter/InstallConverter.h"
#include "input/InstallImportWizard.h"
#include "input/InstallInputWindow.h"
#include "reports/InstallReports.h"
#include "results/InstallResultsWindow.h"
#include "shell/InstallShellDialogs.h"

namespace vemora {

void InstallWindows(AppContext& ctx)
{
    InstallInputWindow(ctx);
    InstallImportWizard(ctx);
    InstallResultsWindow(ctx);
    InstallReports(ctx);
    InstallConverter(ctx);
    InstallCalibration(ctx);
    InstallShellDialogs(ctx);
}

} // namespace vemora
