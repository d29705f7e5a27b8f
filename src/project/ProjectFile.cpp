#include "project/ProjectFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <exception>

#include "project/FileIo.h"
#include "project/RecordCheck.h"
#include "project/RecordCodec.h"
#include "project/SafeReplace.h"

namespace vemora {

namespace {

constexpr int64_t RecordSize = ProjectRecord::Size;

int64_t RecordOffset(int64_t recordNumber)
{
    return (recordNumber - 1) * RecordSize;
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

FileStatus ReadProjectFile(const std::string& path, ProjectRecord& out, int64_t& recordNumber)
{
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info
    {
    };
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return FileStatus::CannotOpen;

    const int64_t length = static_cast<int64_t>(info.st_size);
    const std::optional<int64_t> r = RecordNumberForLength(length);
    if (!r || length < *r * RecordSize) return FileStatus::CannotOpen;

    std::string bytes(RecordSize, '\0');
    if (!ReadAt(file.Get(), bytes.data(), bytes.size(), RecordOffset(*r)))
        return FileStatus::CannotOpen;
    const ProjectRecord rec = DecodeRecord(bytes.data());
    if (!CheckRecord(rec)) return FileStatus::Damaged;
    out = rec;
    recordNumber = *r;
    return FileStatus::Ok;
}

FileStatus WriteProjectFile(const std::string& path, const ProjectRecord& rec,
                            int64_t& recordNumber)
{
    if (!CheckRecord(rec)) return FileStatus::Damaged;
    try {
        std::string target;
        FileToReplace old;
        if (!FollowLinks(path, target) || !OpenFileToReplace(target, old))
            return FileStatus::CannotWrite;
        const std::optional<int64_t> r = RecordNumberForLength(old.length);
        if (!r || !ReplaceFilePatched(target, old, RecordOffset(*r), EncodeRecord(rec)))
            return FileStatus::CannotWrite;
        recordNumber = *r;
        return FileStatus::Ok;
    } catch (const std::exception&) {
        // Out of memory or the like: the old file is untouched, and the
        // project in memory is kept by the caller.
        return FileStatus::CannotWrite;
    }
}

} // namespace vemora
