// The project's system of units, held in UnitSystem: 0 metric, any other
// value US (feet, inches, US gallons). Works on the data store and on the
// project record alike.
#pragma once

#include <cstdint>

namespace vemora {

namespace UnitSystems {
constexpr int16_t Metric = 0;
constexpr int16_t US = 1;
} // namespace UnitSystems

template <typename Project> bool IsMetric(const Project& p)
{
    return p.UnitSystem == UnitSystems::Metric;
}

template <typename Project> bool IsUS(const Project& p)
{
    return !IsMetric(p);
}

} // namespace vemora
