#include "shell/InstallWindows.h"

#include "input/InstallInputWindow.h"

namespace vemora {

void InstallWindows(AppContext& ctx)
{
    InstallInputWindow(ctx);
}

} // namespace vemora
