// The analysis run: every engine stage in order on the project data store,
// from the SI working values to the present values and the IRR. It shows
// nothing and reads the project store without writing it: progress and a
// missed pump curve go to the observer, and the caller keeps the returned
// flags in the store, shows the message that belongs to the returned status
// and has the results shown from the results store.
#pragma once

#include <string>

#include "engine/AnalysisFailure.h"
#include "engine/AnalysisObserver.h"
#include "engine/ResultsStore.h"
#include "engine/RunFlags.h"
#include "project/ProjectStore.h"

namespace vemora {

enum class AnalysisStatus {
    Completed,            // ResultsValid set; a set HighPointFlag asks for HighPointComment
    PumpCurveMissed,      // Year holds the operating year (the observer has been told)
    HydraulicsFailed,     // HydraulicsFailedMessage
    RunFailed,            // RunFailedMessage
    ProjectPeriodInvalid, // ProjectPeriodMessage
    FlowTooLarge,         // FlowTooLargeMessage
    ProfileWithoutLength, // ProfileWithoutLengthMessage
    SupplyBeforeStart,    // SupplyBeforeStartMessage
    CostsFailed,          // CostsFailedMessage
};

struct AnalysisOutcome
{
    AnalysisStatus Status = AnalysisStatus::Completed;
    int Year = 0;            // the year of a missed pump curve, else 0
    bool IrrFound = false;   // a completed run found an internal rate of return
    RunFlags Flags;          // for the store (AnalyseProject keeps them)
    AnalysisFailure Failure; // what stopped a failed run and where
    std::string Reason;      // that failure in the user's terms (FailureReason)
    std::string Note;        // a completed run that found no water: why (NoFlowNote)
};

// Runs the analysis. `supervisionCost` is the value of the supervision field
// at the moment of the run. A profile of fewer than two nodes ends the run at
// once as HydraulicsFailed, inputs that fail CheckAnalysisInputs as
// RunFailed, a supply start before the starting year as SupplyBeforeStart,
// costs or income beyond the range of numbers as CostsFailed; each with the
// Failure its stage found and its Reason. A profile whose sections add up to
// no length ends it as ProfileWithoutLength, a gravity flow that would pass
// the top of its search as FlowTooLarge: their messages say it all. Progress goes to the observer
// from 55 to 70; the showing of the results takes it on to 100. The flags start cleared (a run that
// ends before the hydraulics keeps the store's GradelineFailed); only a completed run sets
// ResultsValid, any other outcome clears it, and then the results are not to be offered.
AnalysisOutcome RunAnalysis(const ProjectStore& store, ResultsStore& results, float supervisionCost,
                            AnalysisObserver& observer);

// The same run with an observer that does nothing.
AnalysisOutcome RunAnalysis(const ProjectStore& store, ResultsStore& results,
                            float supervisionCost);

// The life-cycle costs: capital cost, yearly costs, present values and the
// IRR scan. Part of the run; exposed for the checks of the cost stages.
AnalysisFailure CalcLifeCycleCosts(const ProjectStore& store, ResultsStore& results,
                                   float supervisionCost);

// Messages and titles of the outcomes, for the window that shows them.
inline constexpr const char* HydraulicsFailedMessage =
    "Could not determine the hydraulic gradeline. Please check input data";
inline constexpr const char* RunFailedMessage = "Could not determine the flow for each year.";
inline constexpr const char* ProjectPeriodMessage =
    "The construction period and the design life together must fit within 100 years.";
inline constexpr const char* FlowTooLargeMessage =
    "The flow would exceed 100 m³/s: check the reservoir levels, the profile and the pipe sizes !";
inline constexpr const char* ProfileWithoutLengthMessage =
    "The profile has no length: enter the chainage of each node !";
inline constexpr const char* SupplyBeforeStartMessage =
    "The supply start year must not come before the starting year.";
inline constexpr const char* CostsFailedMessage = "Could not compute the life-cycle costs.";
inline constexpr const char* ErrorTitle = "Vemora Error";
inline constexpr const char* PumpCurveMissedTitle = "Error";
inline constexpr const char* HighPointCommentTitle = "Vemora: comment";
inline constexpr const char* HighPointComment =
    "A local high point in the pipeline profile resulted in the adjustment of the flow.  In other "
    "words there will be additional head available after this point.  Reduced diameter sizes might "
    "be an option to consider.";
// "The pump curve does not intersect the system curve for year " and the year.
std::string PumpCurveMissedMessage(int year);

// The message (in UTF-8) of a run that failed with `status`, shown under
// ErrorTitle; empty for a completed run and for a missed pump curve, which
// is told while the run stops.
const char* AnalysisFailureMessage(AnalysisStatus status);

// The message of a failed run as the user sees it: the outcome's message
// and, on a second line, its reason when it has one.
std::string AnalysisFailureText(const AnalysisOutcome& outcome);

} // namespace vemora
