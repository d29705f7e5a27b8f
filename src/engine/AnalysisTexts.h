// Every text the analysis gives, in one table: the message of each outcome,
// the comments of a completed run and the reasons on the second line under
// them. The run words what it found from these rows; the help page on the
// analysis quotes each of them. A figure that the run fills in (a number, a
// year, a value with its unit, the name of an input) stands as "{}".
#pragma once

#include <initializer_list>
#include <span>
#include <string>

namespace vemora {

enum class AnalysisText {
    // The first line of each outcome and the comments of a completed run.
    HydraulicsFailed,
    RunFailed,
    ProjectPeriod,
    FlowTooLarge,
    ProfileWithoutLength,
    SupplyBeforeStart,
    CostsFailed,
    PumpCurveMissed,
    HighPoint,
    NoWater,
    // The checks of the inputs; the figure names the value ("pipe diameter
    // of node 3").
    NotANumber,
    Negative,
    Above100,
    BelowMinus100,
    OutOfRange,
    // The profile and the pump curve.
    OneNode,
    NoNodes,
    ChainageFalls,
    PumpFlowsNotRising,
    UnknownUnit,
    // The hydraulics and the supply.
    NoInsideDiameter,
    PipeBeyondNumbers,
    DeteriorationYears,
    ZeroRoughness,
    LossUndefined,
    SystemHeadBeyondNumbers,
    GradelineBeyondNumbers,
    SupplyBeyondNumbers,
    // The project period.
    SupplyStartsEarly,
    NoDesignLife,
    PeriodTooLong,
    // The life-cycle costs; CostsRise and EnergyCostsRise are parts of the
    // reasons that grow beyond numbers.
    ZeroOperatingEfficiency,
    ZeroDutyEfficiency,
    CostsBeyondNumbers,
    IncomeBeyondNumbers,
    CapitalCostBeyondNumbers,
    PresentValuesBeyondNumbers,
    CostsRise,
    EnergyCostsRise,
    // Why a completed run found no water.
    LevelsNotApart,
    NodeAboveStartLevel,
    PipesTooSmall,
    NoOperatingFlow,
    CurveMeetsAtNoFlow,
    Count
};

struct AnalysisTextRow
{
    AnalysisText Key;
    const char* Text;  // UTF-8, figures as "{}"
    bool Part = false; // a piece of another row's figure, never shown alone
};

// The rows, one for each AnalysisText in its order.
std::span<const AnalysisTextRow> AnalysisTextTable();

// The text of `key` with each "{}" replaced by the next of `figures`.
std::string Worded(AnalysisText key, std::initializer_list<std::string> figures = {});

// The messages that have no figure, as the windows show them.
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
inline constexpr const char* HighPointComment =
    "A local high point in the pipeline profile resulted in the adjustment of the flow.  In other "
    "words there will be additional head available after this point.  Reduced diameter sizes might "
    "be an option to consider.";

} // namespace vemora
