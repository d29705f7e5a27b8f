#include "converter/InstallConverter.h"

#include "app/AppContext.h"
#include "converter/frmConverter.h"

namespace vemora {

void InstallConverter(AppContext& ctx)
{
    ctx.windows.converter.Install([&ctx] {
        frmConverter dialog(ctx, ctx.mainWindow().widget());
        return ctx.ui.execDialog(&dialog);
    });
}

} // namespace vemora
