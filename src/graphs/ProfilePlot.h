// The profile view's plot: the profile graph of a section, drawn after the
// view has solved the hydraulics of every year itself, with the roughness,
// flow and pumping head of the chosen year.
#pragma once

#include <string>

#include "graphs/ProfileGraph.h"

namespace vemora {

class AnalysisObserver;

// How the view's own hydraulic solution went.
enum class ProfileSolution {
    Solved,
    Failed,          // no gradeline could be laid
    PumpCurveMissed, // the pump curve misses the system curve in a year
    FlowTooLarge,    // a gravity flow would exceed the top of its search
};

// Converts the input to SI and solves every year of the design life into
// `results`, telling `observer` of a missed pump curve. The run flags of the
// store are the analysis's and stay as they are.
ProfileSolution SolveProfileHydraulics(const ProjectStore& store, ResultsStore& results,
                                       AnalysisObserver& observer);

struct ProfilePlotResult
{
    ProfileStatus Status = ProfileStatus::Drawn;
    std::string Roughness;    // lblKs: "Roughness: 0.50000 mm"
    ProfileCaptions Captions; // lblFlowrate, lblPumping; formed only when drawn
};

// "Roughness: " and the year's roughness in the new-roughness unit ("#0.00000").
std::string RoughnessCaption(const ProjectStore& store, const ResultsStore& results, int year);

// Draws the profile as the profile view shows it (titles "Accumulated
// length (m)" and the elevation picture at (11, 2300), air valves on top of
// their node). Without a solution no gradeline is drawn and the captions
// are their bare prefixes ("Flow rate:", "Pumping head:"), never an earlier
// year's values. A status other than Drawn leaves the surface, the frame
// and the captions as they were; the roughness is formed in every case.
ProfilePlotResult DrawProfilePlot(DrawingSurface& surface, PlotFrame& frame,
                                  const ProjectStore& store, const ResultsStore& results,
                                  ProfileView view, ProfileSolution solution);

} // namespace vemora
