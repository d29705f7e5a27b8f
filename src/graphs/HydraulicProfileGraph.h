// The results window's hydraulic profile: the profile graph of the chosen
// section with the gradeline of the chosen year, and the flow-rate and
// pumping-head captions of that year.
#pragma once

#include "graphs/ProfileGraph.h"

namespace vemora {

struct HydraulicProfileResult
{
    ProfileStatus Status = ProfileStatus::Drawn;
    ProfileCaptions Captions; // lblMaxFlow and lblPumping; formed only when drawn
};

// Draws the profile as the results window shows it (titles "Accumulated
// length( m )" and "Elevation ( m )" by the project's units, the elevation
// title at (11, 1800), every symbol centred on its node but the reservoirs)
// onto `surface`, leaving its axes in `frame`. A status other than Drawn
// leaves the surface, the frame and the captions as they were; the window
// shows the message that belongs to it.
HydraulicProfileResult DrawHydraulicProfile(DrawingSurface& surface, PlotFrame& frame,
                                            const ProjectStore& store, const ResultsStore& results,
                                            const ProfileView& view);

} // namespace vemora
