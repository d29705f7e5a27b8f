// Yearly costs over the project period, present values and the internal rate
// of return. C = SupplyStartYear - BaseYear construction years, N = DesignLife
// operating years; operating year y is project year C + y.
#pragma once

#include "engine/AnalysisFailure.h"
#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

// C + N must fit the 100 entries of the per-year series; C must not be
// negative and there must be at least one operating year. Fails as
// SupplyBeforeStart, NoDesignLife or PeriodTooLong, checked in that order.
AnalysisFailure CheckProjectPeriod(const ProjectStore& store);

// Maintenance g(y) x base x percentage/10000 per kind (g(y) = (1 + EscalationRate/100)^(y-1)),
// YearOperational = g(y) x (staff + other), YearEnergy (pumping only) and
// YearCapital = TotalCapitalCost / C per construction year.
// Energy of year y = H x 9.81 Q x T / (e/100 x 0.95) x (1 + EnergyEscalationRate/100)^(y-1),
// H = PumpingHead(y) = Gradeline(1, y) - StartLevelSI (m; a negative head buys nothing),
// Q (m³/s) and e (%) the duty flow and efficiency, or the operating flow and
// OperatingEfficiency, and T the year's tariff per kW:
// T = 365 ((12 - SummerMonths)/12 x winter rates x hours + SummerMonths/12 x summer rates x hours).
// Fails as CheckProjectPeriod does, at the first year of a pump efficiency of
// 0, or at the first year whose costs are not finite.
AnalysisFailure CalcYearlyCosts(const ProjectStore& store, ResultsStore& results);

// NpvExpenditure: capital (undiscounted when C < 2, else the C equal parts
// discounted by (1 + d)^(t - 1)) plus each operating year's costs / (1 + d)^(C + y - 1);
// NpvIncome likewise from YearIncome; d = DiscountRate/100. Also the
// expenditure series YearExpenditure(1..C + N).
void CalcPresentValues(const ProjectStore& store, ResultsStore& results);

// Scans i = r/10000, r = 0..20000: IrrRate(r) = r/100 %, IrrPvDifference(r) =
// D. D exactly 0 gives Irr = r/100; a sign change from D' (step r - 1) to D
// gives the straight-line zero (r - 1)/100 + 0.01 D'/(D' - D). The last such
// step wins; none leaves IrrFound false (and Irr 0).
void ScanInternalRateOfReturn(const ProjectStore& store, ResultsStore& results);

} // namespace vemora
