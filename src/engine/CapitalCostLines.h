// The capital cost as the cost table and the cost report build it up line by
// line from its components, with every subtotal, both mark-ups and the VAT.
// Money in the project currency, 4-byte reals; each line is rounded to a
// 4-byte real before the next uses it.
#pragma once

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

struct CapitalCostLines
{
    float Pipeline = 0;           // P = PipeLayingCost + PipeSupplyCost
    float Mechanical = 0;         // MechanicalWorksCost as entered
    float Electrical = 0;         // ElectricalWorksCost as entered
    float Subtotal1 = 0;          // S1 = P + electrical + mechanical
    float PrelimGeneral = 0;      // p / 100 x S1
    float Subtotal2 = 0;          // S2 = (p / 100 + 1) x S1
    float Contingencies = 0;      // c / 100 x S2
    float Escalation = 0;         // EscalationCost
    float Subtotal3 = 0;          // S3 = (c / 100 + 1) x S2 + escalation
    float ConsultingFees = 0;     // ConsultingFees
    float Administration = 0;     // SupervisionCost
    float ConstructionTotal = 0;  // S4 = fees + S3 + administration
    float Vat = 0;                // S4 x 0.14
    float TotalCapitalCost = 0;   // T = S4 x 1.14
};

// The lines from the entered works costs and mark-ups (p = PrelimGeneralPercent,
// c = ContingencyPercent, in %) and the computed pipe, escalation, fee and
// administration costs. T is the stored TotalCapitalCost up to 4-byte rounding.
CapitalCostLines BuildCapitalCostLines(const ProjectStore& store, const ResultsStore& results);

} // namespace vemora
