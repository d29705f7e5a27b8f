#include "engine/CapitalCost.h"

#include <cmath>

#include "engine/CapitalCostLines.h"
#include "engine/EngineMath.h"

namespace vemora {
namespace {

// The five laying items of one section, diameter D and length L in m.
void CostSection(ResultsStore& r, int i, float D, float L)
{
    const double W = TrenchWidth(D);
    const double rock = r.RockPercent / 100.0;
    const double bed = r.BeddingImportPercent / 100.0;
    const double blanket = r.BlanketImportPercent / 100.0;
    const double C = r.RequiredCover, U = r.ExcavationBelowInvert;
    const double E = C + D + U; // trench depth

    r.SectionExcavationCost[i] = ToFloat(E * r.ExcavationRate * W * L * (1 - rock) +
                                         E * r.RockExcavationRate * W * L * rock);
    r.SectionBeddingCost[i] = ToFloat(r.BeddingTrenchRate * W * U * L * (1 - bed) +
                                      r.BeddingImportRate * W * U * L * bed);
    const float zone = ToFloat((D + 0.1) * r.BlanketTrenchRate * W * L * (1 - blanket) +
                               (D + 0.1) * r.BlanketImportRate * W * L * blanket);
    const double A = Pi / 4.0 * static_cast<double>(D) * D;
    r.SectionBlanketCost[i] = ToFloat(zone - (A * r.BlanketImportRate * L * blanket +
                                              A * r.BlanketTrenchRate * L * (1 - blanket)));
    const double backfill = r.BackfillingRate * W * L * (C - 0.1);
    r.SectionBackfillCost[i] = backfill < 0 ? 0.0f : ToFloat(backfill);
    r.SectionLayingCost[i] = ToFloat(static_cast<double>(r.LayingCostRate) * L);
}

} // namespace

// The working space added to the pipe's width grows with the pipe, in four
// bands: a rule of thumb for trench excavation, not a standard.
float TrenchWidth(float D)
{
    if (D <= 0.7f) return ToFloat(D + 0.6);
    if (D <= 1.0f) return ToFloat(D + 0.8);
    if (D <= 2.0f) return ToFloat(D + 1.0);
    return ToFloat(D + 1.2);
}

// The two fee scales follow the consulting engineers' scale of fees: one for
// the pipe works and one, with other breakpoints, for the mechanical and
// electrical works; each band adds its percentage of the amount above its
// lower bound to the fee at that bound.
float PipeWorksFee(double P)
{
    if (P <= 800000.0) return ToFloat(0.125 * P);
    if (P <= 3400000.0) return ToFloat(100000.0 + 0.10 * (P - 800000.0));
    if (P <= 13100000.0) return ToFloat(360000.0 + 0.075 * (P - 3400000.0));
    return ToFloat(1087500.0 + 0.055 * (P - 13100000.0));
}

float MechanicalElectricalFee(double Q)
{
    if (Q <= 800000.0) return ToFloat(0.125 * Q);
    if (Q <= 2500000.0) return ToFloat(100000.0 + 0.10 * (Q - 800000.0));
    if (Q <= 7400000.0) return ToFloat(270000.0 + 0.08 * (Q - 2500000.0));
    if (Q <= 17100000.0) return ToFloat(662000.0 + 0.07 * (Q - 7400000.0));
    if (Q <= 31400000.0) return ToFloat(1341000.0 + 0.06 * (Q - 17100000.0));
    return ToFloat(2199000.0 + 0.055 * (Q - 31400000.0));
}

float ConstructionEscalation(float S, int M, float ratePercent)
{
    if (M <= 0) return 0.0f;
    const double part = static_cast<double>(S) / M;
    const double monthly = 1.0 + ratePercent / 1200.0;
    float sum = 0.0f;
    double factor = 1.0;
    for (int m = 1; m <= M; ++m) {
        factor = std::pow(monthly, m);
        sum = ToFloat(sum + (factor * part - part));
    }
    return sum;
}

bool CalcCapitalCost(const ProjectStore& s, ResultsStore& r, float supervisionCost)
{
    const int sections = UsedNodeCount(s) - 1;
    float supply = 0.0f, laying = 0.0f;
    for (int i = 1; i <= sections; ++i) {
        const float D = r.InnerDiameterSI[i] + r.DoubleLiningSI;
        const float L = r.SectionLengthSI[i];
        supply = ToFloat(supply + static_cast<double>(L) * s.PipeCostPerMetre[i]);
        CostSection(r, i, D, L);
        laying = ToFloat(laying + static_cast<double>(r.SectionExcavationCost[i]) +
                         r.SectionBeddingCost[i] + r.SectionBlanketCost[i] +
                         r.SectionBackfillCost[i] + r.SectionLayingCost[i]);
    }
    r.PipeSupplyCost = supply;
    r.PipeLayingCost = laying;

    const double markUp =
        (1.0 + s.PrelimGeneralPercent / 100.0) * (1.0 + s.ContingencyPercent / 100.0);
    const float S = ToFloat(
        (static_cast<double>(laying) + supply + s.ElectricalWorksCost + s.MechanicalWorksCost) *
        markUp);
    r.ConstructionSubtotal = S;
    const int months = (s.SupplyStartYear - s.BaseYear) * 12;
    r.EscalationCost = ConstructionEscalation(S, months, s.EscalationRate);

    double P = 0.0, Q = 0.0; // fee bases, each with its share of the escalation
    if (S != 0.0f) {
        const double P0 = (static_cast<double>(laying) + supply) * markUp;
        const double Q0 =
            (static_cast<double>(s.MechanicalWorksCost) + s.ElectricalWorksCost) * markUp;
        P = P0 + r.EscalationCost * P0 / S;
        Q = Q0 + r.EscalationCost * Q0 / S;
    }
    r.ConsultingFees = ToFloat(static_cast<double>(PipeWorksFee(P)) + MechanicalElectricalFee(Q));
    r.SupervisionCost = supervisionCost;
    r.TotalCapitalCost = CapitalCostWithVat(r);

    for (int i = 1; i <= sections; ++i)
        if (!IsFinite(r.SectionExcavationCost[i]) || !IsFinite(r.SectionBeddingCost[i]) ||
            !IsFinite(r.SectionBlanketCost[i]) || !IsFinite(r.SectionBackfillCost[i]))
            return false;
    for (double v : {static_cast<double>(r.PipeSupplyCost), static_cast<double>(r.PipeLayingCost),
                     static_cast<double>(S), static_cast<double>(r.EscalationCost),
                     static_cast<double>(r.ConsultingFees), static_cast<double>(r.SupervisionCost),
                     static_cast<double>(r.TotalCapitalCost)})
        if (!IsFinite(v)) return false;
    return true;
}

} // namespace vemora
