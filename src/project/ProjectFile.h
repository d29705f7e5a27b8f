// Reading and writing the project record in a .kpj file.
#pragma once

#include <cstdint>
#include <string>

#include "project/ProjectRecord.h"

namespace vemora {

enum class FileStatus {
    Ok,
    CannotOpen,  // missing, unreadable, or too short for its record
    Damaged,     // the record fails its checks
    CannotWrite, // the write or the replace failed; the old file is untouched
};

// Record number for a file of `length` bytes: length / 16,650 rounded half to
// even, 0 becoming 1.
int32_t RecordNumberForLength(int64_t length);

// Reads and checks the record of an existing file. On any failure `out` is
// left as it was.
FileStatus ReadProjectFile(const std::string& path, ProjectRecord& out, int32_t& recordNumber);

// Writes `rec` at the file's record number, keeping every other byte, and
// replaces the file atomically.
FileStatus WriteProjectFile(const std::string& path, const ProjectRecord& rec,
                            int32_t& recordNumber);

} // namespace vemora
