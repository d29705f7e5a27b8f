// The calendar years of a project: construction from BaseYear, operation
// from SupplyStartYear for DesignLife years.
#pragma once

#include <algorithm>

#include "project/ProjectStore.h"

namespace vemora {

// The calendar year of operating year i (1 = the first supply year):
// SupplyStartYear + i - 1, so with supply start 2001 operating year 1 is 2001.
inline int OperatingCalendarYear(const ProjectStore& s, int operatingYear)
{
    return s.SupplyStartYear + operatingYear - 1;
}

// The number of construction years, SupplyStartYear - BaseYear, never below 0.
inline int ConstructionYears(const ProjectStore& s)
{
    return std::max(0, s.SupplyStartYear - s.BaseYear);
}

} // namespace vemora
