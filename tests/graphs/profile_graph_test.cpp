// The profile graph: frame, grid, ground, gradeline and symbols as drawn,
// the section checks, the units of the vertical axis, the captions of a
// year and the read-out under the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

#include "engine/ConvertInputToSI.h"
#include "graphs/ProfileGraph.h"
#include "project/UnitTables.h"
#include "support/GraphProjects.h"

using namespace vemora;
using namespace vemora::test;

namespace {

constexpr double kWidth = 10200, kHeight = 4800;

ProfileGraphStyle resultsStyle()
{
    ProfileGraphStyle st;
    st.HorizontalTitle = QStringLiteral("Accumulated length( m )");
    return st;
}

struct Drawn
{
    DrawingSurface surface{kWidth, kHeight};
    PlotFrame frame;
    ProfileStatus status = ProfileStatus::NoSection;
};

// The whole profile of `p` for `year`.
Drawn drawWhole(GraphProject& p, int year = 1, bool hideGradeline = false,
                bool hideComponents = false)
{
    Drawn d;
    ProfileView v{1, p.s().NodeCount, year, hideGradeline, hideComponents};
    d.status = DrawProfileGraph(d.surface, d.frame, p.s(), p.r(), v, resultsStyle());
    return d;
}

bool isHorizontal(const Primitive* p)
{
    return p->y1 == p->y2;
}

} // namespace

TEST(ProfileGraph, FrameGridAxesLabelsAndTitlesFollowTheReference)
{
    GraphProject p = CrestProject();
    const Drawn d = drawWhole(p);
    ASSERT_EQ(d.status, ProfileStatus::Drawn);
    EXPECT_EQ(d.frame.left, 800);
    EXPECT_EQ(d.frame.top, 570);
    EXPECT_EQ(d.frame.right, 9600);
    EXPECT_EQ(d.frame.bottom, 4330);
    EXPECT_EQ(d.frame.originX, 0);
    EXPECT_EQ(d.frame.originY, 1200);

    // Levels 1200..1510: step 50, 7 divisions up to 1550; distances 0..500 by 50.
    const Drawing& g = d.surface.drawing();
    const auto grid = Of(g, PrimitiveKind::Line, 0x808080);
    ASSERT_EQ(grid.size(), 8u + 11u);
    for (const Primitive* l : grid)
        EXPECT_EQ(l->style, DrawStyle::Dash);
    const auto rows = std::count_if(grid.begin(), grid.end(), isHorizontal);
    EXPECT_EQ(rows, 8);
    EXPECT_EQ(grid.front()->x1, 800);
    EXPECT_EQ(grid.front()->x2, 9820);
    EXPECT_EQ(grid.front()->y1, 4110);
    EXPECT_EQ(grid[7]->y1, 350);

    const auto black = Of(g, PrimitiveKind::Line, 0);
    ASSERT_GE(black.size(), 2u);
    EXPECT_EQ(black[0]->x1, 800);
    EXPECT_EQ(black[0]->y1, 350);
    EXPECT_EQ(black[0]->y2, 4330);
    EXPECT_EQ(black[1]->x2, 9820);

    for (const char* label : {"1200", "1250", "1550", "0", "50", "250", "500"})
        EXPECT_TRUE(g.findText(label)) << label;
    EXPECT_FALSE(g.findText("1600"));
    EXPECT_EQ(g.findText("1550")->x1, 300);
    EXPECT_EQ(g.findText("1550")->y1, 350 - 85);
    EXPECT_EQ(g.findText("250")->y1, 4330 + 50);

    const Primitive* title = g.findText("Accumulated length( m )");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->y1, 4330 + 250);
    EXPECT_EQ(title->font.size, 10);
    EXPECT_FALSE(title->font.bold);
    const auto pictures = g.of(PrimitiveKind::Picture);
    ASSERT_FALSE(pictures.empty());
    EXPECT_EQ(pictures.back()->x1, 0); // two pixels or more left of the labels at 300
    EXPECT_EQ(pictures.back()->y1, 1800);
}

