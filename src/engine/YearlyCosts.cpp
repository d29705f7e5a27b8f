#include "engine/YearlyCosts.h"

#include <cmath>
#include <vector>

#include "engine/EngineMath.h"
#include "engine/Hydraulics.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"

namespace vemora {
namespace {

// Water power is 9.81 x Q x H kW for Q in m³/s and H in m (water of 1000
// kg/m³ under the gravity acceleration).
constexpr double KilowattsPerFlowAndHead = GravityAcceleration;
// A fixed further efficiency of the pumping plant, applied together with the
// pump efficiency.
constexpr double PlantEfficiency = 0.95;
constexpr double DaysPerYear = 365.0;

int ConstructionYears(const ProjectStore& s)
{
    return s.SupplyStartYear - s.BaseYear;
}

// Tariff per kW of pumping power for year y: rates x hours per day x days.
double AnnualTariff(const ProjectStore& s, const ResultsStore& r, int y)
{
    const double winter =
        static_cast<double>(s.TariffWinterStandard) * r.YearWinterStandardHours[y] +
        static_cast<double>(s.TariffWinterOffPeak) * r.YearWinterOffPeakHours[y] +
        static_cast<double>(s.TariffWinterPeak) * r.YearWinterPeakHours[y];
    const double summer =
        static_cast<double>(s.TariffSummerStandard) * r.YearSummerStandardHours[y] +
        static_cast<double>(s.TariffSummerOffPeak) * r.YearSummerOffPeakHours[y] +
        static_cast<double>(s.TariffSummerPeak) * r.YearSummerPeakHours[y];
    return ToFloat(winter * DaysPerYear * (12 - s.SummerMonths) / 12.0 +
                   summer * DaysPerYear * s.SummerMonths / 12.0);
}

// Energy cost of year y before escalation; fails on a zero efficiency.
AnalysisFailure YearEnergyCost(const ProjectStore& s, const ResultsStore& r, int y, double& cost)
{
    const bool curve = HasPumpCurve(s);
    const double e = curve ? r.YearPumpEfficiency[y] : s.OperatingEfficiency;
    if (e == 0.0)
        return curve ? Failed(FailureKind::ZeroDutyEfficiency, y)
                     : Failed(FailureKind::ZeroOperatingEfficiency);
    const double H = PumpingHead(r, y);
    if (H < 0.0) {
        cost = 0.0;
        return {};
    }
    const double Q = r.YearFlow[y];
    cost =
        H * (Q * KilowattsPerFlowAndHead) * AnnualTariff(s, r, y) / (e / 100.0 * PlantEfficiency);
    return {};
}

// Sum over operating years of cost(y) / (1 + i)^(C + y - 1), with the
// discount factor built up by multiplication.
double DiscountedOperating(const std::vector<double>& cost, int C, double rate)
{
    const double v = 1.0 / (1.0 + rate);
    double factor = std::pow(v, C); // v^(C + y - 1) at y = 1
    double sum = 0.0;
    for (std::size_t y = 1; y < cost.size(); ++y) {
        sum += cost[y] * factor;
        factor *= v;
    }
    return sum;
}

double DiscountedCapital(float total, int C, double rate)
{
    if (C < 2) return total;
    const double part = static_cast<double>(total) / C;
    const double v = 1.0 / (1.0 + rate);
    double factor = 1.0, sum = 0.0;
    for (int t = 1; t <= C; ++t) {
        sum += part * factor;
        factor *= v;
    }
    return sum;
}

std::vector<double> OperatingCosts(const ProjectStore& s, const ResultsStore& r)
{
    std::vector<double> cost(UsedDesignLife(s) + 1, 0.0);
    for (int y = 1; y < static_cast<int>(cost.size()); ++y)
        cost[y] =
            static_cast<double>(r.YearMaintenance[y]) + r.YearOperational[y] + r.YearEnergy[y];
    return cost;
}

std::vector<double> Incomes(const ProjectStore& s, const ResultsStore& r)
{
    std::vector<double> income(UsedDesignLife(s) + 1, 0.0);
    for (int y = 1; y < static_cast<int>(income.size()); ++y)
        income[y] = r.YearIncome[y];
    return income;
}

} // namespace

AnalysisFailure CheckProjectPeriod(const ProjectStore& s)
{
    const int C = ConstructionYears(s);
    if (C < 0) return Failed(FailureKind::SupplyBeforeStart);
    if (s.DesignLife < 1) return Failed(FailureKind::NoDesignLife);
    if (C + s.DesignLife > MaxYears) return Failed(FailureKind::PeriodTooLong);
    return {};
}

AnalysisFailure CalcYearlyCosts(const ProjectStore& s, ResultsStore& r)
{
    if (AnalysisFailure period = CheckProjectPeriod(s); !period.Ok()) return period;
    const int C = ConstructionYears(s);
    const int N = UsedDesignLife(s);

    r.YearCapital.fill(0.0f);
    for (int t = 1; t <= C; ++t)
        r.YearCapital[t] = r.TotalCapitalCost / static_cast<float>(C);

    double staff = 0.0, other = 0.0;
    for (int k = 1; k <= 8; ++k)
        staff += static_cast<double>(s.StaffCost[k][1]) * s.StaffCost[k][2] / 100.0;
    for (int k = 1; k <= 5; ++k)
        other += s.OtherExpenseAmount[k];

    const double pipeBase = static_cast<double>(r.PipeLayingCost) + r.PipeSupplyCost;
    const bool pumping = IsPumping(s);
    for (int y = 1; y <= N; ++y) {
        const double g = std::pow(1.0 + s.EscalationRate / 100.0, y - 1);
        r.YearPipelineMaintenance[y] = ToFloat(g * pipeBase * s.MaintenancePipeline / 10000.0);
        r.YearMechanicalMaintenance[y] =
            ToFloat(g * s.MaintenanceMechanical / 10000.0 * s.MechanicalWorksCost);
        r.YearElectricalMaintenance[y] =
            ToFloat(g * s.MaintenanceElectrical / 10000.0 * s.ElectricalWorksCost);
        r.YearMaintenance[y] =
            ToFloat(static_cast<double>(r.YearPipelineMaintenance[y]) +
                    r.YearMechanicalMaintenance[y] + r.YearElectricalMaintenance[y]);
        r.YearOperational[y] = ToFloat(g * (other + staff));
        if (!pumping) {
            r.YearEnergy[y] = 0.0f;
            continue;
        }
        double energy = 0.0;
        if (AnalysisFailure cost = YearEnergyCost(s, r, y, energy); !cost.Ok()) return cost;
        r.YearEnergyRaw[y] =
            ToFloat(energy * std::pow(1.0 + s.EnergyEscalationRate / 100.0, y - 1));
        r.YearEnergy[y] = r.YearEnergyRaw[y];
    }
    for (int y = 1; y <= N; ++y)
        if (!IsFinite(r.YearMaintenance[y]) || !IsFinite(r.YearOperational[y]) ||
            !IsFinite(r.YearEnergy[y]))
            return Failed(FailureKind::CostsBeyondNumbers, y);
    return {};
}

void CalcPresentValues(const ProjectStore& s, ResultsStore& r)
{
    const int C = ConstructionYears(s);
    const int N = UsedDesignLife(s);
    const double d = s.DiscountRate / 100.0;
    r.NpvExpenditure = ToFloat(DiscountedCapital(r.TotalCapitalCost, C, d) +
                               DiscountedOperating(OperatingCosts(s, r), C, d));
    r.NpvIncome = ToFloat(DiscountedOperating(Incomes(s, r), C, d));
    for (int t = 1; t <= C + N && t <= MaxYears; ++t)
        r.YearExpenditure[t] = t <= C ? r.TotalCapitalCost / static_cast<float>(C)
                                      : ToFloat(static_cast<double>(r.YearOperational[t - C]) +
                                                r.YearMaintenance[t - C] + r.YearEnergy[t - C]);
}

void ScanInternalRateOfReturn(const ProjectStore& s, ResultsStore& r)
{
    const int C = ConstructionYears(s);
    const std::vector<double> income = Incomes(s, r);
    const std::vector<double> cost = OperatingCosts(s, r);
    r.IrrFound = false;
    r.Irr = 0.0f;
    double previous = 0.0;
    constexpr int Block = 4; // rates discounted side by side, each exactly as on its own
    for (int first = 0; first <= MaxIrrSteps; first += Block) {
        double v[Block], factor[Block], pvIncome[Block] = {}, pvCost[Block] = {};
        for (int b = 0; b < Block; ++b) {
            v[b] = 1.0 / (1.0 + (first + b) / 10000.0);
            factor[b] = std::pow(v[b], C); // (1 + i)^-(C + y - 1) at y = 1
        }
        for (std::size_t y = 1; y < income.size(); ++y)
            for (int b = 0; b < Block; ++b) {
                pvIncome[b] += income[y] * factor[b];
                pvCost[b] += cost[y] * factor[b];
                factor[b] *= v[b];
            }
        for (int b = 0; b < Block && first + b <= MaxIrrSteps; ++b) {
            const int step = first + b;
            const double rate = step / 10000.0;
            const double D =
                pvIncome[b] - (DiscountedCapital(r.TotalCapitalCost, C, rate) + pvCost[b]);
            r.IrrRate[static_cast<std::size_t>(step)] = ToFloat(step / 100.0);
            r.IrrPvDifference[static_cast<std::size_t>(step)] = D;
            if (D == 0.0) {
                r.Irr = ToFloat(step / 100.0);
                r.IrrFound = true;
            } else if ((D < 0.0 && previous > 0.0) || (D > 0.0 && previous < 0.0)) {
                r.Irr = ToFloat((step - 1) / 100.0 + 0.01 * previous / (previous - D));
                r.IrrFound = true;
            }
            previous = D;
        }
    }
}

} // namespace vemora
