#include "shell/InstallWindows.h"

#include "converter/InstallConverter.h"
#include "input/InstallInputWindow.h"
#include "shell/InstallShellDialogs.h"

namespace vemora {

void InstallWindows(AppContext& ctx)
{
    InstallInputWindow(ctx);
    InstallConverter(ctx);
    InstallShellDialogs(ctx);
}

} // namespace vemora
