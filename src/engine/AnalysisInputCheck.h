// The check of the project inputs before an analysis run: every value the
// run uses must be a finite number, and the quantities that cannot be
// negative must not be, or the run would report meaningless figures as
// results. Levels and elevations may be negative.
#pragma once

#include "engine/AnalysisFailure.h"
#include "project/ProjectStore.h"

namespace vemora {

// None when the inputs of `store` that the analysis reads (nodes 1..NodeCount,
// years 1..DesignLife, the pumping inputs only for SystemType 1) and the
// supervision cost pass these rules:
// - finite: reservoir levels (m, ft, ...), node elevations, chainages,
//   DeteriorationYears;
// - finite and >= 0: demand (fixed, or per year), pipe diameter, wall and
//   lining thickness, section length (chainage(i + 1) - chainage(i)),
//   roughness, secondary-loss coefficient, pipe cost per metre, the laying
//   rates and depths, works costs, supervision cost, mark-up percentages,
//   staff and other expenses, water price, discount rate (%), maintenance
//   (hundredths of a percent), tariffs, operating flow and efficiency, the
//   pump-curve heads, flows and efficiencies;
// - finite and 0..100: the rock, bedding-import and blanket-import shares (%);
// - finite and at least -100 (a yearly fall of at most 100 %): the cost and
//   energy escalation rates and the yearly water-price increase (%);
// - pumping: SummerMonths 0..12 and PumpingHours 1..24;
// - chainages rising along the profile, and a pump curve's flows rising
//   from point 1 to point 6.
// Otherwise the first rule that fails, in the order of this list, and what
// it failed for (FailureReason words it: "The pipe diameter of node 3 is
// negative.").
AnalysisFailure CheckAnalysisInputs(const ProjectStore& store, float supervisionCost);

// The same rules, in the same order, for the inputs the yearly hydraulics
// read alone: the levels and the profile (its pipe costs left out) and, for
// a pumping system, the pump curve or the operating flow and efficiency.
AnalysisFailure CheckHydraulicInputs(const ProjectStore& store);

// The pump curve's flows must rise strictly from point 1 to point 6 (point 1
// may be 0, the shut-off head): the first point k whose flow is not above
// point k - 1's, or 0 when they rise. The analysis and the pump-curve view
// apply it.
int FirstPumpFlowNotRising(const Array1<float, 6>& flows);

} // namespace vemora
