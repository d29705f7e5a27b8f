// The profile view's plot: the profile graph of a section, drawn after the
// view has solved the hydraulics of every year itself, with the roughness,
// flow and pumping head of the chosen year.
#pragma once

#include <string>

#include "graphs/ProfileGraph.h"

namespace vemora {

struct ProfilePlotResult
{
    ProfileStatus Status = ProfileStatus::Drawn;
    std::string Roughness;    // lblKs: "Roughness: 0.50000 mm"
    ProfileCaptions Captions; // lblFlowrate, lblPumping; formed only when drawn
};

// "Roughness: " and the year's roughness in the new-roughness unit
// ("#0.00000"); the bare "Roughness:" without a solution (`solved` false)
// or a figure to show.
std::string RoughnessCaption(const ProjectStore& store, const ResultsStore& results, int year,
                             bool solved);

// Draws the profile as the profile view shows it (titles "Accumulated
// length (m)" and the elevation picture at (11, 2300), air valves on top of
// their node). Without a solution (`solved` false) no gradeline is drawn and
// the captions are UnsolvedCaptions. A status other than Drawn leaves the
// surface, the frame and the captions as they were; the roughness is formed
// in every case.
ProfilePlotResult DrawProfilePlot(DrawingSurface& surface, PlotFrame& frame,
                                  const ProjectStore& store, const ResultsStore& results,
                                  ProfileView view, bool solved);

} // namespace vemora
