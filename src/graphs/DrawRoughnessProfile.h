// The calibration's profile graph: the profile graph of the chosen section
// and year, over which every ticked scenario draws the gradelines of its
// measured sections in its own colour, width 2, with a circle of radius 50
// twips at each measuring point in sight.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/RoughnessCalibration.h"
#include "graphs/ProfileGraph.h"

namespace vemora {

// The scenarios' colours (&HBBGGRR), scenario 1 first.
inline constexpr std::array<uint32_t, CalibrationScenarioCount> ScenarioColours = {
    0x0000FF, 0x00FF00, 0xFF00FF, 0xFFFF80, 0x800080, 0x0080FF, 0x808080, 0xFF8080};

using ScenarioTicks = std::array<bool, CalibrationScenarioCount>;

struct RoughnessProfileResult
{
    ProfileStatus Status = ProfileStatus::Drawn;
    ProfileCaptions Captions; // formed only when drawn
};

// Draws the profile as the calibration view shows it (title "Accumulated
// length (m)" by the chainage unit, the elevation title at (11, 2300), air
// valves standing on their node). The gradelines are metres; they are drawn
// in the elevation unit (level / metres per unit) and, with the ground and
// the year's gradeline, make the vertical range. With `gradelineFailed`
// (the year's hydraulics could not be solved) only the profile, its symbols,
// grid and axes are drawn and the captions are UnsolvedCaptions. A status
// other than Drawn leaves the surface and the frame as they were.
RoughnessProfileResult DrawRoughnessProfile(DrawingSurface& surface, PlotFrame& frame,
                                            const ProjectStore& store, const ResultsStore& results,
                                            ProfileView view, const CalibrationResults& calibration,
                                            const ScenarioTicks& ticked, bool gradelineFailed);

} // namespace vemora
