#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <regex>
#include <sys/wait.h>

#include "../project/test_files.h"
#include "engine/AnalysisRun.h"
#include "engine/EngineProjects.h"
#include "project/ProjectFile.h"
#include "project/RecordCodec.h"
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
    int64_t record = 0;
    const std::string path = folder.File("pumping.kpj");
    ASSERT_EQ(WriteProjectFile(path, test::SavedRecord(*store), record), FileStatus::Ok);

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

// The flag of a high point that lowered the flow comes from the run's outcome.
TEST(KpjToolAnalyse, AGravityProjectOverACrestReportsItsHighPoint)
{
    test::TempFolder folder;
    auto store = test::GravityProject(100, 0, {{100, 0}, {98, 500}, {0, 2000}});
    int64_t record = 0;
    const std::string path = folder.File("crest.kpj");
    ASSERT_EQ(WriteProjectFile(path, test::SavedRecord(*store), record), FileStatus::Ok);
    int exitCode = -1;
    const std::string json = Analyse(folder, "'" + path + "'", exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(Scalar(json, "status"), "\"ok\"");
    EXPECT_EQ(Scalar(json, "HighPointFlag"), "1");
}

TEST(KpjToolAnalyse, BadRealValuesInAFileNeverAnalyseAsOk)
{
    test::TempFolder folder;
    const ProjectRecord gravity =
        test::SavedRecord(*test::GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}}));
    const ProjectRecord pumping =
        test::SavedRecord(*test::PumpingProject(0, 50, {{0, 0}, {20, 500}, {45, 1000}}));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case
    {
        const char* name;
        ProjectRecord rec;
        void (*spoil)(ProjectRecord&, float nan, float inf);
        bool opens; // finite values open, and the analysis refuses them
    };
    const Case cases[] = {
        {"end level NaN", gravity,
         [](ProjectRecord& r, float n, float) { r.EndReservoirLevel = n; }, false},
        {"start level +inf", pumping,
         [](ProjectRecord& r, float, float i) { r.StartReservoirLevel = i; }, false},
        {"efficiency +inf", pumping,
         [](ProjectRecord& r, float, float i) { r.OperatingEfficiency = i; }, false},
        {"discount rate inf", gravity, [](ProjectRecord& r, float, float i) { r.DiscountRate = i; },
         false},
        {"negative operating flow", pumping,
         [](ProjectRecord& r, float, float) { r.OperatingFlowRate = -100; }, true},
    };
    int exitCode = -1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string good = folder.File("good.kpj");
        test::WriteBytes(good, EncodeRecord(c.rec));
        EXPECT_EQ(Scalar(Analyse(folder, "'" + good + "'", exitCode), "status"), "\"ok\"");

        ProjectRecord bad = c.rec;
        c.spoil(bad, nan, inf);
        const std::string path = folder.File("bad.kpj");
        test::WriteBytes(path, EncodeRecord(bad));
        const std::string json = Analyse(folder, "'" + path + "'", exitCode);
        if (!c.opens) {
            EXPECT_EQ(exitCode, 1);
            EXPECT_TRUE(json.empty());
            continue;
        }
        EXPECT_EQ(exitCode, 0);
        EXPECT_EQ(Scalar(json, "status"), "\"failed\"");
        EXPECT_EQ(Scalar(json, "message"), std::string("\"") + RunFailedMessage + "\"");
    }
}

