// The example projects the program ships in its Projects folder, built from a
// new project's defaults as a user would fill them in: a gravity main, a
// pumping main with an operating flow, and a pumping main with a pump curve
// and a demand that grows year by year.
#pragma once

#include <string>
#include <vector>

#include "project/ProjectStore.h"

namespace vemora {

struct ExampleProject
{
    std::string fileName; // as it stands in Projects/
    ProjectStore store;
};

std::vector<ExampleProject> ExampleProjects();

} // namespace vemora
