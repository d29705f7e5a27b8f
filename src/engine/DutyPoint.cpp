#include "engine/DutyPoint.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "engine/EngineMath.h"

namespace vemora {
namespace {

constexpr int InterpolationSteps = 2000;

// Bit s of the segments whose flows bracket `flow`: Qs <= flow < Q(s+1).
uint8_t SegmentsBracketing(const PumpCurveSamples& p, float flow)
{
    uint8_t segments = 0;
    for (int s = 1; s <= 5; ++s)
        if (p.Q[s] <= flow && p.Q[s + 1] > flow) segments |= static_cast<uint8_t>(1u << s);
    return segments;
}

// The highest segment s of sample i that has Hs >= head > H(s+1); 0 when none.
int SegmentMatching(const PumpCurveSamples& p, int i, float head)
{
    const uint8_t segments = p.Segments[static_cast<std::size_t>(i)];
    for (int s = 5; s >= 1; --s)
        if ((segments >> s & 1u) && p.H[s] >= head && p.H[s + 1] < head) return s;
    return 0;
}

// The segment of the first sample that falls inside a segment of the pump
// curve (heads all finite); 0 when no sample does. Blocks of samples that
// no segment can match are passed over with a loop without branches.
int MatchingSegment(const PumpCurveSamples& p, const float* heads)
{
    constexpr int Block = 64;
    for (int first = 0; first < MaxSystemSamples; first += Block) {
        const int end = std::min(first + Block, MaxSystemSamples);
        uint32_t candidates = 0;
        for (int i = first; i < end; ++i) {
            const auto at = static_cast<std::size_t>(i);
            candidates |= (p.HighestTop[at] >= heads[i]) & (p.LowestFoot[at] < heads[i]);
        }
        if (candidates == 0) continue;
        for (int i = first; i < end; ++i)
            if (const int s = SegmentMatching(p, i, heads[i])) return s;
    }
    return 0;
}

struct Duty
{
    bool found = false;
    float flow = 0.0f, efficiency = 0.0f;
};

// Walks segment s in 2,000 steps and takes the step nearest to where the
// pump head crosses the system head. False when a difference is not finite.
bool WalkSegment(const PumpCurveSamples& pump, int s, SystemCurve& curve, Duty& duty)
{
    float prevDiff = 0.0f, prevFlow = 0.0f, prevEff = 0.0f;
    for (int t = 0; t <= InterpolationSteps && !duty.found; ++t) {
        const double share = static_cast<double>(t) / InterpolationSteps;
        const float ph =
            ToFloat(pump.H[s] - (static_cast<double>(pump.H[s]) - pump.H[s + 1]) * share);
        const float pq =
            ToFloat(pump.Q[s] + (static_cast<double>(pump.Q[s + 1]) - pump.Q[s]) * share);
        const float pe =
            ToFloat(pump.E[s] + (static_cast<double>(pump.E[s + 1]) - pump.E[s]) * share);
        const float diff = ToFloat(static_cast<double>(ph) - curve.HeadAt(pq));
        if (!IsFinite(diff)) return false;
        if (t > 0 && prevDiff > 0.0f && diff < 0.0f) {
            const bool takeNext = std::fabs(diff) <= prevDiff;
            duty = {true, takeNext ? pq : prevFlow, takeNext ? pe : prevEff};
        } else if (diff == 0.0f) {
            duty = {true, pq, pe};
        }
        prevDiff = diff;
        prevFlow = pq;
        prevEff = pe;
    }
    return true;
}

} // namespace

PumpCurveSamples SamplePumpCurve(const ProjectStore& store, const ResultsStore& r)
{
    PumpCurveSamples p;
    for (int k = 1; k <= 6; ++k) {
        p.H[k] = r.PumpHeadUnitFactor * store.PumpCurve[1][k];
        p.Q[k] = r.PumpFlowUnitFactor * store.PumpCurve[2][k];
        p.E[k] = store.PumpCurve[3][k];
    }
    const double flow1 = store.PumpCurve[2][1];
    const double flow6 = store.PumpCurve[2][6];
    const double flowFactor = r.PumpFlowUnitFactor;
    p.Flow.resize(MaxSystemSamples);
    p.FlowSquared.resize(MaxSystemSamples);
    p.Segments.resize(MaxSystemSamples);
    p.HighestTop.assign(MaxSystemSamples, -std::numeric_limits<float>::infinity());
    p.LowestFoot.assign(MaxSystemSamples, std::numeric_limits<float>::infinity());
    p.FlowsRise = true;
    for (int i = 0; i < MaxSystemSamples; ++i) {
        const int sample = i + 1;
        const float qp =
            ToFloat((flow1 + (flow6 - flow1) * sample / MaxSystemSamples) * flowFactor);
        const auto at = static_cast<std::size_t>(i);
        p.Flow[at] = qp;
        p.FlowSquared[at] = static_cast<double>(qp) * qp;
        p.Segments[at] = SegmentsBracketing(p, qp);
        for (int s = 1; s <= 5; ++s) {
            if (!(p.Segments[at] >> s & 1u)) continue;
            if (p.H[s] >= p.HighestTop[at]) p.HighestTop[at] = p.H[s];
            if (p.H[s + 1] < p.LowestFoot[at]) p.LowestFoot[at] = p.H[s + 1];
        }
        if (i > 0 && !(p.FlowSquared[at] >= p.FlowSquared[at - 1])) p.FlowsRise = false;
    }
    return p;
}

DutyPointStatus CalcDutyPoint(const PumpCurveSamples& pump, ResultsStore& r, SystemCurve& curve,
                              int y, AnalysisObserver& observer)
{
    // Sample the system curve over the pump curve's flow range.
    float* const heads = r.YearSystemHead.Year(y);
    std::memcpy(r.YearSystemFlow.Year(y), pump.Flow.data(), MaxSystemSamples * sizeof(float));
    if (pump.FlowsRise) {
        curve.HeadsAtRisingFlows(pump.FlowSquared.data(), MaxSystemSamples, heads);
    } else {
        for (int i = 0; i < MaxSystemSamples; ++i)
            heads[i] = curve.HeadAt(pump.Flow[static_cast<std::size_t>(i)]);
    }
    if (!AllFinite(heads, MaxSystemSamples)) return DutyPointStatus::Failed;

    Duty duty;
    if (const int segment = MatchingSegment(pump, heads); segment != 0)
        if (!WalkSegment(pump, segment, curve, duty)) return DutyPointStatus::Failed;
    if (!duty.found) {
        observer.PumpCurveMissed(y);
        return DutyPointStatus::Missed;
    }
    r.DutyFlow = duty.flow;
    r.DutyEfficiency = duty.efficiency;
    r.PumpFlowSI = duty.flow;
    r.PumpEfficiency = duty.efficiency;
    return DutyPointStatus::Found;
}

} // namespace vemora
