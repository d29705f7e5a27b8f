#include "engine/CapitalCostLines.h"

#include "engine/EngineMath.h"

namespace vemora {
namespace {

constexpr double WithVat = 1.14; // the capital cost carries 14 % VAT

float WithEscalation(const ResultsStore& r)
{
    return ToFloat(static_cast<double>(r.ConstructionSubtotal) + r.EscalationCost);
}

} // namespace

float ConstructionTotal(const ResultsStore& r)
{
    return ToFloat(static_cast<double>(r.ConsultingFees) + WithEscalation(r) + r.SupervisionCost);
}

float CapitalCostWithVat(const ResultsStore& r)
{
    return ToFloat(static_cast<double>(ConstructionTotal(r)) * WithVat);
}

CapitalCostLines BuildCapitalCostLines(const ProjectStore& store, const ResultsStore& results)
{
    const float p = store.PrelimGeneralPercent;
    CapitalCostLines l;
    l.Pipeline = results.PipeLayingCost + results.PipeSupplyCost;
    l.Mechanical = store.MechanicalWorksCost;
    l.Electrical = store.ElectricalWorksCost;
    l.Subtotal1 = results.PipeLayingCost + results.PipeSupplyCost + store.ElectricalWorksCost +
                  store.MechanicalWorksCost;
    l.PrelimGeneral = p / 100.0f * l.Subtotal1;
    l.Subtotal2 = (p / 100.0f + 1.0f) * l.Subtotal1;
    // The analysis applies both mark-ups at once: the contingencies are
    // what its subtotal adds to S2.
    l.Contingencies = results.ConstructionSubtotal - l.Subtotal2;
    l.Escalation = results.EscalationCost;
    l.Subtotal3 = WithEscalation(results);
    l.ConsultingFees = results.ConsultingFees;
    l.Administration = results.SupervisionCost;
    l.ConstructionTotal = ConstructionTotal(results);
    l.TotalCapitalCost = CapitalCostWithVat(results);
    l.Vat = l.TotalCapitalCost - l.ConstructionTotal;
    return l;
}

} // namespace vemora
