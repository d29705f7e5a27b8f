// The command-line tool's analysis of a saved project, for the tests that
// hold what the program shows against the tool's numbers.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "project/ProjectFile.h"
#include "project/ProjectStore.h"
#include "project/RecordStore.h"
#include "project/test_files.h"

namespace vemora::test {

// What `kpj-tool analyse` prints for the project file at `path`; the tool
// must end well.
inline std::string ToolAnalysisJson(const std::string& path, const TempFolder& folder)
{
    const std::string out = folder.File("analyse.json");
    const std::string command = std::string("'") + VEMORA_BINARY_DIR +
                                "/tools/kpj-tool/kpj-tool' analyse '" + path + "' >'" + out + "'";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return ReadBytes(out);
}

// Saves the project in `folder` (the nodes past its profile unused, as a
// saved file holds them), has the tool analyse the file, and reads the same
// file back into `store` as a file is analysed (StoreFromRecord). The tool's JSON.
inline std::string SaveAndAnalyseWithTool(ProjectStore& project, const TempFolder& folder,
                                          ProjectStore& store)
{
    for (int i = project.NodeCount + 1; i <= MaxNodes; ++i)
        project.NodeElevation[i] = project.NodeAccumulatedLength[i] = UnusedNode;
    CopyStoreToRecord(project, project.ProjectRec);
    int64_t record = 0;
    const std::string path = folder.File("project.kpj");
    EXPECT_EQ(WriteProjectFile(path, project.ProjectRec, record), FileStatus::Ok);
    const std::string json = ToolAnalysisJson(path, folder);

    ProjectRecord rec;
    EXPECT_EQ(ReadProjectFile(path, rec, record), FileStatus::Ok);
    StoreFromRecord(rec, store);
    return json;
}

} // namespace vemora::test
