#include "project/ProfileNodes.h"

namespace vemora {

int16_t ProfileNodeCount(const ProjectStore& store)
{
    int count = 0;
    while (count < MaxNodes && !(store.NodeElevation[count + 1] == UnusedNode &&
                                 store.NodeAccumulatedLength[count + 1] == UnusedNode))
        ++count;
    return static_cast<int16_t>(count < 2 ? 2 : count);
}

} // namespace vemora
