#include "input/InstallImportWizard.h"

#include "app/AppContext.h"
#include "input/frmImport.h"

namespace vemora {

void InstallImportWizard(AppContext& ctx)
{
    ctx.windows.importWizard.Install([&ctx] {
        frmImport dialog(ctx, ctx.mainWindow().widget());
        return ctx.ui.execDialog(&dialog);
    });
}

} // namespace vemora
