#include "shell/InstallShellDialogs.h"

#include "app/AppContext.h"
#include "shell/frmAbout.h"
#include "shell/frmAnalyse.h"
#include "shell/frmDisclaimer.h"
#include "shell/frmPDFView.h"
#include "shell/frmPref.h"

namespace vemora {

namespace {

template <typename Dialog> void InstallDialog(AppContext& ctx, DialogSlot& slot)
{
    slot.Install([&ctx] {
        Dialog dialog(ctx, ctx.mainWindow().widget());
        return ctx.ui.execDialog(&dialog);
    });
}

} // namespace

void InstallShellDialogs(AppContext& ctx)
{
    InstallDialog<frmPref>(ctx, ctx.windows.preferences);
    InstallDialog<frmAbout>(ctx, ctx.windows.about);
    InstallDialog<frmDisclaimer>(ctx, ctx.windows.disclaimer);
    InstallDialog<frmPDFView>(ctx, ctx.windows.guide);
    InstallDialog<frmAnalyse>(ctx, ctx.windows.analysis);
}

} // namespace vemora
