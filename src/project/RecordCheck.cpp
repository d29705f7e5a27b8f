#include "project/RecordCheck.h"

#include "project/RecordRealCheck.h"
#include "project/SystemType.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

class RangeCheck
{
  public:
    explicit RangeCheck(std::string* why) : why_(why) {}

    void Field(const char* name, int value, int min, int max)
    {
        if (!ok_ || (value >= min && value <= max)) return;
        ok_ = false;
        if (why_)
            *why_ = std::string(name) + " is " + std::to_string(value) + ", outside " +
                    std::to_string(min) + " to " + std::to_string(max);
    }
    void UnitCode(const char* name, int value, const UnitList& units)
    {
        Field(name, value, 0, units.Count() - 1);
    }
    bool Ok() const { return ok_; }

  private:
    std::string* why_;
    bool ok_ = true;
};

} // namespace

bool CheckRecord(const ProjectRecord& r, std::string* why)
{
    RangeCheck c(why);
    c.Field("SystemType", r.SystemType, 0, 1);
    c.Field("DemandMode", r.DemandMode, 0, 1);
    c.Field("LiningSystem", r.LiningSystem, 0, 1);
    c.Field("DesignLife", r.DesignLife, DesignLifeMin, DesignLifeMax);
    c.Field("BaseYear", r.BaseYear, YearMin, YearMax);
    c.Field("SupplyStartYear", r.SupplyStartYear, YearMin, YearMax);
    c.Field("MaintenanceMechanical", r.MaintenanceMechanical, MaintenanceMin,
            MaintenanceMechanicalMax);
    c.Field("MaintenanceElectrical", r.MaintenanceElectrical, MaintenanceMin,
            MaintenanceElectricalMax);
    c.Field("MaintenancePipeline", r.MaintenancePipeline, MaintenanceMin, MaintenancePipelineMax);

    c.UnitCode("FixedDemandUnit", r.FixedDemandUnit, FlowUnits);
    c.UnitCode("YearDemandUnit", r.YearDemandUnit, FlowUnits);
    c.UnitCode("StartReservoirLevelUnit", r.StartReservoirLevelUnit, LengthUnits);
    c.UnitCode("EndReservoirLevelUnit", r.EndReservoirLevelUnit, LengthUnits);
    c.UnitCode("ElevationUnit", r.ElevationUnit, LengthUnits);
    c.UnitCode("ChainageUnit", r.ChainageUnit, LengthUnits);
    c.UnitCode("DiameterUnit", r.DiameterUnit, PipeDimensionUnits);
    c.UnitCode("WallThicknessUnit", r.WallThicknessUnit, PipeDimensionUnits);
    c.UnitCode("LiningThicknessUnit", r.LiningThicknessUnit, PipeDimensionUnits);
    c.UnitCode("RoughnessNewUnit", r.RoughnessNewUnit, PipeDimensionUnits);
    c.UnitCode("RoughnessOldUnit", r.RoughnessOldUnit, PipeDimensionUnits);
    c.UnitCode("WaterPriceUnit", r.WaterPriceUnit, WaterSalesVolumeUnits);

    if (IsPumping(r)) {
        c.Field("PumpCurveGiven", r.PumpCurveGiven, 0, 1);
        c.Field("SummerMonths", r.SummerMonths, SummerMonthsMin, SummerMonthsMax);
        c.Field("PumpingHours", r.PumpingHours, PumpingHoursMin, PumpingHoursMax);
        c.UnitCode("CurveHeadUnit", r.CurveHeadUnit, PumpHeadUnits);
        c.UnitCode("CurveFlowUnit", r.CurveFlowUnit, PumpCurveFlowUnits);
        c.UnitCode("OperatingFlowRateUnit", r.OperatingFlowRateUnit, OperatingFlowUnits);
    }
    return c.Ok() && CheckRecordReals(r, why);
}

} // namespace vemora
