// The flow of a gravity system in one year.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/PipeModel.h"

namespace vemora {

struct GravityFlow
{
    double Flow = 0;          // m³/s
    bool HighPoint = false;   // a node at or below -1 m pressure head lowered the flow
    bool AtSearchTop = false; // the flow reached 100 m³/s, the top of the search
};

// Flow that balances the head H = start - end against the losses
// S(Q) = Q² sum(c[j], j = 1..n) (outlet included), found by bisection between
// 1e-6 and 100 m³/s to 1e-6 m³/s; losses compared with H as 4-byte reals.
// When the pressure head p(k) = start - z(k) - Q² sum(c[j], j < k) of a node
// k = 2..n was at or below -1 m at the last flow tried, the flow is lowered
// in steps of 1e-6 m³/s (at most 10,000,000 steps, never below 0) to the first
// step where every such node is above -1 m; that step is found by bisection,
// as the pressures fall with the flow. End level at or above the start level,
// or a loss at 1e-6 m³/s that already exceeds the head: flow 0. A search that
// ends at its top with no high point to lower it sets AtSearchTop: the true
// flow lies beyond what the search can find.
GravityFlow SolveGravityFlow(const PipeModel& model, const std::vector<double>& c, float startLevel,
                             float endLevel);

// The high-point reduction alone: the first step s = 1, 2, ... (at most
// 10,000,000, and no further than flow 0) at which the flow
// max(0, flow - s / 1,000,000) leaves every node k = 2..n above -1 m pressure
// head; the last step when none does.
int64_t HighPointReductionStep(const PipeModel& model, const std::vector<double>& c,
                               float startLevel, double flow);

// Pressure heads of nodes 2..n at flow Q: true when one is at or below -1 m
// (compared as a 4-byte real).
bool HasNodeAtOrBelowMinusOne(const PipeModel& model, const std::vector<double>& c,
                              float startLevel, double flow);

} // namespace vemora
