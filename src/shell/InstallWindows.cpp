#include "shell/InstallWindows.h"

#include "converter/InstallConverter.h"
#include "input/InstallInputWindow.h"

namespace vemora {

void InstallWindows(AppContext& ctx)
{
    InstallInputWindow(ctx);
    InstallConverter(ctx);
}

} // namespace vemora
