// The captions of the results window's four result labels, formed from the
// stores after a completed run.
#pragma once

#include <string>

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

struct ResultLabels
{
    std::string DesignLife; // lblDesignLife, e.g. "30 years"
    std::string NpvE;       // lblNPVE, e.g. "R1,234,567"
    std::string NpvI;       // lblNPVI
    std::string Irr;        // lblIRR, e.g. "IRR = 13.066 %" or "IRR = n/a"
};

// "30 years", the currency symbol + "#,###,###,###,###,000" for both present
// values, and "IRR = " + "#0.000" + " %", or "IRR = n/a" when the run found
// no rate of return.
ResultLabels MakeResultLabels(const ProjectStore& store, const ResultsStore& results);

} // namespace vemora
