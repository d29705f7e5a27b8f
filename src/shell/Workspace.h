// Everything the program holds for the whole run: the project data store, the
// results store and the working-view code. Created once by main() and passed
// by reference to every window.
#pragma once

#include <cstdint>

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

struct Workspace
{
    ProjectStore store;
    ResultsStore results;
    int16_t ViewCode = 0; // working window to show again when a dialog closes
};

} // namespace vemora
