#include "engine/AnalysisReasons.h"

#include "engine/EngineMath.h"
#include "engine/NumberFormat.h"
#include "project/SystemType.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

std::string Number(int value)
{
    return std::to_string(value);
}

// The calendar year of operating year y.
int CalendarYear(const ProjectStore& s, int y)
{
    return s.SupplyStartYear + y - 1;
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

// The first operating year whose costs are not finite numbers; 0 when none.
int FirstYearBeyondNumbers(const ProjectStore& s, const ResultsStore& r)
{
    for (int y = 1; y <= UsedDesignLife(s); ++y)
        if (!IsFinite(r.YearMaintenance[y]) || !IsFinite(r.YearOperational[y]) ||
            (IsPumping(s) && !IsFinite(r.YearEnergy[y])))
            return y;
    return 0;
}

// The first operating year whose income is not a finite number; 0 when none.
int FirstIncomeBeyondNumbers(const ProjectStore& s, const ResultsStore& r)
{
    for (int y = 1; y <= UsedDesignLife(s); ++y)
        if (!IsFinite(r.YearIncome[y])) return y;
    return 0;
}

// A pump efficiency of 0 stops the energy cost; the text names where it is.
std::string ZeroEfficiencyReason(const ProjectStore& s, const ResultsStore& r)
{
    if (!IsPumping(s)) return {};
    const std::string cannot = ": the energy cost cannot be computed.";
    if (s.PumpCurveGiven == 0)
        return s.OperatingEfficiency == 0.0f ? "The pump efficiency is 0 %" + cannot : "";
    for (int y = 1; y <= UsedDesignLife(s); ++y)
        if (r.YearPumpEfficiency[y] == 0.0f)
            return "The pump efficiency at the duty point of " + Number(CalendarYear(s, y)) +
                   " is 0 %" + cannot;
    return {};
}

// The first node after the first that stands 1 m or more above the start
// reservoir's level, which no gravity flow can pass; 0 when none.
int NodeAboveStartLevel(const ProjectStore& s, const ResultsStore& r)
{
    for (int k = 2; k <= UsedNodeCount(s); ++k)
        if (s.NodeElevation[k] * r.LevelUnitFactor >= r.StartLevelSI + 1.0f) return k;
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

} // namespace

std::string EnteredValue(float value, const char* unit)
{
    std::string text = FormatGeneral(value);
    if (unit && *unit) text += std::string(" ") + unit;
    return text;
}

std::string NodeCountReason(const ProjectStore& s)
{
    // A saved profile of one node reads as two, the second being the mark
    // that ends the profile.
    int n = 0;
    while (n < UsedNodeCount(s) &&
           !(s.NodeElevation[n + 1] == UnusedNode && s.NodeAccumulatedLength[n + 1] == UnusedNode))
        ++n;
    if (n >= 2) return {};
    return std::string(n == 1 ? "The profile has only one node" : "The profile has no nodes") +
           ": a profile needs at least two nodes.";
}

std::string ChainageOrderReason(const ProjectStore& s, int j)
{
    const char* unit = UnitText(LengthUnits, s.ChainageUnit);
    return "Node " + Number(j + 1) + " at chainage " +
           EnteredValue(s.NodeAccumulatedLength[j + 1], unit) + " comes after node " + Number(j) +
           " at " + EnteredValue(s.NodeAccumulatedLength[j], unit) +
           ": chainages must increase along the profile.";
}

std::string PumpFlowOrderReason(const Array1<float, 6>& flows, int curveFlowUnit)
{
    const char* unit = UnitText(PumpCurveFlowUnits, curveFlowUnit);
    for (int k = 2; k <= 6; ++k)
        if (!(flows[k] > flows[k - 1]))
            return "The flow rates of the pump curve must rise from point 1 to point 6: point " +
                   Number(k) + " (" + EnteredValue(flows[k], unit) + ") is not above point " +
                   Number(k - 1) + " (" + EnteredValue(flows[k - 1], unit) + ").";
    return {};
}

std::string PumpCurveOrderReason(const ProjectStore& s)
{
    if (!IsPumping(s) || s.PumpCurveGiven == 0) return {};
    return PumpFlowOrderReason(s.PumpCurve[2], s.CurveFlowUnit);
}

bool SupplyStartsBeforeStartingYear(const ProjectStore& s)
{
    return s.SupplyStartYear < s.BaseYear;
}

std::string ProjectPeriodReason(const ProjectStore& s)
{
    const int C = s.SupplyStartYear - s.BaseYear;
    if (C < 0)
        return "The supply starts in " + Number(s.SupplyStartYear) + ", before the starting year " +
               Number(s.BaseYear) + ".";
    if (s.DesignLife < 1) return "The design life is " + Number(s.DesignLife) + " years.";
    if (C + s.DesignLife > MaxYears)
        return "The " + Number(C) + " years from the starting year " + Number(s.BaseYear) +
               " to the supply start and the design life of " + Number(s.DesignLife) +
               " years add up to " + Number(C + s.DesignLife) + " years.";
    return {};
}

std::string HydraulicsReason(const ProjectStore& s, const ResultsStore& r)
{
    if (std::string nodes = NodeCountReason(s); !nodes.empty()) return nodes;
    for (int j = 1; j <= UsedNodeCount(s); ++j)
        if (!(r.InnerDiameterSI[j] > 0.0f))
            return "The pipe at node " + Number(j) + " has no inside diameter: its diameter of " +
                   EnteredValue(s.PipeDiameter[j], UnitText(PipeDimensionUnits, s.DiameterUnit)) +
                   " leaves nothing inside its wall and lining.";
    const double years = RoundHalfEven(s.DeteriorationYears);
    if (years < 1.0 || years > MaxYears)
        return "The roughness reaches its old value after " + EnteredValue(s.DeteriorationYears) +
               " years: that must be 1 to 100 years.";
    if (!(r.RoughnessNewSI > 0.0f) || !(r.RoughnessOldSI > 0.0f))
        return "The roughness of a new or an old pipe is 0: the friction cannot be computed.";
    return {};
}

std::string CostsReason(const ProjectStore& s, const ResultsStore& r)
{
    if (std::string efficiency = ZeroEfficiencyReason(s, r); !efficiency.empty()) return efficiency;
    if (const int y = FirstYearBeyondNumbers(s, r))
        return "From " + Number(CalendarYear(s, y)) +
               " on, the yearly costs grow beyond the range of numbers: " + EscalationRates(s) +
               ".";
    if (const int y = FirstIncomeBeyondNumbers(s, r))
        return "From " + Number(CalendarYear(s, y)) +
               " on, the income grows beyond the range of numbers: the water price rises by " +
               Percent(s.WaterPriceIncrease) + " a year.";
    if (!IsFinite(r.TotalCapitalCost)) return "The capital cost is beyond the range of numbers.";
    return "The present value of the costs or the income is beyond the range of numbers: " +
           EscalationRates(s) + ".";
}

std::string NoFlowNote(const ProjectStore& s, const ResultsStore& r)
{
    for (int y = 1; y <= UsedDesignLife(s); ++y)
        if (r.YearFlow[y] > 0.0f) return {};
    std::string cause;
    if (!IsPumping(s))
        cause = NoGravityFlowCause(s, r);
    else if (s.PumpCurveGiven == 0)
        cause = "The operating flow rate is " +
                EnteredValue(s.OperatingFlowRate,
                             UnitText(OperatingFlowUnits, s.OperatingFlowRateUnit)) +
                ".";
    else
        cause = "The pump curve meets the system curve only at no flow.";
    return "No water flows in any year of the design life.\n" + cause;
}

} // namespace vemora
