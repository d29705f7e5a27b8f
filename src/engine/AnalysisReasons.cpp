#include "engine/AnalysisReasons.h"

#include <utility>

#include "engine/AnalysisInputCheck.h"
#include "engine/AnalysisTexts.h"
#include "engine/EngineMath.h"
#include "engine/NumberFormat.h"
#include "engine/PipeModel.h"
#include "project/ProjectOptions.h"
#include "project/ProjectYears.h"
#include "project/SystemType.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

using enum AnalysisText;

std::string Number(int value)
{
    return std::to_string(value);
}

std::string Percent(float rate)
{
    return EnteredValue(rate, "%");
}

std::string Length(float value, int unit)
{
    return EnteredValue(value, UnitText(LengthUnits, unit));
}

// The escalation rates that grow the yearly costs.
std::string EscalationRates(const ProjectStore& s)
{
    std::string rates = Worded(CostsRise, {Percent(s.EscalationRate)});
    if (IsPumping(s)) rates += " " + Worded(EnergyCostsRise, {Percent(s.EnergyEscalationRate)});
    return rates;
}

// The first node after the first that stands at least the depth of the
// pressure-head limit (1 m) above the start reservoir's level, which no
// gravity flow can pass; 0 when none.
int NodeAboveStartReservoir(const ProjectStore& s, const ResultsStore& r)
{
    for (int k = 2; k <= UsedNodeCount(s); ++k)
        if (s.NodeElevation[k] * r.LevelUnitFactor >= r.StartLevelSI - PressureHeadLimit) return k;
    return 0;
}

std::string NoGravityFlowCause(const ProjectStore& s, const ResultsStore& r)
{
    const std::string start = Length(s.StartReservoirLevel, s.StartReservoirLevelUnit);
    if (r.StartLevelSI <= r.EndLevelSI)
        return Worded(LevelsNotApart,
                      {start, Length(s.EndReservoirLevel, s.EndReservoirLevelUnit)});
    if (const int k = NodeAboveStartReservoir(s, r))
        return Worded(NodeAboveStartLevel,
                      {Number(k), Length(s.NodeElevation[k], s.ElevationUnit), start});
    return Worded(PipesTooSmall);
}

// "The pipe diameter of node 3" and what is wrong with it.
std::string InputReason(const AnalysisFailure& f)
{
    static constexpr std::pair<FailureKind, AnalysisText> Faults[] = {
        {FailureKind::InputNotANumber, NotANumber},
        {FailureKind::InputNegative, Negative},
        {FailureKind::InputAbove100, Above100},
        {FailureKind::InputBelowMinus100, BelowMinus100},
        {FailureKind::InputOutOfRange, OutOfRange}};
    std::string value = f.Input.Name;
    if (f.Input.Of) value += std::string(" of ") + f.Input.Of + " " + Number(f.Input.Number);
    for (const auto& [kind, text] : Faults)
        if (kind == f.Kind)
            return Worded(text, {value, Number(f.Value), Number(f.Min), Number(f.Max)});
    return {};
}

// Point k of the six pump-curve flows is not above point k - 1, in the flow
// unit the curve was entered in.
std::string PumpFlowsReason(const Array1<float, 6>& flows, int curveFlowUnit, int k)
{
    const char* unit = UnitText(PumpCurveFlowUnits, curveFlowUnit);
    return Worded(PumpFlowsNotRising, {Number(k), EnteredValue(flows[k], unit), Number(k - 1),
                                       EnteredValue(flows[k - 1], unit)});
}

// The profile's nodes and pump curve, which the run checks first.
std::string ProfileReason(const ProjectStore& s, const AnalysisFailure& f)
{
    const int k = f.Number;
    switch (f.Kind) {
    case FailureKind::TooFewNodes:
        return Worded(k == 1 ? OneNode : NoNodes);
    case FailureKind::ChainageFalls:
        return Worded(ChainageFalls,
                      {Number(k + 1), Length(s.NodeAccumulatedLength[k + 1], s.ChainageUnit),
                       Number(k), Length(s.NodeAccumulatedLength[k], s.ChainageUnit)});
    case FailureKind::PumpFlowsNotRising:
        return PumpFlowsReason(s.PumpCurve[2], s.CurveFlowUnit, k);
    case FailureKind::UnknownUnit:
        return Worded(UnknownUnit);
    default:
        return {};
    }
}

std::string HydraulicsReason(const ProjectStore& s, const AnalysisFailure& f)
{
    const std::string node = Number(f.Number);
    const std::string year = Number(OperatingCalendarYear(s, f.Number));
    switch (f.Kind) {
    case FailureKind::NoInsideDiameter:
        return Worded(NoInsideDiameter,
                      {node, EnteredValue(s.PipeDiameter[f.Number],
                                          UnitText(PipeDimensionUnits, s.DiameterUnit))});
    case FailureKind::PipeBeyondNumbers:
        return Worded(PipeBeyondNumbers, {node});
    case FailureKind::DeteriorationYears:
        return Worded(DeteriorationYears, {EnteredValue(s.DeteriorationYears)});
    case FailureKind::ZeroRoughness:
        return Worded(ZeroRoughness);
    case FailureKind::LossUndefined:
        return Worded(LossUndefined, {node});
    case FailureKind::SystemHeadBeyondNumbers:
        return Worded(SystemHeadBeyondNumbers, {year});
    case FailureKind::GradelineBeyondNumbers:
        return Worded(GradelineBeyondNumbers, {year});
    case FailureKind::SupplyBeyondNumbers:
        return Worded(SupplyBeyondNumbers, {year});
    default:
        return {};
    }
}

std::string PeriodReason(const ProjectStore& s, const AnalysisFailure& f)
{
    const int C = s.SupplyStartYear - s.BaseYear;
    switch (f.Kind) {
    case FailureKind::SupplyBeforeStart:
        return Worded(SupplyStartsEarly, {Number(s.SupplyStartYear), Number(s.BaseYear)});
    case FailureKind::NoDesignLife:
        return Worded(NoDesignLife, {Number(s.DesignLife)});
    case FailureKind::PeriodTooLong:
        return Worded(PeriodTooLong, {Number(C), Number(s.BaseYear), Number(s.DesignLife),
                                      Number(C + s.DesignLife)});
    default:
        return {};
    }
}

std::string CostsReason(const ProjectStore& s, const AnalysisFailure& f)
{
    const std::string year = Number(OperatingCalendarYear(s, f.Number));
    switch (f.Kind) {
    case FailureKind::ZeroOperatingEfficiency:
        return Worded(ZeroOperatingEfficiency);
    case FailureKind::ZeroDutyEfficiency:
        return Worded(ZeroDutyEfficiency, {year});
    case FailureKind::CostsBeyondNumbers:
        return Worded(CostsBeyondNumbers, {year, EscalationRates(s)});
    case FailureKind::IncomeBeyondNumbers:
        return Worded(IncomeBeyondNumbers, {year, Percent(s.WaterPriceIncrease)});
    case FailureKind::CapitalCostBeyondNumbers:
        return Worded(CapitalCostBeyondNumbers);
    case FailureKind::PresentValuesBeyondNumbers:
        return Worded(PresentValuesBeyondNumbers, {EscalationRates(s)});
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
        cause = Worded(NoOperatingFlow,
                       {EnteredValue(s.OperatingFlowRate,
                                     UnitText(OperatingFlowUnits, s.OperatingFlowRateUnit))});
    else
        cause = Worded(CurveMeetsAtNoFlow);
    return Worded(NoWater) + "\n" + cause;
}

} // namespace vemora
