// Supply, shortage and pumping hours per year, and the water-sales income.
#pragma once

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

// For every year y, with D = YearDemandSI(y), Q = YearFlow(y) (m³/s), P =
// PumpingHours and f = DemandUnitFactor. Gravity: YearShortage = 0 when Q / f
// (a 4-byte real) exceeds the demand input, else demand input - Q / f.
// Pumping (operating flow: YearFlow first set to the operating flow):
// capacity C = P Q / 24; D < C gives shortage 0 and YearPumpingHours =
// 24 D / Q, otherwise shortage (D - C) / f and P hours. Shortage is in the
// demand input's unit, hours in h/day.
void CalcSupplyAndShortage(const ProjectStore& store, ResultsStore& results);

// YearIncome(y) = (1 + WaterPriceIncrease/100)^(y - 1) x S x 31,536,000 /
// SalesVolumeUnitFactor x WaterPrice, with the supplied flow S (m³/s) the
// smaller of D and Q (gravity) or of D and YearPumpingHours x Q / 24 (pumping).
void CalcWaterSalesIncome(const ProjectStore& store, ResultsStore& results);

} // namespace vemora
