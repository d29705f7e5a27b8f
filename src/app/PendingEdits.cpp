#include "app/PendingEdits.h"

#include "app/AppContext.h"
#include "app/SaveChecks.h"
#include "project/ProfileNodes.h"
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

PendingInput TakeInputOnScreen(AppContext& ctx)
{
    PendingInput pending;
    InputWindow* w = ctx.windows.input.Get();
    if (!w) return pending;
    ProjectStore filled = FillFromWindow(ctx, *w, pending);
    if (pending != ctx.savedInput) {
        filled.ProjectRec = ctx.store.ProjectRec; // the record stays the file's
        ctx.store = std::move(filled);
    } else {
        CopyRecordToStore(ctx.store.ProjectRec, ctx.store);
        ctx.store.NodeCount = ProfileNodeCount(ctx.store); // as the profile grid's fill sets it
    }
    return pending;
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
