// The ranges a project record must respect before it replaces the current
// project, and the check that applies them. Unit codes must lie in their
// unit lists (project/UnitTables.h); the windows' scroll bars use the same
// ranges as below.
#pragma once

#include <string>

#include "project/ProjectRecord.h"

namespace vemora {

// Scroll-bar ranges of the input window.
constexpr int DesignLifeMin = 2;
constexpr int DesignLifeMax = 100;
constexpr int YearMin = 1950; // base year and supply start year
constexpr int YearMax = 2500;
constexpr int MaintenancePipelineMax = 2000; // hundredths of a percent per year
constexpr int MaintenanceMechanicalMax = 1000;
constexpr int MaintenanceElectricalMax = 1000;
constexpr int MaintenanceMin = 0;
constexpr int SummerMonthsMin = 0;
constexpr int SummerMonthsMax = 12;
constexpr int PumpingHoursMin = 1;
constexpr int PumpingHoursMax = 24;

// True when every checked field of `rec` lies in its range and every real
// field the load reads is finite (CheckRecordReals). The pumping fields are
// checked only for a pumping record; a gravity record carries them unused.
// Node-type and tariff-hour codes are not checked: odd values there are
// tolerated. On failure `why` (when given) names the first bad field.
bool CheckRecord(const ProjectRecord& rec, std::string* why = nullptr);

} // namespace vemora
