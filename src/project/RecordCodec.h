// The byte image of a project record: 16,650 bytes, little-endian integer16
// and real32, fixed-width Windows-1252 text, arrays inline element 1 first.
#pragma once

#include <string>

#include "project/ProjectRecord.h"

namespace vemora {

// The record's bytes (exactly ProjectRecord::Size). A text field of the wrong
// length is cut or blank-padded to its width.
std::string EncodeRecord(const ProjectRecord& rec);

// Decodes ProjectRecord::Size bytes starting at `bytes`.
ProjectRecord DecodeRecord(const char* bytes);

} // namespace vemora
