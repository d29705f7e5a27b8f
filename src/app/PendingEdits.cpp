#include "app/PendingEdits.h"

#include "app/AppContext.h"
#include "app/SaveChecks.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"

namespace vemora {

namespace {

// A copy of the store filled from the window as a save fills it, quietly,
// with its record; `image` takes the record's bytes and the refusals.
ProjectStore FillFromWindow(AppContext& ctx, InputWindow& w, SaveImage& image)
{
    ProjectStore scratch = ctx.store;
    StoreOptionCodes(scratch, w.Options());
    image.refusals = ListSaveRefusals(w, scratch);
    w.CopyFieldsToStore(scratch);
    CopyStoreToRecord(scratch, scratch.ProjectRec);
    image.record = EncodeRecord(scratch.ProjectRec);
    return scratch;
}

} // namespace

SaveImage BuildSaveImage(AppContext& ctx)
{
    SaveImage image;
    if (InputWindow* w = ctx.windows.input.Get()) FillFromWindow(ctx, *w, image);
    return image;
}

SaveImage TakeInputOnScreen(AppContext& ctx)
{
    SaveImage image;
    InputWindow* w = ctx.windows.input.Get();
    if (!w) return image;
    ProjectStore filled = FillFromWindow(ctx, *w, image);
    if (image != ctx.savedInput) {
        filled.ProjectRec = ctx.store.ProjectRec; // the record stays the file's
        ctx.store = std::move(filled);
    } else {
        StoreFromRecord(ctx.store.ProjectRec, ctx.store);
    }
    return image;
}

void NoteSavedInput(AppContext& ctx)
{
    ctx.savedInput = BuildSaveImage(ctx);
}

bool EditsPending(AppContext& ctx)
{
    if (!ctx.store.ProjectOpen || !ctx.windows.input.Get()) return false;
    return BuildSaveImage(ctx) != ctx.savedInput;
}

} // namespace vemora
