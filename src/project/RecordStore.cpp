#include "project/RecordStore.h"

#include "project/TextCodec.h"

namespace vemora {

namespace {

// Record text (Windows-1252, padded) to store text (UTF-8, padding kept).
std::string StoreText(const std::string& recordText)
{
    return Windows1252ToUtf8(recordText);
}

// Store text (UTF-8) to record text: converted, then cut or padded to `width`.
std::string RecordText(const std::string& storeText, size_t width)
{
    return FitToWidth(Utf8ToWindows1252(storeText), width);
}

template <typename T, size_t N> void CopyArray(const std::array<T, N>& from, std::array<T, N>& to)
{
    for (size_t i = 1; i < N; ++i)
        to[i] = from[i];
}

} // namespace

void CopyRecordToStore(const ProjectRecord& rec, ProjectStore& s)
{
    s.SystemType = rec.SystemType;
    s.CurrencyCode = rec.CurrencyCode;
    s.UnitSystem = rec.UnitSystem;
    s.PrelimGeneralPercent = rec.PrelimGeneralPercent;
    s.ContingencyPercent = rec.ContingencyPercent;
    s.ProjectName = StoreText(rec.ProjectName);
    s.Designer = StoreText(rec.Designer);
    s.ProjectDate = StoreText(rec.ProjectDate);
    s.ProjectDescription = StoreText(rec.ProjectDescription);
    s.DesignLife = rec.DesignLife;
    s.BaseYear = rec.BaseYear;
    s.SupplyStartYear = rec.SupplyStartYear;
    s.SupervisionFees = rec.SupervisionFees;
    s.WallThicknessUnit = rec.WallThicknessUnit;
    s.FixedDemand = rec.FixedDemand;
    s.FixedDemandUnit = rec.FixedDemandUnit;
    s.DemandMode = rec.DemandMode;
    CopyArray(rec.YearDemand, s.YearDemand);
    s.YearDemandUnit = rec.YearDemandUnit;
    s.StartReservoirLevel = rec.StartReservoirLevel;
    s.EndReservoirLevel = rec.EndReservoirLevel;
    s.StartReservoirLevelUnit = rec.StartReservoirLevelUnit;
    s.EndReservoirLevelUnit = rec.EndReservoirLevelUnit;
    CopyArray(rec.NodeNumber, s.NodeNumber);
    CopyArray(rec.NodeElevation, s.NodeElevation);
    CopyArray(rec.NodeAccumulatedLength, s.NodeAccumulatedLength);
    CopyArray(rec.PipeDiameter, s.PipeDiameter);
    CopyArray(rec.WallThickness, s.WallThickness);
    CopyArray(rec.PipeCostPerMetre, s.PipeCostPerMetre);
    CopyArray(rec.SecondaryLoss, s.SecondaryLoss);
    CopyArray(rec.NodeTypeCode, s.NodeTypeCode);
    s.LiningSystem = rec.LiningSystem;
    s.LiningThickness = rec.LiningThickness;
    s.LiningThicknessUnit = rec.LiningThicknessUnit;
    s.RoughnessNew = rec.RoughnessNew;
    s.RoughnessNewUnit = rec.RoughnessNewUnit;
    s.RoughnessOld = rec.RoughnessOld;
    s.RoughnessOldUnit = rec.RoughnessOldUnit;
    s.DeteriorationYears = rec.DeteriorationYears;
    s.DiameterUnit = rec.DiameterUnit;
    s.ChainageUnit = rec.ChainageUnit;
    s.ElevationUnit = rec.ElevationUnit;
    CopyArray(rec.LayingCost, s.LayingCost);
    s.DiscountRate = rec.DiscountRate;
    s.EscalationRate = rec.EscalationRate;
    s.EnergyEscalationRate = rec.EnergyEscalationRate;
    s.MaintenanceMechanical = rec.MaintenanceMechanical;
    s.MaintenanceElectrical = rec.MaintenanceElectrical;
    s.MaintenancePipeline = rec.MaintenancePipeline;
    s.MechanicalWorksCost = rec.MechanicalWorksCost;
    s.ElectricalWorksCost = rec.ElectricalWorksCost;
    s.WaterPrice = rec.WaterPrice;
    s.WaterPriceUnit = rec.WaterPriceUnit;
    s.WaterPriceIncrease = rec.WaterPriceIncrease;
    for (int i = 1; i <= 8; ++i) {
        s.StaffCost[i][1] = rec.StaffPackage[i];
        s.StaffCost[i][2] = rec.StaffTimePercent[i];
    }
    CopyArray(rec.OtherExpenseAmount, s.OtherExpenseAmount);

    // An Epoxy-coated pipe has no lining thickness, whatever the file holds.
    if (s.LiningSystem == 0) {
        s.LiningThickness = 0;
        s.LiningThicknessUnit = 0;
    }

    // A gravity load leaves the store's pump, tariff and hour-pattern values.
    if (rec.SystemType != 0) {
        s.PumpCurveGiven = rec.PumpCurveGiven;
        s.OperatingFlowRateUnit = rec.OperatingFlowRateUnit;
        s.OperatingFlowRate = rec.OperatingFlowRate;
        s.OperatingEfficiency = rec.OperatingEfficiency;
        s.PumpType = StoreText(rec.PumpType);
        s.PumpDescription = StoreText(rec.PumpDescription);
        s.SummerMonths = rec.SummerMonths;
        s.PumpingHours = rec.PumpingHours;
        s.TariffSummerPeak = rec.TariffSummerPeak;
        s.TariffSummerStandard = rec.TariffSummerStandard;
        s.TariffSummerOffPeak = rec.TariffSummerOffPeak;
        s.TariffWinterPeak = rec.TariffWinterPeak;
        s.TariffWinterStandard = rec.TariffWinterStandard;
        s.TariffWinterOffPeak = rec.TariffWinterOffPeak;
        CopyArray(rec.SummerHourPeriod, s.SummerHourPeriod);
        CopyArray(rec.WinterHourPeriod, s.WinterHourPeriod);
    }
    if (rec.SystemType == 1) {
        for (int v = 1; v <= 3; ++v)
            CopyArray(rec.PumpCurve[v], s.PumpCurve[v]);
        s.CurveFlowUnit = rec.CurveFlowUnit;
        s.CurveHeadUnit = rec.CurveHeadUnit;
    }
}

void CopyStoreToRecord(const ProjectStore& s, ProjectRecord& rec)
{
    rec.SystemType = s.SystemType;
    rec.UnitSystem = s.UnitSystem;
    rec.CurrencyCode = s.CurrencyCode;
    rec.PrelimGeneralPercent = s.PrelimGeneralPercent;
    rec.ContingencyPercent = s.ContingencyPercent;
    rec.ProjectName = RecordText(s.ProjectName, 80);
    rec.Designer = RecordText(s.Designer, 80);
    rec.ProjectDate = RecordText(s.ProjectDate, 20);
    rec.ProjectDescription = RecordText(s.ProjectDescription, 500);
    rec.FixedDemand = s.FixedDemand;
    rec.FixedDemandUnit = s.FixedDemandUnit;
    rec.DemandMode = s.DemandMode;
    rec.DesignLife = s.DesignLife;
    rec.BaseYear = s.BaseYear;
    rec.SupplyStartYear = s.SupplyStartYear;
    CopyArray(s.YearDemand, rec.YearDemand);
    rec.YearDemandUnit = s.YearDemandUnit;
    rec.StartReservoirLevel = s.StartReservoirLevel;
    rec.EndReservoirLevel = s.EndReservoirLevel;
    rec.StartReservoirLevelUnit = s.StartReservoirLevelUnit;
    rec.EndReservoirLevelUnit = s.EndReservoirLevelUnit;
    CopyArray(s.NodeNumber, rec.NodeNumber);
    CopyArray(s.NodeElevation, rec.NodeElevation);
    CopyArray(s.NodeAccumulatedLength, rec.NodeAccumulatedLength);
    CopyArray(s.PipeDiameter, rec.PipeDiameter);
    CopyArray(s.PipeCostPerMetre, rec.PipeCostPerMetre);
    CopyArray(s.SecondaryLoss, rec.SecondaryLoss);
    CopyArray(s.NodeTypeCode, rec.NodeTypeCode);
    CopyArray(s.WallThickness, rec.WallThickness);
    rec.WallThicknessUnit = s.WallThicknessUnit;
    rec.LiningSystem = s.LiningSystem;
    rec.LiningThickness = s.LiningThickness;
    rec.LiningThicknessUnit = s.LiningThicknessUnit;
    rec.RoughnessNew = s.RoughnessNew;
    rec.RoughnessOld = s.RoughnessOld;
    rec.DeteriorationYears = s.DeteriorationYears;
    rec.RoughnessNewUnit = s.RoughnessNewUnit;
    rec.RoughnessOldUnit = s.RoughnessOldUnit;
    rec.DiameterUnit = s.DiameterUnit;
    rec.ElevationUnit = s.ElevationUnit;
    rec.ChainageUnit = s.ChainageUnit;
    CopyArray(s.LayingCost, rec.LayingCost);
    rec.DiscountRate = s.DiscountRate;
    rec.EscalationRate = s.EscalationRate;
    rec.EnergyEscalationRate = s.EnergyEscalationRate;
    rec.MaintenanceMechanical = s.MaintenanceMechanical;
    rec.MaintenanceElectrical = s.MaintenanceElectrical;
    rec.MaintenancePipeline = s.MaintenancePipeline;
    rec.WaterPrice = s.WaterPrice;
    rec.WaterPriceUnit = s.WaterPriceUnit;
    for (int i = 1; i <= 8; ++i) {
        rec.StaffPackage[i] = s.StaffCost[i][1];
        rec.StaffTimePercent[i] = s.StaffCost[i][2];
    }
    CopyArray(s.OtherExpenseAmount, rec.OtherExpenseAmount);
    rec.SupervisionFees = s.SupervisionFees;
    rec.OperatingEfficiency = s.OperatingEfficiency;
    rec.WaterPriceIncrease = s.WaterPriceIncrease;
    rec.MechanicalWorksCost = s.MechanicalWorksCost;
    rec.ElectricalWorksCost = s.ElectricalWorksCost;

    // A gravity project keeps the record's pumping fields as they were.
    if (s.SystemType == 1) {
        rec.PumpCurveGiven = s.PumpCurveGiven;
        rec.TariffSummerPeak = s.TariffSummerPeak;
        rec.TariffSummerStandard = s.TariffSummerStandard;
        rec.TariffSummerOffPeak = s.TariffSummerOffPeak;
        rec.TariffWinterPeak = s.TariffWinterPeak;
        rec.TariffWinterStandard = s.TariffWinterStandard;
        rec.TariffWinterOffPeak = s.TariffWinterOffPeak;
        CopyArray(s.SummerHourPeriod, rec.SummerHourPeriod);
        CopyArray(s.WinterHourPeriod, rec.WinterHourPeriod);
        for (int v = 1; v <= 3; ++v)
            CopyArray(s.PumpCurve[v], rec.PumpCurve[v]);
        rec.PumpingHours = s.PumpingHours;
        rec.SummerMonths = s.SummerMonths;
        rec.CurveFlowUnit = s.CurveFlowUnit;
        rec.CurveHeadUnit = s.CurveHeadUnit;
        rec.OperatingFlowRate = s.OperatingFlowRate;
        rec.OperatingFlowRateUnit = s.OperatingFlowRateUnit;
        rec.PumpType = RecordText(TrimBlanks(s.PumpType), 100);
        rec.PumpDescription = RecordText(TrimBlanks(s.PumpDescription), 1000);
    }
}

void WriteNewProjectDefaults(ProjectStore& store, const std::string& today)
{
    ProjectRecord& r = store.ProjectRec;
    r.SystemType = store.SystemType;
    r.PrelimGeneralPercent = 10;
    r.ContingencyPercent = 10;
    r.ProjectName = std::string(80, ' ');
    r.Designer = std::string(80, ' ');
    r.ProjectDescription = std::string(500, ' ');
    r.ProjectDate = RecordText(today, 20);
    r.DesignLife = 30;
    r.BaseYear = 2001;
    r.SupplyStartYear = 2001;
    r.DemandMode = 0;
    r.FixedDemand = 0;
    for (int y = 1; y <= MaxYears; ++y)
        r.YearDemand[y] = 0;
    r.StartReservoirLevel = 0;
    r.EndReservoirLevel = 0;
    r.MaintenanceMechanical = 25;
    r.MaintenanceElectrical = 200;
    r.MaintenancePipeline = 25;
    r.LiningSystem = 0;
    r.LiningThickness = 0;
    r.RoughnessNew = 0;
    r.RoughnessOld = 0;
    r.DeteriorationYears = 0;
    r.DiscountRate = 8;
    r.EscalationRate = 10;
    r.EnergyEscalationRate = 7.5f;
    r.WaterPriceIncrease = 5;
    r.MechanicalWorksCost = 0;
    r.ElectricalWorksCost = 0;
    r.SupervisionFees = 0;
    r.SummerMonths = 6;
    r.PumpingHours = 20;
    static constexpr float StaffPackages[] = {300000, 200000, 120000, 80000,
                                              70000,  30000,  60000,  130000};
    for (int i = 1; i <= 8; ++i) {
        r.StaffPackage[i] = StaffPackages[i - 1];
        r.StaffTimePercent[i] = 0;
    }
    for (int i = 1; i <= 5; ++i)
        r.OtherExpenseAmount[i] = 0;
    for (int i = 1; i <= MaxNodes; ++i) {
        r.NodeNumber[i] = static_cast<int16_t>(i);
        r.NodeElevation[i] = UnusedNode;
        r.NodeAccumulatedLength[i] = UnusedNode;
        r.PipeDiameter[i] = 0;
        r.WallThickness[i] = 0;
        r.PipeCostPerMetre[i] = 0;
        r.SecondaryLoss[i] = 0;
        r.NodeTypeCode[i] = 0;
    }
    for (int i = 1; i <= 2; ++i) {
        r.NodeElevation[i] = 0;
        r.NodeAccumulatedLength[i] = 0;
    }
    r.PumpCurveGiven = 0;
    for (int v = 1; v <= 3; ++v)
        for (int k = 1; k <= 6; ++k)
            r.PumpCurve[v][k] = 0;
    r.OperatingEfficiency = 70;
    r.OperatingFlowRate = 0;
    r.PumpType = std::string(100, ' ');
    r.PumpDescription = std::string(1000, ' ');

    // Unit codes follow the unit system of the project held before.
    const bool metric = r.UnitSystem == 0;
    r.FixedDemandUnit = metric ? 3 : 4;
    r.YearDemandUnit = metric ? 0 : 4;
    const int16_t length = metric ? 0 : 2;
    r.StartReservoirLevelUnit = r.EndReservoirLevelUnit = length;
    r.ElevationUnit = r.ChainageUnit = length;
    const int16_t dimension = metric ? 0 : 2;
    r.DiameterUnit = r.WallThicknessUnit = r.LiningThicknessUnit = dimension;
    r.RoughnessNewUnit = r.RoughnessOldUnit = dimension;
    r.WaterPriceUnit = metric ? 0 : 2;
    r.CurveHeadUnit = metric ? 0 : 1;
    r.CurveFlowUnit = metric ? 0 : 2;
    r.OperatingFlowRateUnit = metric ? 0 : 3;

    // Water price by that unit system and the currency preference held now.
    const bool rand = store.CurrencyCode == 0;
    if (metric)
        r.WaterPrice = rand ? 2.0f : 0.5f;
    else
        r.WaterPrice = rand ? 0.5f : 0.05f;
}

} // namespace vemora
