// Why a project file (or a printed PDF) could not be opened or saved, in
// plain words: the line that follows " Can't open project !" or "Can't Save
// the project !", or the message of a print that failed.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace vemora {

// What the program was doing when the system refused: reading the project
// file, writing it, or making and writing the new file in its folder.
enum class FileUse { Read, Write, Folder };

// The system error `error` (an errno value; 0 when a file ended early).
std::string SystemErrorReason(int error, FileUse use);

// A name that is not a regular file, by its file mode.
std::string NotAFileReason(mode_t mode);

// A file shorter than the record its length implies.
std::string TooShortReason(int64_t length, int64_t needed);

// A file so long that its record number does not fit the file format.
std::string TooLongReason(int64_t length);

// A record in a file that fails its checks (`check` names the field).
std::string DamagedFileReason(const std::string& check);

// A record to be saved that fails the same checks.
std::string UnsavableRecordReason(const std::string& check);

// A link that another user planted in a shared folder, not followed.
std::string PlantedLinkReason();

// The same for a link in a folder of the path.
std::string PlantedFolderLinkReason();

// A file that another user owns in a shared folder, not replaced.
std::string OtherUsersFileReason();

} // namespace vemora
