// The record's fields in file order, for the byte codec, the record dump and
// tests. ForEachRecordField calls
//   visit(name, field)          for integer16, real32 and the 1-based arrays,
//   visit(name, field, width)   for text fields of `width` bytes,
//   visit(name, pumpCurve)      for the 3 x 6 pump curve (first index fastest).
// `Record` may be const or not, so one list serves reading and writing.
#pragma once

#include "project/ProjectRecord.h"

namespace vemora {

template <typename Record, typename Visitor> void ForEachRecordField(Record& r, Visitor&& visit)
{
    visit("SystemType", r.SystemType);
    visit("UnitSystem", r.UnitSystem);
    visit("CurrencyCode", r.CurrencyCode);
    visit("ProjectName", r.ProjectName, ProjectRecord::ProjectNameWidth);
    visit("Designer", r.Designer, ProjectRecord::DesignerWidth);
    visit("ProjectDate", r.ProjectDate, ProjectRecord::ProjectDateWidth);
    visit("ProjectDescription", r.ProjectDescription, ProjectRecord::ProjectDescriptionWidth);
    visit("FixedDemand", r.FixedDemand);
    visit("FixedDemandUnit", r.FixedDemandUnit);
    visit("DemandMode", r.DemandMode);
    visit("DesignLife", r.DesignLife);
    visit("BaseYear", r.BaseYear);
    visit("SupplyStartYear", r.SupplyStartYear);
    visit("YearDemand", r.YearDemand);
    visit("YearDemandUnit", r.YearDemandUnit);
    visit("StartReservoirLevel", r.StartReservoirLevel);
    visit("EndReservoirLevel", r.EndReservoirLevel);
    visit("StartReservoirLevelUnit", r.StartReservoirLevelUnit);
    visit("EndReservoirLevelUnit", r.EndReservoirLevelUnit);
    visit("NodeNumber", r.NodeNumber);
    visit("NodeElevation", r.NodeElevation);
    visit("NodeAccumulatedLength", r.NodeAccumulatedLength);
    visit("PipeDiameter", r.PipeDiameter);
    visit("PipeCostPerMetre", r.PipeCostPerMetre);
    visit("SecondaryLoss", r.SecondaryLoss);
    visit("NodeTypeCode", r.NodeTypeCode);
    visit("WallThickness", r.WallThickness);
    visit("WallThicknessUnit", r.WallThicknessUnit);
    visit("LiningSystem", r.LiningSystem);
    visit("LiningThickness", r.LiningThickness);
    visit("LiningThicknessUnit", r.LiningThicknessUnit);
    visit("RoughnessNew", r.RoughnessNew);
    visit("RoughnessOld", r.RoughnessOld);
    visit("DeteriorationYears", r.DeteriorationYears);
    visit("RoughnessNewUnit", r.RoughnessNewUnit);
    visit("RoughnessOldUnit", r.RoughnessOldUnit);
    visit("DiameterUnit", r.DiameterUnit);
    visit("ElevationUnit", r.ElevationUnit);
    visit("ChainageUnit", r.ChainageUnit);
    visit("LayingCost", r.LayingCost);
    visit("DiscountRate", r.DiscountRate);
    visit("EscalationRate", r.EscalationRate);
    visit("EnergyEscalationRate", r.EnergyEscalationRate);
    visit("MaintenanceMechanical", r.MaintenanceMechanical);
    visit("MaintenanceElectrical", r.MaintenanceElectrical);
    visit("MaintenancePipeline", r.MaintenancePipeline);
    visit("ReservedValue", r.ReservedValue);
    visit("WaterPrice", r.WaterPrice);
    visit("WaterPriceUnit", r.WaterPriceUnit);
    visit("StaffPackage", r.StaffPackage);
    visit("StaffTimePercent", r.StaffTimePercent);
    visit("OtherExpenseAmount", r.OtherExpenseAmount);
    visit("SupervisionFees", r.SupervisionFees);
    visit("PumpCurve", r.PumpCurve);
    visit("CurveHeadUnit", r.CurveHeadUnit);
    visit("CurveFlowUnit", r.CurveFlowUnit);
    visit("OperatingEfficiency", r.OperatingEfficiency);
    visit("WaterPriceIncrease", r.WaterPriceIncrease);
    visit("MechanicalWorksCost", r.MechanicalWorksCost);
    visit("ElectricalWorksCost", r.ElectricalWorksCost);
    visit("PrelimGeneralPercent", r.PrelimGeneralPercent);
    visit("ContingencyPercent", r.ContingencyPercent);
    visit("PumpCurveGiven", r.PumpCurveGiven);
    visit("SummerMonths", r.SummerMonths);
    visit("TariffSummerPeak", r.TariffSummerPeak);
    visit("TariffSummerStandard", r.TariffSummerStandard);
    visit("TariffSummerOffPeak", r.TariffSummerOffPeak);
    visit("TariffWinterPeak", r.TariffWinterPeak);
    visit("TariffWinterStandard", r.TariffWinterStandard);
    visit("TariffWinterOffPeak", r.TariffWinterOffPeak);
    visit("SummerHourPeriod", r.SummerHourPeriod);
    visit("WinterHourPeriod", r.WinterHourPeriod);
    visit("OperatingFlowRate", r.OperatingFlowRate);
    visit("OperatingFlowRateUnit", r.OperatingFlowRateUnit);
    visit("PumpingHours", r.PumpingHours);
    visit("PumpType", r.PumpType, ProjectRecord::PumpTypeWidth);
    visit("PumpDescription", r.PumpDescription, ProjectRecord::PumpDescriptionWidth);
}

} // namespace vemora
