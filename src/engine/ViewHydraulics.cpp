#include "engine/ViewHydraulics.h"

#include "engine/AnalysisInputCheck.h"
#include "engine/AnalysisReasons.h"
#include "engine/AnalysisRun.h"

namespace vemora {
namespace {

std::string FailedReason(const ProjectStore& store, const ResultsStore& results, bool unitsKnown,
                         const AnalysisFailure& hydraulics)
{
    if (const int nodes = NodesBeforeEndMark(store); nodes < 2)
        return FailureReason(store, Failed(FailureKind::TooFewNodes, nodes));
    if (AnalysisFailure input = CheckHydraulicInputs(store); !input.Ok())
        return FailureReason(store, input);
    if (!unitsKnown) return FailureReason(store, Failed(FailureKind::UnknownUnit));
    if (!ProfileHasLength(store, results)) return ProfileWithoutLengthMessage;
    return FailureReason(store, hydraulics);
}

} // namespace

void ResetYearlyHydraulics(ResultsStore& r)
{
    r.YearRoughness = {};
    r.FrictionFactor = {};
    r.FrictionHeadLoss = {};
    r.SecondaryHeadLoss = {};
    r.YearFlow = {};
    r.Gradeline = {};
    r.YearPumpEfficiency = {};
    r.YearPumpHead = {};
    r.YearDutyFlow = {};
    r.YearDutyEfficiency = {};
    r.DutyYear = 0;
    r.PumpEfficiency = 0;
    r.SystemHead.assign(r.SystemHead.size(), 0.0f);
    r.YearSystemHead = {};
    r.YearSystemFlow = {};
    r.DutyFlow = 0;
    r.DutyEfficiency = 0;
}

ViewHydraulics SolveViewHydraulics(const ProjectStore& store, ResultsStore& results,
                                   bool unitsKnown)
{
    ResetYearlyHydraulics(results);
    ViewHydraulics solution;
    AnalysisFailure failure;
    if (unitsKnown) {
        AnalysisObserver quiet;
        RunFlags unkept;
        solution.Status = CalculateHydraulics(store, results, quiet, unkept, failure);
    } else {
        solution.Status = HydraulicsStatus::Failed;
    }
    switch (solution.Status) {
    case HydraulicsStatus::Ok:
        break;
    case HydraulicsStatus::Failed:
        solution.Reason = FailedReason(store, results, unitsKnown, failure);
        break;
    case HydraulicsStatus::PumpCurveMissed:
        solution.Reason = PumpCurveMissedMessage(results.DutyYear);
        break;
    case HydraulicsStatus::FlowTooLarge:
        solution.Reason = FlowTooLargeMessage;
        break;
    }
    return solution;
}

std::string GradelineFailureText(const ViewHydraulics& solution)
{
    std::string text = HydraulicsFailedMessage;
    if (!solution.Reason.empty()) text += "\n" + solution.Reason;
    return text;
}

} // namespace vemora
