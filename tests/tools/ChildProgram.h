// Starting a tool in a child process the test has set up (limits, output,
// environment), and waiting for its end.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace vemora::test {

// In the child: runs `program` with `args` offscreen; never returns.
[[noreturn]] inline void ExecOffscreen(const std::string& program,
                                       const std::vector<std::string>& args)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

// In the parent: the child's end, as waitpid gives it.
inline int WaitForChild(pid_t pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

} // namespace vemora::test
