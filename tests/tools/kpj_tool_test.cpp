#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <thread>
#include <vector>

#include "../project/test_files.h"
#include "ChildProgram.h"
#include "project/ProjectRecord.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"
#include "project/TextCodec.h"
#include "support/WaitLimit.h"

namespace vemora {
namespace {

struct ToolRun
{
    int exitCode;
    std::string out;
    std::string err;
};

// Runs kpj-tool with `args` (already quoted for the shell).
ToolRun RunTool(const test::TempFolder& folder, const std::string& args)
{
    const std::string out = folder.File("stdout.txt");
    const std::string err = folder.File("stderr.txt");
    const std::string command = std::string("'") + VEMORA_BINARY_DIR +
                                "/tools/kpj-tool/kpj-tool' " + args + " >'" + out + "' 2>'" + err +
                                "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadBytes(out),
            test::ReadBytes(err)};
}

TEST(KpjTool, NewWritesTheStartUpProject)
{
    test::TempFolder folder;
    const std::string gravity = folder.File("gravity.kpj");
    const std::string pumping = folder.File("pumping.kpj");
    ASSERT_EQ(RunTool(folder, "new '" + gravity + "'").exitCode, 0);
    ASSERT_EQ(RunTool(folder, "new --pumping '" + pumping + "'").exitCode, 0);

    const std::string g = test::ReadBytes(gravity);
    const std::string p = test::ReadBytes(pumping);
    ASSERT_EQ(g.size(), 16650u);
    ASSERT_EQ(p.size(), 16650u);
    EXPECT_EQ(g[0], 0);
    EXPECT_EQ(p[0], 1);
    // Only the system type differs (the date field is left out of the
    // comparison: the two runs may fall on either side of midnight).
    EXPECT_EQ(g.substr(2, 164), p.substr(2, 164));
    EXPECT_EQ(g.substr(186), p.substr(186));

    ProjectStore store;
    WriteNewProjectDefaults(store, DecodeRecord(g.data()).ProjectDate);
    EXPECT_EQ(EncodeRecord(store.ProjectRec), g);
}

TEST(KpjTool, DumpPrintsEveryFieldByName)
{
    test::TempFolder folder;
    const std::string path = folder.File("p.kpj");
    ASSERT_EQ(RunTool(folder, "new --pumping '" + path + "'").exitCode, 0);
    const ToolRun dump = RunTool(folder, "dump '" + path + "'");
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_TRUE(dump.err.empty());
    const std::string& json = dump.out;
    EXPECT_EQ(json.front(), '{');
    for (const char* expected :
         {"\"SystemType\": 1,", "\"DesignLife\": 30,", "\"WaterPrice\": 2,",
          "\"EnergyEscalationRate\": 7.5,",
          "\"StaffPackage\": [300000, 200000, 120000, 80000, 70000, 30000, 60000, 130000],",
          "\"NodeElevation\": [0, 0, 999999, ", "\"PumpCurve\": [", "\"PumpingHours\": 20,",
          "\"ReservedValue\": 0,"}) {
        EXPECT_NE(json.find(expected), std::string::npos) << expected;
    }
    EXPECT_NE(json.find("\"PumpType\": \"" + std::string(100, ' ') + "\""), std::string::npos);
    // 77 fields, one per line at the first level.
    size_t members = 0;
    for (size_t pos = json.find("\n  \""); pos != std::string::npos;
         pos = json.find("\n  \"", pos + 1))
        ++members;
    EXPECT_EQ(members, 77u);
}

TEST(KpjTool, DumpShowsTextsInUtf8WithTheirPadding)
{
    test::TempFolder folder;
    const std::string path = folder.File("t.kpj");
    ProjectStore store;
    WriteNewProjectDefaults(store, "01/01/2026");
    store.ProjectRec.ProjectName = FitToWidth("Caf\xE9 \"A\"", 80);
    test::WriteBytes(path, EncodeRecord(store.ProjectRec));
    const ToolRun dump = RunTool(folder, "dump '" + path + "'");
    ASSERT_EQ(dump.exitCode, 0);
    EXPECT_NE(dump.out.find("\"ProjectName\": \"Café \\\"A\\\"" + std::string(72, ' ') + "\""),
              std::string::npos);
}

TEST(KpjTool, RefusedFilesExitWithTheMessageAndItsReason)
{
    test::TempFolder folder;
    const std::string damaged = folder.File("damaged.kpj");
    std::string bytes = test::PatternBytes(16650, 9);
    test::WriteBytes(damaged, bytes);
    const std::string shortFile = folder.File("short.kpj");
    test::WriteBytes(shortFile, "tiny");

    const std::pair<std::string, std::string> refusals[] = {
        {damaged, "The file is damaged: "},
        {shortFile, "The file is too short for a project: 4 bytes where 16,650 are needed.\n"},
        {folder.File("missing.kpj"), "The file does not exist.\n"},
    };
    for (const auto& [path, reason] : refusals) {
        for (const char* command : {"dump", "analyse"}) {
            const ToolRun run = RunTool(folder, std::string(command) + " '" + path + "'");
            EXPECT_EQ(run.exitCode, 1) << path;
            EXPECT_TRUE(run.out.empty()) << path;
            EXPECT_TRUE(run.err.starts_with(" Can't open project !\n" + reason)) << run.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing.kpj")));
    const ToolRun noFolder = RunTool(folder, "new '" + folder.File("no/folder.kpj") + "'");
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_EQ(noFolder.err, "Could not write the project file.\nThe folder does not exist.\n");
    EXPECT_NE(RunTool(folder, "new").exitCode, 0);
}

// Runs `program` with `args` and files limited to `limit` bytes, the
// file-size signal at its default (which ends the process), as a shell with
// `ulimit -f` starts it; stderr goes to `err`. Returns the wait status.
int RunUnderFileSizeLimit(const std::string& program, const std::vector<std::string>& args,
                          rlim_t limit, const std::string& err)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        const rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const int fd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, 2);
        test::ExecOffscreen(program, args);
    }
    return test::WaitForChild(pid);
}

