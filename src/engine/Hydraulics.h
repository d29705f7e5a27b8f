// The yearly hydraulics: roughness ageing, friction, the flow of every year
// and the hydraulic gradeline.
#pragma once

#include "engine/AnalysisFailure.h"
#include "engine/AnalysisObserver.h"
#include "engine/PipeModel.h"
#include "engine/ResultsStore.h"
#include "engine/RunFlags.h"
#include "project/ProjectStore.h"

namespace vemora {

enum class HydraulicsStatus {
    Ok,
    Failed,          // "Could not determine the hydraulic gradeline. Please check input data"
    PumpCurveMissed, // DutyYear is the year
    FlowTooLarge,    // a gravity flow would exceed 100 m³/s, the top of its search
};

// Solves every year 1..DesignLife (at most 100). Gravity: bisection flow with
// the high-point reduction, gradeline from the start level down
// (Gradeline(0) = start, Gradeline(j) = Gradeline(j - 1) - hf(j) - hs(j)).
// Pumping: duty point (pump curve) or the operating flow, gradeline from the
// end level up (Gradeline(n) = end, Gradeline(k) = Gradeline(k + 1) + hf(k) +
// hs(k), Gradeline(0) = z(1)), raised so that no node is below -1 m; with a
// pump curve YearPumpHead = PumpingHead (below). Of the run's `flags` it
// clears GradelineFailed at the start; it sets GradelineFailed on failure and
// HighPointFlag when a high point lowered a gravity flow.
// On failure `failure` says what failed, at which node or year.
// Needs ConvertInputToSI to have run.
HydraulicsStatus CalculateHydraulics(const ProjectStore& store, ResultsStore& results,
                                     AnalysisObserver& observer, RunFlags& flags,
                                     AnalysisFailure& failure);

// Gradeline of a pumping system for year y from the stored section losses,
// laid back from EndLevelSI and raised so that the lowest node pressure head
// (a 4-byte real) is -1 m when it was below; Gradeline(0, y) = z(1).
void LayPumpingGradeline(const PipeModel& model, int year, ResultsStore& results);

// The head the pumps give in year y: Gradeline(1, y) - StartLevelSI, from the
// pump-station reservoir level to the gradeline at node 1, m. The duty head of
// a pump curve, the pumping-head captions and reports and the energy cost all
// take this one figure.
float PumpingHead(const ResultsStore& results, int year);

} // namespace vemora
