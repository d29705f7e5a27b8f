#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sys/wait.h>

#include "../project/test_files.h"
#include "engine/EngineProjects.h"
#include "project/ProjectFile.h"
#include "project/RecordStore.h"

namespace vemora {
namespace {

std::string Analyse(const test::TempFolder& folder, const std::string& args, int& exitCode)
{
    const std::string out = folder.File("analyse.json");
    const std::string command = std::string("'") + VEMORA_BINARY_DIR +
                                "/tools/kpj-tool/kpj-tool' analyse " + args + " >'" + out +
                                "' 2>/dev/null";
    const int status = std::system(command.c_str());
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return test::ReadBytes(out);
}

// The value printed for a scalar JSON key, as text.
std::string Scalar(const std::string& json, const std::string& key)
{
    std::smatch m;
    const std::regex re("\"" + key + "\": ([^,\\n]+)");
    return std::regex_search(json, m, re) ? m[1].str() : std::string("<missing>");
}

TEST(KpjToolAnalyse, AnalysesASavedPumpingProjectAndTakesTheSupervisionCost)
{
    test::TempFolder folder;
    auto store = test::PumpingProject(100, 150, {{100, 0}, {120, 1000}, {150, 2000}});
    store->SupervisionFees = 5000;
    for (int i = 4; i <= MaxNodes; ++i)
        store->NodeElevation[i] = store->NodeAccumulatedLength[i] = UnusedNode;
    CopyStoreToRecord(*store, store->ProjectRec);
    int64_t record = 0;
    const std::string path = folder.File("pumping.kpj");
    ASSERT_EQ(WriteProjectFile(path, store->ProjectRec, record), FileStatus::Ok);

    int exitCode = -1;
    const std::string saved = Analyse(folder, "'" + path + "'", exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(Scalar(saved, "status"), "\"ok\"");
    EXPECT_EQ(Scalar(saved, "SupervisionCost"), "5000");
    EXPECT_NE(saved.find("\"YearFlow\": ["), std::string::npos);

    const std::string given = Analyse(folder, "'" + path + "' --supervision 12345", exitCode);
    EXPECT_EQ(Scalar(given, "SupervisionCost"), "12345");
    EXPECT_NE(Scalar(saved, "TotalCapitalCost"), Scalar(given, "TotalCapitalCost"));
}

TEST(KpjToolAnalyse, ARefusedFileExitsNonZero)
{
    test::TempFolder folder;
    test::WriteBytes(folder.File("short.kpj"), std::string(100, '\0'));
    int exitCode = 0;
    Analyse(folder, "'" + folder.File("short.kpj") + "'", exitCode);
    EXPECT_NE(exitCode, 0);
}

} // namespace
} // namespace vemora
