#include "engine/AnalysisInputCheck.h"

#include "engine/EngineMath.h"
#include "project/ProjectOptions.h"
#include "project/ProjectYears.h"
#include "project/RecordCheck.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

InputName Node(int i)
{
    return {"", "node", i};
}

InputName Row(int k)
{
    return {"", "row", k};
}

InputName Point(int k)
{
    return {"", "point", k};
}

// Keeps the first failure of the rules applied in order.
class InputCheck
{
  public:
    // `name` is the value in plain words, `of` its element of an array.
    void Finite(const char* name, double value, InputName of = {})
    {
        Require(IsFinite(value), FailureKind::InputNotANumber, name, of);
    }
    void NotNegative(const char* name, double value, InputName of = {})
    {
        Finite(name, value, of);
        Require(value >= 0.0, FailureKind::InputNegative, name, of);
    }
    void Share(const char* name, double value, InputName of = {})
    {
        NotNegative(name, value, of);
        Require(value <= 100.0, FailureKind::InputAbove100, name, of);
    }
    void Growth(const char* name, double value)
    {
        Finite(name, value);
        Require(value >= -100.0, FailureKind::InputBelowMinus100, name, {});
    }
    void Whole(const char* name, int value, int min, int max)
    {
        if (!failure_.Ok() || (value >= min && value <= max)) return;
        Require(false, FailureKind::InputOutOfRange, name, {});
        failure_.Value = value;
        failure_.Min = min;
        failure_.Max = max;
    }
    // A rule of its own about node, point or year `number`.
    void Rule(bool holds, FailureKind kind, int number)
    {
        if (failure_.Ok() && !holds) failure_ = Failed(kind, number);
    }
    const AnalysisFailure& Failure() const { return failure_; }

  private:
    void Require(bool holds, FailureKind kind, const char* name, InputName of)
    {
        if (!failure_.Ok() || holds) return;
        failure_.Kind = kind;
        failure_.Input = of;
        failure_.Input.Name = name;
    }
    AnalysisFailure failure_;
};

// With `costs` the pipe cost per length of every section as well.
void CheckProfile(const ProjectStore& s, InputCheck& c, bool costs)
{
    c.Finite("start reservoir level", s.StartReservoirLevel);
    c.Finite("end reservoir level", s.EndReservoirLevel);
    const int n = UsedNodeCount(s);
    for (int i = 1; i <= n; ++i) {
        c.Finite("elevation", s.NodeElevation[i], Node(i));
        c.Finite("chainage", s.NodeAccumulatedLength[i], Node(i));
        c.NotNegative("pipe diameter", s.PipeDiameter[i], Node(i));
        c.NotNegative("wall thickness", s.WallThickness[i], Node(i));
        c.NotNegative("secondary loss coefficient", s.SecondaryLoss[i], Node(i));
    }
    for (int j = 1; j < n; ++j) {
        // As the SI conversion forms it: a difference of two 4-byte reals.
        const float length = s.NodeAccumulatedLength[j + 1] - s.NodeAccumulatedLength[j];
        c.Rule(length >= 0.0f, FailureKind::ChainageFalls, j);
        if (costs) c.NotNegative("pipe cost per length", s.PipeCostPerMetre[j], Node(j));
    }
    if (HasMortarLining(s)) c.NotNegative("lining thickness", s.LiningThickness);
    c.NotNegative("roughness of a new pipe", s.RoughnessNew);
    c.NotNegative("roughness of an old pipe", s.RoughnessOld);
    c.Finite("roughness deterioration period", s.DeteriorationYears);
}

// The pump curve, or the operating flow and efficiency.
void CheckPump(const ProjectStore& s, InputCheck& c)
{
    if (HasPumpCurve(s)) {
        static constexpr const char* Names[] = {"", "pump head", "pump flow rate",
                                                "pump efficiency"};
        for (int v = 1; v <= 3; ++v)
            for (int k = 1; k <= 6; ++k)
                c.NotNegative(Names[v], s.PumpCurve[v][k], Point(k));
        const int k = FirstPumpFlowNotRising(s.PumpCurve[2]);
        c.Rule(k == 0, FailureKind::PumpFlowsNotRising, k);
    } else {
        c.NotNegative("operating flow rate", s.OperatingFlowRate);
        c.NotNegative("pump efficiency", s.OperatingEfficiency);
    }
}

