#include "graphs/ProfilePlot.h"

#include <cmath>

#include "engine/AnalysisObserver.h"
#include "engine/ConvertInputToSI.h"
#include "engine/Hydraulics.h"
#include "engine/NumberFormat.h"
#include "project/SystemType.h"
#include "project/UnitTables.h"

namespace vemora {

ProfileSolution SolveProfileHydraulics(const ProjectStore& store, ResultsStore& results,
                                       AnalysisObserver& observer)
{
    if (!ConvertInputToSI(store, results)) return ProfileSolution::Failed;
    switch (CalculateHydraulics(store, results, observer)) {
    case HydraulicsStatus::Ok:
        return ProfileSolution::Solved;
    case HydraulicsStatus::PumpCurveMissed:
        return ProfileSolution::PumpCurveMissed;
    case HydraulicsStatus::FlowTooLarge:
        return ProfileSolution::FlowTooLarge;
    case HydraulicsStatus::Failed:
        break;
    }
    return ProfileSolution::Failed;
}

std::string RoughnessCaption(const ProjectStore& store, const ResultsStore& results, int year)
{
    const char* unit = PipeDimensionUnits.Text(store.RoughnessNewUnit);
    if (year < 1 || year > MaxYears || !unit || results.RoughnessUnitFactor == 0)
        return "Roughness:";
    const double ks =
        results.YearRoughness[static_cast<size_t>(year)] / results.RoughnessUnitFactor;
    if (!std::isfinite(ks)) return "Roughness:";
    return "Roughness: " + FormatFixed(ks, 5) + " " + unit;
}

ProfilePlotResult DrawProfilePlot(DrawingSurface& surface, PlotFrame& frame,
                                  const ProjectStore& store, const ResultsStore& results,
                                  ProfileView view, ProfileSolution solution)
{
    ProfilePlotResult out;
    out.Roughness = RoughnessCaption(store, results, view.Year);
    const bool solved = solution == ProfileSolution::Solved;
    if (!solved) view.HideGradeline = true;

    ProfileGraphStyle style;
    const char* chainage = LengthUnits.Text(store.ChainageUnit);
    style.HorizontalTitle = QStringLiteral("Accumulated length (%1)")
                                .arg(chainage ? QString::fromUtf8(chainage) : QString());
    style.VerticalTitleTop = 2300;
    style.AirValveAboveNode = true;
    out.Status = DrawProfileGraph(surface, frame, store, results, view, style);
    if (out.Status != ProfileStatus::Drawn) return out;

    if (solved) {
        out.Captions = MakeProfileCaptions(store, results, view.Year);
    } else {
        out.Captions.FlowRate = "Flow rate:";
        if (IsPumping(store)) out.Captions.PumpingHead = "Pumping head:";
    }
    return out;
}

} // namespace vemora
