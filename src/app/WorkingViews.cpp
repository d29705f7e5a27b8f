#include "app/WorkingViews.h"

#include "app/AppContext.h"

namespace vemora {

void ShowWorkingWindow(AppContext& ctx, WorkingWindow* window)
{
    if (window) ctx.mainWindow().showWorkingWindow(window->widget());
}

void HideWorkingWindow(AppContext& ctx, WorkingWindow* window)
{
    if (window) ctx.mainWindow().hideWorkingWindow(window->widget());
}

bool IsWorkingWindowShowing(const AppContext& ctx, WorkingWindow* window)
{
    return window && ctx.mainWindow().isWorkingWindowShowing(window->widget());
}

void HideMainViews(AppContext& ctx)
{
    InputWindow* input = ctx.windows.input.Get();
    ResultsWindow* results = ctx.windows.results.Get();
    if (IsWorkingWindowShowing(ctx, input)) {
        HideWorkingWindow(ctx, input);
        ctx.viewCode = WorkingView::Input;
    }
    if (IsWorkingWindowShowing(ctx, results)) {
        HideWorkingWindow(ctx, results);
        ctx.viewCode = WorkingView::InputAfterResults;
    }
}

void RestoreCurrentView(AppContext& ctx)
{
    // A deleted project's input window does not come back.
    InputWindow* input = ctx.store.ProjectOpen ? ctx.windows.input.Get() : nullptr;
    ResultsWindow* results = ctx.windows.results.Get();
    switch (ctx.viewCode) {
    case WorkingView::Input:
        ShowWorkingWindow(ctx, input);
        HideWorkingWindow(ctx, results);
        break;
    case WorkingView::InputAfterResults:
        ShowWorkingWindow(ctx, input);
        if (input) input->RefreshCurrencyLabels();
        break;
    case WorkingView::Results:
        ShowWorkingWindow(ctx, results);
        break;
    case WorkingView::AnalysisDialog:
        // No analysis dialog exists yet to be shown; the results window goes.
        HideWorkingWindow(ctx, results);
        break;
    case WorkingView::Nothing:
        HideWorkingWindow(ctx, ctx.windows.input.Get());
        HideWorkingWindow(ctx, results);
        break;
    case WorkingView::None:
        break;
    }
}

} // namespace vemora
