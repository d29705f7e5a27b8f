#include "project/RecordStore.h"

#include "project/Currency.h"
#include "project/ProfileNodes.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"
#include "project/TextCodec.h"
#include "project/UnitSystem.h"

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

namespace {

// The numeric fields that both system types save and load; the record and the
// store give them the same names, so one template serves both directions.
template <typename From, typename To> void CopyCommonNumbers(const From& f, To& t)
{
    t.SystemType = f.SystemType;
    t.UnitSystem = f.UnitSystem;
    t.CurrencyCode = f.CurrencyCode;
    t.PrelimGeneralPercent = f.PrelimGeneralPercent;
    t.ContingencyPercent = f.ContingencyPercent;
    t.DesignLife = f.DesignLife;
    t.BaseYear = f.BaseYear;
    t.SupplyStartYear = f.SupplyStartYear;
    t.SupervisionFees = f.SupervisionFees;
    t.FixedDemand = f.FixedDemand;
    t.FixedDemandUnit = f.FixedDemandUnit;
    t.DemandMode = f.DemandMode;
    CopyArray(f.YearDemand, t.YearDemand);
    t.YearDemandUnit = f.YearDemandUnit;
    t.StartReservoirLevel = f.StartReservoirLevel;
    t.EndReservoirLevel = f.EndReservoirLevel;
    t.StartReservoirLevelUnit = f.StartReservoirLevelUnit;
    t.EndReservoirLevelUnit = f.EndReservoirLevelUnit;
    CopyArray(f.NodeNumber, t.NodeNumber);
    CopyArray(f.NodeElevation, t.NodeElevation);
    CopyArray(f.NodeAccumulatedLength, t.NodeAccumulatedLength);
    CopyArray(f.PipeDiameter, t.PipeDiameter);
    CopyArray(f.WallThickness, t.WallThickness);
    CopyArray(f.PipeCostPerMetre, t.PipeCostPerMetre);
    CopyArray(f.SecondaryLoss, t.SecondaryLoss);
    CopyArray(f.NodeTypeCode, t.NodeTypeCode);
    t.WallThicknessUnit = f.WallThicknessUnit;
    t.LiningSystem = f.LiningSystem;
    t.LiningThickness = f.LiningThickness;
    t.LiningThicknessUnit = f.LiningThicknessUnit;
    t.RoughnessNew = f.RoughnessNew;
    t.RoughnessNewUnit = f.RoughnessNewUnit;
    t.RoughnessOld = f.RoughnessOld;
    t.RoughnessOldUnit = f.RoughnessOldUnit;
    t.DeteriorationYears = f.DeteriorationYears;
    t.DiameterUnit = f.DiameterUnit;
    t.ChainageUnit = f.ChainageUnit;
    t.ElevationUnit = f.ElevationUnit;
    CopyArray(f.LayingCost, t.LayingCost);
    t.DiscountRate = f.DiscountRate;
    t.EscalationRate = f.EscalationRate;
    t.EnergyEscalationRate = f.EnergyEscalationRate;
    t.MaintenanceMechanical = f.MaintenanceMechanical;
    t.MaintenanceElectrical = f.MaintenanceElectrical;
    t.MaintenancePipeline = f.MaintenancePipeline;
    t.MechanicalWorksCost = f.MechanicalWorksCost;
    t.ElectricalWorksCost = f.ElectricalWorksCost;
    t.WaterPrice = f.WaterPrice;
    t.WaterPriceUnit = f.WaterPriceUnit;
    t.WaterPriceIncrease = f.WaterPriceIncrease;
    CopyArray(f.OtherExpenseAmount, t.OtherExpenseAmount);
}

// The numeric pumping fields (operation, tariffs and the hour patterns).
template <typename From, typename To> void CopyPumpingNumbers(const From& f, To& t)
{
    t.PumpCurveGiven = f.PumpCurveGiven;
    t.OperatingFlowRateUnit = f.OperatingFlowRateUnit;
    t.OperatingFlowRate = f.OperatingFlowRate;
    t.SummerMonths = f.SummerMonths;
    t.PumpingHours = f.PumpingHours;
    t.TariffSummerPeak = f.TariffSummerPeak;
    t.TariffSummerStandard = f.TariffSummerStandard;
    t.TariffSummerOffPeak = f.TariffSummerOffPeak;
    t.TariffWinterPeak = f.TariffWinterPeak;
    t.TariffWinterStandard = f.TariffWinterStandard;
    t.TariffWinterOffPeak = f.TariffWinterOffPeak;
    CopyArray(f.SummerHourPeriod, t.SummerHourPeriod);
    CopyArray(f.WinterHourPeriod, t.WinterHourPeriod);
}

// The pump curve with its two unit codes.
template <typename From, typename To> void CopyPumpCurve(const From& f, To& t)
{
    for (int v = 1; v <= 3; ++v)
        CopyArray(f.PumpCurve[v], t.PumpCurve[v]);
    t.CurveFlowUnit = f.CurveFlowUnit;
    t.CurveHeadUnit = f.CurveHeadUnit;
}

} // namespace

