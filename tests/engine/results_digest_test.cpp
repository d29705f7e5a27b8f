// Every figure of an analysis, byte for byte, against the digests the engine
// gave before it was made faster (tests/engine/data/results-digests.txt): the
// example projects, the suite's saved projects and a set of generated ones.
// Each run starts from a results store that holds another project's figures,
// as a second analysis in the program does, so what a run leaves of them
// counts too. VEMORA_DIGEST_PROJECTS sets how many generated projects run
// (100 unless set; the ctest label digest-full runs 1,000 in a Release
// build). With VEMORA_RECORD_DIGESTS=FILE the tests append the digests of
// this build to FILE instead of comparing, and skip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "GeneratedProjects.h"
#include "ResultsDigest.h"
#include "SeedProjects.h"
#include "engine/AnalysisRun.h"
#include "project/ProjectFile.h"
#include "project/RecordStore.h"

namespace vemora {
namespace {

namespace fs = std::filesystem;
using test::RunDigest;

const fs::path Examples = fs::path(VEMORA_SOURCE_DIR) / "Projects";
const fs::path DigestFile = fs::path(VEMORA_SOURCE_DIR) / "tests/engine/data/results-digests.txt";

// A new field of the results store belongs in the digest (ResultsDigest.h).
static_assert(sizeof(ResultsStore) == 24568, "digest every field of the results store");

std::string Hex(uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::map<std::string, RunDigest> RecordedDigests()
{
    std::map<std::string, RunDigest> digests;
    std::ifstream in(DigestFile);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string name;
        RunDigest d;
        fields >> name >> std::hex >> d.Outcome >> d.Hydraulics >> d.Samples >> d.Costs;
        if (fields) digests[name] = d;
    }
    return digests;
}

std::unique_ptr<ProjectStore> OpenExample(const std::string& fileName)
{
    auto store = std::make_unique<ProjectStore>();
    int64_t number = 0;
    if (ReadProjectFile((Examples / fileName).string(), store->ProjectRec, number) !=
        FileStatus::Ok)
        return nullptr;
    StoreFromRecord(store->ProjectRec, *store);
    return store;
}

// The store a run starts from: the figures of the example with a pump curve.
const ResultsStore& EarlierResults()
{
    static const std::unique_ptr<ResultsStore> earlier = [] {
        auto results = std::make_unique<ResultsStore>();
        if (auto store = OpenExample("Pumping main with pump curve.kpj"))
            RunAnalysis(*store, *results, store->SupervisionFees);
        return results;
    }();
    return *earlier;
}

RunDigest AnalyseAndDigest(const ProjectStore& store)
{
    auto results = std::make_unique<ResultsStore>(EarlierResults());
    const AnalysisOutcome outcome = RunAnalysis(store, *results, store.SupervisionFees);
    return test::DigestOfRun(outcome, *results);
}

// Compares the run of `store` with the digest recorded under `name`, or
// records it.
class DigestCheck
{
  public:
    DigestCheck() : record_(std::getenv("VEMORA_RECORD_DIGESTS")), recorded_(RecordedDigests())
    {
        if (record_) out_.open(record_, std::ios::app);
    }
    bool Recording() const { return record_ != nullptr; }

    void Check(const std::string& name, const ProjectStore& store)
    {
        const RunDigest d = AnalyseAndDigest(store);
        if (Recording()) {
            out_ << name << ' ' << Hex(d.Outcome) << ' ' << Hex(d.Hydraulics) << ' '
                 << Hex(d.Samples) << ' ' << Hex(d.Costs) << '\n';
            return;
        }
        const auto kept = recorded_.find(name);
        ASSERT_NE(kept, recorded_.end()) << "no digest recorded for " << name;
        const RunDigest& was = kept->second;
        EXPECT_EQ(Hex(d.Outcome), Hex(was.Outcome)) << name << ": the outcome or its message";
        EXPECT_EQ(Hex(d.Hydraulics), Hex(was.Hydraulics)) << name << ": the yearly hydraulics";
        EXPECT_EQ(Hex(d.Samples), Hex(was.Samples)) << name << ": the system-curve samples";
        EXPECT_EQ(Hex(d.Costs), Hex(was.Costs)) << name << ": the costs, NPVs or IRR";
    }

