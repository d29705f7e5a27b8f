#include "app/DiscardResults.h"

#include "app/AppContext.h"
#include "app/PendingEdits.h"

namespace vemora {

void DiscardResults(AppContext& ctx)
{
    if (ctx.store.ResultsValid) ctx.windows.results.Unload();
    ctx.windows.irrView.Unload();
    ctx.store.ResultsValid = false;
}

bool DiscardStaleResults(AppContext& ctx)
{
    if (!ctx.store.ResultsValid) return false;
    if (BuildSaveImage(ctx) != ctx.analysedInput) DiscardResults(ctx);
    return ctx.store.ResultsValid;
}

} // namespace vemora
