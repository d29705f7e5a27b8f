#include "app/InvalidateResults.h"

#include "app/AppContext.h"

namespace vemora {

void InvalidateResults(AppContext& ctx)
{
    if (ctx.store.ResultsValid == 1) ctx.windows.results.Unload();
    ctx.windows.irrView.Unload(); // it would show the discarded scan
    ctx.store.ResultsValid = 0;
    ctx.store.ProjectSaved = 0;
}

} // namespace vemora
