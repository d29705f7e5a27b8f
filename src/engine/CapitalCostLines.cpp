#include "engine/CapitalCostLines.h"

namespace vemora {

CapitalCostLines BuildCapitalCostLines(const ProjectStore& store, const ResultsStore& results)
{
    const float p = store.PrelimGeneralPercent;
    const float c = store.ContingencyPercent;
    CapitalCostLines l;
    l.Pipeline = results.PipeLayingCost + results.PipeSupplyCost;
    l.Mechanical = store.MechanicalWorksCost;
    l.Electrical = store.ElectricalWorksCost;
    l.Subtotal1 = results.PipeLayingCost + results.PipeSupplyCost + store.ElectricalWorksCost +
                  store.MechanicalWorksCost;
    l.PrelimGeneral = p / 100.0f * l.Subtotal1;
    l.Subtotal2 = (p / 100.0f + 1.0f) * l.Subtotal1;
    l.Contingencies = c / 100.0f * l.Subtotal2;
    l.Escalation = results.EscalationCost;
    l.Subtotal3 = (c / 100.0f + 1.0f) * l.Subtotal2 + results.EscalationCost;
    l.ConsultingFees = results.ConsultingFees;
    l.Administration = results.SupervisionCost;
    l.ConstructionTotal = results.ConsultingFees + l.Subtotal3 + results.SupervisionCost;
    // The VAT factors are exact decimals taken in double precision.
    l.Vat = static_cast<float>(static_cast<double>(l.ConstructionTotal) * 0.14);
    l.TotalCapitalCost = static_cast<float>(static_cast<double>(l.ConstructionTotal) * 1.14);
    return l;
}

} // namespace vemora