TEST(ProfileGraph, GroundAndGradelineAndTheRangeTheyMake)
{
    GraphProject p = CrestProject();
    const Drawn d = drawWhole(p);
    const Drawing& g = d.surface.drawing();
    const auto ground = Of(g, PrimitiveKind::Line, 0x004000);
    ASSERT_EQ(ground.size(), 5u);
    EXPECT_EQ(ground[0]->x1, d.frame.x(0));
    EXPECT_EQ(ground[0]->y1, d.frame.y(1500));
    EXPECT_EQ(ground[4]->x2, d.frame.x(500));
    EXPECT_EQ(ground[4]->y2, d.frame.y(1200));
    for (const Primitive* l : ground)
        EXPECT_EQ(l->style, DrawStyle::Solid);

    // A gravity system: node i takes gradeline point i - 1, node 1 the start level.
    const auto blue = Of(g, PrimitiveKind::Line, 0xFF0000);
    ASSERT_EQ(blue.size(), 5u);
    EXPECT_EQ(blue[0]->y1, d.frame.y(1510));
    EXPECT_EQ(blue[4]->y2, d.frame.y(1210));

    // A gradeline above the ground raises the axis; hidden, the ground alone scales it.
    p.r().Gradeline(0, 1) = 1600;
    EXPECT_TRUE(drawWhole(p).surface.drawing().findText("1650"));
    const Drawn hidden = drawWhole(p, 1, true);
    EXPECT_TRUE(Of(hidden.surface.drawing(), PrimitiveKind::Line, 0xFF0000).empty());
    EXPECT_TRUE(hidden.surface.drawing().findText("1550"));
    EXPECT_FALSE(hidden.surface.drawing().findText("1600"));
    EXPECT_EQ(Of(hidden.surface.drawing(), PrimitiveKind::Line, 0x004000).size(), 5u);

    // The year chosen is the year drawn.
    const Drawn second = drawWhole(p, 2);
    EXPECT_EQ(Of(second.surface.drawing(), PrimitiveKind::Line, 0xFF0000)[2]->y1,
              second.frame.y(1492));
}

TEST(ProfileGraph, PumpingGradelineStartsAfterThePumpWithItsLift)
{
    GraphProject p = PumpingProfileProject();
    const Drawn d = drawWhole(p);
    const auto blue = Of(d.surface.drawing(), PrimitiveKind::Line, 0xFF0000);
    ASSERT_EQ(blue.size(), 3u + 1u);
    EXPECT_EQ(blue[0]->y1, d.frame.y(1130)); // node 1 takes point 1
    EXPECT_EQ(blue[2]->y2, d.frame.y(1101));
    // The lift at the pump station, from the suction side up.
    EXPECT_EQ(blue[3]->x1, d.frame.x(0));
    EXPECT_EQ(blue[3]->x2, d.frame.x(0));
    EXPECT_EQ(blue[3]->y1, d.frame.y(1000));
    EXPECT_EQ(blue[3]->y2, d.frame.y(1130));

    // A section that starts past the pump station has no lift.
    Drawn later;
    ProfileView v{2, 4, 1, false, false};
    DrawProfileGraph(later.surface, later.frame, p.s(), p.r(), v, resultsStyle());
    EXPECT_EQ(Of(later.surface.drawing(), PrimitiveKind::Line, 0xFF0000).size(), 2u);
}

