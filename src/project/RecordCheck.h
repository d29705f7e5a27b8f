// The ranges a project record must respect before it replaces the current
// project, and the check that applies them. The windows use the same
// constants for their unit lists and scroll bars.
#pragma once

#include <string>

#include "project/ProjectRecord.h"

namespace vemora {

// Number of items in each unit list; a unit code is 0..count-1.
constexpr int FlowUnitCount = 13;
constexpr int OperatingFlowUnitCount = 10;
constexpr int PumpCurveFlowUnitCount = 4;
constexpr int PumpHeadUnitCount = 2;
constexpr int LengthUnitCount = 4;
constexpr int PipeDimensionUnitCount = 4;
constexpr int WaterSalesVolumeUnitCount = 4;

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
