#include "graphs/DrawRoughnessProfile.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/NumberFormat.h"
#include "graphs/GraphUnits.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

constexpr double PointRadius = 50; // twips

struct LevelAtNode
{
    int node;
    double level; // elevation unit
};

// The nodes of one section between begin and end with their gradeline
// levels in the elevation unit; empty when the section was not laid on the
// profile or lies outside the view.
std::vector<LevelAtNode> VisibleLevels(const CalibrationSection& section, int begin, int end,
                                       double levelFactor)
{
    std::vector<LevelAtNode> visible;
    if (!section.startNode || !section.endNode || section.gradeline.empty()) return visible;
    const int a = *section.startNode;
    for (int i = std::max(begin, a); i <= std::min(end, *section.endNode); ++i) {
        const size_t k = static_cast<size_t>(i - a);
        if (k >= section.gradeline.size()) break;
        const double level = section.gradeline[k] / levelFactor;
        if (std::isfinite(level)) visible.push_back({i, level});
    }
    return visible;
}

// One section's line through its visible nodes, with a circle at each
// measuring point in sight (its start and end node).
void DrawSection(DrawingSurface& s, const PlotFrame& f, const ProfilePlotData& plot,
                 const CalibrationSection& section, const std::vector<LevelAtNode>& levels)
{
    bool started = false;
    for (const LevelAtNode& at : levels) {
        const double x = f.x(plot.PlotDistance[static_cast<size_t>(at.node)]);
        const double y = f.y(at.level);
        if (started) {
            s.LineTo(x, y);
        } else {
            s.setCurrentX(x);
            s.setCurrentY(y);
            started = true;
        }
        if (at.node == *section.startNode || at.node == *section.endNode) {
            s.Circle(x, y, PointRadius);
            s.setCurrentX(x);
            s.setCurrentY(y);
        }
    }
}

} // namespace

RoughnessProfileResult DrawRoughnessProfile(DrawingSurface& surface, PlotFrame& frame,
                                            const ProjectStore& store, const ResultsStore& results,
                                            ProfileView view, const CalibrationResults& calibration,
                                            const ScenarioTicks& ticked, bool gradelineFailed)
{
    const UnitChoice elevation = LengthUnit(store.ElevationUnit);
    const bool drawScenarios = !gradelineFailed && elevation.usable();
    if (gradelineFailed) view.HideGradeline = true;

    // Each ticked scenario's visible sections, which also make the range.
    struct Drawn
    {
        int scenario;
        const CalibrationSection* section;
        std::vector<LevelAtNode> levels;
    };
    std::vector<Drawn> lines;
    std::vector<double> levelsDrawn;
    if (drawScenarios) {
        for (int s = 0; s < CalibrationScenarioCount; ++s) {
            if (!ticked[static_cast<size_t>(s)]) continue;
            for (const CalibrationSection& section : calibration[static_cast<size_t>(s)].sections) {
                if (!section.measured) continue;
                auto levels =
                    VisibleLevels(section, view.BeginNode, view.EndNode, *elevation.Factor);
                if (levels.empty()) continue;
                for (const LevelAtNode& at : levels)
                    levelsDrawn.push_back(at.level);
                lines.push_back({s, &section, std::move(levels)});
            }
        }
    }

    ProfileGraphStyle style;
    style.HorizontalTitle = QStringLiteral("Accumulated length ") +
                            BracketedUnit(store.ChainageUnit).remove(QLatin1Char(' '));
    style.VerticalTitleTop = 2300;
    style.AirValveAboveNode = true;
    style.PumpLiftAtFirstNode = false;

    RoughnessProfileResult r;
    r.Status = DrawProfileGraph(surface, frame, store, results, view, style, levelsDrawn);
    if (r.Status != ProfileStatus::Drawn) return r;
    if (gradelineFailed) {
        r.Captions = UnsolvedCaptions(store);
        return r;
    }

    const ProfilePlotData plot = PrepareProfilePlotData(store);
    surface.setDrawStyle(DrawStyle::Solid);
    surface.setDrawWidth(2);
    for (const Drawn& line : lines) {
        const uint32_t colour = ScenarioColours[static_cast<size_t>(line.scenario)];
        surface.setForeColor(colour);
        surface.setFillColor(colour);
        DrawSection(surface, frame, plot, *line.section, line.levels);
    }
    surface.setDrawWidth(1);
    r.Captions = MakeProfileCaptions(store, results, view.Year);
    return r;
}

} // namespace vemora
