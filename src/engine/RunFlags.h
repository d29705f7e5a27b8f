// The state flags of the project store that an analysis run decides. The run
// reads the project store and never writes it: it returns these in its
// outcome, and the program keeps them in the store (AnalyseProject), where
// the windows read them.
#pragma once

namespace vemora {

struct RunFlags
{
    bool ResultsValid = false;    // after a completed run
    bool HighPointFlag = false;   // when a local high point lowered a gravity flow
    bool GradelineFailed = false; // when no gradeline could be laid
};

} // namespace vemora
