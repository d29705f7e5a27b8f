#include "graphs/HydraulicProfileGraph.h"

namespace vemora {

HydraulicProfileResult DrawHydraulicProfile(DrawingSurface& surface, PlotFrame& frame,
                                            const ProjectStore& store, const ResultsStore& results,
                                            const ProfileView& view)
{
    ProfileGraphStyle style;
    style.HorizontalTitle =
        QStringLiteral("Accumulated length") + BracketedUnit(store.ChainageUnit);
    style.VerticalTitleTop = 1800;
    style.AirValveAboveNode = false;

    HydraulicProfileResult r;
    r.Status = DrawProfileGraph(surface, frame, store, results, view, style);
    if (r.Status == ProfileStatus::Drawn)
        r.Captions = MakeProfileCaptions(store, results, view.Year);
    return r;
}

} // namespace vemora
