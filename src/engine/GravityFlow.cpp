#include "engine/GravityFlow.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/EngineMath.h"

namespace vemora {
namespace {

// Flows are found on a grid of 1e-6 m³/s: the search ends when both ends of
// its interval fall on one grid point, and the high-point reduction lowers
// the flow one grid point at a time.
constexpr double GridPointsPerCubicMetre = 1000000.0;  // per m³/s
constexpr double Step = 1.0 / GridPointsPerCubicMetre; // m³/s
constexpr int64_t MaxReductionSteps = 10000000;
constexpr double MaxFlow = 100.0; // m³/s, the top of the search
constexpr int MaxSearchPasses = 1000;
constexpr float SearchTolerance = 1e-6f; // m of head, as a 4-byte real
// Just under the tolerance: the value that ends the search once its ends
// meet on the grid.
constexpr double SearchEnded = 1.0 / 1000001.0;

// The grid point nearest a flow (a half to the even neighbour).
double GridPoint(double q)
{
    return RoundHalfEven(q * GridPointsPerCubicMetre);
}

// The flow `steps` grid points below `flow`, never below 0.
double Lowered(double flow, int64_t steps)
{
    return std::max(0.0, flow - static_cast<double>(steps) / GridPointsPerCubicMetre);
}

// True when a node k = 2..n is at or below -1 m pressure head at flow Q.
bool HasLowNode(const PipeModel& m, const std::vector<double>& prefix, double start, double q)
{
    const double x = q * q;
    for (int k = 2; k <= m.n; ++k)
        if (ToFloat(start - m.z[k] - x * prefix[k]) <= PressureHeadLimit) return true;
    return false;
}

// The search of the flow: returns the final mid flow and the last flow whose
// node pressures were evaluated.
void Bisect(double total, double head, double& finalFlow, double& lastEvaluated)
{
    const float h = ToFloat(head);
    double low = Step, high = MaxFlow, mid = (low + high) / 2.0, d = 1.0;
    lastEvaluated = mid;
    for (int pass = 0; pass < MaxSearchPasses && ToFloat(d) > SearchTolerance; ++pass) {
        const double lossLow = total * low * low;
        const double lossMid = total * mid * mid;
        const double oldMid = mid;
        lastEvaluated = oldMid;
        if (ToFloat(lossLow) > h || ToFloat(lossMid) < h) {
            low = mid;
            mid = (mid + high) / 2.0;
            d = std::fabs(head - lossMid);
            if (GridPoint(mid) == GridPoint(high)) d = SearchEnded;
        } else {
            high = mid;
            mid = (low + mid) / 2.0;
            d = std::fabs(head - lossMid);
            if (GridPoint(low) == GridPoint(mid)) d = SearchEnded;
        }
        if (GridPoint(low) == GridPoint(high)) break;
    }
    finalFlow = mid;
}

std::vector<double> PressurePrefix(const PipeModel& m, const std::vector<double>& c)
{
    std::vector<double> prefix(m.n + 1, 0.0); // prefix[k] = sum of c[j], j = 1..k-1
    for (int k = 2; k <= m.n; ++k)
        prefix[k] = prefix[k - 1] + c[k - 1];
    return prefix;
}

int64_t ReductionStep(const PipeModel& m, const std::vector<double>& prefix, double start,
                      double flow)
{
    const auto flowAt = [&](int64_t s) { return Lowered(flow, s); };
    const int64_t lastStep =
        std::clamp<int64_t>(static_cast<int64_t>(std::ceil(flow / Step)), 1, MaxReductionSteps);
    if (HasLowNode(m, prefix, start, flowAt(lastStep))) return lastStep;
    int64_t lo = 1, hi = lastStep;
    while (lo < hi) { // smallest step whose flow leaves no node at or below -1 m
        const int64_t mid = lo + (hi - lo) / 2;
        if (HasLowNode(m, prefix, start, flowAt(mid)))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

} // namespace

bool HasNodeAtOrBelowMinusOne(const PipeModel& m, const std::vector<double>& c, float startLevel,
                              double flow)
{
    return HasLowNode(m, PressurePrefix(m, c), startLevel, flow);
}

int64_t HighPointReductionStep(const PipeModel& m, const std::vector<double>& c, float startLevel,
                               double flow)
{
    return ReductionStep(m, PressurePrefix(m, c), startLevel, flow);
}

GravityFlow SolveGravityFlow(const PipeModel& m, const std::vector<double>& c, float startLevel,
                             float endLevel)
{
    GravityFlow result;
    if (endLevel >= startLevel) return result; // no head to drive any flow

    const std::vector<double> prefix = PressurePrefix(m, c);
    const double total = prefix[m.n] + c[m.n];
    const double start = startLevel;
    const double head = start - static_cast<double>(endLevel);
    // The head cannot drive even the least flow of the search.
    if (ToFloat(total * Step * Step) > ToFloat(head)) return result;

    double flow = 0.0, lastEvaluated = 0.0;
    Bisect(total, head, flow, lastEvaluated);
    result.Flow = flow;
    if (!HasLowNode(m, prefix, start, lastEvaluated)) {
        result.AtSearchTop = GridPoint(flow) == GridPoint(MaxFlow);
        return result;
    }

    result.HighPoint = true;
    const int64_t step = ReductionStep(m, prefix, start, flow);
    result.Flow = Lowered(flow, step);
    return result;
}

} // namespace vemora
