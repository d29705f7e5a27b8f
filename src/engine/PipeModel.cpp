#include "engine/PipeModel.h"

#include <algorithm>
#include <cmath>

#include "engine/EngineMath.h"

namespace vemora {

AnalysisFailure BuildPipeModel(const ProjectStore& store, const ResultsStore& r, PipeModel& m)
{
    const int n = UsedNodeCount(store);
    if (n < 1) return Failed(FailureKind::TooFewNodes, n);
    for (int j = 1; j <= n; ++j) {
        const double d = r.InnerDiameterSI[j];
        if (!(d > 0.0) || !IsFinite(d)) return Failed(FailureKind::NoInsideDiameter, j);
    }
    m.n = n;
    m.D.assign(n + 1, 0.0);
    m.L.assign(n + 1, 0.0);
    m.K.assign(n + 1, 0.0);
    m.Area.assign(n + 1, 0.0);
    m.z.assign(n + 1, 0.0f);
    for (int j = 1; j <= n; ++j) {
        const double d = r.InnerDiameterSI[j];
        m.D[j] = d;
        m.L[j] = j < n ? static_cast<double>(r.SectionLengthSI[j]) : 0.0;
        m.K[j] = store.SecondaryLoss[j];
        m.Area[j] = Pi * d * d / 4.0;
        m.z[j] = store.NodeElevation[j] * r.LevelUnitFactor;
        if (!IsFinite(m.L[j]) || !IsFinite(m.K[j]) || !IsFinite(m.z[j]))
            return Failed(FailureKind::PipeBeyondNumbers, j);
    }
    return {};
}

bool RoughFrictionFactor(double diameter, double roughness, float& f)
{
    if (!(roughness > 0.0)) return false;
    const double x = 3.7 * diameter / roughness;
    if (!(x > 0.0) || !IsFinite(x)) return false;
    const double lg = std::log(x) / std::log(10.0);
    if (lg == 0.0) return false;
    const double root = 1.0 / (2.0 * lg);
    f = ToFloat(root * root);
    return IsFinite(f);
}

namespace {

// The coefficients node by node, stopping at the first node that fails.
AnalysisFailure LossCoefficientsByNode(const PipeModel& m, int year, double ks, ResultsStore& r,
                                       std::vector<double>& c)
{
    for (int j = 1; j <= m.n; ++j) {
        float f = 0.0f;
        if (!RoughFrictionFactor(m.D[j], ks, f)) return Failed(FailureKind::LossUndefined, j);
        r.FrictionFactor(j, year) = f;
        c[j] = (f * m.L[j] / m.D[j] + m.K[j]) / (TwoG * m.Area[j] * m.Area[j]);
        if (!IsFinite(c[j])) return Failed(FailureKind::LossUndefined, j);
    }
    return {};
}

} // namespace

AnalysisFailure ComputeYearLossCoefficients(const PipeModel& m, int year, ResultsStore& r,
                                            std::vector<double>& c)
{
    c.assign(m.n + 1, 0.0);
    const double ks = r.YearRoughness[year];
    if (!(ks > 0.0)) return Failed(FailureKind::ZeroRoughness);
    // The friction factors first, one logarithm for each run of pipes of one
    // diameter, then the coefficients in a loop without branches.
    std::vector<float> f(m.n + 1, 0.0f);
    bool ok = true;
    for (int j = 1; j <= m.n && ok; ++j) {
        if (j > 1 && m.D[j] == m.D[j - 1])
            f[j] = f[j - 1];
        else
            ok = RoughFrictionFactor(m.D[j], ks, f[j]);
    }
    for (int j = 1; j <= m.n && ok; ++j)
        c[j] = (f[j] * m.L[j] / m.D[j] + m.K[j]) / (TwoG * m.Area[j] * m.Area[j]);
    // A node that fails is found, and the factors before it stored, node by node.
    if (!ok || !AllFinite(c.data() + 1, m.n)) return LossCoefficientsByNode(m, year, ks, r, c);
    std::copy(f.begin() + 1, f.end(), r.FrictionFactor.Year(year));
    return {};
}

void CopyYearFrictionFactors(const PipeModel& m, int from, int to, ResultsStore& r)
{
    std::copy_n(r.FrictionFactor.Year(from), m.n, r.FrictionFactor.Year(to));
}

void StoreSectionLosses(const PipeModel& m, int year, double flow, ResultsStore& r)
{
    // Sections 1..n of the year as blocks (n is at most MaxNodes): a loop
    // without a check on every index, which runs on several sections at once.
    const float* const factor = r.FrictionFactor.Year(year);
    float* const friction = r.FrictionHeadLoss.Year(year);
    float* const secondary = r.SecondaryHeadLoss.Year(year);
    for (int j = 1; j <= m.n; ++j) {
        const auto at = static_cast<std::size_t>(j);
        const double v = flow / m.Area[at];
        const double f = factor[j - 1];
        friction[j - 1] = ToFloat(f * m.L[at] * v * v / (m.D[at] * TwoG));
        secondary[j - 1] = ToFloat(m.K[at] * v * v / TwoG);
    }
}

} // namespace vemora
