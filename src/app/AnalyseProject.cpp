#include "app/AnalyseProject.h"

#include "app/AppContext.h"

namespace vemora {

AnalysisOutcome AnalyseProject(AppContext& ctx, float supervisionCost, AnalysisObserver& observer)
{
    ResultsWindow* results = ctx.windows.results.Load();
    const AnalysisOutcome outcome = RunAnalysis(ctx.store, ctx.results, supervisionCost, observer);
    StoreRunFlags(outcome.Flags, ctx.store);
    if (outcome.Status == AnalysisStatus::Completed && results) results->Refresh(observer);
    return outcome;
}

} // namespace vemora
