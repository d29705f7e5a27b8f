#include "app/InputSnapshot.h"

#include "app/AppContext.h"

namespace vemora {

InputSnapshot ReadInputWindow(AppContext& ctx)
{
    InputWindow* input = ctx.windows.input.Load();
    return input ? input->Snapshot() : InputSnapshot();
}

} // namespace vemora
