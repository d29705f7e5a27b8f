// What the result and profile views show, kept for the whole run: the
// operating year of the profile graphs and the switches of their gradeline
// and component symbols.
#pragma once

#include <cstdint>

namespace vemora {

struct ViewState
{
    // Operating year 1..DesignLife of the profile graphs and the node table.
    int16_t SelectedYear = 1;
    // 0 while the profile graphs draw the gradeline (the component symbols), -1 while not.
    int16_t HideGradeline = 0;
    int16_t HideComponents = 0;
};

} // namespace vemora
