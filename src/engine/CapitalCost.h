// The capital cost: pipe supply and laying per section, mark-ups, escalation
// during construction, consulting fees, supervision and VAT. Money in the
// project currency, 4-byte reals.
#pragma once

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

// Trench width W (m) for a pipe of diameter D (m): D + 0.6 up to 0.7 m (the
// 4-byte real nearest 0.7), D + 0.8 up to 1.0 m, D + 1.0 up to 2.0 m, else D + 1.2.
float TrenchWidth(float diameter);

// Consulting fee on the pipe works for fee base P: 12.5 % up to 800,000;
// 100,000 + 10 % above it up to 3,400,000; 360,000 + 7.5 % above it up to
// 13,100,000; 1,087,500 + 5.5 % above that. Bands include their upper bound.
float PipeWorksFee(double base);

// Consulting fee on the mechanical and electrical works for fee base Q:
// 12.5 % up to 800,000; 100,000 + 10 % to 2,500,000; 270,000 + 8 % to
// 7,400,000; 662,000 + 7 % to 17,100,000; 1,341,000 + 6 % to 31,400,000;
// 2,199,000 + 5.5 % above.
float MechanicalElectricalFee(double base);

// Escalation of subtotal S spent in `months` equal monthly parts, part m
// escalated by (1 + rate/1200)^m: sum of ((1 + rate/1200)^m S/M - S/M);
// 0 when months <= 0. `rate` in % per year.
float ConstructionEscalation(float subtotal, int months, float ratePercent);

// Computes the section items, PipeSupplyCost, PipeLayingCost,
// ConstructionSubtotal, EscalationCost, ConsultingFees, SupervisionCost and
// TotalCapitalCost = (escalation + subtotal + fees + supervision) x 1.14
// (CapitalCostWithVat).
// A subtotal of 0 is costed with fee bases 0. Needs ConvertInputToSI and
// CopyLayingRates. False when a result is not finite.
bool CalcCapitalCost(const ProjectStore& store, ResultsStore& results, float supervisionCost);

} // namespace vemora
