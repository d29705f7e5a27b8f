#include "engine/Hydraulics.h"

#include <algorithm>
#include <vector>

#include "engine/DutyPoint.h"
#include "engine/EngineMath.h"
#include "engine/GravityFlow.h"
#include "engine/Roughness.h"
#include "engine/SystemCurve.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"

namespace vemora {
namespace {

// Each level is the stored (4-byte) level before it less the section's losses.
void LayGravityGradeline(const PipeModel& m, int y, ResultsStore& r)
{
    r.Gradeline(0, y) = r.StartLevelSI;
    for (int j = 1; j <= m.n; ++j)
        r.Gradeline(j, y) = ToFloat(static_cast<double>(r.Gradeline(j - 1, y)) -
                                    r.FrictionHeadLoss(j, y) - r.SecondaryHeadLoss(j, y));
}

bool YearIsFinite(const PipeModel& m, int y, const ResultsStore& r)
{
    if (!IsFinite(r.YearFlow[y])) return false;
    for (int k = 0; k <= m.n; ++k)
        if (!IsFinite(r.Gradeline(k, y))) return false;
    return true;
}

HydraulicsStatus Fail(RunFlags& flags, AnalysisFailure& kept, AnalysisFailure failure)
{
    flags.GradelineFailed = true;
    kept = failure;
    return HydraulicsStatus::Failed;
}

} // namespace

void LayPumpingGradeline(const PipeModel& m, int y, ResultsStore& r)
{
    // Nodes 0..n and sections 1..n of the year as blocks (n is at most MaxNodes).
    float* const level = r.Gradeline.Year(y);
    const float* const friction = r.FrictionHeadLoss.Year(y) - 1;
    const float* const secondary = r.SecondaryHeadLoss.Year(y) - 1;
    // Levels are held as 4-byte reals, each laid on the stored one after it.
    level[m.n] = r.EndLevelSI;
    for (int k = m.n - 1; k >= 1; --k)
        level[k] = ToFloat(static_cast<double>(level[k + 1]) + friction[k] + secondary[k]);
    float lowest = PressureHeadLimit;
    for (int k = 1; k <= m.n; ++k) {
        const float head =
            ToFloat(static_cast<double>(level[k]) - m.z[static_cast<std::size_t>(k)]);
        if (head < lowest) lowest = head;
    }
    if (lowest < PressureHeadLimit) {
        const float lift = PressureHeadLimit - lowest;
        for (int k = 1; k <= m.n; ++k)
            level[k] = ToFloat(static_cast<double>(level[k]) + lift);
    }
    level[0] = m.z[1];
}

float PumpingHead(const ResultsStore& r, int y)
{
    return ToFloat(static_cast<double>(r.Gradeline(1, y)) - r.StartLevelSI);
}

namespace {

// The years of the hydraulics in turn; `sampledYear` is the last year whose
// system curve was sampled (0 when none was).
HydraulicsStatus SolveYears(const ProjectStore& store, ResultsStore& r, const PipeModel& model,
                            AnalysisObserver& observer, RunFlags& flags, AnalysisFailure& failure,
                            int& sampledYear)
{
    const bool pumping = IsPumping(store);
    const bool pumpCurve = pumping && HasPumpCurve(store);
    const PumpCurveSamples samples = pumpCurve ? SamplePumpCurve(store, r) : PumpCurveSamples{};
    std::vector<double> c;
    SystemCurve curve;
    for (int y = 1; y <= UsedDesignLife(store); ++y) {
        // A year of the roughness of the year before has its friction factors,
        // loss coefficients and system curve.
        const bool agedAlike = y > 1 && r.YearRoughness[y] == r.YearRoughness[y - 1];
        if (agedAlike)
            CopyYearFrictionFactors(model, y - 1, y, r);
        else if (AnalysisFailure loss = ComputeYearLossCoefficients(model, y, r, c); !loss.Ok())
            return Fail(flags, failure, loss);
        bool missed = false;
        if (!pumping) {
            const GravityFlow g = SolveGravityFlow(model, c, r.StartLevelSI, r.EndLevelSI);
            if (g.AtSearchTop) return HydraulicsStatus::FlowTooLarge;
            if (g.HighPoint) flags.HighPointFlag = true;
            r.YearFlow[y] = ToFloat(g.Flow);
            StoreSectionLosses(model, y, r.YearFlow[y], r);
            LayGravityGradeline(model, y, r);
        } else if (pumpCurve) {
            r.DutyYear = static_cast<int16_t>(y);
            if (agedAlike)
                curve.Rewind();
            else
                curve.Build(model, c, r.StartLevelSI, r.EndLevelSI);
            sampledYear = y;
            const DutyPointStatus duty = CalcDutyPoint(samples, r, curve, y, observer);
            if (duty == DutyPointStatus::Failed)
                return Fail(flags, failure, Failed(FailureKind::SystemHeadBeyondNumbers, y));
            missed = duty == DutyPointStatus::Missed;
            r.YearFlow[y] = r.PumpFlowSI;
            r.YearPumpEfficiency[y] = r.PumpEfficiency;
            StoreSectionLosses(model, y, r.YearFlow[y], r);
            LayPumpingGradeline(model, y, r);
            r.YearPumpHead[y] = PumpingHead(r, y);
            r.YearDutyFlow[y] = r.YearFlow[y];
            r.YearDutyEfficiency[y] = r.YearPumpEfficiency[y];
        } else {
            StoreSectionLosses(model, y, r.PumpFlowSI, r);
            r.YearFlow[y] = r.PumpFlowSI;
            LayPumpingGradeline(model, y, r);
        }
        if (missed) return HydraulicsStatus::PumpCurveMissed;
        if (!YearIsFinite(model, y, r))
            return Fail(flags, failure, Failed(FailureKind::GradelineBeyondNumbers, y));
    }
    flags.GradelineFailed = false;
    return HydraulicsStatus::Ok;
}

} // namespace

HydraulicsStatus CalculateHydraulics(const ProjectStore& store, ResultsStore& r,
                                     AnalysisObserver& observer, RunFlags& flags,
                                     AnalysisFailure& failure)
{
    flags.GradelineFailed = false;
    PipeModel model;
    if (AnalysisFailure built = BuildPipeModel(store, r, model); !built.Ok())
        return Fail(flags, failure, built);
    if (!AgeRoughness(store, r))
        return Fail(flags, failure, Failed(FailureKind::DeteriorationYears));
    int sampledYear = 0;
    const HydraulicsStatus status =
        SolveYears(store, r, model, observer, flags, failure, sampledYear);
    // SystemHead holds the samples of the last year sampled, however the years ended.
    if (sampledYear > 0) {
        const float* last = r.YearSystemHead.Year(sampledYear);
        std::copy(last, last + MaxSystemSamples, r.SystemHead.begin() + 1);
    }
    return status;
}

} // namespace vemora
