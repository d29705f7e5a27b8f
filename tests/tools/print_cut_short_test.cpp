// The command-line tools through a link that another user planted in a
// shared folder, and a print-tool run killed part-way through its PDF.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "../project/test_files.h"
#include "ChildProgram.h"
#include "support/PlantedLink.h"

namespace vemora {
namespace {

struct ProgramRun
{
    int status; // as waitpid gives it
    std::string err;
};

// Runs `program` with `args`, with PRINT_TOOL_KILL_AFTER_PAGE set to
// `killAfter` unless that is empty.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const test::TempFolder& logs, const std::string& killAfter = "")
{
    const std::string err = logs.File("err.txt");
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int fd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, 2);
        ::dup2(fd, 1);
        if (!killAfter.empty()) ::setenv("PRINT_TOOL_KILL_AFTER_PAGE", killAfter.c_str(), 1);
        test::ExecOffscreen(program, args);
    }
    const int status = test::WaitForChild(pid);
    return {status, test::ReadBytes(err)};
}

const std::string KpjTool = std::string(VEMORA_BINARY_DIR) + "/tools/kpj-tool/kpj-tool";
const std::string PrintTool = std::string(VEMORA_BINARY_DIR) + "/tools/print-tool/print-tool";
const std::string Example = std::string(VEMORA_SOURCE_DIR) + "/Projects/Gravity main.kpj";

bool EndsAsAWholePdf(const std::string& bytes)
{
    return bytes.starts_with("%PDF-") && bytes.size() > 64 &&
           bytes.substr(bytes.size() - 64).find("%%EOF") != std::string::npos;
}

// kpj-tool and print-tool refuse a path through a planted link, at a folder
// of the path or at the name, with its reason, and the file it leads to
// keeps every byte.
TEST(PlantedLinkTools, KpjToolAndPrintToolRefuseAPlantedLink)
{
    if (const std::string why = test::CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
    test::TempFolder folder, logs;
    test::PlantedPaths kpj, pdf;
    ASSERT_TRUE(test::PlantBoth(folder.Path().string(), "victim.kpj", kpj));
    ASSERT_TRUE(test::PlantLink(folder.File("sticky"), "victim.pdf", "../victim.pdf"));
    pdf = {folder.File("victim.pdf"), folder.File("sticky/d/victim.pdf"),
           folder.File("sticky/victim.pdf")};
    std::filesystem::copy_file(Example, kpj.victim);
    test::WriteBytes(pdf.victim, "an earlier print");
    const std::string project = test::ReadBytes(kpj.victim);

    for (const bool atName : {false, true}) {
        SCOPED_TRACE(atName ? "at the name" : "at a folder");
        const std::string reason = atName ? test::NameLinkReason() : test::FolderLinkReason();
        const ProgramRun made =
            RunProgram(KpjTool, {"new", atName ? kpj.atName : kpj.throughFolder}, logs);
        EXPECT_EQ(made.status, 1 << 8) << made.err;
        EXPECT_NE(made.err.find(reason), std::string::npos) << made.err;
        const ProgramRun dumped =
            RunProgram(KpjTool, {"dump", atName ? kpj.atName : kpj.throughFolder}, logs);
        EXPECT_NE(dumped.err.find(reason), std::string::npos) << dumped.err;
        const ProgramRun printed = RunProgram(
            PrintTool, {kpj.victim, atName ? pdf.atName : pdf.throughFolder, "General"}, logs);
        EXPECT_EQ(printed.status, 1 << 8) << printed.err;
        EXPECT_NE(printed.err.find(reason), std::string::npos) << printed.err;
        EXPECT_EQ(test::ReadBytes(kpj.victim), project);
        EXPECT_EQ(test::ReadBytes(pdf.victim), "an earlier print");
    }
}

// print-tool killed (as kill -9 does) once page k is written, for the first
// page, a middle one and the whole document before its rename: the folder
// holds the project and either no PDF or the earlier one, whole.
TEST(PrintCutShort, AKilledPrintLeavesOnlyTheEarlierPdf)
{
    test::TempFolder folder, logs;
    const std::string project = folder.File("p.kpj");
    std::filesystem::copy_file(Example, project);
    const std::string pdf = folder.File("k.pdf");
    const ProgramRun whole = RunProgram(PrintTool, {project, pdf}, logs);
    ASSERT_EQ(whole.status, 0) << whole.err;
    const std::string earlier = test::ReadBytes(pdf);
    ASSERT_TRUE(EndsAsAWholePdf(earlier));

    for (const bool withEarlier : {false, true}) {
        for (const char* page : {"1", "3", "whole"}) {
            SCOPED_TRACE(std::string(withEarlier ? "over an earlier PDF, " : "a new PDF, ") +
                         "killed after page " + page);
            if (withEarlier)
                test::WriteBytes(pdf, earlier);
            else
                std::filesystem::remove(pdf);
            const ProgramRun killed = RunProgram(PrintTool, {project, pdf}, logs, page);
            ASSERT_TRUE(WIFSIGNALED(killed.status)) << "ended " << killed.status << killed.err;
            EXPECT_EQ(WTERMSIG(killed.status), SIGKILL);
            EXPECT_EQ(test::EntryCount(folder.Path()), withEarlier ? 2u : 1u);
            if (withEarlier) {
                EXPECT_EQ(test::ReadBytes(pdf), earlier);
            }
        }
    }
}

} // namespace
} // namespace vemora
