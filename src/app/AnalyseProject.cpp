#include "app/AnalyseProject.h"

#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "app/PendingEdits.h"

namespace vemora {

namespace {

// The run decides these flags; the store keeps them for the windows.
void StoreRunFlags(const RunFlags& flags, ProjectStore& store)
{
    store.ResultsValid = flags.ResultsValid;
    store.HighPointFlag = flags.HighPointFlag;
    store.GradelineFailed = flags.GradelineFailed;
}

} // namespace

AnalysisOutcome AnalyseProject(AppContext& ctx, AnalysisObserver& observer)
{
    // Every run fills a freshly loaded window, from the first supply year; a
    // window left from an earlier run would show that run's years.
    ctx.windows.results.Unload();
    DiscardResults(ctx);
    ctx.analysedInput = TakeInputOnScreen(ctx);
    ResultsWindow* results = ctx.windows.results.Load();
    const AnalysisOutcome outcome =
        RunAnalysis(ctx.store, ctx.results, ctx.store.SupervisionFees, observer);
    StoreRunFlags(outcome.Flags, ctx.store);
    if (outcome.Status != AnalysisStatus::Completed) {
        ctx.windows.results.Unload(); // a failed run keeps no results
        return outcome;
    }
    if (results) results->Refresh(observer);
    return outcome;
}

} // namespace vemora
