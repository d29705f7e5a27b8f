// kpj-tool: dumps, creates and analyses project files for tests.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "files/FileIo.h"

int main(int argc, char** argv)
{
    vemora::IgnoreFileSizeSignal();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "usage: kpj-tool dump FILE | new [--pumping] FILE | analyse FILE "
                     "[--supervision X]\n";
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "dump") return RunDumpCommand(args);
    if (command == "new") return RunNewCommand(args);
    if (command == "analyse") return RunAnalyseCommand(args);
    std::cerr << "kpj-tool: unknown command " << command << "\n";
    return 2;
}
