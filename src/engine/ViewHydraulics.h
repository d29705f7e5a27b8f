// The yearly hydraulics that a profile view solves for itself to draw them,
// outside an analysis run, and why they could not be solved, in the words an
// analysis of the same input uses.
#pragma once

#include <string>

#include "engine/Hydraulics.h"

namespace vemora {

// Puts every value CalculateHydraulics writes (the roughness, friction
// factors, losses, flow and gradeline of every year, the duty values and
// the system curves) back as the program starts with them, so that where a
// solution writes nothing no earlier solution or project shows through. The
// SI working values and unit factors stay.
void ResetYearlyHydraulics(ResultsStore& results);

struct ViewHydraulics
{
    HydraulicsStatus Status = HydraulicsStatus::Ok;
    // Unless Ok, why: for Failed the reason under the gradeline message; for
    // a missed pump curve or a flow beyond the search the run's own message
    // of it ("The pump curve does not intersect the system curve for year 1").
    std::string Reason;
};

// On the SI working values that ConvertInputToSI prepared (`unitsKnown`: it
// knew every unit of the project): ResetYearlyHydraulics, then
// CalculateHydraulics of every year, which an unknown unit makes Failed
// without solving. The run flags of the store are the analysis's and stay.
// A failure is told as the run tells the first of its stages before the
// hydraulics that refuses the input (too few nodes, the hydraulic inputs'
// check, the units, a profile without length), else as the hydraulics' own.
ViewHydraulics SolveViewHydraulics(const ProjectStore& store, ResultsStore& results,
                                   bool unitsKnown);

// The view's message of a solution that was not Ok: "Could not determine the
// hydraulic gradeline. Please check input data" with the reason on a second
// line.
std::string GradelineFailureText(const ViewHydraulics& solution);

} // namespace vemora
