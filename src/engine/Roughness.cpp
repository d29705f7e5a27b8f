#include "engine/Roughness.h"

#include "engine/EngineMath.h"

namespace vemora {

bool AgeRoughness(const ProjectStore& store, ResultsStore& r)
{
    const double det = store.DeteriorationYears;
    if (!IsFinite(det)) return false;
    const double rounded = RoundHalfEven(det);
    // The period must fit the yearly series: 1 to 100 years.
    if (rounded < 1.0 || rounded > MaxYears) return false;
    const int T = static_cast<int>(rounded);

    const double ksNew = r.RoughnessNewSI;
    const double ksOld = r.RoughnessOldSI;
    // Rising line, years 1..T (a period of exactly one year has no line).
    if (det != 1.0)
        for (int y = 1; y <= T; ++y)
            r.YearRoughness[y] = ToFloat(ksNew + (ksOld - ksNew) * (y - 1) / (det - 1.0));
    // Old roughness from year T to the design life.
    for (int y = T; y <= UsedDesignLife(store); ++y)
        r.YearRoughness[y] = r.RoughnessOldSI;
    return true;
}

} // namespace vemora
