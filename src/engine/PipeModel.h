// The pipeline as the hydraulics see it: per node the internal diameter,
// section length, secondary-loss coefficient and elevation in metres, and per
// year the loss coefficient of every section.
#pragma once

#include <vector>

#include "engine/AnalysisFailure.h"
#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

// The lowest pressure head a node may have, m (a 4-byte real, as the heads
// are compared): a gravity flow that leaves a node at or below it is lowered,
// and a pumping gradeline is raised until no node lies below it.
constexpr float PressureHeadLimit = -1.0f;

// Year-independent pipe data, index 1..n (n = NodeCount). Section j runs from
// node j to node j + 1 with the data of node j; index n is the outlet of the
// last node into the end reservoir, which has no length.
struct PipeModel
{
    int n = 0;
    std::vector<double> D;    // internal diameter, m
    std::vector<double> L;    // section length, m (L[n] = 0)
    std::vector<double> K;    // secondary-loss coefficient
    std::vector<double> Area; // flow area pi D² / 4, m²
    std::vector<float> z;     // node elevation, m (elevation x LevelUnitFactor)
};

// Builds the model from the store and the SI working values. Fails when there
// is no node at all, then at the first node without a usable diameter (0,
// negative or not finite), then at the first with a value that is not finite.
AnalysisFailure BuildPipeModel(const ProjectStore& store, const ResultsStore& results,
                               PipeModel& model);

// Darcy friction factor of the fully rough turbulent law,
// f = (1 / (2 log10(3.7 D / Ks)))², D and Ks in m. False when the logarithm is
// undefined or zero or the result is not finite.
bool RoughFrictionFactor(double diameter, double roughness, float& f);

// Writes FrictionFactor(j, y) for j = 1..n at the year's roughness and the
// loss coefficients c[j] (m per (m³/s)²) with hf + hs = c[j] Q²:
// c = (f L / D + K) / (19.62 A²). Fails on a roughness of 0, or at the first
// node whose friction factor or coefficient has no value.
AnalysisFailure ComputeYearLossCoefficients(const PipeModel& model, int year, ResultsStore& results,
                                            std::vector<double>& c);

// FrictionFactor(j, to) = FrictionFactor(j, from) for j = 1..n: a year whose
// roughness is that of another has its friction factors and coefficients.
void CopyYearFrictionFactors(const PipeModel& model, int from, int to, ResultsStore& results);

// Friction loss hf = f L v² / (D 19.62) and secondary loss hs = K v² / 19.62
// of every section j = 1..n at flow Q (m³/s), v = Q / A, written to
// FrictionHeadLoss(j, y) and SecondaryHeadLoss(j, y) in m.
void StoreSectionLosses(const PipeModel& model, int year, double flow, ResultsStore& results);

} // namespace vemora
