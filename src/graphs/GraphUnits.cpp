#include "graphs/GraphUnits.h"

#include "project/ProjectOptions.h"
#include "project/SystemType.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

UnitChoice Choose(const UnitList& list, int code)
{
    const char* text = list.Text(code);
    return {text ? text : "", list.Factor(code)};
}

} // namespace

UnitChoice DemandFlowUnit(const ProjectStore& store)
{
    return Choose(FlowUnits,
                  HasVaryingDemand(store) ? store.YearDemandUnit : store.FixedDemandUnit);
}

UnitChoice PipelineFlowUnit(const ProjectStore& store)
{
    if (!IsPumping(store)) return DemandFlowUnit(store);
    if (HasPumpCurve(store)) return Choose(PumpCurveFlowUnits, store.CurveFlowUnit);
    return Choose(OperatingFlowUnits, store.OperatingFlowRateUnit);
}

UnitChoice LengthUnit(int code)
{
    return Choose(LengthUnits, code);
}

} // namespace vemora
