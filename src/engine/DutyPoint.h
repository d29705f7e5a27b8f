// The pump duty point of one year: where the pump curve meets the system curve.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/AnalysisObserver.h"
#include "engine/ResultsStore.h"
#include "engine/SystemCurve.h"
#include "project/ProjectStore.h"

namespace vemora {

enum class DutyPointStatus { Found, Missed, Failed };

// The steps t = 0..2000 along pump segment s, each figure a 4-byte real:
// head PH(t) = Hs - (Hs - H(s+1)) t / 2000, flow PQ(t) = Qs + (Q(s+1) - Qs)
// t / 2000 (m³/s), efficiency PE(t) alike (%), with the squares (double)PQ x PQ.
struct SegmentSteps
{
    std::vector<float> Head, Flow, Efficiency;
    std::vector<double> FlowSquared;
    bool FlowsRise = false; // no step's flow squared below the one before it
};

// What the duty point of every year shares: the pump-curve points in SI
// (each a 4-byte real: head Hk = PumpHeadUnitFactor x head(k) m, flow
// Qk = PumpFlowUnitFactor x flow(k) m³/s, efficiency Ek %), the sample
// flows Qp = (flow1 + (flow6 - flow1) p / 10000) x PumpFlowUnitFactor,
// p = 1..10000 (4-byte reals, m³/s), with their squares (double)Qp x Qp and
// the pump segments s whose flows bracket them (Qs <= Qp < Q(s+1)), and the
// steps along each segment. They depend on the pump curve alone, so a run
// works them out once.
struct PumpCurveSamples
{
    std::array<float, 7> H{}, Q{}, E{}; // points 1..6
    std::vector<float> Flow;            // sample p at index p - 1
    std::vector<double> FlowSquared;    // (double)Flow x Flow
    std::vector<uint8_t> Segments;      // bit s set: segment s brackets the flow
    // Of those segments the highest head Hs and the lowest H(s+1) (-inf and
    // +inf when none): no segment can match a system head outside them.
    std::vector<float> HighestTop, LowestFoot;
    bool FlowsRise = false;              // no sample flow below the one before it
    std::array<SegmentSteps, 6> Steps{}; // segments 1..5
};

PumpCurveSamples SamplePumpCurve(const ProjectStore& store, const ResultsStore& results);

// For year y: samples the system head at the 10,000 sample flows into
// YearSystemHead and YearSystemFlow (SystemHead is the caller's copy of the
// last year sampled); finds the first sample p at which a pump segment s
// (highest s) has Hs >= SH(p) > H(s+1) and Qs <= Qp < Q(s+1); then walks
// that segment in 2,000 steps, comparing the interpolated pump head with the
// system head at the same interpolated flow, and takes the step nearest the
// sign change (a difference of exactly 0 is the duty point itself).
// Found: DutyFlow/PumpFlowSI (m³/s) and DutyEfficiency/PumpEfficiency (%).
// Missed: the observer is told of the year.
// Failed: a system head that is not finite.
DutyPointStatus CalcDutyPoint(const PumpCurveSamples& samples, ResultsStore& results,
                              SystemCurve& curve, int year, AnalysisObserver& observer);

} // namespace vemora
