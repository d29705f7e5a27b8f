// Real projects of each kind, saved to files, opened again and analysed; the
// files are left in the build folder as the seed corpus of the fuzz targets
// (fuzz-seeds/files for the reader, fuzz-seeds/analysis for the analysis).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "../project/test_files.h"
#include "SeedProjects.h"
#include "engine/AnalysisRun.h"
#include "project/ProjectFile.h"
#include "project/RecordCodec.h"

namespace vemora {
namespace {

using test::NewProjectRecord;

TEST(FuzzSeeds, SavedProjectsOpenAndAnalyseAsTheyDidInMemory)
{
    const std::filesystem::path seeds = std::filesystem::path(VEMORA_BINARY_DIR) / "fuzz-seeds";
    std::filesystem::create_directories(seeds / "files");
    std::filesystem::create_directories(seeds / "analysis");

    for (test::Seed& seed : test::SeedProjects()) {
        SCOPED_TRACE(seed.name);
        auto inMemory = std::make_unique<ResultsStore>();
        ASSERT_EQ(RunAnalysis(*seed.store, *inMemory, 25000).Status, AnalysisStatus::Completed);

        const std::string path = (seeds / "files" / (std::string(seed.name) + ".kpj")).string();
        std::filesystem::remove(path);
        int64_t number = 0;
        ASSERT_EQ(WriteProjectFile(path, test::SavedRecord(*seed.store), number), FileStatus::Ok);
        auto loaded = std::make_unique<ProjectStore>();
        ASSERT_EQ(ReadProjectFile(path, loaded->ProjectRec, number), FileStatus::Ok);
        StoreFromRecord(loaded->ProjectRec, *loaded);
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
