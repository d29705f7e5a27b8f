#include "graphs/ProfilePlot.h"

#include <cmath>

#include "engine/NumberFormat.h"
#include "project/UnitTables.h"

namespace vemora {

std::string RoughnessCaption(const ProjectStore& store, const ResultsStore& results, int year,
                             bool solved)
{
    const char* unit = PipeDimensionUnits.Text(store.RoughnessNewUnit);
    if (!solved || year < 1 || year > MaxYears || !unit || results.RoughnessUnitFactor == 0)
        return "Roughness:";
    const double ks =
        results.YearRoughness[static_cast<size_t>(year)] / results.RoughnessUnitFactor;
    if (!std::isfinite(ks)) return "Roughness:";
    return "Roughness: " + FormatFixed(ks, 5) + " " + unit;
}

ProfilePlotResult DrawProfilePlot(DrawingSurface& surface, PlotFrame& frame,
                                  const ProjectStore& store, const ResultsStore& results,
                                  ProfileView view, bool solved)
{
    ProfilePlotResult out;
    out.Roughness = RoughnessCaption(store, results, view.Year, solved);
    if (!solved) view.HideGradeline = true;

    ProfileGraphStyle style;
    const char* chainage = LengthUnits.Text(store.ChainageUnit);
    style.HorizontalTitle = QStringLiteral("Accumulated length (%1)")
                                .arg(chainage ? QString::fromUtf8(chainage) : QString());
    style.VerticalTitleTop = 2300;
    style.AirValveAboveNode = true;
    out.Status = DrawProfileGraph(surface, frame, store, results, view, style);
    if (out.Status != ProfileStatus::Drawn) return out;

    out.Captions =
        solved ? MakeProfileCaptions(store, results, view.Year) : UnsolvedCaptions(store);
    return out;
}

} // namespace vemora