void CopyRecordToStore(const ProjectRecord& rec, ProjectStore& s)
{
    CopyCommonNumbers(rec, s);
    s.ProjectName = StoreText(rec.ProjectName);
    s.Designer = StoreText(rec.Designer);
    s.ProjectDate = StoreText(rec.ProjectDate);
    s.ProjectDescription = StoreText(rec.ProjectDescription);
    for (int i = 1; i <= 8; ++i) {
        s.StaffCost[i][1] = rec.StaffPackage[i];
        s.StaffCost[i][2] = rec.StaffTimePercent[i];
    }

    // An Epoxy-coated pipe has no lining thickness, whatever the file holds.
    if (!HasMortarLining(s)) {
        s.LiningThickness = 0;
        s.LiningThicknessUnit = 0;
    }

    // A gravity load leaves the store's pump, tariff and hour-pattern values.
    if (IsPumping(rec)) {
        CopyPumpingNumbers(rec, s);
        CopyPumpCurve(rec, s);
        s.OperatingEfficiency = rec.OperatingEfficiency;
        s.PumpType = StoreText(rec.PumpType);
        s.PumpDescription = StoreText(rec.PumpDescription);
    }
}

void StoreFromRecord(const ProjectRecord& rec, ProjectStore& store)
{
    CopyRecordToStore(rec, store);
    store.NodeCount = ProfileNodeCount(store);
}

void CopyStoreToRecord(const ProjectStore& s, ProjectRecord& rec)
{
    CopyCommonNumbers(s, rec);
    rec.ProjectName = RecordText(s.ProjectName, ProjectRecord::ProjectNameWidth);
    rec.Designer = RecordText(s.Designer, ProjectRecord::DesignerWidth);
    rec.ProjectDate = RecordText(s.ProjectDate, ProjectRecord::ProjectDateWidth);
    rec.ProjectDescription =
        RecordText(s.ProjectDescription, ProjectRecord::ProjectDescriptionWidth);
    for (int i = 1; i <= 8; ++i) {
        rec.StaffPackage[i] = s.StaffCost[i][1];
        rec.StaffTimePercent[i] = s.StaffCost[i][2];
    }
    rec.OperatingEfficiency = s.OperatingEfficiency;
    // A gravity project buys no energy: its energy escalation is stored as 0.
    if (!IsPumping(s)) rec.EnergyEscalationRate = 0;

    // A gravity project keeps the record's pumping fields as they were.
    if (IsPumping(s)) {
        CopyPumpingNumbers(s, rec);
        CopyPumpCurve(s, rec);
        rec.PumpType = RecordText(TrimBlanks(s.PumpType), ProjectRecord::PumpTypeWidth);
        rec.PumpDescription =
            RecordText(TrimBlanks(s.PumpDescription), ProjectRecord::PumpDescriptionWidth);
    }
}

namespace {

// The defaults of a new project, in groups; every text is blank but the date.
void WriteDefaultHeader(ProjectRecord& r, const std::string& today)
{
    r.PrelimGeneralPercent = 10;
    r.ContingencyPercent = 10;
    r.ProjectName = std::string(ProjectRecord::ProjectNameWidth, ' ');
    r.Designer = std::string(ProjectRecord::DesignerWidth, ' ');
    r.ProjectDescription = std::string(ProjectRecord::ProjectDescriptionWidth, ' ');
    r.ProjectDate = RecordText(today, ProjectRecord::ProjectDateWidth);
    r.DesignLife = 30;
    r.BaseYear = 2001;
    r.SupplyStartYear = 2001;
}

void WriteDefaultAmounts(ProjectRecord& r)
{
    r.DemandMode = DemandOption::Fixed;
    r.FixedDemand = 0;
    for (int y = 1; y <= MaxYears; ++y)
        r.YearDemand[y] = 0;
    r.StartReservoirLevel = 0;
    r.EndReservoirLevel = 0;
    r.MaintenanceMechanical = 25;
    r.MaintenanceElectrical = 200;
    r.MaintenancePipeline = 25;
    r.LiningSystem = LiningOption::Epoxy;
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
}

void WriteDefaultProfile(ProjectRecord& r)
{
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
}

void WriteDefaultPump(ProjectRecord& r)
{
    r.PumpCurveGiven = PumpingOption::OperatingFlowRate;
    for (int v = 1; v <= 3; ++v)
        for (int k = 1; k <= 6; ++k)
            r.PumpCurve[v][k] = 0;
    r.OperatingEfficiency = 70;
    r.OperatingFlowRate = 0;
    r.PumpType = std::string(ProjectRecord::PumpTypeWidth, ' ');
    r.PumpDescription = std::string(ProjectRecord::PumpDescriptionWidth, ' ');
}

// Unit codes follow the unit system of the project held before; the water
// price follows that unit system and the currency preference held now.
void WriteUnitSystemDefaults(ProjectRecord& r, bool rand)
{
    const bool metric = IsMetric(r);
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

    if (metric)
        r.WaterPrice = rand ? 2.0f : 0.5f;
    else
        r.WaterPrice = rand ? 0.5f : 0.05f;
}

} // namespace

void WriteNewProjectDefaults(ProjectStore& store, const std::string& today)
{
    ProjectRecord& r = store.ProjectRec;
    r.SystemType = store.SystemType;
    WriteDefaultHeader(r, today);
    WriteDefaultAmounts(r);
    WriteDefaultProfile(r);
    WriteDefaultPump(r);
    const bool rand = !IsDollar(store.CurrencyCode);
    WriteUnitSystemDefaults(r, rand);
}

} // namespace vemora