TEST(ProfileGraph, SymbolsStandAtTheirNodesBeforeTheGrid)
{
    GraphProject p = CrestProject();
    const Drawn d = drawWhole(p);
    const Drawing& g = d.surface.drawing();
    const auto pictures = g.of(PrimitiveKind::Picture);
    ASSERT_EQ(pictures.size(), 4u + 1u); // two reservoirs, air valve, isolating valve; title

    // The first reservoir left of and above its node, from the vertical axis
    // on: it does not reach past the plot frame.
    const double y1 = d.frame.y(1500);
    EXPECT_EQ(pictures[0]->x1, d.frame.left);
    EXPECT_EQ(pictures[0]->y2, y1);
    const double x3 = d.frame.x(200), y3 = d.frame.y(1490);
    EXPECT_EQ((pictures[1]->x1 + pictures[1]->x2) / 2, x3); // the air valve centred
    EXPECT_EQ((pictures[1]->y1 + pictures[1]->y2) / 2, y3);
    const double x4 = d.frame.x(300), y4 = d.frame.y(1300);
    EXPECT_EQ((pictures[2]->x1 + pictures[2]->x2) / 2, x4);
    EXPECT_EQ((pictures[2]->y1 + pictures[2]->y2) / 2, y4);
    // The end reservoir above its node, which lies on the frame's right
    // edge: it stands left of the node, inside the frame.
    const double x6 = d.frame.x(500), y6 = d.frame.y(1200);
    EXPECT_EQ(x6, d.frame.right + PlotFrame::kInset);
    EXPECT_EQ(pictures[3]->x2, x6);
    EXPECT_EQ(pictures[3]->y2, y6);
    // A section that ends before the axis maximum leaves room: the
    // reservoir stands right of its node.
    Drawn shorter;
    const ProfileView whole{1, 6, 1, true, false};
    p.s().NodeAccumulatedLength[6] = 420;
    DrawProfileGraph(shorter.surface, shorter.frame, p.s(), p.r(), whole, resultsStyle());
    const auto shorterPictures = shorter.surface.drawing().of(PrimitiveKind::Picture);
    ASSERT_EQ(shorterPictures.size(), 5u);
    EXPECT_EQ(shorterPictures[3]->x1, shorter.frame.x(420));

    // Drawn first, so the grid and the profile pass over them.
    const auto& all = g.primitives();
    const auto firstPicture = std::find_if(all.begin(), all.end(), [](const Primitive& q) {
        return q.kind == PrimitiveKind::Picture;
    });
    const auto firstLine = std::find_if(
        all.begin(), all.end(), [](const Primitive& q) { return q.kind == PrimitiveKind::Line; });
    EXPECT_LT(firstPicture, firstLine);

    const Drawn hidden = drawWhole(p, 1, false, true);
    EXPECT_EQ(hidden.surface.drawing().of(PrimitiveKind::Picture).size(), 1u);

    // The profile view's style puts air valves on top of their node.
    ProfileGraphStyle above = resultsStyle();
    above.AirValveAboveNode = true;
    Drawn v;
    DrawProfileGraph(v.surface, v.frame, p.s(), p.r(), {1, 6, 1, false, false}, above);
    EXPECT_EQ(v.surface.drawing().of(PrimitiveKind::Picture)[1]->y2, y3);
}

TEST(ProfileGraph, ASectionThatIsNoneLeavesThePictureAndFrame)
{
    GraphProject p = CrestProject();
    Drawn d = drawWhole(p);
    const std::vector<Primitive> before = d.surface.drawing().primitives();
    const PlotFrame frameBefore = d.frame;

    struct Case
    {
        int begin, end;
        ProfileStatus status;
    } cases[] = {
        {3, 3, ProfileStatus::BeginNotBeforeEnd}, {5, 2, ProfileStatus::BeginNotBeforeEnd},
        {0, 6, ProfileStatus::NoSection},         {1, 0, ProfileStatus::NoSection},
        {1, 7, ProfileStatus::NoSection},         {-3, 2, ProfileStatus::NoSection},
    };
    for (const Case& c : cases) {
        const ProfileStatus s = DrawProfileGraph(d.surface, d.frame, p.s(), p.r(),
                                                 {c.begin, c.end, 1, false, false}, resultsStyle());
        EXPECT_EQ(s, c.status) << c.begin << ".." << c.end;
    }
    EXPECT_EQ(d.surface.drawing().primitives().size(), before.size());
    EXPECT_EQ(d.frame.scaleX, frameBefore.scaleX);
    EXPECT_EQ(d.frame.originY, frameBefore.originY);

    // Equal distances at different nodes are no section either.
    p.s().NodeAccumulatedLength[2] = 0;
    EXPECT_EQ(
        DrawProfileGraph(d.surface, d.frame, p.s(), p.r(), {1, 2, 1, false, false}, resultsStyle()),
        ProfileStatus::BeginNotBeforeEnd);

    // A node count from a damaged file is never read past the profile.
    p.s().NodeCount = 30000;
    EXPECT_EQ(PrepareProfilePlotData(p.s()).NodeCount, MaxNodes);
    p.s().NodeCount = -4;
    EXPECT_EQ(PrepareProfilePlotData(p.s()).NodeCount, 0);
}

