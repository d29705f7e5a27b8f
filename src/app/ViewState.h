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
    // Set while the profile graphs leave out the gradeline (the component symbols).
    bool HideGradeline = false;
    bool HideComponents = false;
};

} // namespace vemora
