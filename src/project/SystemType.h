// The pipeline system of a project, held in SystemType: 0 gravity, 1 pumping.
// Every record is checked to hold 0 or 1 when it is loaded, and the program
// writes only these two values, so the one reading IsPumping serves for both.
// Works on the data store and on the project record alike.
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

} // namespace vemora
