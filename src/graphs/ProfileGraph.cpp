#include "graphs/ProfileGraph.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Hydraulics.h"
#include "engine/NumberFormat.h"
#include "graphs/GraphPictures.h"
#include "graphs/GraphPieces.h"
#include "graphs/GraphUnits.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

constexpr int kReservoir = 1;
constexpr int kAirValve = 5;

struct Point
{
    double x, y;
};

// Lines from point to point; a missing point breaks the line.
void DrawPolyline(DrawingSurface& s, const std::vector<std::optional<Point>>& points)
{
    bool started = false;
    for (const auto& p : points) {
        if (!p) {
            started = false;
            continue;
        }
        if (started) {
            s.LineTo(p->x, p->y);
        } else {
            s.setCurrentX(p->x);
            s.setCurrentY(p->y);
            started = true;
        }
    }
}

// The gradeline level of gradeline point k (0..500) in the elevation unit.
std::optional<double> GradelinePoint(const ProjectStore& store, const ResultsStore& results, int k,
                                     int year)
{
    if (!NodeYearTable<float, 0>::InRange(k, year)) return std::nullopt;
    const UnitChoice unit = LengthUnit(store.ElevationUnit);
    if (!unit.usable()) return std::nullopt;
    const double level = results.Gradeline(k, year) / static_cast<double>(*unit.Factor);
    if (!std::isfinite(level)) return std::nullopt;
    return level;
}

void Widen(double& low, double& high, double v)
{
    if (!std::isfinite(v)) return;
    low = std::min(low, v);
    high = std::max(high, v);
}

// Where a node's symbol goes, its top left corner, for the node's ground
// point (x, y) and the picture's size w x h (twips).
Point SymbolCorner(int node, int type, double x, double y, double w, double h,
                   const ProfileGraphStyle& style)
{
    if (type == kReservoir) return node == 1 ? Point{x - w, y - h} : Point{x, y - h};
    if (type == kAirValve && style.AirValveAboveNode) return {x - w / 2, y - h};
    return {x - w / 2, y - h / 2};
}

void DrawSymbols(DrawingSurface& s, const PlotFrame& f, const ProjectStore& store,
                 const ProfilePlotData& plot, int begin, int end, const ProfileGraphStyle& style)
{
    for (int i = begin; i <= end; ++i) {
        const int type = store.NodeTypeCode[static_cast<size_t>(i)];
        const QImage& picture = ComponentSymbol(type);
        if (picture.isNull()) continue;
        const double x = f.x(plot.PlotDistance[static_cast<size_t>(i)]);
        const double y = f.y(plot.PlotElevation[static_cast<size_t>(i)]);
        if (!std::isfinite(x) || !std::isfinite(y)) continue;
        const double w = picture.width() * kTwipsPerPixel, h = picture.height() * kTwipsPerPixel;
        const Point at = SymbolCorner(i, type, x, y, w, h, style);
        // A symbol never reaches past the plot frame (the reservoir right of
        // a last node on the frame's edge would): it moves inside.
        const auto inside = [](double v, double low, double high) {
            return std::max(low, std::min(v, high));
        };
        s.PaintPicture(picture, inside(at.x, f.left, f.right + PlotFrame::kInset - w),
                       inside(at.y, f.top - PlotFrame::kInset, f.bottom - h));
    }
}

} // namespace

ProfilePlotData PrepareProfilePlotData(const ProjectStore& store)
{
    ProfilePlotData plot;
    plot.NodeCount = std::clamp<int>(store.NodeCount, 0, MaxNodes);
    for (size_t i = 1; i <= static_cast<size_t>(plot.NodeCount); ++i) {
        plot.PlotDistance[i] = store.NodeAccumulatedLength[i];
        plot.PlotElevation[i] = store.NodeElevation[i];
    }
    return plot;
}

std::optional<double> NodeGradelineLevel(const ProjectStore& store, const ResultsStore& results,
                                         int node, int year)
{
    if (node < 1 || node > MaxNodes) return std::nullopt;
    return GradelinePoint(store, results, IsPumping(store) ? node : node - 1, year);
}

