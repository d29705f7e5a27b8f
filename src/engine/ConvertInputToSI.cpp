#include "engine/ConvertInputToSI.h"

#include <optional>

#include "engine/EngineMath.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"
#include "project/UnitSystem.h"
#include "project/UnitTables.h"

namespace vemora {
namespace {

// Sets `target` to value x factor when the code has a factor; records a miss.
void SetScaled(float& target, float value, std::optional<float> factor, bool& ok)
{
    if (factor)
        target = value * *factor;
    else
        ok = false;
}

void ConvertLevelsAndProfile(const ProjectStore& s, ResultsStore& r, bool& ok)
{
    SetScaled(r.StartLevelSI, s.StartReservoirLevel, LengthUnits.Factor(s.StartReservoirLevelUnit),
              ok);
    SetScaled(r.EndLevelSI, s.EndReservoirLevel, LengthUnits.Factor(s.EndReservoirLevelUnit), ok);
    if (const auto f = LengthUnits.Factor(s.ElevationUnit))
        r.LevelUnitFactor = *f;
    else
        ok = false;

    const int n = UsedNodeCount(s);
    bool diameterKnown = true;
    for (int i = 1; i <= n; ++i) {
        const auto d = PipeDimensionToMetres(s.PipeDiameter[i], s.DiameterUnit);
        if (!d) {
            diameterKnown = false;
            break;
        }
        r.InnerDiameterSI[i] = *d;
    }
    if (!diameterKnown) ok = false;

    if (HasMortarLining(s)) {
        if (const auto t = PipeDimensionToMetres(s.LiningThickness, s.LiningThicknessUnit)) {
            r.DoubleLiningSI = 2.0f * *t;
            if (diameterKnown)
                for (int i = 1; i <= n; ++i)
                    r.InnerDiameterSI[i] -= r.DoubleLiningSI;
        } else {
            ok = false;
        }
    } else {
        r.DoubleLiningSI = 0.0f;
    }

    for (int i = 1; i <= n; ++i) {
        const auto w = PipeDimensionToMetres(s.WallThickness[i], s.WallThicknessUnit);
        if (!w) {
            ok = false;
            break;
        }
        r.DoubleWallSI = 2.0f * *w;
        if (diameterKnown) r.InnerDiameterSI[i] -= r.DoubleWallSI;
    }

    if (const auto k = PipeDimensionToMetres(s.RoughnessNew, s.RoughnessNewUnit)) {
        r.RoughnessNewSI = *k;
        r.RoughnessUnitFactor = *PipeDimensionUnits.Factor(s.RoughnessNewUnit);
    } else {
        ok = false;
    }
    if (const auto k = PipeDimensionToMetres(s.RoughnessOld, s.RoughnessOldUnit))
        r.RoughnessOldSI = *k;
    else
        ok = false;

    if (const auto f = LengthUnits.Factor(s.ChainageUnit)) {
        for (int i = 2; i <= n; ++i) {
            const float span = s.NodeAccumulatedLength[i] - s.NodeAccumulatedLength[i - 1];
            r.SectionLengthSI[i - 1] = span * *f;
        }
    } else if (n >= 2) {
        ok = false;
    }
}

void ConvertDemandAndPump(const ProjectStore& s, ResultsStore& r, bool& ok)
{
    const int life = UsedDesignLife(s);
    const bool varying = HasVaryingDemand(s);
    if (const auto f = FlowUnits.Factor(varying ? s.YearDemandUnit : s.FixedDemandUnit)) {
        r.DemandUnitFactor = *f;
        for (int y = 1; y <= life; ++y)
            r.YearDemandSI[y] = varying ? *f * s.YearDemand[y] : s.FixedDemand * *f;
    } else {
        ok = false;
    }

    if (!IsPumping(s)) return;
    if (HasPumpCurve(s)) {
        if (const auto f = PumpHeadUnits.Factor(s.CurveHeadUnit))
            r.PumpHeadUnitFactor = *f;
        else
            ok = false;
        if (const auto f = PumpCurveFlowUnits.Factor(s.CurveFlowUnit))
            r.PumpFlowUnitFactor = *f;
        else
            ok = false;
    } else if (const auto f = OperatingFlowUnits.Factor(s.OperatingFlowRateUnit)) {
        r.OperatingFlowUnitFactor = *f;
        r.PumpFlowSI = s.OperatingFlowRate * *f;
    } else {
        ok = false;
    }
}

} // namespace

std::optional<float> PipeDimensionToMetres(float value, int code)
{
    if (code == 0) return value / 1000.0f;
    const auto factor = PipeDimensionUnits.Factor(code);
    if (!factor) return std::nullopt;
    return value * *factor;
}

bool ConvertInputToSI(const ProjectStore& store, ResultsStore& results)
{
    bool ok = true;
    ConvertLevelsAndProfile(store, results, ok);
    ConvertDemandAndPump(store, results, ok);
    if (const auto f = WaterSalesVolumeUnits.Factor(store.WaterPriceUnit))
        results.SalesVolumeUnitFactor = *f;
    else
        ok = false;
    return ok;
}

void CopyLayingRates(const ProjectStore& store, ResultsStore& r)
{
    const auto& c = store.LayingCost;
    r.LayingCostRate = c[1];
    r.ExcavationRate = c[2];
    r.RockExcavationRate = c[3];
    r.BeddingImportRate = c[4];
    r.BeddingTrenchRate = c[5];
    r.BlanketImportRate = c[6];
    r.BlanketTrenchRate = c[7];
    r.BackfillingRate = c[8];
    r.RockPercent = c[9];
    r.BeddingImportPercent = c[10];
    r.BlanketImportPercent = c[11];
    r.RequiredCover = c[12];
    r.ExcavationBelowInvert = c[13];
    if (IsMetric(store)) return;

    constexpr double Foot = 0.3048;                      // m
    constexpr double CubicFoot = Foot * Foot * Foot;     // m³
    r.LayingCostRate = ToFloat(r.LayingCostRate / Foot); // per ft -> per m
    for (float* rate :
         {&r.ExcavationRate, &r.RockExcavationRate, &r.BeddingImportRate, &r.BeddingTrenchRate,
          &r.BlanketImportRate, &r.BlanketTrenchRate, &r.BackfillingRate})
        *rate = ToFloat(*rate / CubicFoot); // per ft³ -> per m³
    r.RequiredCover = ToFloat(r.RequiredCover * Foot);
    r.ExcavationBelowInvert = ToFloat(r.ExcavationBelowInvert * Foot);
}

} // namespace vemora