TEST(ProfileGraph, FineAndFlatSectionsDrawWithoutOverflow)
{
    // Ten metres at 60 km: step 1, origin 60000, every label its own.
    GraphProject fine = ProfileProject({{60000, 100}, {60010, 102}});
    fine.setGradeline(1, {110, 105});
    const Drawn f = drawWhole(fine);
    ASSERT_EQ(f.status, ProfileStatus::Drawn);
    EXPECT_EQ(f.frame.originX, 60000);
    EXPECT_TRUE(f.surface.drawing().findText("60000"));
    EXPECT_TRUE(f.surface.drawing().findText("60010"));
    const auto ground = Of(f.surface.drawing(), PrimitiveKind::Line, 0x004000);
    ASSERT_EQ(ground.size(), 1u);
    EXPECT_EQ(ground[0]->x1, 1020);
    EXPECT_GT(ground[0]->x2, 1020);
    EXPECT_LE(ground[0]->x2, f.frame.right + 220);

    // A flat section at 40 m with the gradeline hidden: one division of 0.001.
    GraphProject flat = ProfileProject({{0, 40}, {100, 40}, {200, 40}});
    const Drawn l = drawWhole(flat, 1, true);
    ASSERT_EQ(l.status, ProfileStatus::Drawn);
    EXPECT_EQ(l.frame.originY, 40);
    EXPECT_TRUE(l.surface.drawing().findText("40.000"));
    EXPECT_TRUE(l.surface.drawing().findText("40.001"));
    for (const Primitive* g : Of(l.surface.drawing(), PrimitiveKind::Line, 0x004000))
        EXPECT_EQ(g->y1, l.frame.bottom - 220);
}

TEST(ProfileGraph, GradelineIsInTheElevationUnitAndStaysInsideTheFrame)
{
    // Ground in ft, gradeline levels in m: 30.48 m is drawn at 100 ft.
    GraphProject ft = ProfileProject({{0, 90}, {1000, 80}});
    ft.s().ElevationUnit = 2;
    ft.setGradeline(1, {30.48f, 30.48f});
    const Drawn d = drawWhole(ft);
    const auto blue = Of(d.surface.drawing(), PrimitiveKind::Line, 0xFF0000);
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_NEAR(blue[0]->y1, d.frame.y(100), 1);
    EXPECT_EQ(d.frame.originY, 80);

    // A gradeline below the ground lowers the axis, so it stays in the frame.
    GraphProject low = ProfileProject({{0, 100}, {500, 120}});
    low.setGradeline(1, {80, 90});
    const Drawn b = drawWhole(low);
    EXPECT_LE(b.frame.originY, 80);
    for (const Primitive* l : Of(b.surface.drawing(), PrimitiveKind::Line, 0xFF0000)) {
        EXPECT_LE(l->y1, b.frame.bottom - 220);
        EXPECT_GE(l->y1, b.frame.top - 220);
    }

    // A level that is not a number breaks the line instead of drawing to nowhere.
    GraphProject gap = CrestProject();
    gap.r().Gradeline(2, 1) = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(Of(drawWhole(gap).surface.drawing(), PrimitiveKind::Line, 0xFF0000).size(), 3u);
}

