// The messages kpj-tool prints for a project file it could not use.
#pragma once

#include <string>

#include "project/ProjectFile.h"

inline std::string FileStatusMessage(vemora::FileStatus status)
{
    switch (status) {
    case vemora::FileStatus::Ok:
        return "";
    case vemora::FileStatus::CannotOpen:
    case vemora::FileStatus::Damaged:
        return " Can't open project !";
    case vemora::FileStatus::CannotWrite:
        return "Could not write the project file.";
    }
    return "";
}
