// The capital cost as the cost table and the cost report build it up line by
// line from its components, with every subtotal, both mark-ups and the VAT.
// Money in the project currency, 4-byte reals. The lines end at the figures
// the analysis stores: the construction subtotal with both mark-ups, the
// construction total and the total capital cost are the analysis' own, so
// that the table adds up to the total every other result uses.
#pragma once

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

struct CapitalCostLines
{
    float Pipeline = 0;          // P = PipeLayingCost + PipeSupplyCost
    float Mechanical = 0;        // MechanicalWorksCost as entered
    float Electrical = 0;        // ElectricalWorksCost as entered
    float Subtotal1 = 0;         // S1 = P + electrical + mechanical
    float PrelimGeneral = 0;     // p / 100 x S1
    float Subtotal2 = 0;         // S2 = (p / 100 + 1) x S1
    float Contingencies = 0;     // ConstructionSubtotal - S2 (c / 100 x S2 but for rounding)
    float Escalation = 0;        // EscalationCost
    float Subtotal3 = 0;         // S3 = ConstructionSubtotal + escalation
    float ConsultingFees = 0;    // ConsultingFees
    float Administration = 0;    // SupervisionCost
    float ConstructionTotal = 0; // S4 = fees + S3 + administration
    float Vat = 0;               // T - S4
    float TotalCapitalCost = 0;  // T = S4 x 1.14, the stored TotalCapitalCost
};

// S4 = ConsultingFees + (ConstructionSubtotal + EscalationCost) +
// SupervisionCost, each sum a 4-byte real: the total before VAT, from which
// the analysis takes its TotalCapitalCost.
float ConstructionTotal(const ResultsStore& results);

// T = S4 x 1.14 (14 % VAT), a 4-byte real.
float CapitalCostWithVat(const ResultsStore& results);

// The lines from the entered works costs and mark-ups (p = PrelimGeneralPercent,
// c = ContingencyPercent, in %) and the analysis' capital cost figures.
CapitalCostLines BuildCapitalCostLines(const ProjectStore& store, const ResultsStore& results);

} // namespace vemora
