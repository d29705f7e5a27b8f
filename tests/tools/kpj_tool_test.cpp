#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

#include "../project/test_files.h"
#include "project/ProjectRecord.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"
#include "project/TextCodec.h"

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

TEST(KpjTool, RefusedFilesExitWithTheMessage)
{
    test::TempFolder folder;
    const std::string damaged = folder.File("damaged.kpj");
    std::string bytes = test::PatternBytes(16650, 9);
    test::WriteBytes(damaged, bytes);
    const std::string shortFile = folder.File("short.kpj");
    test::WriteBytes(shortFile, "tiny");

    for (const std::string& path : {damaged, shortFile, folder.File("missing.kpj")}) {
        const ToolRun dump = RunTool(folder, "dump '" + path + "'");
        EXPECT_NE(dump.exitCode, 0) << path;
        EXPECT_TRUE(dump.out.empty()) << path;
        EXPECT_NE(dump.err.find("Can't open project !"), std::string::npos) << path;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing.kpj")));
    EXPECT_NE(RunTool(folder, "new '" + folder.File("no/folder.kpj") + "'").exitCode, 0);
    EXPECT_NE(RunTool(folder, "new").exitCode, 0);
}

} // namespace
} // namespace vemora
