// The build puts the example projects into the program's Projects folder
// only where no file of that name is there: a user's own projects and the
// examples a user changed stay as they are.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "../project/test_files.h"

namespace vemora {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(VEMORA_SOURCE_DIR) / "Projects";

int CopyExamplesInto(const fs::path& projects)
{
    const std::string command = std::string("\"") + VEMORA_CMAKE + "\" -DEXAMPLES=\"" +
                                kExamples.string() + "\" -DPROJECTS=\"" + projects.string() +
                                "\" -P \"" + VEMORA_SOURCE_DIR + "/src/gui/CopyExamples.cmake\"";
    return std::system(command.c_str());
}

TEST(ExampleProjects, TheBuildCopiesEachOnlyWhereNoFileOfItsNameIs)
{
    std::vector<fs::path> examples;
    for (const auto& entry : fs::directory_iterator(kExamples))
        if (entry.path().extension() == ".kpj") examples.push_back(entry.path());
    ASSERT_GE(examples.size(), 3u);

    test::TempFolder folder;
    const fs::path projects = folder.Path() / "Projects";
    fs::create_directories(projects);
    const std::string changed = (projects / examples[0].filename()).string();
    test::WriteBytes(changed, "an example the user changed");
    test::WriteBytes((projects / "Mine.kpj").string(), "the user's own project");

    // Twice: the second build finds every example there.
    for (int build = 0; build < 2; ++build) {
        ASSERT_EQ(CopyExamplesInto(projects), 0);
        EXPECT_EQ(test::ReadBytes(changed), "an example the user changed");
        EXPECT_EQ(test::ReadBytes((projects / "Mine.kpj").string()), "the user's own project");
        for (size_t i = 1; i < examples.size(); ++i)
            EXPECT_EQ(test::ReadBytes((projects / examples[i].filename()).string()),
                      test::ReadBytes(examples[i].string()))
                << examples[i].filename();
        EXPECT_EQ(test::EntryCount(projects), examples.size() + 1);
    }
}

} // namespace
} // namespace vemora
