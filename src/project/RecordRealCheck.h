// The check that every real number a project record gives the program is a
// finite number. A NaN or an infinity in a file is damage: the program never
// writes one, and the analysis could not make sense of it.
#pragma once

#include <string>

#include "project/ProjectRecord.h"

namespace vemora {

// True when every real field that a load of `rec` reads is finite. A gravity
// load (SystemType 0) does not read the pump curve, the operating efficiency,
// the six tariffs and the operating flow rate, so those are not looked at;
// ReservedValue is never read. On failure `why` (when given) names the first
// bad field and its element.
bool CheckRecordReals(const ProjectRecord& rec, std::string* why = nullptr);

} // namespace vemora
