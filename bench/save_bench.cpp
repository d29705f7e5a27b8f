// Speed of a save: over a one-record file, and over a sparse file of 4.5 GiB
// whose other bytes must be kept (the copy skips holes, so both cost about
// the same).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "project/ProjectFile.h"
#include "project/ProjectStore.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"

namespace {

using namespace vemora;

ProjectRecord Pumping()
{
    ProjectStore store;
    store.SystemType = 1;
    WriteNewProjectDefaults(store, "01/02/2026");
    return store.ProjectRec;
}

std::string BenchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vemora-bench-XXXXXX").string();
    return ::mkdtemp(pattern.data()) ? pattern : std::string();
}

// Saves over a file that first holds `length` bytes: a record at the start,
// the rest a hole.
void Save(benchmark::State& state, int64_t length)
{
    const std::string folder = BenchFolder();
    const std::string path = folder + "/bench.kpj";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    const std::string first = EncodeRecord(Pumping());
    const bool made = fd >= 0 && ::ftruncate(fd, length) == 0 &&
                      ::pwrite(fd, first.data(), first.size(), 0) == ProjectRecord::Size;
    if (fd >= 0) ::close(fd);
    if (!made) state.SkipWithError("cannot make the file");
    const ProjectRecord rec = Pumping();
    for (auto _ : state) {
        int64_t number = 0;
        if (WriteProjectFile(path, rec, number) != FileStatus::Ok) state.SkipWithError("save");
    }
    std::filesystem::remove_all(folder);
}

void BM_SaveOneRecordFile(benchmark::State& state)
{
    Save(state, ProjectRecord::Size);
}
void BM_SaveOverSparse4GiBFile(benchmark::State& state)
{
    Save(state, int64_t{290000} * ProjectRecord::Size);
}

BENCHMARK(BM_SaveOneRecordFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveOverSparse4GiBFile)->Unit(benchmark::kMillisecond);

} // namespace
