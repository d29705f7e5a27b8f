#include "files/FileReasons.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace vemora {

namespace {

// 16650 as "16,650".
std::string GroupedDigits(int64_t value)
{
    std::string digits = std::to_string(value);
    const size_t first = digits.front() == '-' ? 1 : 0;
    for (size_t i = digits.size(); i > first + 3; i -= 3)
        digits.insert(i - 3, ",");
    return digits;
}

std::string ByUse(FileUse use, const char* read, const char* write, const char* folder)
{
    switch (use) {
    case FileUse::Read:
        return read;
    case FileUse::Write:
        return write;
    case FileUse::Folder:
        return folder;
    }
    return folder;
}

} // namespace

std::string SystemErrorReason(int error, FileUse use)
{
    switch (error) {
    case 0:
        return "The file changed while it was in use.";
    case ENOENT:
        return ByUse(use, "The file does not exist.", "The file does not exist.",
                     "The folder does not exist.");
    case ENOTDIR:
        return "A part of the file's path is not a folder.";
    case EACCES:
    case EPERM:
        return ByUse(use, "You may not read this file.", "You may not write this file.",
                     "You may not write in this folder.");
    case EROFS:
        return "The folder is read-only.";
    case ENOSPC:
        return "The disk is full.";
    case EDQUOT:
        return "Your disk quota is used up.";
    case EFBIG:
        return "The file would be larger than the system allows.";
    case EIO:
        return ByUse(use, "The disk could not be read.", "The disk could not be written.",
                     "The disk could not be written.");
    case ELOOP:
        return "The name leads to a loop of links.";
    case ENAMETOOLONG:
        return "The file name is too long.";
    case EISDIR:
        return "The name is a folder, not a file.";
    case EMFILE:
    case ENFILE:
        return "Too many files are open.";
    case ENOMEM:
        return "There is not enough memory.";
    case EBUSY:
    case ETXTBSY:
        return "The file is in use.";
    default:
        return std::string("The system says: ") + std::strerror(error) + ".";
    }
}

std::string NotAFileReason(mode_t mode)
{
    return S_ISDIR(mode) ? SystemErrorReason(EISDIR, FileUse::Read)
                         : "The name is not an ordinary file.";
}

std::string TooShortReason(int64_t length, int64_t needed)
{
    return "The file is too short for a project: " + GroupedDigits(length) + " bytes where " +
           GroupedDigits(needed) + " are needed.";
}

std::string TooLongReason(int64_t length)
{
    return "The file is too long for a project: " + GroupedDigits(length) + " bytes.";
}

std::string DamagedFileReason(const std::string& check)
{
    return "The file is damaged: " + check + ".";
}

std::string UnsavableRecordReason(const std::string& check)
{
    return "The project holds a value the file cannot keep: " + check + ".";
}

std::string PlantedLinkReason()
{
    return "The name is a link that another user made in a shared folder; it is not followed.";
}

std::string PlantedFolderLinkReason()
{
    return "The path goes through a link that another user made in a shared folder; it is not "
           "followed.";
}

std::string OtherUsersFileReason()
{
    return "The file belongs to another user in a shared folder; it is not replaced.";
}

} // namespace vemora
