// Projects and results filled in code for the graph tests: a profile with
// its node types, a gradeline per year, and the yearly series of the system
// graphs, with the few fields each graph reads.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "engine/ResultsStore.h"
#include "platform/Drawing.h"
#include "project/ProjectStore.h"
#include "project/SystemType.h"

namespace vemora::test {

struct ProfileNode
{
    float distance;  // chainage unit
    float elevation; // elevation unit
    int type = 0;    // node type code
};

struct GraphProject
{
    std::unique_ptr<ProjectStore> store = std::make_unique<ProjectStore>();
    std::unique_ptr<ResultsStore> results = std::make_unique<ResultsStore>();

    ProjectStore& s() { return *store; }
    ResultsStore& r() { return *results; }

    // Gradeline levels (m) of the nodes 1..n in a year, placed as the
    // analysis places them: point i - 1 for node i of a gravity system, point
    // i of a pumping one (whose point 0 is the ground of node 1).
    void setGradeline(int year, const std::vector<float>& levels)
    {
        const bool gravity = !IsPumping(*store);
        for (size_t i = 0; i < levels.size(); ++i)
            results->Gradeline(static_cast<int>(gravity ? i : i + 1), year) = levels[i];
        if (!gravity) results->Gradeline(0, year) = store->NodeElevation[1];
    }
};

// A metric project (m, Mega liters/day, Rand) with the given nodes, design
// life 10 from 2001, supply from 2001.
inline GraphProject ProfileProject(const std::vector<ProfileNode>& nodes, int systemType = 0)
{
    GraphProject p;
    ProjectStore& s = p.s();
    s.SystemType = static_cast<int16_t>(systemType);
    s.DesignLife = 10;
    s.BaseYear = 2001;
    s.SupplyStartYear = 2001;
    s.NodeCount = static_cast<int16_t>(nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        s.NodeAccumulatedLength[i + 1] = nodes[i].distance;
        s.NodeElevation[i + 1] = nodes[i].elevation;
        s.NodeTypeCode[i + 1] = static_cast<int16_t>(nodes[i].type);
    }
    return p;
}

// A gravity pipeline over a crest: reservoir at 1500 m, an air valve on the
// crest at 1490 m, an isolating valve, the end reservoir at 1200 m; the
// gradeline of year 1 from 1510 m down to 1210 m.
inline GraphProject CrestProject()
{
    GraphProject p = ProfileProject({{0, 1500, 1},
                                     {100, 1450, 0},
                                     {200, 1490, 5},
                                     {300, 1300, 3},
                                     {400, 1250, 6},
                                     {500, 1200, 1}});
    p.s().StartReservoirLevel = 1510;
    p.setGradeline(1, {1510, 1505, 1495, 1400, 1300, 1210});
    p.setGradeline(2, {1510, 1503, 1492, 1390, 1290, 1210});
    p.r().YearFlow[1] = 12.5f * 0.011574074f; // 12.5 Mega liters/day
    return p;
}

// A pumping pipeline from a pump station at 1000 m up to a reservoir at
// 1100 m, pumping head 130 m in year 1 (levels after the pump 1130 m).
inline GraphProject PumpingProfileProject()
{
    GraphProject p =
        ProfileProject({{0, 1000, 2}, {250, 1040, 4}, {500, 1060, 5}, {1000, 1100, 1}}, 1);
    p.s().StartReservoirLevel = 1000;
    p.r().StartLevelSI = 1000; // as the SI conversion leaves it
    p.s().PumpingHours = 20;
    p.s().OperatingFlowRate = 50;
    p.s().OperatingFlowRateUnit = 2; // l/s
    p.setGradeline(1, {1130, 1120, 1112, 1101});
    p.r().YearFlow[1] = 0.05f;
    return p;
}

// The primitives of a kind in one colour.
inline std::vector<const Primitive*> Of(const Drawing& d, PrimitiveKind kind, uint32_t color)
{
    std::vector<const Primitive*> out;
    for (const Primitive* p : d.of(kind))
        if (p->color == color) out.push_back(p);
    return out;
}

// The texts of a drawing, in drawing order.
inline std::vector<QString> Texts(const Drawing& d)
{
    std::vector<QString> out;
    for (const Primitive* p : d.of(PrimitiveKind::Text))
        out.push_back(p->text);
    return out;
}

} // namespace vemora::test
