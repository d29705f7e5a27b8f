// The pipeline system of a project, held in SystemType: 0 gravity, 1 pumping.
//
// A value outside 0..1 never passes the record check on loading, yet the
// program reads such a value two ways and keeps doing so: the analysis and
// the copies between record and store take only 1 as pumping (IsPumping);
// the windows take anything but 0 as pumping (!IsGravity). Both work on the
// data store and on the project record alike.
#pragma once

#include <cstdint>

namespace vemora {

namespace PipelineSystem {
constexpr int16_t Gravity = 0;
constexpr int16_t Pumping = 1;
} // namespace PipelineSystem

template <typename Project> bool IsPumping(const Project& p)
{
    return p.SystemType == PipelineSystem::Pumping;
}

template <typename Project> bool IsGravity(const Project& p)
{
    return p.SystemType == PipelineSystem::Gravity;
}

} // namespace vemora
