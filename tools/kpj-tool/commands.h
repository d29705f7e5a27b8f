// The commands of kpj-tool, a test tool for project files. Each returns the
// process exit code: 0 on success, non-zero with a message on stderr.
#pragma once

#include <string>
#include <vector>

int RunDumpCommand(const std::vector<std::string>& args);
int RunNewCommand(const std::vector<std::string>& args);
int RunAnalyseCommand(const std::vector<std::string>& args);
