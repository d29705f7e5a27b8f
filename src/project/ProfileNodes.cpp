#include "project/ProfileNodes.h"

namespace vemora {

bool IsEndOfProfileMark(float elevation, float accumulatedLength)
{
    return elevation == UnusedNode && accumulatedLength == UnusedNode;
}

int16_t ProfileNodeCount(const ProjectStore& store)
{
    int count = 0;
    while (count < MaxNodes && !IsEndOfProfileMark(store.NodeElevation[count + 1],
                                                   store.NodeAccumulatedLength[count + 1]))
        ++count;
    return static_cast<int16_t>(count < 2 ? 2 : count);
}

} // namespace vemora
