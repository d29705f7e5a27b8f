#include "app/InvalidateResults.h"

#include "app/AppContext.h"
#include "app/PendingEdits.h"

namespace vemora {

void DiscardResults(AppContext& ctx)
{
    if (ctx.store.ResultsValid == 1) ctx.windows.results.Unload();
    ctx.windows.irrView.Unload();
    ctx.store.ResultsValid = 0;
}

void InvalidateResults(AppContext& ctx)
{
    DiscardResults(ctx);
    ctx.store.ProjectSaved = 0;
}

bool ResultsMatchInput(AppContext& ctx)
{
    if (ctx.store.ResultsValid != 1) return false;
    if (BuildPendingInput(ctx) != ctx.analysedInput) DiscardResults(ctx);
    return ctx.store.ResultsValid == 1;
}

} // namespace vemora