ProfileStatus DrawProfileGraph(DrawingSurface& surface, PlotFrame& frame, const ProjectStore& store,
                               const ResultsStore& results, const ProfileView& view,
                               const ProfileGraphStyle& style,
                               const std::vector<double>& extraLevels)
{
    const ProfilePlotData plot = PrepareProfilePlotData(store);
    const int b = view.BeginNode;
    const int e = view.EndNode;
    if (b < 1 || e < 1 || b > plot.NodeCount || e > plot.NodeCount) return ProfileStatus::NoSection;
    const double xb = plot.PlotDistance[static_cast<size_t>(b)];
    const double xe = plot.PlotDistance[static_cast<size_t>(e)];
    if (!(xb < xe)) return ProfileStatus::BeginNotBeforeEnd;

    // The vertical range: the ground of the section and the gradeline drawn over it.
    double low = plot.PlotElevation[static_cast<size_t>(b)];
    double high = low;
    for (int i = b; i <= e; ++i)
        Widen(low, high, plot.PlotElevation[static_cast<size_t>(i)]);
    std::vector<std::optional<double>> levels(static_cast<size_t>(e - b + 1));
    const bool pumpLift = style.PumpLiftAtFirstNode && IsPumping(store) && b == 1;
    std::optional<double> suction;
    if (!view.HideGradeline) {
        for (int i = b; i <= e; ++i) {
            levels[static_cast<size_t>(i - b)] = NodeGradelineLevel(store, results, i, view.Year);
            if (const auto& l = levels[static_cast<size_t>(i - b)]) Widen(low, high, *l);
        }
        if (pumpLift) suction = GradelinePoint(store, results, 0, view.Year);
        if (suction) Widen(low, high, *suction);
    }
    for (double level : extraLevels)
        Widen(low, high, level);
    if (!std::isfinite(low)) low = high = 0;

    surface.setBackColor(vbcolor::White);
    surface.Cls();
    const AxisScale xAxis = scaleAxis(xb, xe);
    const AxisScale yAxis = scaleAxis(low, high);
    FrameMargins margins;
    margins.left = axisClearOfLabels(surface, yAxis, 300, margins.left);
    PlotFrame f = plotFrameFor(surface.ScaleWidth(), surface.ScaleHeight(), margins);
    f.setScales(xAxis, yAxis);
    frame = f;

    if (!view.HideComponents) DrawSymbols(surface, f, store, plot, b, e, style);

    drawHorizontalGrid(surface, f, yAxis);
    drawVerticalGrid(surface, f, xAxis);

    surface.setDrawStyle(DrawStyle::Solid);
    surface.setForeColor(graphcolor::Ground);
    surface.setDrawWidth(1);
    std::vector<std::optional<Point>> ground;
    for (int i = b; i <= e; ++i)
        ground.push_back(Point{f.x(plot.PlotDistance[static_cast<size_t>(i)]),
                               f.y(plot.PlotElevation[static_cast<size_t>(i)])});
    DrawPolyline(surface, ground);

    drawAxes(surface, f);
    drawVerticalTickLabels(surface, f, yAxis, 300);
    drawHorizontalTickLabels(surface, f, xAxis, labelLength(xe));

    printHorizontalTitle(surface, f, style.HorizontalTitle, f.bottom + 250);
    const QImage& title = ElevationTitlePicture(store.ElevationUnit);
    if (!title.isNull()) paintVerticalTitle(surface, title, 300, style.VerticalTitleTop);

    if (!view.HideGradeline) {
        surface.setForeColor(graphcolor::Gradeline);
        surface.setDrawWidth(1);
        std::vector<std::optional<Point>> line;
        for (int i = b; i <= e; ++i) {
            const auto& l = levels[static_cast<size_t>(i - b)];
            line.push_back(
                l ? std::optional(Point{f.x(plot.PlotDistance[static_cast<size_t>(i)]), f.y(*l)})
                  : std::nullopt);
        }
        DrawPolyline(surface, line);
        // The pump's lift at the pump station, from the suction level up to
        // the level just after the pump.
        if (suction && levels.front())
            surface.Line(f.x(xb), f.y(*suction), f.x(xb), f.y(*levels.front()));
    }
    return ProfileStatus::Drawn;
}

QString BracketedUnit(int lengthUnit)
{
    return QStringLiteral("( %1 )").arg(QString::fromStdString(LengthUnit(lengthUnit).Text));
}

ProfileCaptions MakeProfileCaptions(const ProjectStore& store, const ResultsStore& results,
                                    int year)
{
    ProfileCaptions c;
    if (year < 1 || year > MaxYears) return c;
    const UnitChoice flowUnit = PipelineFlowUnit(store);
    if (flowUnit.usable()) {
        const double flow = results.YearFlow[static_cast<size_t>(year)] / *flowUnit.Factor;
        if (std::isfinite(flow))
            c.FlowRate = "Flow rate: " + FormatThreeDecimals(flow) + " " + flowUnit.Text;
    }
    if (!IsPumping(store)) return c;
    const UnitChoice elevation = LengthUnit(store.ElevationUnit);
    if (elevation.usable()) {
        const double head = PumpingHead(results, year) / *elevation.Factor;
        if (std::isfinite(head))
            c.PumpingHead = "Pumping head: " + FormatThreeDecimals(head) + " " + elevation.Text;
    }
    return c;
}

ProfileCaptions UnsolvedCaptions(const ProjectStore& store)
{
    ProfileCaptions bare;
    bare.FlowRate = "Flow rate:";
    if (IsPumping(store)) bare.PumpingHead = "Pumping head:";
    return bare;
}

ProfileReadOut ReadProfile(const PlotFrame& frame, const ProjectStore& store, double x, double y)
{
    const auto p = frame.readOut(x, y);
    if (!p) return {kOutOfRange, kOutOfRange};
    return {readOutText(p->x, 3, LengthUnit(store.ChainageUnit).Text),
            readOutText(p->y, 3, LengthUnit(store.ElevationUnit).Text)};
}

} // namespace vemora
