#include "engine/AnalysisRun.h"

#include <utility>

#include "engine/AnalysisInputCheck.h"
#include "engine/AnalysisReasons.h"
#include "engine/CapitalCost.h"
#include "engine/ConvertInputToSI.h"
#include "engine/EngineMath.h"
#include "engine/Hydraulics.h"
#include "engine/SupplyAndIncome.h"
#include "engine/TariffSplit.h"
#include "engine/YearlyCosts.h"
#include "project/ProfileNodes.h"

namespace vemora {
namespace {

// The first operating year whose value is not finite; 0 when none.
int FirstYearBeyondNumbers(const ProjectStore& s, const YearArray& values)
{
    for (int y = 1; y <= UsedDesignLife(s); ++y)
        if (!IsFinite(values[y])) return y;
    return 0;
}

// The outcome as the run ends, with the flags it has set so far.
AnalysisOutcome Ended(AnalysisOutcome outcome, AnalysisStatus status, int year = 0)
{
    outcome.Status = status;
    outcome.Year = year;
    return outcome;
}

// The outcome of a run that a stage stopped with `failure`.
AnalysisOutcome Refused(const ProjectStore& store, AnalysisOutcome outcome, AnalysisStatus status,
                        const AnalysisFailure& failure)
{
    outcome.Status = status;
    outcome.Failure = failure;
    outcome.Reason = FailureReason(store, failure);
    return outcome;
}

// The status of a failure of the life-cycle costs: a supply start before the
// starting year has a message of its own, as has the project period.
AnalysisStatus CostStageStatus(const AnalysisFailure& failure)
{
    if (failure.Kind == FailureKind::SupplyBeforeStart) return AnalysisStatus::SupplyBeforeStart;
    if (failure.Kind == FailureKind::NoDesignLife || failure.Kind == FailureKind::PeriodTooLong)
        return AnalysisStatus::ProjectPeriodInvalid;
    return AnalysisStatus::CostsFailed;
}

} // namespace

int NodesBeforeEndMark(const ProjectStore& s)
{
    int n = 0;
    while (n < UsedNodeCount(s) &&
           !IsEndOfProfileMark(s.NodeElevation[n + 1], s.NodeAccumulatedLength[n + 1]))
        ++n;
    return n;
}

bool ProfileHasLength(const ProjectStore& s, const ResultsStore& r)
{
    double length = 0.0;
    for (int j = 1; j < UsedNodeCount(s); ++j)
        length += r.SectionLengthSI[j];
    return length > 0.0;
}

std::string PumpCurveMissedMessage(int year)
{
    return Worded(AnalysisText::PumpCurveMissed, {std::to_string(year)});
}

const char* AnalysisFailureMessage(AnalysisStatus status)
{
    using enum AnalysisStatus;
    static constexpr std::pair<AnalysisStatus, const char*> Messages[] = {
        {HydraulicsFailed, HydraulicsFailedMessage},
        {RunFailed, RunFailedMessage},
        {ProjectPeriodInvalid, ProjectPeriodMessage},
        {FlowTooLarge, FlowTooLargeMessage},
        {ProfileWithoutLength, ProfileWithoutLengthMessage},
        {SupplyBeforeStart, SupplyBeforeStartMessage},
        {CostsFailed, CostsFailedMessage}};
    for (const auto& [failed, message] : Messages)
        if (failed == status) return message;
    return "";
}

std::string AnalysisFailureText(const AnalysisOutcome& outcome)
{
    std::string text = AnalysisFailureMessage(outcome.Status);
    if (!outcome.Reason.empty()) text += "\n" + outcome.Reason;
    return text;
}

AnalysisFailure CalcLifeCycleCosts(const ProjectStore& store, ResultsStore& results,
                                   float supervisionCost)
{
    if (AnalysisFailure period = CheckProjectPeriod(store); !period.Ok()) return period;
    if (!CalcCapitalCost(store, results, supervisionCost))
        return Failed(FailureKind::CapitalCostBeyondNumbers);
    if (AnalysisFailure yearly = CalcYearlyCosts(store, results); !yearly.Ok()) return yearly;
    CalcPresentValues(store, results);
    if (!IsFinite(results.NpvExpenditure) || !IsFinite(results.NpvIncome))
        return Failed(FailureKind::PresentValuesBeyondNumbers);
    ScanInternalRateOfReturn(store, results);
    return {};
}

AnalysisOutcome RunAnalysis(const ProjectStore& store, ResultsStore& results, float supervisionCost,
                            AnalysisObserver& observer)
{
    AnalysisOutcome run;
    run.Flags.GradelineFailed = store.GradelineFailed;

    // SI working values and laying rates.
    if (const int nodes = NodesBeforeEndMark(store); nodes < 2) {
        run.Flags.GradelineFailed = true;
        return Refused(store, run, AnalysisStatus::HydraulicsFailed,
                       Failed(FailureKind::TooFewNodes, nodes));
    }
    if (AnalysisFailure input = CheckAnalysisInputs(store, supervisionCost); !input.Ok())
        return Refused(store, run, AnalysisStatus::RunFailed, input);
    const bool unitsKnown = ConvertInputToSI(store, results);
    CopyLayingRates(store, results);
    observer.SetProgress(55);
    if (AnalysisFailure period = CheckProjectPeriod(store); !period.Ok())
        return Refused(store, run, CostStageStatus(period), period);
    if (!unitsKnown) {
        run.Flags.GradelineFailed = true;
        return Refused(store, run, AnalysisStatus::HydraulicsFailed,
                       Failed(FailureKind::UnknownUnit));
    }
    if (!ProfileHasLength(store, results)) return Ended(run, AnalysisStatus::ProfileWithoutLength);

    // The flow and the gradeline of every year; a missed pump curve ends the
    // run here.
    AnalysisFailure failure;
    switch (CalculateHydraulics(store, results, observer, run.Flags, failure)) {
    case HydraulicsStatus::Ok:
        break;
    case HydraulicsStatus::Failed:
        return Refused(store, run, AnalysisStatus::HydraulicsFailed, failure);
    case HydraulicsStatus::PumpCurveMissed:
        return Ended(run, AnalysisStatus::PumpCurveMissed, results.DutyYear);
    case HydraulicsStatus::FlowTooLarge:
        return Ended(run, AnalysisStatus::FlowTooLarge);
    }

    // Supply, shortage, pumping hours, the tariff split and the income.
    CalcSupplyAndShortage(store, results);
    const int shortage = FirstYearBeyondNumbers(store, results.YearShortage);
    const int hours = FirstYearBeyondNumbers(store, results.YearPumpingHours);
    if (shortage || hours)
        return Refused(store, run, AnalysisStatus::RunFailed,
                       Failed(FailureKind::SupplyBeyondNumbers, shortage ? shortage : hours));
    observer.SetProgress(60);
    AllocatePumpingHoursToTariffPeriods(store, results);
    observer.SetProgress(65);
    CalcWaterSalesIncome(store, results);
    if (const int y = FirstYearBeyondNumbers(store, results.YearIncome))
        return Refused(store, run, AnalysisStatus::CostsFailed,
                       Failed(FailureKind::IncomeBeyondNumbers, y));

    // The life-cycle costs, the present values and the IRR.
    observer.SetProgress(70);
    failure = CalcLifeCycleCosts(store, results, supervisionCost);
    if (!failure.Ok()) return Refused(store, run, CostStageStatus(failure), failure);

    run.Flags.ResultsValid = true;
    run.Note = NoFlowNote(store, results);
    run.IrrFound = results.IrrFound;
    return Ended(run, AnalysisStatus::Completed);
}

AnalysisOutcome RunAnalysis(const ProjectStore& store, ResultsStore& results, float supervisionCost)
{
    AnalysisObserver quiet;
    return RunAnalysis(store, results, supervisionCost, quiet);
}

} // namespace vemora
