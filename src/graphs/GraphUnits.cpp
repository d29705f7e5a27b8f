#include "graphs/GraphUnits.h"

#include "project/SystemType.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

UnitChoice choose(const UnitList& list, int code)
{
    const char* text = list.Text(code);
    return {text ? text : "", list.Factor(code)};
}

} // namespace

UnitChoice DemandFlowUnit(const ProjectStore& store)
{
    return choose(FlowUnits, store.DemandMode == 1 ? store.YearDemandUnit : store.FixedDemandUnit);
}

UnitChoice PipelineFlowUnit(const ProjectStore& store)
{
    if (IsGravity(store)) return DemandFlowUnit(store);
    if (store.PumpCurveGiven != 0) return choose(PumpCurveFlowUnits, store.CurveFlowUnit);
    return choose(OperatingFlowUnits, store.OperatingFlowRateUnit);
}

UnitChoice LengthUnit(int code)
{
    return choose(LengthUnits, code);
}

} // namespace vemora
