// The profile nodes in use.
#pragma once

#include <cstdint>

#include "project/ProjectStore.h"

namespace vemora {

// Whether a node's elevation and accumulated length are the mark of an empty
// node (999999 in both), which ends the profile in a project file.
bool IsEndOfProfileMark(float elevation, float accumulatedLength);

// The number of profile rows a project shows: the nodes before the first empty
// one, 500 when none is empty, and at least 2.
int16_t ProfileNodeCount(const ProjectStore& store);

} // namespace vemora