void CheckDemandAndIncome(const ProjectStore& s, InputCheck& c)
{
    if (HasVaryingDemand(s))
        for (int y = 1; y <= UsedDesignLife(s); ++y)
            c.NotNegative("demand", s.YearDemand[y], {"", "year", OperatingCalendarYear(s, y)});
    else
        c.NotNegative("fixed demand", s.FixedDemand);
    c.NotNegative("water price", s.WaterPrice);
    c.Growth("yearly water price increase", s.WaterPriceIncrease);
}

void CheckCosts(const ProjectStore& s, float supervisionCost, InputCheck& c)
{
    for (int k = 1; k <= 8; ++k) // the unit rates
        c.NotNegative("laying rate", s.LayingCost[k], Row(k));
    for (int k = 9; k <= 11; ++k) // rock, bedding import and blanket import shares
        c.Share("laying share", s.LayingCost[k], Row(k));
    for (int k = 12; k <= 13; ++k) // required cover and excavation below the invert
        c.NotNegative("laying depth", s.LayingCost[k], Row(k));
    c.NotNegative("mechanical works cost", s.MechanicalWorksCost);
    c.NotNegative("electrical works cost", s.ElectricalWorksCost);
    c.NotNegative("supervision cost", supervisionCost);
    c.NotNegative("preliminary and general percentage", s.PrelimGeneralPercent);
    c.NotNegative("contingency percentage", s.ContingencyPercent);
    c.NotNegative("discount rate", s.DiscountRate);
    c.Growth("cost escalation rate", s.EscalationRate);
    c.NotNegative("mechanical maintenance", s.MaintenanceMechanical);
    c.NotNegative("electrical maintenance", s.MaintenanceElectrical);
    c.NotNegative("pipeline maintenance", s.MaintenancePipeline);
    for (int k = 1; k <= 8; ++k) {
        c.NotNegative("staff package", s.StaffCost[k][1], Row(k));
        c.NotNegative("staff time percentage", s.StaffCost[k][2], Row(k));
    }
    for (int k = 1; k <= 5; ++k)
        c.NotNegative("other expense", s.OtherExpenseAmount[k], Row(k));
}

void CheckPumping(const ProjectStore& s, InputCheck& c)
{
    c.Growth("energy escalation rate", s.EnergyEscalationRate);
    c.Whole("number of summer months", s.SummerMonths, SummerMonthsMin, SummerMonthsMax);
    c.Whole("number of pumping hours", s.PumpingHours, PumpingHoursMin, PumpingHoursMax);
    c.NotNegative("summer peak tariff", s.TariffSummerPeak);
    c.NotNegative("summer standard tariff", s.TariffSummerStandard);
    c.NotNegative("summer off-peak tariff", s.TariffSummerOffPeak);
    c.NotNegative("winter peak tariff", s.TariffWinterPeak);
    c.NotNegative("winter standard tariff", s.TariffWinterStandard);
    c.NotNegative("winter off-peak tariff", s.TariffWinterOffPeak);
    CheckPump(s, c);
}

} // namespace

AnalysisFailure CheckAnalysisInputs(const ProjectStore& store, float supervisionCost)
{
    InputCheck c;
    CheckProfile(store, c, /*costs=*/true);
    CheckDemandAndIncome(store, c);
    CheckCosts(store, supervisionCost, c);
    if (IsPumping(store)) CheckPumping(store, c);
    return c.Failure();
}

AnalysisFailure CheckHydraulicInputs(const ProjectStore& store)
{
    InputCheck c;
    CheckProfile(store, c, /*costs=*/false);
    if (IsPumping(store)) CheckPump(store, c);
    return c.Failure();
}

int FirstPumpFlowNotRising(const Array1<float, 6>& flows)
{
    for (int k = 2; k <= 6; ++k)
        if (!(flows[k] > flows[k - 1])) return k;
    return 0;
}

} // namespace vemora
