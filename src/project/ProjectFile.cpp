#include "project/ProjectFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <exception>
#include <utility>

#include "files/FileIo.h"
#include "files/FileReasons.h"
#include "files/PathWalk.h"
#include "files/SafeReplace.h"
#include "project/RecordCheck.h"
#include "project/RecordCodec.h"

namespace vemora {

namespace {

constexpr int64_t RecordSize = ProjectRecord::Size;

int64_t RecordOffset(int64_t recordNumber)
{
    return (recordNumber - 1) * RecordSize;
}

// `status`, with `reason` given to the caller who asked for one.
FileStatus Refused(FileStatus status, std::string* why, std::string reason)
{
    if (why) *why = std::move(reason);
    return status;
}

} // namespace

std::optional<int64_t> RecordNumberForLength(int64_t length)
{
    if (length <= 0) return 1;
    int64_t r = length / RecordSize;
    const int64_t twiceRest = 2 * (length % RecordSize);
    if (twiceRest > RecordSize || (twiceRest == RecordSize && r % 2 == 1)) ++r;
    if (r > MaxRecordNumber) return std::nullopt;
    return r == 0 ? 1 : r;
}

FileStatus ReadProjectFile(const std::string& path, ProjectRecord& out, int64_t& recordNumber,
                           std::string* why)
{
    constexpr FileStatus CannotOpen = FileStatus::CannotOpen;
    // The path is walked as a save walks it, so that Open refuses what Save
    // would refuse (a link another user planted in a shared folder).
    WalkedPath where;
    std::string reason;
    if (!WalkPath(path, where, reason, FileUse::Read)) return Refused(CannotOpen, why, reason);
    FileHandle file(::openat(where.folder.Get(), where.name.c_str(),
                             O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    struct stat info
    {
    };
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0)
        return Refused(CannotOpen, why, SystemErrorReason(errno, FileUse::Read));
    if (!S_ISREG(info.st_mode)) return Refused(CannotOpen, why, NotAFileReason(info.st_mode));

    const int64_t length = static_cast<int64_t>(info.st_size);
    const std::optional<int64_t> r = RecordNumberForLength(length);
    if (!r) return Refused(CannotOpen, why, TooLongReason(length));
    if (length < *r * RecordSize)
        return Refused(CannotOpen, why, TooShortReason(length, *r * RecordSize));

    std::string bytes(RecordSize, '\0');
    if (!ReadAt(file.Get(), bytes.data(), bytes.size(), RecordOffset(*r)))
        return Refused(CannotOpen, why, SystemErrorReason(errno, FileUse::Read));
    const ProjectRecord rec = DecodeRecord(bytes.data());
    std::string check;
    if (!CheckRecord(rec, &check))
        return Refused(FileStatus::Damaged, why, DamagedFileReason(check));
    out = rec;
    recordNumber = *r;
    return FileStatus::Ok;
}

FileStatus WriteProjectFile(const std::string& path, const ProjectRecord& rec,
                            int64_t& recordNumber, std::string* why)
{
    constexpr FileStatus CannotWrite = FileStatus::CannotWrite;
    std::string reason;
    if (!CheckRecord(rec, &reason))
        return Refused(FileStatus::Damaged, why, UnsavableRecordReason(reason));
    try {
        FileReplacement file;
        if (!file.Begin(path, reason)) return Refused(CannotWrite, why, reason);
        const std::optional<int64_t> r = RecordNumberForLength(file.Old().length);
        if (!r) return Refused(CannotWrite, why, TooLongReason(file.Old().length));
        if (!file.WritePatched(RecordOffset(*r), EncodeRecord(rec), reason) || !file.Commit(reason))
            return Refused(CannotWrite, why, reason);
        recordNumber = *r;
        return FileStatus::Ok;
    } catch (const std::exception&) {
        // Out of memory or the like: the old file is untouched, and the
        // project in memory is kept by the caller.
        return Refused(CannotWrite, why, SystemErrorReason(ENOMEM, FileUse::Write));
    }
}

} // namespace vemora
