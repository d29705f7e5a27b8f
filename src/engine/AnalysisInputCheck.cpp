#include "engine/AnalysisInputCheck.h"

#include "engine/EngineMath.h"
#include "project/RecordCheck.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

class InputCheck
{
  public:
    explicit InputCheck(std::string* why) : why_(why) {}

    // `element` is the node, year or table row of an array value (0: none).
    void Finite(const char* name, double value, int element = 0)
    {
        Require(IsFinite(value), name, element, "is not a finite number");
    }
    void NotNegative(const char* name, double value, int element = 0)
    {
        Finite(name, value, element);
        Require(value >= 0.0, name, element, "is negative");
    }
    void Share(const char* name, double value, int element = 0)
    {
        NotNegative(name, value, element);
        Require(value <= 100.0, name, element, "is above 100 %");
    }
    void Growth(const char* name, double value)
    {
        Finite(name, value);
        Require(value >= -100.0, name, 0, "is below -100 %");
    }
    void Whole(const char* name, int value, int min, int max)
    {
        Require(value >= min && value <= max, name, 0, "is out of range");
    }
    bool Ok() const { return ok_; }

  private:
    void Require(bool holds, const char* name, int element, const char* fault)
    {
        if (!ok_ || holds) return;
        ok_ = false;
        if (why_)
            *why_ = std::string(name) + (element ? "(" + std::to_string(element) + ")" : "") + " " +
                    fault;
    }
    std::string* why_;
    bool ok_ = true;
};

void CheckProfile(const ProjectStore& s, InputCheck& c)
{
    c.Finite("StartReservoirLevel", s.StartReservoirLevel);
    c.Finite("EndReservoirLevel", s.EndReservoirLevel);
    const int n = UsedNodeCount(s);
    for (int i = 1; i <= n; ++i) {
        c.Finite("NodeElevation", s.NodeElevation[i], i);
        c.Finite("NodeAccumulatedLength", s.NodeAccumulatedLength[i], i);
        c.NotNegative("PipeDiameter", s.PipeDiameter[i], i);
        c.NotNegative("WallThickness", s.WallThickness[i], i);
        c.NotNegative("SecondaryLoss", s.SecondaryLoss[i], i);
    }
    for (int j = 1; j < n; ++j) {
        // As the SI conversion forms it: a difference of two 4-byte reals.
        const float length = s.NodeAccumulatedLength[j + 1] - s.NodeAccumulatedLength[j];
        c.NotNegative("section length", length, j);
        c.NotNegative("PipeCostPerMetre", s.PipeCostPerMetre[j], j);
    }
    if (s.LiningSystem == 1) c.NotNegative("LiningThickness", s.LiningThickness);
    c.NotNegative("RoughnessNew", s.RoughnessNew);
    c.NotNegative("RoughnessOld", s.RoughnessOld);
    c.Finite("DeteriorationYears", s.DeteriorationYears);
}

void CheckDemandAndIncome(const ProjectStore& s, InputCheck& c)
{
    if (s.DemandMode == 1)
        for (int y = 1; y <= UsedDesignLife(s); ++y)
            c.NotNegative("YearDemand", s.YearDemand[y], y);
    else
        c.NotNegative("FixedDemand", s.FixedDemand);
    c.NotNegative("WaterPrice", s.WaterPrice);
    c.Growth("WaterPriceIncrease", s.WaterPriceIncrease);
}

void CheckCosts(const ProjectStore& s, float supervisionCost, InputCheck& c)
{
    for (int k = 1; k <= 8; ++k) // the unit rates
        c.NotNegative("LayingCost", s.LayingCost[k], k);
    for (int k = 9; k <= 11; ++k) // rock, bedding import and blanket import shares
        c.Share("LayingCost", s.LayingCost[k], k);
    for (int k = 12; k <= 13; ++k) // required cover and excavation below the invert
        c.NotNegative("LayingCost", s.LayingCost[k], k);
    c.NotNegative("MechanicalWorksCost", s.MechanicalWorksCost);
    c.NotNegative("ElectricalWorksCost", s.ElectricalWorksCost);
    c.NotNegative("supervision cost", supervisionCost);
    c.NotNegative("PrelimGeneralPercent", s.PrelimGeneralPercent);
    c.NotNegative("ContingencyPercent", s.ContingencyPercent);
    c.NotNegative("DiscountRate", s.DiscountRate);
    c.Growth("EscalationRate", s.EscalationRate);
    c.NotNegative("MaintenanceMechanical", s.MaintenanceMechanical);
    c.NotNegative("MaintenanceElectrical", s.MaintenanceElectrical);
    c.NotNegative("MaintenancePipeline", s.MaintenancePipeline);
    for (int k = 1; k <= 8; ++k) {
        c.NotNegative("StaffPackage", s.StaffCost[k][1], k);
        c.NotNegative("StaffTimePercent", s.StaffCost[k][2], k);
    }
    for (int k = 1; k <= 5; ++k)
        c.NotNegative("OtherExpenseAmount", s.OtherExpenseAmount[k], k);
}

void CheckPumping(const ProjectStore& s, InputCheck& c)
{
    c.Growth("EnergyEscalationRate", s.EnergyEscalationRate);
    c.Whole("SummerMonths", s.SummerMonths, SummerMonthsMin, SummerMonthsMax);
    c.Whole("PumpingHours", s.PumpingHours, PumpingHoursMin, PumpingHoursMax);
    c.NotNegative("TariffSummerPeak", s.TariffSummerPeak);
    c.NotNegative("TariffSummerStandard", s.TariffSummerStandard);
    c.NotNegative("TariffSummerOffPeak", s.TariffSummerOffPeak);
    c.NotNegative("TariffWinterPeak", s.TariffWinterPeak);
    c.NotNegative("TariffWinterStandard", s.TariffWinterStandard);
    c.NotNegative("TariffWinterOffPeak", s.TariffWinterOffPeak);
    if (s.PumpCurveGiven != 0) {
        static constexpr const char* Names[] = {"", "pump head", "pump flow", "pump efficiency"};
        for (int v = 1; v <= 3; ++v)
            for (int k = 1; k <= 6; ++k)
                c.NotNegative(Names[v], s.PumpCurve[v][k], k);
    } else {
        c.NotNegative("OperatingFlowRate", s.OperatingFlowRate);
        c.NotNegative("OperatingEfficiency", s.OperatingEfficiency);
    }
}

} // namespace

bool CheckAnalysisInputs(const ProjectStore& store, float supervisionCost, std::string* why)
{
    InputCheck c(why);
    CheckProfile(store, c);
    CheckDemandAndIncome(store, c);
    CheckCosts(store, supervisionCost, c);
    if (IsPumping(store)) CheckPumping(store, c);
    return c.Ok();
}

} // namespace vemora
