// Split of each year's daily pumping hours over the time-of-use tariff periods.
#pragma once

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

// Counts the off-peak, standard and peak hours of the summer and winter
// patterns (codes 0, 1, 2; other codes count nowhere), then for every year
// fills the cheapest hours first: with H = YearPumpingHours(y), O and S the
// season's off-peak and standard counts: H >= O gives off-peak O and, when
// O + S <= H, standard S and peak H - (O + S), else standard H - O and peak 0;
// H < O gives off-peak H. Hours per day.
void AllocatePumpingHoursToTariffPeriods(const ProjectStore& store, ResultsStore& results);

// One season's split of H hours with O off-peak and S standard hours.
struct SeasonSplit
{
    float OffPeak = 0, Standard = 0, Peak = 0;
};
SeasonSplit SplitSeasonHours(float hours, float offPeakCount, float standardCount);

} // namespace vemora
