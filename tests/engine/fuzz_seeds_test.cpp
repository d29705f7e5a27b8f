// Real projects of each kind, saved to files, opened again and analysed; the
// files are left in the build folder as the seed corpus of the fuzz targets
// (fuzz-seeds/files for the reader, fuzz-seeds/analysis for the analysis).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "../project/test_files.h"
#include "EngineProjects.h"
#include "engine/AnalysisRun.h"
#include "project/ProfileNodes.h"
#include "project/ProjectFile.h"
#include "project/RecordCodec.h"

namespace vemora {
namespace {

using test::GravityProject;
using test::PumpingProject;

struct Seed
{
    const char* name;
    std::unique_ptr<ProjectStore> store;
};

std::vector<Seed> SeedProjects()
{
    std::vector<Seed> seeds;
    seeds.push_back({"gravity", GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}})});
    seeds.push_back({"gravity-crest", GravityProject(100, 0, {{100, 0}, {98, 500}, {0, 2000}})});

    auto varying = GravityProject(120, 40, {{120, 0}, {90, 800}, {70, 1500}, {40, 2600}}, 400);
    varying->DemandMode = 1;
    varying->YearDemandUnit = 0; // Ml/d
    for (int y = 1; y <= varying->DesignLife; ++y)
        varying->YearDemand[y] = 5.0f + y;
    test::AddCosts(*varying);
    varying->RoughnessOld = 1.0f;
    seeds.push_back({"gravity-varying", std::move(varying)});

    auto us = GravityProject(330, 160, {{330, 0}, {250, 2000}, {160, 5000}}, 20);
    us->UnitSystem = 1;
    us->CurrencyCode = 1;
    us->StartReservoirLevelUnit = us->EndReservoirLevelUnit = 2; // ft
    us->ElevationUnit = us->ChainageUnit = 2;
    us->DiameterUnit = us->WallThicknessUnit = us->RoughnessNewUnit = us->RoughnessOldUnit = 2;
    us->RoughnessNew = us->RoughnessOld = 0.004f; // in
    us->FixedDemandUnit = 6;                      // US gal/min
    us->FixedDemand = 2000;
    us->WaterPriceUnit = 3; // per US gallon
    us->WaterPrice = 0.004f;
    seeds.push_back({"gravity-us", std::move(us)});

    auto flow = PumpingProject(0, 50, {{0, 0}, {20, 500}, {45, 1000}});
    flow->EnergyEscalationRate = 7;
    flow->MechanicalWorksCost = 2000000;
    flow->ElectricalWorksCost = 1000000;
    flow->MaintenanceMechanical = 300;
    seeds.push_back({"pumping-flow", std::move(flow)});

    auto curve = PumpingProject(0, 50, {{0, 0}, {45, 1000}});
    test::SetPumpCurve(*curve, test::TypicalPumpCurve);
    curve->SupplyStartYear = curve->BaseYear + 2;
    seeds.push_back({"pumping-curve", std::move(curve)});
    for (Seed& seed : seeds)
        seed.store->SupervisionFees = 25000;
    return seeds;
}

using test::NewProjectRecord;

TEST(FuzzSeeds, SavedProjectsOpenAndAnalyseAsTheyDidInMemory)
{
    const std::filesystem::path seeds = std::filesystem::path(VEMORA_BINARY_DIR) / "fuzz-seeds";
    std::filesystem::create_directories(seeds / "files");
    std::filesystem::create_directories(seeds / "analysis");

    for (Seed& seed : SeedProjects()) {
        SCOPED_TRACE(seed.name);
        auto inMemory = std::make_unique<ResultsStore>();
        ASSERT_EQ(RunAnalysis(*seed.store, *inMemory, 25000).Status, AnalysisStatus::Completed);

        const std::string path = (seeds / "files" / (std::string(seed.name) + ".kpj")).string();
        std::filesystem::remove(path);
        int64_t number = 0;
        ASSERT_EQ(WriteProjectFile(path, test::SavedRecord(*seed.store), number), FileStatus::Ok);
        auto loaded = std::make_unique<ProjectStore>();
        ASSERT_EQ(ReadProjectFile(path, loaded->ProjectRec, number), FileStatus::Ok);
        CopyRecordToStore(loaded->ProjectRec, *loaded);
        loaded->NodeCount = ProfileNodeCount(*loaded);
        EXPECT_EQ(loaded->NodeCount, seed.store->NodeCount);
        auto fromFile = std::make_unique<ResultsStore>();
        ASSERT_EQ(RunAnalysis(*loaded, *fromFile, loaded->SupervisionFees).Status,
                  AnalysisStatus::Completed);
        EXPECT_EQ(fromFile->YearFlow, inMemory->YearFlow);
        EXPECT_EQ(fromFile->NpvExpenditure, inMemory->NpvExpenditure);
        EXPECT_EQ(fromFile->NpvIncome, inMemory->NpvIncome);
        std::filesystem::copy_file(path, seeds / "analysis" / (std::string(seed.name) + ".kpj"),
                                   std::filesystem::copy_options::overwrite_existing);
    }

    // The reader's seeds also hold files of other lengths and the blank projects.
    const std::string gravity = EncodeRecord(NewProjectRecord(0));
    const std::string pumping = EncodeRecord(NewProjectRecord(1));
    test::WriteBytes((seeds / "files" / "new-gravity.kpj").string(), gravity);
    test::WriteBytes((seeds / "files" / "new-pumping.kpj").string(), pumping);
    test::WriteBytes((seeds / "files" / "two-records.kpj").string(), gravity + pumping);
    test::WriteBytes((seeds / "files" / "record-and-a-half.kpj").string(),
                     pumping + gravity.substr(0, 8325));
    test::WriteBytes((seeds / "files" / "short.kpj").string(), pumping.substr(0, 100));
}

} // namespace
} // namespace vemora
