// The messages kpj-tool prints for a project file it could not use: the
// program's message, and on a second line the reason the file functions gave.
#pragma once

#include <string>

#include "project/ProjectFile.h"

inline std::string FileStatusMessage(vemora::FileStatus status, const std::string& why)
{
    std::string message;
    switch (status) {
    case vemora::FileStatus::Ok:
        return "";
    case vemora::FileStatus::CannotOpen:
    case vemora::FileStatus::Damaged:
        message = " Can't open project !";
        break;
    case vemora::FileStatus::CannotWrite:
        message = "Could not write the project file.";
        break;
    }
    return why.empty() ? message : message + "\n" + why;
}
