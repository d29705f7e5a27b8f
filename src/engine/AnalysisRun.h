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
#include "engine/AnalysisTexts.h"
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

// The nodes before the mark that ends the profile: a saved profile of one
// node reads as two, the second being that mark. A run needs two.
int NodesBeforeEndMark(const ProjectStore& store);

// The sections of nodes 1..NodeCount add up to some length (SectionLengthSI,
// m, after ConvertInputToSI); a run needs some.
bool ProfileHasLength(const ProjectStore& store, const ResultsStore& results);

// The life-cycle costs: capital cost, yearly costs, present values and the
// IRR scan. Part of the run; exposed for the checks of the cost stages.
AnalysisFailure CalcLifeCycleCosts(const ProjectStore& store, ResultsStore& results,
                                   float supervisionCost);

// Titles of the outcomes' messages (AnalysisTexts.h holds the messages).
inline constexpr const char* ErrorTitle = "Vemora Error";
inline constexpr const char* PumpCurveMissedTitle = "Error";
inline constexpr const char* HighPointCommentTitle = "Vemora: comment";
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
