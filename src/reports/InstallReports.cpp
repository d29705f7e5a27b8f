#include "reports/InstallReports.h"

#include "app/AppContext.h"
#include "reports/frmPrint.h"

namespace vemora {

void InstallReports(AppContext& ctx)
{
    ctx.windows.print.Install([&ctx] {
        frmPrint dialog(ctx, ctx.mainWindow().widget());
        return ctx.ui.execDialog(&dialog);
    });
}

} // namespace vemora