// A flow the head cannot drive, a flow beyond the top of the search and a
// profile without length: the first is a result (no flow, all demand short),
// the other two are failures that say why.
TEST(KpjToolAnalyse, FlowsTheSearchCannotFindAndAProfileWithoutLength)
{
    test::TempFolder folder;
    const std::string path = folder.File("odd.kpj");
    int exitCode = -1;
    auto analyse = [&](ProjectStore& store) {
        int64_t record = 0;
        EXPECT_EQ(WriteProjectFile(path, test::SavedRecord(store), record), FileStatus::Ok);
        return Analyse(folder, "'" + path + "'", exitCode);
    };

    // 15 mm pipe with 1.5 mm walls over 100 km, 1 m of head.
    auto thin = test::GravityProject(100, 99, {{95, 0}, {90, 100000}}, 15);
    thin->WallThickness[1] = thin->WallThickness[2] = 1.5f;
    std::string json = analyse(*thin);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(Scalar(json, "status"), "\"ok\"");
    EXPECT_NE(json.find("\"YearFlow\": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"YearShortage\": [100, 100, 100, 100, 100, 100, 100, 100, 100, 100]"),
              std::string::npos);
    EXPECT_EQ(Scalar(json, "HighPointFlag"), "0");

    // The messages hold commas: looked up whole.
    const auto says = [](const std::string& json, const char* message) {
        return json.find(std::string("\"message\": \"") + message + "\"") != std::string::npos;
    };
    auto high = test::GravityProject(3e37f, 0, {{100, 0}, {0, 1000}});
    json = analyse(*high);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(Scalar(json, "status"), "\"failed\"");
    EXPECT_TRUE(says(json, FlowTooLargeMessage)) << json;
    EXPECT_EQ(json.find("YearFlow"), std::string::npos);
    auto wide = test::GravityProject(3000, 0, {{100, 0}, {0, 1000}}, 2000);
    EXPECT_TRUE(says(analyse(*wide), FlowTooLargeMessage));

    auto flat = test::GravityProject(100, 0, {{100, 500}, {50, 500}, {0, 500}});
    json = analyse(*flat);
    EXPECT_EQ(Scalar(json, "status"), "\"failed\"");
    EXPECT_TRUE(says(json, ProfileWithoutLengthMessage)) << json;
}

// Each refused input of a saved project: the message, and the reason that
// names its cause in the user's terms.
TEST(KpjToolAnalyse, ARefusedAnalysisGivesItsReason)
{
    test::TempFolder folder;
    const std::string path = folder.File("refused.kpj");
    auto pumping = [] {
        auto s = test::PumpingProject(0, 50, {{0, 0}, {20, 500}, {45, 1000}});
        test::AddCosts(*s);
        return s;
    };
    auto backwards = test::GravityProject(100, 0, {{100, 0}, {90, 2400}, {80, 1000}, {0, 3000}});
    auto noEfficiency = pumping();
    noEfficiency->OperatingEfficiency = 0;
    auto early = test::GravityProject(100, 0, {{100, 0}, {0, 1000}});
    early->BaseYear = 2006;
    early->SupplyStartYear = 2003;
    auto escalation = pumping();
    escalation->EnergyEscalationRate = 1e11f;
    auto oneNode = test::GravityProject(100, 0, {{100, 0}});
    const std::pair<ProjectStore*, std::pair<const char*, const char*>> cases[] = {
        {backwards.get(),
         {RunFailedMessage, "Node 3 at chainage 1000 m comes after node 2 at 2400 m: chainages "
                            "must not fall along the profile."}},
        {noEfficiency.get(),
         {CostsFailedMessage, "The pump efficiency is 0 %: the energy cost cannot be computed."}},
        {early.get(),
         {SupplyBeforeStartMessage, "The supply starts in 2003, before the starting year 2006."}},
        {escalation.get(),
         {CostsFailedMessage, "From 2025 on, the yearly costs grow beyond the range of numbers: "
                              "the costs rise by 6 % a year and the energy costs by 1E+11 % a "
                              "year."}},
        {oneNode.get(),
         {HydraulicsFailedMessage,
          "The profile has only one node: a profile needs at least two nodes."}},
    };
    for (const auto& [store, said] : cases) {
        SCOPED_TRACE(said.second);
        int64_t record = 0;
        ASSERT_EQ(WriteProjectFile(path, test::SavedRecord(*store), record), FileStatus::Ok);
        int exitCode = -1;
        const std::string json = Analyse(folder, "'" + path + "'", exitCode);
        EXPECT_EQ(exitCode, 0);
        EXPECT_NE(json.find(std::string("\"message\": \"") + said.first + "\""), std::string::npos)
            << json;
        EXPECT_NE(json.find(std::string("\"reason\": \"") + said.second + "\""), std::string::npos)
            << json;
    }
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