// Under a file-size limit a write fails with its reason; the tools go on to
// say so instead of being killed by the system's signal.
TEST(KpjTool, AFileSizeLimitFailsTheWriteWithItsReason)
{
    test::TempFolder folder;
    const std::string tool = std::string(VEMORA_BINARY_DIR) + "/tools/kpj-tool/kpj-tool";
    const std::string path = folder.File("limited.kpj");
    const std::string err = folder.File("err.txt");
    const int status = RunUnderFileSizeLimit(tool, {"new", path}, 10000, err);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(test::ReadBytes(err),
              "Could not write the project file.\nThe file would be larger than the system "
              "allows.\n");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(RunUnderFileSizeLimit(tool, {"new", path}, RLIM_INFINITY, err), 0);
    EXPECT_EQ(std::filesystem::file_size(path), 16650u);
}

// The print tool's PDF under the same limit: a failure it reports, not a
// killed process.
TEST(PrintTool, AFileSizeLimitFailsThePrintWithItsReason)
{
    test::TempFolder folder;
    const std::string kpj = folder.File("p.kpj");
    ASSERT_EQ(RunTool(folder, "new '" + kpj + "'").exitCode, 0);
    const std::string pdf = folder.File("p.pdf");
    test::WriteBytes(pdf, "an earlier print");
    const std::string err = folder.File("err.txt");
    const int status =
        RunUnderFileSizeLimit(std::string(VEMORA_BINARY_DIR) + "/tools/print-tool/print-tool",
                              {kpj, pdf, "General"}, 8000, err);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(test::ReadBytes(err).find("The file would be larger than the system allows."),
              std::string::npos)
        << test::ReadBytes(err);
    EXPECT_TRUE(test::ReadBytes(pdf) == "an earlier print");
    // The project, the PDF, err.txt and the two outputs of the first run.
    EXPECT_EQ(test::EntryCount(folder.Path()), 5u);
}

// The program itself ignores the signal from the start, as the tools do.
TEST(Program, IgnoresTheFileSizeSignalFromTheStart)
{
    test::TempFolder folder;
    const std::string program = std::string(VEMORA_BINARY_DIR) + "/src/gui/vemora";
    if (!std::filesystem::exists(program)) GTEST_SKIP() << "built without the program";
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // The signals the process ignores, as a hexadecimal mask (bit n - 1 for
    // signal n), once the program has started.
    const std::string status = "/proc/" + std::to_string(pid) + "/status";
    bool ignored = false;
    const auto limit = std::chrono::steady_clock::now() + test::WaitLimit();
    while (!ignored && std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        std::smatch m;
        const std::string text = test::ReadBytes(status);
        const std::regex re("SigIgn:\\s*([0-9a-f]+)");
        if (std::regex_search(text, m, re))
            ignored = (std::stoull(m[1].str(), nullptr, 16) >> (SIGXFSZ - 1)) & 1u;
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_TRUE(ignored);
}

} // namespace
} // namespace vemora
