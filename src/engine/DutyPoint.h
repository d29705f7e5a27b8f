// The pump duty point of one year: where the pump curve meets the system curve.
#pragma once

#include "engine/AnalysisObserver.h"
#include "engine/ResultsStore.h"
#include "engine/SystemCurve.h"
#include "project/ProjectStore.h"

namespace vemora {

enum class DutyPointStatus { Found, Missed, Failed };

// For year y: samples the system head at 10,000 flows
// Qp = (flow1 + (flow6 - flow1) p / 10000) x PumpFlowUnitFactor into SystemHead,
// YearSystemHead and YearSystemFlow; finds the first sample p at which a pump
// segment s (highest s) has Hs >= SH(p) > H(s+1) and Qs <= Qp < Q(s+1); then
// walks that segment in 2,000 steps, comparing the interpolated pump head with
// the system head at the same interpolated flow, and takes the step nearest
// the sign change (a difference of exactly 0 is the duty point itself).
// Found: DutyFlow/PumpFlowSI (m³/s) and DutyEfficiency/PumpEfficiency (%).
// Missed: the observer is told of the year.
// Failed: a system head that is not finite.
DutyPointStatus CalcDutyPoint(const ProjectStore& store, ResultsStore& results, SystemCurve& curve,
                              int year, AnalysisObserver& observer);

} // namespace vemora
