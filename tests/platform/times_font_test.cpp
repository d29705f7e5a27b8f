// The face the windows, graphs and pages are laid out in: no source file but
// the helper that makes it names it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vemora {
namespace {

namespace fs = std::filesystem;

// Comments may name the face; code reads it from the helper.
TEST(TimesFont, NoOtherSourceFileNamesTheFaceInItsCode)
{
    const fs::path src = fs::path(VEMORA_SOURCE_DIR) / "src";
    int read = 0;
    std::vector<std::string> naming;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        ++read;
        if (entry.path().filename() == "TimesFont.h") continue;
        std::ifstream in(entry.path());
        std::string line;
        for (int n = 1; std::getline(in, line); ++n) {
            const std::string code = line.substr(0, line.find("//"));
            if (code.find("\"Times New Roman\"") != std::string::npos)
                naming.push_back(entry.path().string() + ":" + std::to_string(n));
        }
    }
    EXPECT_GT(read, 100); // the whole tree was read
    EXPECT_TRUE(naming.empty()) << naming.front();
}

} // namespace
} // namespace vemora
