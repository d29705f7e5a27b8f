// What the result and profile views show, kept for the whole run: the
// operating year of the profile graphs, the switches of their gradeline and
// component symbols, and the profile's plot data in the units entered.
#pragma once

#include <cstdint>

#include "project/ProjectStore.h"

namespace vemora {

struct ViewState
{
    // Operating year 1..DesignLife of the profile graphs and the node table.
    int16_t SelectedYear = 1;
    // 0 while the profile graphs draw the gradeline (the component symbols), -1 while not.
    int16_t HideGradeline = 0;
    int16_t HideComponents = 0;

    // The profile nodes 1..PlotNodeCount as plotted: accumulated length in the
    // chainage unit and ground elevation in the elevation unit.
    int16_t PlotNodeCount = 0;
    Array1<float, MaxNodes> PlotDistance{};
    Array1<float, MaxNodes> PlotElevation{};
};

// Copies the data store's profile nodes 1..NodeCount (at most MaxNodes, none
// when NodeCount is negative) into the plot data, unconverted.
void PrepareProfilePlotData(const ProjectStore& store, ViewState& view);

} // namespace vemora
