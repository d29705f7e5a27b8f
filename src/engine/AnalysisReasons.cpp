#include "engine/AnalysisReasons.h"

#include <utility>

#include "engine/AnalysisInputCheck.h"
#include "engine/EngineMath.h"
#include "engine/GravityFlow.h"
#include "engine/NumberFormat.h"
#include "project/ProjectOptions.h"
#include "project/ProjectYears.h"
#include "project/SystemType.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

std::string Number(int value)
{
    return std::to_string(value);
}

std::string Percent(float rate)
{
    return EnteredValue(rate, "%");
}

// The escalation rates that grow the yearly costs.
std::string EscalationRates(const ProjectStore& s)
{
    std::string rates = "the costs rise by " + Percent(s.EscalationRate) + " a year";
    if (IsPumping(s))
        rates += " and the energy costs by " + Percent(s.EnergyEscalationRate) + " a year";
    return rates;
}

// The first node after the first that stands at least the depth of the
// pressure-head limit (1 m) above the start reservoir's level, which no
// gravity flow can pass; 0 when none.
int NodeAboveStartLevel(const ProjectStore& s, const ResultsStore& r)
{
    for (int k = 2; k <= UsedNodeCount(s); ++k)
        if (s.NodeElevation[k] * r.LevelUnitFactor >= r.StartLevelSI - PressureHeadLimit) return k;
    return 0;
}

std::string NoGravityFlowCause(const ProjectStore& s, const ResultsStore& r)
{
    const char* levelUnit = UnitText(LengthUnits, s.StartReservoirLevelUnit);
    const std::string start = EnteredValue(s.StartReservoirLevel, levelUnit);
    if (r.StartLevelSI <= r.EndLevelSI)
        return "The start reservoir's level (" + start +
               ") is not above the end reservoir's level (" +
               EnteredValue(s.EndReservoirLevel, UnitText(LengthUnits, s.EndReservoirLevelUnit)) +
               "), so the water has no head to flow.";
    if (const int k = NodeAboveStartLevel(s, r))
        return "Node " + Number(k) + " (elevation " +
               EnteredValue(s.NodeElevation[k], UnitText(LengthUnits, s.ElevationUnit)) +
               ") lies 1 m or more above the start reservoir's level (" + start +
               "), so the water cannot pass it.";
    return "The pipes are too small to carry any water with the head between the reservoirs.";
}

// "The pipe diameter of node 3" and what is wrong with it.
std::string InputReason(const AnalysisFailure& f)
{
    static constexpr std::pair<FailureKind, const char*> Faults[] = {
        {FailureKind::InputNotANumber, "is not a number"},
        {FailureKind::InputNegative, "is negative"},
        {FailureKind::InputAbove100, "is above 100 %"},
        {FailureKind::InputBelowMinus100, "is below -100 %"}};
    std::string fault;
    for (const auto& [kind, text] : Faults)
        if (kind == f.Kind) fault = text;
    if (f.Kind == FailureKind::InputOutOfRange)
        fault = "is " + Number(f.Value) + ", outside " + Number(f.Min) + " to " + Number(f.Max);
    if (fault.empty()) return {};
    std::string text = std::string("The ") + f.Input.Name;
    if (f.Input.Of) text += std::string(" of ") + f.Input.Of + " " + Number(f.Input.Number);
    return text + " " + fault + ".";
}

// Point k of the six pump-curve flows is not above point k - 1, in the flow
// unit the curve was entered in.
std::string PumpFlowsReason(const Array1<float, 6>& flows, int curveFlowUnit, int k)
{
    const char* unit = UnitText(PumpCurveFlowUnits, curveFlowUnit);
    return "The flow rates of the pump curve must rise from point 1 to point 6: point " +
           Number(k) + " (" + EnteredValue(flows[k], unit) + ") is not above point " +
           Number(k - 1) + " (" + EnteredValue(flows[k - 1], unit) + ").";
}

// The profile's nodes and pump curve, which the run checks first.
std::string ProfileReason(const ProjectStore& s, const AnalysisFailure& f)
{
    const int k = f.Number;
    switch (f.Kind) {
    case FailureKind::TooFewNodes:
        return std::string(k == 1 ? "The profile has only one node" : "The profile has no nodes") +
               ": a profile needs at least two nodes.";
    case FailureKind::ChainageFalls: {
        const char* unit = UnitText(LengthUnits, s.ChainageUnit);
        return "Node " + Number(k + 1) + " at chainage " +
               EnteredValue(s.NodeAccumulatedLength[k + 1], unit) + " comes after node " +
               Number(k) + " at " + EnteredValue(s.NodeAccumulatedLength[k], unit) +
               ": chainages must not fall along the profile.";
    }
    case FailureKind::PumpFlowsNotRising:
        return PumpFlowsReason(s.PumpCurve[2], s.CurveFlowUnit, k);
    case FailureKind::UnknownUnit:
        return "A unit of the project is not one of its list.";
    default:
        return {};
    }
}