TEST(ProfileCaptions, FlowAndHeadInTheUnitsTheyWereEnteredIn)
{
    GraphProject g = CrestProject();
    ProfileCaptions c = MakeProfileCaptions(g.s(), g.r(), 1);
    EXPECT_EQ(c.FlowRate, "Flow rate: 12.500 Mega liters/day");
    EXPECT_EQ(c.PumpingHead, "");

    g.s().DemandMode = 1;
    g.s().YearDemandUnit = 1; // m³/h
    g.r().YearFlow[3] = 0.01f;
    EXPECT_EQ(MakeProfileCaptions(g.s(), g.r(), 3).FlowRate, "Flow rate: 36.000 m³/h");

    GraphProject p = PumpingProfileProject();
    c = MakeProfileCaptions(p.s(), p.r(), 1);
    EXPECT_EQ(c.FlowRate, "Flow rate: 50.000 l/s");
    EXPECT_EQ(c.PumpingHead, "Pumping head: 130.000 m");
    p.s().PumpCurveGiven = 1;
    p.s().CurveFlowUnit = 0; // m³/h
    EXPECT_EQ(MakeProfileCaptions(p.s(), p.r(), 1).FlowRate, "Flow rate: 180.000 m³/h");

    // Elevations in ft, the pump-station level in m: the head is formed in
    // metres and shown in ft.
    p.s().ElevationUnit = 2;
    p.s().StartReservoirLevelUnit = 0;
    p.r().Gradeline(1, 1) = 1030.48f;
    ConvertInputToSI(p.s(), p.r());
    EXPECT_EQ(MakeProfileCaptions(p.s(), p.r(), 1).PumpingHead, "Pumping head: 100.000 ft");
    p.s().StartReservoirLevel = 1000 / 0.3048f;
    p.s().StartReservoirLevelUnit = 2;
    ConvertInputToSI(p.s(), p.r());
    EXPECT_EQ(MakeProfileCaptions(p.s(), p.r(), 1).PumpingHead, "Pumping head: 100.000 ft");
}

TEST(ProfileCaptions, EveryFlowUnitNamedAndUnknownUnitsGiveEmptyCaptions)
{
    GraphProject g = CrestProject();
    g.r().YearFlow[1] = 1;
    std::set<std::string> seen;
    for (int code = 0; code < FlowUnits.Count(); ++code) {
        g.s().FixedDemandUnit = static_cast<int16_t>(code);
        const std::string caption = MakeProfileCaptions(g.s(), g.r(), 1).FlowRate;
        const std::string unit = FlowUnits.Text(code);
        EXPECT_EQ(caption.substr(caption.size() - unit.size()), unit) << code;
        seen.insert(caption);
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(FlowUnits.Count()));

    // A code from a damaged file, or a year outside the results: no caption
    // rather than the one of an earlier project.
    g.s().FixedDemandUnit = 40;
    EXPECT_EQ(MakeProfileCaptions(g.s(), g.r(), 1).FlowRate, "");
    g.s().FixedDemandUnit = 0;
    EXPECT_EQ(MakeProfileCaptions(g.s(), g.r(), 0).FlowRate, "");
    EXPECT_EQ(MakeProfileCaptions(g.s(), g.r(), 101).FlowRate, "");
    GraphProject p = PumpingProfileProject();
    p.s().ElevationUnit = -1;
    EXPECT_EQ(MakeProfileCaptions(p.s(), p.r(), 1).PumpingHead, "");
}

TEST(ProfileReadOut, ValuesInsideTheFrameAndOutOfRangeOnePixelBeyond)
{
    GraphProject p = CrestProject();
    Drawn d = drawWhole(p);
    const PlotFrame& f = d.frame;
    ProfileReadOut r = ReadProfile(f, p.s(), f.left + 220, f.bottom - 220);
    EXPECT_EQ(r.Distance, "0.000 m");
    EXPECT_EQ(r.Elevation, "1200.000 m");
    r = ReadProfile(f, p.s(), f.right + 220, f.top - 220);
    EXPECT_EQ(r.Distance, "500.000 m");
    EXPECT_EQ(r.Elevation, "1550.000 m");

    const double onePixel = 15;
    for (auto [x, y] :
         {std::pair{f.left + 220 - onePixel, 2000.0}, std::pair{f.right + 220 + onePixel, 2000.0},
          std::pair{3000.0, f.top - 220 - onePixel},
          std::pair{3000.0, f.bottom - 220 + onePixel}}) {
        r = ReadProfile(f, p.s(), x, y);
        EXPECT_EQ(r.Distance, "Out of range");
        EXPECT_EQ(r.Elevation, "Out of range");
    }

    p.s().ChainageUnit = 1;
    p.s().ElevationUnit = 3;
    r = ReadProfile(f, p.s(), f.left + 220, f.bottom - 220);
    EXPECT_EQ(r.Distance, "0.000 km");
    EXPECT_EQ(r.Elevation, "1200.000 miles");

    // Before any drawing there is nothing to read.
    EXPECT_EQ(ReadProfile(PlotFrame{}, p.s(), 1000, 1000).Distance, "Out of range");
}
