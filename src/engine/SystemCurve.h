// The system curve of one year of a pumping system: the head the pump must
// deliver at a given flow, with the gradeline laid back from the end reservoir
// and raised so that no node falls below -1 m pressure head.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/PipeModel.h"

namespace vemora {

// Lower envelope of lines a_k x + b_k, evaluated at x by walking a cursor, so
// that evaluating at monotone x costs a few operations per point.
class LowerEnvelope
{
  public:
    void Build(const std::vector<double>& slope, const std::vector<double>& intercept);
    // min over k of slope_k x + intercept_k.
    double Min(double x)
    {
        while (cursor_ < breakX_.size() && x > breakX_[cursor_])
            ++cursor_;
        while (cursor_ > 0 && x < breakX_[cursor_ - 1])
            --cursor_;
        return a_[cursor_] * x + b_[cursor_];
    }

  private:
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
    float HeadAt(float flow)
    {
        const double x = static_cast<double>(flow) * flow;
        const float lowest = static_cast<float>(pressure_.Min(x));
        const double lift = lowest < -1.0f ? static_cast<double>(-1.0f - lowest) : 0.0;
        return static_cast<float>(endLevel_ + slopeNode1_ * x + lift - startLevel_);
    }

  private:
    LowerEnvelope pressure_; // pressure head of each node, as lines in Q²
    double slopeNode1_ = 0;  // sum of c over all sections
    double startLevel_ = 0, endLevel_ = 0;
};

// The same system head evaluated node by node (reference form of the above).
float SystemHeadByNodes(const PipeModel& model, const std::vector<double>& c, float startLevel,
                        float endLevel, float flow);

} // namespace vemora
