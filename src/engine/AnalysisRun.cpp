#include "engine/AnalysisRun.h"

#include "engine/AnalysisInputCheck.h"
#include "engine/AnalysisReasons.h"
#include "engine/CapitalCost.h"
#include "engine/ConvertInputToSI.h"
#include "engine/EngineMath.h"
#include "engine/Hydraulics.h"
#include "engine/SupplyAndIncome.h"
#include "engine/TariffSplit.h"
#include "engine/YearlyCosts.h"

namespace vemora {
namespace {

bool YearsFinite(const ProjectStore& s, const YearArray& values)
{
    for (int y = 1; y <= UsedDesignLife(s); ++y)
        if (!IsFinite(values[y])) return false;
    return true;
}

// The sections of nodes 1..NodeCount add up to some length.
bool ProfileHasLength(const ProjectStore& s, const ResultsStore& r)
{
    double length = 0.0;
    for (int j = 1; j < UsedNodeCount(s); ++j)
        length += r.SectionLengthSI[j];
    return length > 0.0;
}

// The outcome as the run ends, with the flags it has set so far.
AnalysisOutcome Ended(AnalysisOutcome outcome, AnalysisStatus status, int year = 0)
{
    outcome.Status = status;
    outcome.Year = year;
    return outcome;
}

// The outcome of a run that failed for `reason`.
AnalysisOutcome Refused(AnalysisOutcome outcome, AnalysisStatus status, std::string reason)
{
    outcome.Status = status;
    outcome.Reason = std::move(reason);
    return outcome;
}

// The period's status: SupplyBeforeStart has a message of its own.
AnalysisStatus PeriodStatus(const ProjectStore& store)
{
    return SupplyStartsBeforeStartingYear(store) ? AnalysisStatus::SupplyBeforeStart
                                                 : AnalysisStatus::ProjectPeriodInvalid;
}

} // namespace

std::string PumpCurveMissedMessage(int year)
{
    return "The pump curve does not intersect the system curve for year " + std::to_string(year);
}

const char* AnalysisFailureMessage(AnalysisStatus status)
{
    switch (status) {
    case AnalysisStatus::Completed:
    case AnalysisStatus::PumpCurveMissed:
        return "";
    case AnalysisStatus::HydraulicsFailed:
        return HydraulicsFailedMessage;
    case AnalysisStatus::RunFailed:
        return RunFailedMessage;
    case AnalysisStatus::ProjectPeriodInvalid:
        return ProjectPeriodMessage;
    case AnalysisStatus::FlowTooLarge:
        return FlowTooLargeMessage;
    case AnalysisStatus::ProfileWithoutLength:
        return ProfileWithoutLengthMessage;
    case AnalysisStatus::SupplyBeforeStart:
        return SupplyBeforeStartMessage;
    case AnalysisStatus::CostsFailed:
        return CostsFailedMessage;
    }
    return RunFailedMessage;
}

std::string AnalysisFailureText(const AnalysisOutcome& outcome)
{
    std::string text = AnalysisFailureMessage(outcome.Status);
    if (!outcome.Reason.empty()) text += "\n" + outcome.Reason;
    return text;
}

AnalysisStatus CalcLifeCycleCosts(const ProjectStore& store, ResultsStore& results,
                                  float supervisionCost)
{
    if (!ProjectPeriodFits(store)) return PeriodStatus(store);
    if (!CalcCapitalCost(store, results, supervisionCost)) return AnalysisStatus::CostsFailed;
    switch (CalcYearlyCosts(store, results)) {
    case CostStatus::Ok:
        break;
    case CostStatus::PeriodOutOfRange:
        return PeriodStatus(store);
    case CostStatus::Failed:
        return AnalysisStatus::CostsFailed;
    }
    CalcPresentValues(store, results);
    if (!IsFinite(results.NpvExpenditure) || !IsFinite(results.NpvIncome))
        return AnalysisStatus::CostsFailed;
    ScanInternalRateOfReturn(store, results);
    return AnalysisStatus::Completed;
}

AnalysisOutcome RunAnalysis(const ProjectStore& store, ResultsStore& results, float supervisionCost,
                            AnalysisObserver& observer)
{
    AnalysisOutcome run;
    run.Flags.GradelineFailed = store.GradelineFailed;

    // SI working values and laying rates.
    if (std::string nodes = NodeCountReason(store); !nodes.empty()) {
        run.Flags.GradelineFailed = 1;
        return Refused(run, AnalysisStatus::HydraulicsFailed, std::move(nodes));
    }
    std::string why;
    if (!CheckAnalysisInputs(store, supervisionCost, &why))
        return Refused(run, AnalysisStatus::RunFailed, why);
    const bool unitsKnown = ConvertInputToSI(store, results);
    CopyLayingRates(store, results);
    observer.SetProgress(55);
    if (!ProjectPeriodFits(store))
        return Refused(run, PeriodStatus(store), ProjectPeriodReason(store));
    if (!unitsKnown) {
        run.Flags.GradelineFailed = 1;
        return Refused(run, AnalysisStatus::HydraulicsFailed,
                       "A unit of the project is not one of its list.");
    }
    if (!ProfileHasLength(store, results)) return Ended(run, AnalysisStatus::ProfileWithoutLength);

    // The flow and the gradeline of every year; a missed pump curve ends the
    // run here.
    switch (CalculateHydraulics(store, results, observer, run.Flags)) {
    case HydraulicsStatus::Ok:
        break;
    case HydraulicsStatus::Failed:
        return Refused(run, AnalysisStatus::HydraulicsFailed, HydraulicsReason(store, results));
    case HydraulicsStatus::PumpCurveMissed:
        return Ended(run, AnalysisStatus::PumpCurveMissed, results.DutyYear);
    case HydraulicsStatus::FlowTooLarge:
        return Ended(run, AnalysisStatus::FlowTooLarge);
    }

    // Supply, shortage, pumping hours, the tariff split and the income.
    CalcSupplyAndShortage(store, results);
    if (!YearsFinite(store, results.YearShortage) || !YearsFinite(store, results.YearPumpingHours))
        return Ended(run, AnalysisStatus::RunFailed);
    observer.SetProgress(60);
    AllocatePumpingHoursToTariffPeriods(store, results);
    observer.SetProgress(65);
    CalcWaterSalesIncome(store, results);
    if (!YearsFinite(store, results.YearIncome))
        return Refused(run, AnalysisStatus::CostsFailed, CostsReason(store, results));

    // The life-cycle costs, the present values and the IRR.
    observer.SetProgress(70);
    const AnalysisStatus costs = CalcLifeCycleCosts(store, results, supervisionCost);
    if (costs == AnalysisStatus::CostsFailed)
        return Refused(run, costs, CostsReason(store, results));
    if (costs != AnalysisStatus::Completed) return Refused(run, costs, ProjectPeriodReason(store));

    run.Flags.ResultsValid = 1;
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
