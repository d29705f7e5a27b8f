#include "engine/TariffSplit.h"

#include "engine/EngineMath.h"

namespace vemora {
namespace {

struct HourCounts
{
    float OffPeak = 0, Standard = 0, Peak = 0;
};

HourCounts CountHours(const Array1<int16_t, 24>& pattern)
{
    HourCounts c;
    for (int h = 1; h <= 24; ++h) {
        if (pattern[h] == 0)
            c.OffPeak += 1;
        else if (pattern[h] == 1)
            c.Standard += 1;
        else if (pattern[h] == 2)
            c.Peak += 1;
    }
    return c;
}

} // namespace

SeasonSplit SplitSeasonHours(float H, float O, float S)
{
    SeasonSplit split;
    if (H >= O) {
        split.OffPeak = O;
        const float both = O + S;
        if (both <= H) {
            split.Standard = S;
            split.Peak = H - both;
        } else {
            split.Standard = H - O;
        }
    } else {
        split.OffPeak = H;
    }
    return split;
}

void AllocatePumpingHoursToTariffPeriods(const ProjectStore& store, ResultsStore& r)
{
    const HourCounts summer = CountHours(store.SummerHourPeriod);
    const HourCounts winter = CountHours(store.WinterHourPeriod);
    r.SummerOffPeakHourCount = summer.OffPeak;
    r.SummerStandardHourCount = summer.Standard;
    r.SummerPeakHourCount = summer.Peak;
    r.WinterOffPeakHourCount = winter.OffPeak;
    r.WinterStandardHourCount = winter.Standard;
    r.WinterPeakHourCount = winter.Peak;
    r.SummerOffPeakPumpHours = r.SummerStandardPumpHours = r.SummerPeakPumpHours = 0;
    r.WinterOffPeakPumpHours = r.WinterStandardPumpHours = r.WinterPeakPumpHours = 0;

    for (int y = 1; y <= UsedDesignLife(store); ++y) {
        const float H = r.YearPumpingHours[y];
        const SeasonSplit s = SplitSeasonHours(H, summer.OffPeak, summer.Standard);
        const SeasonSplit w = SplitSeasonHours(H, winter.OffPeak, winter.Standard);
        r.SummerOffPeakPumpHours = r.YearSummerOffPeakHours[y] = s.OffPeak;
        r.SummerStandardPumpHours = r.YearSummerStandardHours[y] = s.Standard;
        r.SummerPeakPumpHours = r.YearSummerPeakHours[y] = s.Peak;
        r.WinterOffPeakPumpHours = r.YearWinterOffPeakHours[y] = w.OffPeak;
        r.WinterStandardPumpHours = r.YearWinterStandardHours[y] = w.Standard;
        r.WinterPeakPumpHours = r.YearWinterPeakHours[y] = w.Peak;
    }
}

} // namespace vemora
