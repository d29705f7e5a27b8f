// The results store: what an analysis computes from the project data store,
// read by the results windows and reports. Plain data, 1-based arrays.
#pragma once

#include <array>
#include <cstdint>

namespace vemora {

struct ResultsStore {
    // Filled in by the analysis engine.
};

} // namespace vemora
