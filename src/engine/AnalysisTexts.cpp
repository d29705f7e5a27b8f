#include "engine/AnalysisTexts.h"

#include <array>
#include <cstddef>

namespace vemora {

namespace {

using enum AnalysisText;

constexpr std::array<AnalysisTextRow, static_cast<std::size_t>(Count)> Rows = {{
    {HydraulicsFailed, HydraulicsFailedMessage},
    {RunFailed, RunFailedMessage},
    {ProjectPeriod, ProjectPeriodMessage},
    {FlowTooLarge, FlowTooLargeMessage},
    {ProfileWithoutLength, ProfileWithoutLengthMessage},
    {SupplyBeforeStart, SupplyBeforeStartMessage},
    {CostsFailed, CostsFailedMessage},
    {PumpCurveMissed, "The pump curve does not intersect the system curve for year {}"},
    {HighPoint, HighPointComment},
    {NoWater, "No water flows in any year of the design life."},

    {NotANumber, "The {} is not a number."},
    {Negative, "The {} is negative."},
    {Above100, "The {} is above 100 %."},
    {BelowMinus100, "The {} is below -100 %."},
    {OutOfRange, "The {} is {}, outside {} to {}."},

    {OneNode, "The profile has only one node: a profile needs at least two nodes."},
    {NoNodes, "The profile has no nodes: a profile needs at least two nodes."},
    {ChainageFalls, "Node {} at chainage {} comes after node {} at {}: chainages must not fall "
                    "along the profile."},
    {PumpFlowsNotRising, "The flow rates of the pump curve must rise from point 1 to point 6: "
                         "point {} ({}) is not above point {} ({})."},
    {UnknownUnit, "A unit of the project is not one of its list."},

    {NoInsideDiameter, "The pipe at node {} has no inside diameter: its diameter of {} leaves "
                       "nothing inside its wall and lining."},
    {PipeBeyondNumbers, "The section length, secondary loss or elevation at node {} is beyond the "
                        "range of numbers."},
    {DeteriorationYears,
     "The roughness reaches its old value after {} years: that must be 1 to 100 years."},
    {ZeroRoughness, "The roughness of a new or an old pipe is 0: the friction cannot be computed."},
    {LossUndefined, "The head loss of the pipe at node {} cannot be computed: its inside "
                    "diameter, roughness or secondary loss is out of range."},
    {SystemHeadBeyondNumbers, "In {} the head of the system curve is beyond the range of numbers."},
    {GradelineBeyondNumbers, "In {} the flow or the gradeline is beyond the range of numbers."},
    {SupplyBeyondNumbers,
     "In {} the shortage or the pumping hours are beyond the range of numbers."},

    {SupplyStartsEarly, "The supply starts in {}, before the starting year {}."},
    {NoDesignLife, "The design life is {} years."},
    {PeriodTooLong, "The {} years from the starting year {} to the supply start and the design "
                    "life of {} years add up to {} years."},

    {ZeroOperatingEfficiency, "The pump efficiency is 0 %: the energy cost cannot be computed."},
    {ZeroDutyEfficiency,
     "The pump efficiency at the duty point of {} is 0 %: the energy cost cannot be computed."},
    {CostsBeyondNumbers, "From {} on, the yearly costs grow beyond the range of numbers: {}."},
    {IncomeBeyondNumbers, "From {} on, the income grows beyond the range of numbers: the water "
                          "price rises by {} a year."},
    {CapitalCostBeyondNumbers, "The capital cost is beyond the range of numbers."},
    {PresentValuesBeyondNumbers,
     "The present value of the costs or the income is beyond the range of numbers: {}."},
    {CostsRise, "the costs rise by {} a year", true},
    {EnergyCostsRise, "and the energy costs by {} a year", true},

    {LevelsNotApart, "The start reservoir's level ({}) is not above the end reservoir's level "
                     "({}), so the water has no head to flow."},
    {NodeAboveStartLevel, "Node {} (elevation {}) lies 1 m or more above the start reservoir's "
                          "level ({}), so the water cannot pass it."},
    {PipesTooSmall,
     "The pipes are too small to carry any water with the head between the reservoirs."},
    {NoOperatingFlow, "The operating flow rate is {}."},
    {CurveMeetsAtNoFlow, "The pump curve meets the system curve only at no flow."},
}};

constexpr bool InKeyOrder()
{
    for (std::size_t i = 0; i < Rows.size(); ++i)
        if (static_cast<std::size_t>(Rows[i].Key) != i) return false;
    return true;
}
static_assert(InKeyOrder(), "one row for each AnalysisText, in its order");

} // namespace

std::span<const AnalysisTextRow> AnalysisTextTable()
{
    return Rows;
}

std::string Worded(AnalysisText key, std::initializer_list<std::string> figures)
{
    std::string text = Rows[static_cast<std::size_t>(key)].Text;
    std::size_t at = 0;
    for (const std::string& figure : figures) {
        at = text.find("{}", at);
        if (at == std::string::npos) break;
        text.replace(at, 2, figure);
        at += figure.size();
    }
    return text;
}

} // namespace vemora
