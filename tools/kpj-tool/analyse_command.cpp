#include <iostream>

#include "commands.h"

int RunAnalyseCommand(const std::vector<std::string>&)
{
    std::cerr << "kpj-tool: not available yet\n";
    return 1;
}