std::string HydraulicsReason(const ProjectStore& s, const AnalysisFailure& f)
{
    const int j = f.Number;
    switch (f.Kind) {
    case FailureKind::NoInsideDiameter:
        return "The pipe at node " + Number(j) + " has no inside diameter: its diameter of " +
               EnteredValue(s.PipeDiameter[j], UnitText(PipeDimensionUnits, s.DiameterUnit)) +
               " leaves nothing inside its wall and lining.";
    case FailureKind::PipeBeyondNumbers:
        return "The section length, secondary loss or elevation at node " + Number(j) +
               " is beyond the range of numbers.";
    case FailureKind::DeteriorationYears:
        return "The roughness reaches its old value after " + EnteredValue(s.DeteriorationYears) +
               " years: that must be 1 to 100 years.";
    case FailureKind::ZeroRoughness:
        return "The roughness of a new or an old pipe is 0: the friction cannot be computed.";
    case FailureKind::LossUndefined:
        return "The head loss of the pipe at node " + Number(j) +
               " cannot be computed: its inside diameter, roughness or secondary loss is out of "
               "range.";
    case FailureKind::SystemHeadBeyondNumbers:
        return "In " + Number(OperatingCalendarYear(s, j)) +
               " the head of the system curve is beyond the range of numbers.";
    case FailureKind::GradelineBeyondNumbers:
        return "In " + Number(OperatingCalendarYear(s, j)) +
               " the flow or the gradeline is beyond the range of numbers.";
    case FailureKind::SupplyBeyondNumbers:
        return "In " + Number(OperatingCalendarYear(s, j)) +
               " the shortage or the pumping hours are beyond the range of numbers.";
    default:
        return {};
    }
}

std::string PeriodReason(const ProjectStore& s, const AnalysisFailure& f)
{
    const int C = s.SupplyStartYear - s.BaseYear;
    switch (f.Kind) {
    case FailureKind::SupplyBeforeStart:
        return "The supply starts in " + Number(s.SupplyStartYear) + ", before the starting year " +
               Number(s.BaseYear) + ".";
    case FailureKind::NoDesignLife:
        return "The design life is " + Number(s.DesignLife) + " years.";
    case FailureKind::PeriodTooLong:
        return "The " + Number(C) + " years from the starting year " + Number(s.BaseYear) +
               " to the supply start and the design life of " + Number(s.DesignLife) +
               " years add up to " + Number(C + s.DesignLife) + " years.";
    default:
        return {};
    }
}

std::string CostsReason(const ProjectStore& s, const AnalysisFailure& f)
{
    const std::string cannot = ": the energy cost cannot be computed.";
    const std::string from = "From " + Number(OperatingCalendarYear(s, f.Number)) + " on, the ";
    switch (f.Kind) {
    case FailureKind::ZeroOperatingEfficiency:
        return "The pump efficiency is 0 %" + cannot;
    case FailureKind::ZeroDutyEfficiency:
        return "The pump efficiency at the duty point of " +
               Number(OperatingCalendarYear(s, f.Number)) + " is 0 %" + cannot;
    case FailureKind::CostsBeyondNumbers:
        return from + "yearly costs grow beyond the range of numbers: " + EscalationRates(s) + ".";
    case FailureKind::IncomeBeyondNumbers:
        return from + "income grows beyond the range of numbers: the water price rises by " +
               Percent(s.WaterPriceIncrease) + " a year.";
    case FailureKind::CapitalCostBeyondNumbers:
        return "The capital cost is beyond the range of numbers.";
    case FailureKind::PresentValuesBeyondNumbers:
        return "The present value of the costs or the income is beyond the range of numbers: " +
               EscalationRates(s) + ".";
    default:
        return {};
    }
}

} // namespace

std::string PumpFlowOrderReason(const Array1<float, 6>& flows, int curveFlowUnit)
{
    const int k = FirstPumpFlowNotRising(flows);
    return k == 0 ? std::string() : PumpFlowsReason(flows, curveFlowUnit, k);
}

std::string EnteredValue(float value, const char* unit)
{
    std::string text = FormatGeneral(value);
    if (unit && *unit) text += std::string(" ") + unit;
    return text;
}

std::string FailureReason(const ProjectStore& s, const AnalysisFailure& f)
{
    if (f.Ok()) return {};
    if (std::string text = InputReason(f); !text.empty()) return text;
    if (std::string text = ProfileReason(s, f); !text.empty()) return text;
    if (std::string text = HydraulicsReason(s, f); !text.empty()) return text;
    if (std::string text = PeriodReason(s, f); !text.empty()) return text;
    return CostsReason(s, f);
}

std::string NoFlowNote(const ProjectStore& s, const ResultsStore& r)
{
    for (int y = 1; y <= UsedDesignLife(s); ++y)
        if (r.YearFlow[y] > 0.0f) return {};
    std::string cause;
    if (!IsPumping(s))
        cause = NoGravityFlowCause(s, r);
    else if (!HasPumpCurve(s))
        cause = "The operating flow rate is " +
                EnteredValue(s.OperatingFlowRate,
                             UnitText(OperatingFlowUnits, s.OperatingFlowRateUnit)) +
                ".";
    else
        cause = "The pump curve meets the system curve only at no flow.";
    return "No water flows in any year of the design life.\n" + cause;
}

} // namespace vemora
