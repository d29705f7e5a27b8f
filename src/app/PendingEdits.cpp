#include "app/PendingEdits.h"

#include "app/AppContext.h"
#include "app/SaveChecks.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"

namespace vemora {

namespace {

// A copy of the store filled from the window as a save fills it, quietly,
// with its record; `pending` takes the record's bytes and the refusals.
ProjectStore FillFromWindow(AppContext& ctx, InputWindow& w, PendingInput& pending)
{
    ProjectStore scratch = ctx.store;
    StoreOptionCodes(scratch, w.Options());
    pending.refusals = ListSaveRefusals(w, scratch);
    w.CopyFieldsToStore(scratch);
    CopyStoreToRecord(scratch, scratch.ProjectRec);
    pending.record = EncodeRecord(scratch.ProjectRec);
    return scratch;
}

} // namespace

PendingInput BuildPendingInput(AppContext& ctx)
{
    PendingInput pending;
    if (InputWindow* w = ctx.windows.input.Get()) FillFromWindow(ctx, *w, pending);
    return pending;
}

void TakeInputOnScreen(AppContext& ctx)
{
    PendingInput pending;
    if (InputWindow* w = ctx.windows.input.Get()) {
        ProjectStore filled = FillFromWindow(ctx, *w, pending);
        // Without edits pending the store already holds what the file holds,
        // to the last digit, which the window shows.
        if (pending != ctx.savedInput) {
            filled.ProjectRec = ctx.store.ProjectRec; // the record stays the file's
            ctx.store = std::move(filled);
        }
    }
    ctx.analysedInput = std::move(pending);
}

void NoteSavedInput(AppContext& ctx)
{
    ctx.savedInput = BuildPendingInput(ctx);
}

bool EditsPending(AppContext& ctx)
{
    if (!ctx.store.ProjectOpen || !ctx.windows.input.Get()) return false;
    return BuildPendingInput(ctx) != ctx.savedInput;
}

} // namespace vemora