  private:
    const char* record_;
    std::map<std::string, RunDigest> recorded_;
    std::ofstream out_;
};

int GeneratedProjectCount()
{
    const char* count = std::getenv("VEMORA_DIGEST_PROJECTS");
    return count ? std::atoi(count) : 100;
}

TEST(ResultsDigest, ExampleProjects)
{
    DigestCheck check;
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(Examples)) {
        if (entry.path().extension() != ".kpj") continue;
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        auto store = OpenExample(name);
        ASSERT_TRUE(store);
        std::string key = "example/" + entry.path().stem().string();
        std::replace(key.begin(), key.end(), ' ', '-');
        check.Check(key, *store);
        ++examples;
    }
    EXPECT_EQ(examples, 3);
    if (check.Recording()) GTEST_SKIP() << "digests recorded";
}

TEST(ResultsDigest, SuiteProjects)
{
    DigestCheck check;
    for (test::Seed& seed : test::SeedProjects())
        check.Check(std::string("suite/") + seed.name, *seed.store);
    if (check.Recording()) GTEST_SKIP() << "digests recorded";
}

TEST(ResultsDigest, GeneratedProjects)
{
    DigestCheck check;
    for (int i = 0; i < GeneratedProjectCount(); ++i)
        check.Check("generated/" + std::to_string(i), *test::GeneratedProject(i));
    if (check.Recording()) GTEST_SKIP() << "digests recorded";
}

// The set holds every kind of run the check is meant to cover.
TEST(ResultsDigest, GeneratedProjectsCoverEveryKindOfRun)
{
    std::map<AnalysisStatus, int> statuses;
    int us = 0, pumpCurves = 0, highPoints = 0, irrs = 0, largest = 0, longest = 0;
    for (int i = 0; i < 100; ++i) {
        const auto store = test::GeneratedProject(i);
        auto results = std::make_unique<ResultsStore>();
        const AnalysisOutcome outcome = RunAnalysis(*store, *results, store->SupervisionFees);
        ++statuses[outcome.Status];
        us += store->UnitSystem;
        pumpCurves += store->SystemType == 1 && store->PumpCurveGiven == 1;
        highPoints += outcome.Flags.HighPointFlag;
        irrs += outcome.IrrFound;
        largest = std::max<int>(largest, store->NodeCount);
        longest = std::max<int>(longest, store->DesignLife);
    }
    EXPECT_GE(statuses[AnalysisStatus::Completed], 50);
    EXPECT_GE(statuses[AnalysisStatus::PumpCurveMissed], 5);
    EXPECT_GE(statuses[AnalysisStatus::RunFailed] + statuses[AnalysisStatus::ProjectPeriodInvalid],
              2);
    EXPECT_GE(us, 20);
    EXPECT_GE(pumpCurves, 40);
    EXPECT_GE(highPoints, 10);
    EXPECT_GE(irrs, 10);
    EXPECT_GE(largest, 450);
    EXPECT_GE(longest, 90);
}

// One changed value in any part of the results changes that part's digest.
TEST(ResultsDigest, OneChangedFigureChangesTheDigest)
{
    auto store = OpenExample("Pumping main with pump curve.kpj");
    ASSERT_TRUE(store);
    auto results = std::make_unique<ResultsStore>();
    const AnalysisOutcome outcome = RunAnalysis(*store, *results, store->SupervisionFees);
    const RunDigest before = test::DigestOfRun(outcome, *results);

    auto changed = std::make_unique<ResultsStore>(*results);
    changed->YearSystemHead(17, 4321) = std::nextafter(changed->YearSystemHead(17, 4321), 1e9f);
    EXPECT_NE(test::SamplesDigest(*changed), before.Samples);
    *changed = *results;
    changed->Gradeline(0, 3) += 1.0f;
    EXPECT_NE(test::HydraulicsDigest(*changed), before.Hydraulics);
    *changed = *results;
    changed->IrrPvDifference[20000] = -changed->IrrPvDifference[20000];
    EXPECT_NE(test::CostsDigest(*changed), before.Costs);
    AnalysisOutcome other = outcome;
    other.Note += ".";
    EXPECT_NE(test::OutcomeDigest(other), before.Outcome);
}

} // namespace
} // namespace vemora
