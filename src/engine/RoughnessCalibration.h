// The roughness calibration: from pressures measured along an existing
// pipeline, for up to eight flow scenarios of up to five measuring points,
// the friction loss, mean diameter, velocity and Reynolds number of every
// section between two consecutive points, its absolute roughness by
// Colebrook-White, Barr and Karman-Prandtl, its Hazen-Williams coefficient,
// and its gradeline over the profile nodes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

constexpr int CalibrationScenarioCount = 8;
constexpr int CalibrationPointCount = 5;
constexpr int CalibrationSectionCount = 4; // section j runs from point j to point j + 1

// One measuring point; a value that was not entered has none (an entered 0
// is a real 0).
struct MeasuringPoint
{
    std::optional<double> chainage;  // in the project's chainage unit
    std::optional<double> elevation; // in the project's elevation unit
    std::optional<double> pressure;  // in the scenario's pressure unit

    bool Entered() const { return chainage && elevation && pressure; }
};

// A scenario never calculated holds flow 0 in megalitres per day and
// pressures in pascals (codes 0), as the window shows it.
struct CalibrationScenario
{
    std::optional<double> flow = 0.0; // in the scenario's flow unit
    int flowUnit = 0;                 // flow code (0 Ml/day); outside 0..12 no unit
    int pressureUnit = 0;             // pressure code (0 Pa); outside 0..16 no unit
    std::array<MeasuringPoint, CalibrationPointCount> points{};
};

using CalibrationScenarios = std::array<CalibrationScenario, CalibrationScenarioCount>;

// One profile node as the calibration sees it.
struct CalibrationNode
{
    double chainage = 0;      // as entered, in the project's chainage unit
    double innerDiameter = 0; // m, pipe from this node to the next
    double pipeLength = 0;    // m, pipe from this node to the next (0 at the last node)
};

struct CalibrationProfile
{
    std::vector<CalibrationNode> nodes;   // nodes[0] is node 1
    std::optional<double> chainageFactor; // m per chainage unit
    std::optional<double> levelFactor;    // m per elevation unit
};

// One section's results. Every quantity that could not be computed is absent.
struct CalibrationSection
{
    // Both points entered and a length other than 0.
    bool measured = false;
    std::optional<double> length;       // L, m
    std::optional<double> frictionLoss; // hf = H(j) - H(j + 1), m of water
    std::optional<double> gradient;     // S = hf / L
    // Profile nodes (1-based) whose chainage reads as the point's, to three
    // decimals; the last such node when several do.
    std::optional<int> startNode;
    std::optional<int> endNode;
    // Gradeline levels in m at startNode, startNode + 1, ..., endNode: H(j) at
    // the start, then falling at S along the node chainages. Empty when the
    // section could not be placed on the profile.
    std::vector<double> gradeline;
    std::optional<double> diameter; // D, length-weighted mean internal diameter, m
    std::optional<double> velocity; // V, m/s
    std::optional<double> reynolds; // Re
    // Each ks is absent below zero (a measured loss below the smooth-pipe loss).
    std::optional<double> ksColebrookWhite; // m
    std::optional<double> ksBarr;           // m
    std::optional<double> ksKarmanPrandtl;  // m
    std::optional<double> hazenWilliamsC;
};

struct ScenarioCalibration
{
    std::optional<double> flow; // m³/s, Q = flow x flow factor
    std::array<CalibrationSection, CalibrationSectionCount> sections;
};

using CalibrationResults = std::array<ScenarioCalibration, CalibrationScenarioCount>;

// What the calibration keeps for the whole run of the program: the scenario
// last chosen (1..8), every scenario as its last Calculate stored it, and the
// results of that Calculate. Never saved; cleared only when another project
// takes the place of the current one, whose profile they were measured on.
struct CalibrationData
{
    int CalibScenario = 1;
    CalibrationScenarios scenarios{};
    CalibrationResults results{};
};

// One scenario, computed afresh from its entries and the profile:
// H(p) = elevation x level factor + pressure x pressure factor (m of water),
// L = (chainage(j + 1) - chainage(j)) x chainage factor,
// D = sum of inner diameter x pipe length over the pipes from the start node
// to the end node / the sum of those pipe lengths, then V, Re, the three ks
// and C (RoughnessFormulas.h).
ScenarioCalibration CalibrateScenario(const CalibrationScenario& scenario,
                                      const CalibrationProfile& profile);

// All eight scenarios.
CalibrationResults CalibrateRoughness(const CalibrationScenarios& scenarios,
                                      const CalibrationProfile& profile);

// The profile of nodes 1..nodeCount (kept within 0..500) from the store
// (chainages as entered, chainage and elevation unit codes) and the SI working
// values of ConvertInputToSI (InnerDiameterSI, SectionLengthSI).
CalibrationProfile CalibrationProfileOf(const ProjectStore& store, const ResultsStore& results,
                                        int nodeCount);

// Texts of the results grid rows 1 to 7 of one section: ks Colebrook-White,
// Barr and Karman-Prandtl in mm ("##0.000"), C ("##0.00"), D in mm ("##0.00"),
// V ("##0.000"), Re ("##0.0"); an absent quantity gives an empty text.
std::array<std::string, 7> CalibrationGridTexts(const CalibrationSection& section);

} // namespace vemora
