#include "engine/SupplyAndIncome.h"

#include <cmath>

#include "engine/EngineMath.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"

namespace vemora {
namespace {

float DemandInput(const ProjectStore& s, int y)
{
    return HasVaryingDemand(s) ? s.YearDemand[y] : s.FixedDemand;
}

// The demand when it is below the other value (compared as 4-byte reals).
double Smaller(float demand, double other)
{
    return demand < ToFloat(other) ? static_cast<double>(demand) : other;
}

} // namespace

void CalcSupplyAndShortage(const ProjectStore& s, ResultsStore& r)
{
    const int life = UsedDesignLife(s);
    const double f = r.DemandUnitFactor;
    if (!IsPumping(s)) {
        for (int y = 1; y <= life; ++y) {
            const double supplied = r.YearFlow[y] / f;
            const float input = DemandInput(s, y);
            r.YearShortage[y] = ToFloat(supplied) > input ? 0.0f : ToFloat(input - supplied);
        }
        return;
    }
    const double P = s.PumpingHours;
    for (int y = 1; y <= life; ++y) {
        if (!HasPumpCurve(s)) r.YearFlow[y] = s.OperatingFlowRate * r.OperatingFlowUnitFactor;
        const double Q = r.YearFlow[y];
        const double D = r.YearDemandSI[y];
        const double capacity = P * Q / 24.0;
        if (ToFloat(D) < ToFloat(capacity)) {
            r.YearShortage[y] = 0.0f;
            r.YearPumpingHours[y] = ToFloat(D * 24.0 / Q);
        } else {
            r.YearShortage[y] = ToFloat((D - capacity) / f);
            r.YearPumpingHours[y] = ToFloat(P);
        }
    }
}

void CalcWaterSalesIncome(const ProjectStore& s, ResultsStore& r)
{
    constexpr double SecondsPerYear = 3600.0 * 24.0 * 365.0;
    const double growth = 1.0 + s.WaterPriceIncrease / 100.0;
    for (int y = 1; y <= UsedDesignLife(s); ++y) {
        const float D = r.YearDemandSI[y];
        const double Q = r.YearFlow[y];
        const double delivered = IsPumping(s) ? r.YearPumpingHours[y] * Q / 24.0 : Q;
        const double supplied = Smaller(D, delivered);
        r.YearIncome[y] =
            ToFloat(std::pow(growth, y - 1) *
                    (supplied * SecondsPerYear / r.SalesVolumeUnitFactor) * s.WaterPrice);
    }
}

} // namespace vemora
