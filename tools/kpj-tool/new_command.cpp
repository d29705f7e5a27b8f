#include <iostream>

#include "commands.h"

int RunNewCommand(const std::vector<std::string>&)
{
    std::cerr << "kpj-tool: not available yet\n";
    return 1;
}
