#include "app/PendingEdits.h"

#include "app/AppContext.h"
#include "app/SaveChecks.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"

namespace vemora {

PendingInput BuildPendingInput(AppContext& ctx)
{
    PendingInput pending;
    InputWindow* w = ctx.windows.input.Get();
    if (!w) return pending;
    ProjectStore scratch = ctx.store;
    StoreOptionCodes(scratch, w->Options());
    pending.refusals = ListSaveRefusals(*w, scratch);
    w->CopyFieldsToStore(scratch);
    CopyStoreToRecord(scratch, scratch.ProjectRec);
    pending.record = EncodeRecord(scratch.ProjectRec);
    return pending;
}

void NoteSavedInput(AppContext& ctx)
{
    ctx.savedInput = BuildPendingInput(ctx);
}

bool EditsPending(AppContext& ctx)
{
    if (ctx.store.ProjectOpen != 1 || !ctx.windows.input.Get()) return false;
    return BuildPendingInput(ctx) != ctx.savedInput;
}

} // namespace vemora
