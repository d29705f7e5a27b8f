// Why a stage of the analysis stopped, as the stage found it: what failed and
// the node, point or operating year it failed at. The stage that applies a
// rule says which rule failed; FailureReason (AnalysisReasons.h) only puts
// the value into words.
#pragma once

namespace vemora {

enum class FailureKind {
    None,
    TooFewNodes,        // Number: the nodes before the mark that ends the profile
    InputNotANumber,    // Input names the value
    InputNegative,      // Input names the value
    InputAbove100,      // Input names the value (a share in %)
    InputBelowMinus100, // Input names the value (a yearly growth in %)
    InputOutOfRange,    // Input names the value, Value its whole number, Min..Max the range
    ChainageFalls,      // Number: node j, which node j + 1 lies before
    PumpFlowsNotRising, // Number: point k, whose flow is not above point k - 1's
    SupplyBeforeStart,
    NoDesignLife,
    PeriodTooLong,           // the construction years and the design life above 100
    UnknownUnit,             // a unit code outside its list
    NoInsideDiameter,        // Number: node
    PipeBeyondNumbers,       // Number: node whose length, loss or elevation is not finite
    DeteriorationYears,      // the period outside 1 to 100 years
    ZeroRoughness,           // a year's roughness is 0
    LossUndefined,           // Number: node whose head loss has no value
    SystemHeadBeyondNumbers, // Number: operating year
    GradelineBeyondNumbers,  // Number: operating year
    SupplyBeyondNumbers,     // Number: operating year of a shortage or pumping hours
    IncomeBeyondNumbers,     // Number: operating year
    ZeroOperatingEfficiency,
    ZeroDutyEfficiency, // Number: operating year
    CapitalCostBeyondNumbers,
    CostsBeyondNumbers, // Number: operating year
    PresentValuesBeyondNumbers,
    Last = PresentValuesBeyondNumbers
};

// A value of the input check in plain words and what it belongs to: "pipe
// diameter" of "node" 3.
struct InputName
{
    const char* Name = "";
    const char* Of = nullptr; // "node", "row", "point", "year" or none
    int Number = 0;
};

struct AnalysisFailure
{
    FailureKind Kind = FailureKind::None;
    int Number = 0; // the node, point or operating year the kind names
    InputName Input;
    int Value = 0, Min = 0, Max = 0; // InputOutOfRange

    bool Ok() const { return Kind == FailureKind::None; }
};

inline AnalysisFailure Failed(FailureKind kind, int number = 0)
{
    AnalysisFailure failure;
    failure.Kind = kind;
    failure.Number = number;
    return failure;
}

} // namespace vemora
