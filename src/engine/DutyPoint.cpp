#include "engine/DutyPoint.h"

#include <array>
#include <cmath>

#include "engine/EngineMath.h"

namespace vemora {
namespace {

constexpr int InterpolationSteps = 2000;

struct PumpPoints
{
    std::array<float, 7> H{}, Q{}, E{}; // points 1..6: head m, flow m³/s, efficiency %
};

PumpPoints PumpPointsSI(const ProjectStore& s, const ResultsStore& r)
{
    PumpPoints p;
    for (int k = 1; k <= 6; ++k) {
        p.H[k] = r.PumpHeadUnitFactor * s.PumpCurve[1][k];
        p.Q[k] = r.PumpFlowUnitFactor * s.PumpCurve[2][k];
        p.E[k] = s.PumpCurve[3][k];
    }
    return p;
}

// Highest pump segment s whose heads bracket the system head and whose flows
// bracket the sample flow; 0 when none does.
int MatchingSegment(const PumpPoints& p, float head, float flow)
{
    for (int s = 5; s >= 1; --s)
        if (p.H[s] >= head && p.H[s + 1] < head && p.Q[s] <= flow && p.Q[s + 1] > flow) return s;
    return 0;
}

} // namespace

DutyPointStatus CalcDutyPoint(const ProjectStore& store, ResultsStore& r, SystemCurve& curve, int y,
                              AnalysisObserver& observer)
{
    const PumpPoints pump = PumpPointsSI(store, r);
    const double flow1 = store.PumpCurve[2][1];
    const double flow6 = store.PumpCurve[2][6];

    // Sample the system curve over the pump curve's flow range, and find the
    // first sample that falls inside a segment of the pump curve.
    float* const heads = r.YearSystemHead.Year(y);
    float* const flows = r.YearSystemFlow.Year(y);
    float* const systemHead = r.SystemHead.data();
    const double flowFactor = r.PumpFlowUnitFactor;
    int segment = 0;
    bool finite = true;
    for (int p = 1; p <= MaxSystemSamples; ++p) {
        const float qp = ToFloat((flow1 + (flow6 - flow1) * p / MaxSystemSamples) * flowFactor);
        const float sh = curve.HeadAt(qp);
        finite = finite && IsFinite(sh);
        systemHead[p] = sh;
        heads[p - 1] = sh;
        flows[p - 1] = qp;
        if (segment == 0) segment = MatchingSegment(pump, sh, qp);
    }
    if (!finite) return DutyPointStatus::Failed;

    // Walk that segment and take the step nearest to where the pump head
    // crosses the system head.
    int duty = -1;
    float dutyFlow = 0.0f, dutyEfficiency = 0.0f;
    if (segment != 0) {
        const int s = segment;
        float prevDiff = 0.0f, prevFlow = 0.0f, prevEff = 0.0f;
        for (int t = 0; t <= InterpolationSteps && duty < 0; ++t) {
            const double share = static_cast<double>(t) / InterpolationSteps;
            const float ph =
                ToFloat(pump.H[s] - (static_cast<double>(pump.H[s]) - pump.H[s + 1]) * share);
            const float pq =
                ToFloat(pump.Q[s] + (static_cast<double>(pump.Q[s + 1]) - pump.Q[s]) * share);
            const float pe =
                ToFloat(pump.E[s] + (static_cast<double>(pump.E[s + 1]) - pump.E[s]) * share);
            const float diff = ToFloat(static_cast<double>(ph) - curve.HeadAt(pq));
            if (!IsFinite(diff)) return DutyPointStatus::Failed;
            if (t > 0 && prevDiff > 0.0f && diff < 0.0f) {
                const bool takeNext = std::fabs(diff) <= prevDiff;
                duty = takeNext ? t : t - 1;
                dutyFlow = takeNext ? pq : prevFlow;
                dutyEfficiency = takeNext ? pe : prevEff;
            } else if (diff == 0.0f) {
                duty = t;
                dutyFlow = pq;
                dutyEfficiency = pe;
            }
            prevDiff = diff;
            prevFlow = pq;
            prevEff = pe;
        }
    }

    if (duty < 0) {
        observer.PumpCurveMissed(y);
        return DutyPointStatus::Missed;
    }
    r.DutyFlow = dutyFlow;
    r.DutyEfficiency = dutyEfficiency;
    r.PumpFlowSI = dutyFlow;
    r.PumpEfficiency = dutyEfficiency;
    return DutyPointStatus::Found;
}

} // namespace vemora
