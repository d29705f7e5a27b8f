// kpj-tool new [--pumping] FILE: writes the blank project that New gives at
// start-up (gravity, or pumping with --pumping).
#include <iostream>

#include "commands.h"
#include "file_messages.h"
#include "project/ProjectDate.h"
#include "project/ProjectFile.h"
#include "project/ProjectStore.h"
#include "project/RecordStore.h"
#include "project/SystemType.h"

int RunNewCommand(const std::vector<std::string>& args)
{
    bool pumping = false;
    std::vector<std::string> paths;
    for (const std::string& arg : args) {
        if (arg == "--pumping")
            pumping = true;
        else
            paths.push_back(arg);
    }
    if (paths.size() != 1 || paths[0].starts_with("--")) {
        std::cerr << "usage: kpj-tool new [--pumping] FILE\n";
        return 2;
    }
    const std::string& path = paths[0];
    vemora::ProjectStore store; // a zero-filled record, as at start-up
    store.SystemType = pumping ? vemora::PipelineSystem::Pumping : vemora::PipelineSystem::Gravity;
    vemora::WriteNewProjectDefaults(store, vemora::TodayProjectDate());
    int64_t recordNumber = 0;
    std::string why;
    const vemora::FileStatus status =
        vemora::WriteProjectFile(path, store.ProjectRec, recordNumber, &why);
    if (status != vemora::FileStatus::Ok) {
        std::cerr << FileStatusMessage(status, why) << "\n";
        return 1;
    }
    return 0;
}
