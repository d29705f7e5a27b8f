#include "engine/RoughnessCalibration.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/CalibrationUnits.h"
#include "engine/NumberFormat.h"
#include "engine/RoughnessFormulas.h"
#include "project/UnitTables.h"

namespace vemora {
namespace {

// A product of two known values, absent when either is absent or it is not finite.
std::optional<double> Times(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b) return std::nullopt;
    const double x = *a * *b;
    if (!std::isfinite(x)) return std::nullopt;
    return x;
}

// Measured head at a point, m of water.
std::optional<double> PointHead(const MeasuringPoint& p, std::optional<double> levelFactor,
                                std::optional<double> pressureFactor)
{
    const auto z = Times(p.elevation, levelFactor);
    const auto h = Times(p.pressure, pressureFactor);
    if (!z || !h) return std::nullopt;
    return *z + *h;
}

// The node chainages as the point list shows them ("#0.000"), so that a
// point picked from that list finds its node.
std::vector<std::string> NodeChainageTexts(const CalibrationProfile& profile)
{
    std::vector<std::string> texts;
    texts.reserve(profile.nodes.size());
    for (const CalibrationNode& node : profile.nodes)
        texts.push_back(std::isfinite(node.chainage) ? FormatThreeDecimals(node.chainage)
                                                     : std::string());
    return texts;
}

// The last node (1-based) whose chainage text equals the point's.
std::optional<int> MatchingNode(double chainage, const std::vector<std::string>& nodeTexts)
{
    if (!std::isfinite(chainage)) return std::nullopt;
    const std::string text = FormatThreeDecimals(chainage);
    for (std::size_t k = nodeTexts.size(); k > 0; --k)
        if (nodeTexts[k - 1] == text) return static_cast<int>(k);
    return std::nullopt;
}

// Levels from the start node to the end node: the head of the first point,
// then down the measured gradient along the node chainages.
std::vector<double> SectionGradeline(const CalibrationProfile& profile, int start, int end,
                                     double startHead, double chainageFactor, double S)
{
    std::vector<double> levels;
    if (start > end) return levels;
    levels.push_back(startHead);
    for (int k = start + 1; k <= end; ++k) {
        const double run = profile.nodes[static_cast<std::size_t>(k - 1)].chainage -
                           profile.nodes[static_cast<std::size_t>(k - 2)].chainage;
        const double level = levels.back() - run * chainageFactor * S;
        if (!std::isfinite(level)) return {};
        levels.push_back(level);
    }
    return levels;
}

// D = sum of D(k) L(k) over the pipes k = start .. end - 1, divided by the
// summed length of those pipes: the mean of the pipes themselves, whatever
// chainage was typed for the points.
std::optional<double> MeanDiameter(const CalibrationProfile& profile, int start, int end)
{
    if (start >= end) return std::nullopt;
    double sum = 0, length = 0;
    for (int k = start; k < end; ++k) {
        const CalibrationNode& node = profile.nodes[static_cast<std::size_t>(k - 1)];
        sum += node.innerDiameter * node.pipeLength;
        length += node.pipeLength;
    }
    const double D = sum / length;
    if (!(D > 0) || !std::isfinite(D)) return std::nullopt;
    return D;
}

// A roughness below zero has no meaning: the measured loss is below the
// smooth-pipe loss at this flow.
std::optional<double> Roughness(std::optional<double> ks)
{
    if (!ks || *ks < 0) return std::nullopt;
    return ks;
}

CalibrationSection CalibrateSection(const MeasuringPoint& from, const MeasuringPoint& to,
                                    std::optional<double> Q, std::optional<double> pressureFactor,
                                    const CalibrationProfile& profile,
                                    const std::vector<std::string>& nodeTexts)
{
    CalibrationSection s;
    if (!from.Entered() || !to.Entered()) return s;
    const auto x1 = Times(from.chainage, profile.chainageFactor);
    const auto x2 = Times(to.chainage, profile.chainageFactor);
    if (!x1 || !x2 || *x2 - *x1 == 0) return s;
    s.measured = true;
    s.length = *x2 - *x1;

    const auto H1 = PointHead(from, profile.levelFactor, pressureFactor);
    const auto H2 = PointHead(to, profile.levelFactor, pressureFactor);
    if (H1 && H2) {
        s.frictionLoss = *H1 - *H2;
        const double S = *s.frictionLoss / *s.length;
        if (std::isfinite(S)) s.gradient = S;
    }

    s.startNode = MatchingNode(*from.chainage, nodeTexts);
    s.endNode = MatchingNode(*to.chainage, nodeTexts);
    if (!s.startNode || !s.endNode) return s;
    if (H1 && s.gradient)
        s.gradeline = SectionGradeline(profile, *s.startNode, *s.endNode, *H1,
                                       *profile.chainageFactor, *s.gradient);

    s.diameter = MeanDiameter(profile, *s.startNode, *s.endNode);
    if (!s.diameter || !Q) return s;
    const double D = *s.diameter;
    const double L = *s.length;
    s.velocity = SectionVelocity(*Q, D);
    if (!s.velocity) return s;
    const double V = *s.velocity;
    s.reynolds = SectionReynolds(D, V);
    if (!s.frictionLoss) return s;
    const double hf = *s.frictionLoss;
    s.ksKarmanPrandtl = Roughness(KarmanPrandtlRoughness(D, L, V, hf));
    if (s.reynolds) s.ksBarr = Roughness(BarrRoughness(D, L, V, hf, *s.reynolds));
    s.ksColebrookWhite = Roughness(ColebrookWhiteRoughness(D, L, V, hf));
    s.hazenWilliamsC = HazenWilliamsCoefficient(D, L, V, hf);
    return s;
}

ScenarioCalibration CalibrateWithNodeTexts(const CalibrationScenario& scenario,
                                           const CalibrationProfile& profile,
                                           const std::vector<std::string>& nodeTexts)
{
    ScenarioCalibration result;
    result.flow = Times(scenario.flow, CalibrationFlowFactor(scenario.flowUnit));
    const auto pressureFactor = CalibrationPressureFactor(scenario.pressureUnit);
    for (int j = 0; j < CalibrationSectionCount; ++j)
        result.sections[static_cast<std::size_t>(j)] =
            CalibrateSection(scenario.points[static_cast<std::size_t>(j)],
                             scenario.points[static_cast<std::size_t>(j + 1)], result.flow,
                             pressureFactor, profile, nodeTexts);
    return result;
}

// "##0.000"-style text: `decimals` decimals, at least one integer digit.
std::string FixedText(std::optional<double> value, int decimals, double scale = 1.0)
{
    if (!value || !std::isfinite(*value * scale)) return {};
    char digits[400];
    const auto end = std::to_chars(digits, digits + sizeof digits, *value * scale,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    std::string text(digits, end);
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-')
        text.erase(0, 1); // no "-0.000"
    return text;
}

} // namespace

ScenarioCalibration CalibrateScenario(const CalibrationScenario& scenario,
                                      const CalibrationProfile& profile)
{
    return CalibrateWithNodeTexts(scenario, profile, NodeChainageTexts(profile));
}

CalibrationResults CalibrateRoughness(const CalibrationScenarios& scenarios,
                                      const CalibrationProfile& profile)
{
    const auto nodeTexts = NodeChainageTexts(profile);
    CalibrationResults results;
    for (std::size_t i = 0; i < scenarios.size(); ++i)
        results[i] = CalibrateWithNodeTexts(scenarios[i], profile, nodeTexts);
    return results;
}

CalibrationProfile CalibrationProfileOf(const ProjectStore& store, const ResultsStore& results,
                                        int nodeCount)
{
    CalibrationProfile profile;
    const int n = std::clamp(nodeCount, 0, MaxNodes);
    profile.nodes.resize(static_cast<std::size_t>(n));
    for (int k = 1; k <= n; ++k) {
        CalibrationNode& node = profile.nodes[static_cast<std::size_t>(k - 1)];
        node.chainage = store.NodeAccumulatedLength[k];
        node.innerDiameter = results.InnerDiameterSI[k];
        node.pipeLength = k < n ? results.SectionLengthSI[k] : 0.0;
    }
    if (const auto f = LengthUnits.Factor(store.ChainageUnit)) profile.chainageFactor = *f;
    if (const auto f = LengthUnits.Factor(store.ElevationUnit)) profile.levelFactor = *f;
    return profile;
}

std::array<std::string, 7> CalibrationGridTexts(const CalibrationSection& s)
{
    return {FixedText(s.ksColebrookWhite, 3, 1000.0),
            FixedText(s.ksBarr, 3, 1000.0),
            FixedText(s.ksKarmanPrandtl, 3, 1000.0),
            FixedText(s.hazenWilliamsC, 2),
            FixedText(s.diameter, 2, 1000.0),
            FixedText(s.velocity, 3),
            FixedText(s.reynolds, 1)};
}

} // namespace vemora
