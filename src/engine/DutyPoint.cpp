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
            candidates |= static_cast<uint32_t>(p.HighestTop[at] >= heads[i]) &
                          static_cast<uint32_t>(p.LowestFoot[at] < heads[i]);
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

SegmentSteps StepsAlong(const PumpCurveSamples& pump, int s)
{
    constexpr auto Count = static_cast<std::size_t>(InterpolationSteps + 1);
    SegmentSteps steps{std::vector<float>(Count), std::vector<float>(Count),
                       std::vector<float>(Count), std::vector<double>(Count), true};
    const float H1 = pump.H[s], H2 = pump.H[s + 1], Q1 = pump.Q[s], Q2 = pump.Q[s + 1];
    const float E1 = pump.E[s], E2 = pump.E[s + 1];
    float *const ph = steps.Head.data(), *const pq = steps.Flow.data();
    float* const pe = steps.Efficiency.data();
    double* const square = steps.FlowSquared.data();
    for (int t = 0; t <= InterpolationSteps; ++t) {
        const double share = static_cast<double>(t) / InterpolationSteps;
        ph[t] = ToFloat(H1 - (static_cast<double>(H1) - H2) * share);
        pq[t] = ToFloat(Q1 + (static_cast<double>(Q2) - Q1) * share);
        pe[t] = ToFloat(E1 + (static_cast<double>(E2) - E1) * share);
        square[t] = static_cast<double>(pq[t]) * pq[t];
    }
    for (int t = 1; t <= InterpolationSteps; ++t)
        steps.FlowsRise &= square[t] >= square[t - 1];
    return steps;
}

// The first step t at which the pump head crosses the system head, d(t - 1) > 0
// and d(t) < 0, or meets it, d(t) = 0; -1 when there is none. Blocks of steps
// without either are passed over with a loop without branches.
int FirstCrossing(const std::vector<float>& diff)
{
    constexpr int Block = 64;
    const int count = static_cast<int>(diff.size());
    const float* const d = diff.data();
    for (int first = 0; first < count; first += Block) {
        const int end = std::min(first + Block, count);
        uint32_t found = 0;
        for (int t = std::max(first, 1); t < end; ++t)
            found |= (static_cast<uint32_t>(d[t - 1] > 0.0f) & static_cast<uint32_t>(d[t] < 0.0f)) |
                     static_cast<uint32_t>(d[t] == 0.0f);
        found |= first == 0 && d[0] == 0.0f;
        if (found == 0) continue;
        for (int t = first; t < end; ++t)
            if ((t > 0 && d[t - 1] > 0.0f && d[t] < 0.0f) || d[t] == 0.0f) return t;
    }
    return -1;
}

// Walks segment s in 2,000 steps and takes the step nearest to where the
// pump head crosses the system head: of a crossing between t - 1 and t the
// step t when |d(t)| <= d(t - 1), else t - 1. False when a difference up to
// that step is not finite.
bool WalkSegment(const SegmentSteps& steps, SystemCurve& curve, Duty& duty)
{
    const std::size_t count = steps.Flow.size();
    std::vector<float> diff(count);
    if (steps.FlowsRise) {
        curve.HeadsAtRisingFlows(steps.FlowSquared.data(), static_cast<int>(count), diff.data());
    } else {
        for (std::size_t t = 0; t < count; ++t)
            diff[t] = curve.HeadAt(steps.Flow[t]);
    }
    for (std::size_t t = 0; t < count; ++t)
        diff[t] = ToFloat(static_cast<double>(steps.Head[t]) - diff[t]);
    const int crossing = FirstCrossing(diff);
    const auto last = crossing < 0 ? count : static_cast<std::size_t>(crossing) + 1;
    if (!AllFinite(diff.data(), static_cast<int>(last))) return false;
    if (crossing < 0) return true;
    const auto t = static_cast<std::size_t>(crossing);
    const bool takeNext = diff[t] == 0.0f || std::fabs(diff[t]) <= diff[t - 1];
    duty = {true, steps.Flow[takeNext ? t : t - 1], steps.Efficiency[takeNext ? t : t - 1]};
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
    for (int s = 1; s <= 5; ++s)
        p.Steps[static_cast<std::size_t>(s)] = StepsAlong(p, s);
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
        if (!WalkSegment(pump.Steps[static_cast<std::size_t>(segment)], curve, duty))
            return DutyPointStatus::Failed;
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
