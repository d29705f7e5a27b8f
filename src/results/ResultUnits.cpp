#include "results/ResultUnits.h"

#include "project/UnitTables.h"

namespace vemora {

std::string DemandUnitText(const ProjectStore& store)
{
    const int code = store.DemandMode == 1 ? store.YearDemandUnit : store.FixedDemandUnit;
    const char* text = FlowUnits.Text(code);
    return text ? text : "";
}

std::string LengthUnitText(int code)
{
    const char* text = LengthUnits.Text(code);
    return text ? text : "";
}

std::string LengthUnitCaption(int code)
{
    const std::string text = LengthUnitText(code);
    return text.empty() ? text : "(" + text + ")";
}

float MetresPerLengthUnit(int code)
{
    return LengthUnits.Factor(code).value_or(1.0f);
}

} // namespace vemora
