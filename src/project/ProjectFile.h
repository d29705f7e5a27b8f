// Reading and writing the project record in a .kpj file.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "project/ProjectRecord.h"

namespace vemora {

enum class FileStatus {
    Ok,
    CannotOpen,  // missing, unreadable, too short for its record, or too long for a record number
    Damaged,     // the record fails its checks (on a write: the record to be written does)
    CannotWrite, // the write or the replace failed; the old file is untouched
};

// The largest record number a file may imply: the file format's record
// number is a 32-bit integer. A longer file (about 35.7 TB) is refused.
constexpr int64_t MaxRecordNumber = std::numeric_limits<int32_t>::max();

// Record number for a file of `length` bytes: length / 16,650 rounded half to
// even, 0 becoming 1; no value when that exceeds MaxRecordNumber.
std::optional<int64_t> RecordNumberForLength(int64_t length);

// Reads and checks the record of an existing file. On any failure `out` and
// `recordNumber` are left as they were, and `why` (when given) says in plain
// words what was wrong: the system's refusal, the file's length, or the
// field that fails its check.
FileStatus ReadProjectFile(const std::string& path, ProjectRecord& out, int64_t& recordNumber,
                           std::string* why = nullptr);

// Writes `rec` at the file's record number, keeping every other byte, and
// replaces the file atomically (through symbolic links, keeping its
// permissions). A record that a read would refuse is not written (Damaged),
// so a saved project can always be opened again. A link that another user
// planted in a shared folder is not followed (see WalkPath). Memory use
// does not grow with the size of the file. On failure `why` (when given)
// says in plain words what was wrong.
FileStatus WriteProjectFile(const std::string& path, const ProjectRecord& rec,
                            int64_t& recordNumber, std::string* why = nullptr);

} // namespace vemora
