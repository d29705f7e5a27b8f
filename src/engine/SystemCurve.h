// The system curve of one year of a pumping system: the head the pump must
// deliver at a given flow, with the gradeline laid back from the end reservoir
// and raised so that no node falls below -1 m pressure head.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/EngineMath.h"
#include "engine/PipeModel.h"

namespace vemora {

// Lower envelope of lines a_k x + b_k, evaluated at x by walking a cursor, so
// that evaluating at monotone x costs a few operations per point.
class LowerEnvelope
{
  public:
    // Lines with equal slopes keep the one of lowest intercept. Slopes that
    // do not rise from one line to the next (the pressure lines in node
    // order) are taken in their order; others are sorted by falling slope.
    void Build(const std::vector<double>& slope, const std::vector<double>& intercept);
    // The cursor back at the first line, as Build leaves it.
    void Rewind() { cursor_ = 0; }
    // min over k of slope_k x + intercept_k.
    double Min(double x)
    {
        while (cursor_ < breakX_.size() && x > breakX_[cursor_])
            ++cursor_;
        while (cursor_ > 0 && x < breakX_[cursor_ - 1])
            --cursor_;
        return a_[cursor_] * x + b_[cursor_];
    }
    // For x[0..count) that never falls: calls line(a, b, from, to) for each
    // run of points [from, to) that Min would evaluate on the hull line
    // a x + b, the cursor moved by the same comparisons as Min moves it and
    // left where Min would leave it after x[count - 1].
    template <typename Line> void ForEachRun(const double* x, int count, Line line)
    {
        if (count <= 0) return;
        Min(x[0]);
        for (int from = 0; from < count;) {
            while (cursor_ < breakX_.size() && x[from] > breakX_[cursor_])
                ++cursor_;
            const int to =
                cursor_ < breakX_.size() ? RunEnd(x, from, count, breakX_[cursor_]) : count;
            line(a_[cursor_], b_[cursor_], from, to);
            from = to;
        }
    }

  private:
    // The first i in [from, count) with x[i] > limit (count when none).
    static int RunEnd(const double* x, int from, int count, double limit);
    void AddLine(double a3, double b3);

    std::vector<double> a_, b_, breakX_; // hull lines; breakX_[i] joins lines i and i + 1
    std::size_t cursor_ = 0;
};

// System head SH(Q) = level(1) - StartLevelSI in m, where
// level(k) = EndLevelSI + Q² sum(c[j], j = k..n-1) (hf + hs of the sections
// down to the end reservoir) and, when the lowest pressure head
// m = min_k (level(k) - z(k)) (compared as a 4-byte real) is below -1, every
// level is raised by -1 - m. Built once per year from the loss coefficients;
// each evaluation is one multiply-add plus an envelope lookup instead of a
// pass over the nodes.
class SystemCurve
{
  public:
    void Build(const PipeModel& model, const std::vector<double>& c, float startLevel,
               float endLevel);
    // The curve as Build left it, for another year of the same coefficients.
    void Rewind() { pressure_.Rewind(); }
    float HeadAt(float flow)
    {
        const double x = static_cast<double>(flow) * flow;
        return HeadFrom(pressure_.Min(x), x);
    }
    // HeadAt of flows whose squares x[0..count) never fall (x = (double)Q x Q),
    // into heads[0..count): the same figures, computed a hull line at a
    // time in a loop without branches. Leaves the envelope's cursor as the
    // HeadAt calls would.
    void HeadsAtRisingFlows(const double* x, int count, float* heads)
    {
        pressure_.ForEachRun(x, count, [&](double a, double b, int from, int to) {
            for (int i = from; i < to; ++i)
                heads[i] = HeadFrom(a * x[i] + b, x[i]);
        });
    }

  private:
    // The head at x = Q² from the lowest pressure head there.
    float HeadFrom(double lowestHead, double x) const
    {
        const float lowest = static_cast<float>(lowestHead);
        const double lift = KeptOrZero(lowest < PressureHeadLimit, PressureHeadLimit - lowest);
        return static_cast<float>(endLevel_ + slopeNode1_ * x + lift - startLevel_);
    }

    LowerEnvelope pressure_; // pressure head of each node, as lines in Q²
    double slopeNode1_ = 0;  // sum of c over all sections
    double startLevel_ = 0, endLevel_ = 0;
};

// The same system head evaluated node by node (reference form of the above).
float SystemHeadByNodes(const PipeModel& model, const std::vector<double>& c, float startLevel,
                        float endLevel, float flow);

} // namespace vemora
