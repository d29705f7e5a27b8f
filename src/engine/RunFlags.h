// The state flags of the project store that an analysis run decides. The run
// reads the project store and never writes it: it returns these in its
// outcome, and the program keeps them in the store (AnalyseProject), where
// the windows read them.
#pragma once

#include <cstdint>

namespace vemora {

struct RunFlags
{
    int16_t ResultsValid = 0;    // 1 after a completed run
    int16_t AnalysisError = 0;   // -1 when a pump curve missed the system curve
    int16_t HighPointFlag = 0;   // 1 when a local high point lowered a gravity flow
    int16_t GradelineFailed = 0; // 1 when no gradeline could be laid
};

} // namespace vemora
