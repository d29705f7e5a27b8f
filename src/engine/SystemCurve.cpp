#include "engine/SystemCurve.h"

#include <algorithm>
#include <numeric>

#include "engine/EngineMath.h"

namespace vemora {
namespace {

// Lift that brings the lowest pressure head (a 4-byte real) up to the limit.
double MinimumPressureLift(double lowestHead)
{
    const float m = ToFloat(lowestHead);
    return m < PressureHeadLimit ? static_cast<double>(PressureHeadLimit - m) : 0.0;
}

} // namespace

void LowerEnvelope::Build(const std::vector<double>& slope, const std::vector<double>& intercept)
{
    a_.clear();
    b_.clear();
    const std::size_t count = slope.size();
    std::size_t k = 1;
    while (k < count && slope[k] <= slope[k - 1])
        ++k;
    if (k >= count) {
        // In their order already: of each run of equal slopes the lowest
        // intercept goes in, as the sort below would put it first.
        for (std::size_t first = 0; first < count;) {
            std::size_t lowest = first, next = first + 1;
            for (; next < count && slope[next] == slope[first]; ++next)
                if (intercept[next] < intercept[lowest]) lowest = next;
            AddLine(slope[lowest], intercept[lowest]);
            first = next;
        }
    } else {
        std::vector<std::size_t> order(count);
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::sort(order.begin(), order.end(), [&](std::size_t i, std::size_t j) {
            if (slope[i] != slope[j]) return slope[i] > slope[j];
            return intercept[i] < intercept[j];
        });
        for (std::size_t line : order)
            AddLine(slope[line], intercept[line]);
    }
    breakX_.assign(a_.empty() ? 0 : a_.size() - 1, 0.0);
    for (std::size_t i = 0; i + 1 < a_.size(); ++i)
        breakX_[i] = (b_[i + 1] - b_[i]) / (a_[i] - a_[i + 1]);
    cursor_ = 0;
}

// Adds the next line in order of falling slope (lowest intercept first among
// equal slopes) to the hull.
void LowerEnvelope::AddLine(double a3, double b3)
{
    if (!a_.empty() && a_.back() == a3) return; // same slope, higher line
    // Drop the last line while the new one undercuts it wherever it is lowest.
    while (a_.size() >= 2) {
        const std::size_t h = a_.size();
        const double a1 = a_[h - 2], b1 = b_[h - 2], a2 = a_[h - 1], b2 = b_[h - 1];
        if ((b3 - b1) * (a1 - a2) <= (b2 - b1) * (a1 - a3)) {
            a_.pop_back();
            b_.pop_back();
        } else {
            break;
        }
    }
    a_.push_back(a3);
    b_.push_back(b3);
}

int LowerEnvelope::RunEnd(const double* x, int from, int count, double limit)
{
    return static_cast<int>(std::upper_bound(x + from, x + count, limit) - x);
}

void SystemCurve::Build(const PipeModel& m, const std::vector<double>& c, float startLevel,
                        float endLevel)
{
    std::vector<double> slope(m.n), intercept(m.n);
    double suffix = 0.0; // sum of c[j] for j = k..n-1
    for (int k = m.n; k >= 1; --k) {
        if (k < m.n) suffix += c[k];
        slope[k - 1] = suffix;
        intercept[k - 1] = static_cast<double>(endLevel) - m.z[k];
    }
    slopeNode1_ = suffix;
    startLevel_ = startLevel;
    endLevel_ = endLevel;
    pressure_.Build(slope, intercept);
}

float SystemHeadByNodes(const PipeModel& m, const std::vector<double>& c, float startLevel,
                        float endLevel, float flow)
{
    const double x = static_cast<double>(flow) * flow;
    std::vector<double> level(m.n + 1);
    level[m.n] = endLevel;
    for (int k = m.n - 1; k >= 1; --k)
        level[k] = level[k + 1] + c[k] * x;
    double lowest = PressureHeadLimit;
    for (int k = 1; k <= m.n; ++k)
        lowest = std::min(lowest, level[k] - m.z[k]);
    return ToFloat(level[1] + MinimumPressureLift(lowest) - startLevel);
}

} // namespace vemora
