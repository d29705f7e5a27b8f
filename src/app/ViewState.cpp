#include "app/ViewState.h"

#include <algorithm>

namespace vemora {

void PrepareProfilePlotData(const ProjectStore& store, ViewState& view)
{
    const int count = std::clamp<int>(store.NodeCount, 0, MaxNodes);
    view.PlotNodeCount = static_cast<int16_t>(count);
    for (int i = 1; i <= count; ++i) {
        view.PlotDistance[i] = store.NodeAccumulatedLength[i];
        view.PlotElevation[i] = store.NodeElevation[i];
    }
}

} // namespace vemora
