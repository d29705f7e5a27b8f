// The profile nodes in use.
#pragma once

#include <cstdint>

#include "project/ProjectStore.h"

namespace vemora {

// The number of profile rows a project shows: the nodes before the first empty
// one (elevation and accumulated length both 999999), 500 when none is empty,
// and at least 2.
int16_t ProfileNodeCount(const ProjectStore& store);

} // namespace vemora
