// Speed of the File commands on a 500-node pumping project: a save from the
// input window to the file (checks, read-backs, copies, the write and the
// load that follows it) and an open from the file into the window.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "BenchApplication.h"
#include "app/AppContext.h"
#include "app/ProjectFiles.h"
#include "app/ProjectLoading.h"
#include "input/InstallInputWindow.h"
#include "platform/ScriptedUi.h"
#include "project/ProjectFile.h"
#include "project/RecordStore.h"

namespace {

using namespace vemora;

// A pumping project of 500 nodes saved in a file and shown in the window.
struct SavedPumpingProject
{
    SavedPumpingProject()
    {
        bench::ensureApplication();
        InstallInputWindow(ctx);
        ProjectStore& s = ctx.store;
        s.SystemType = 1;
        WriteNewProjectDefaults(s, "09/12/2026");
        CopyRecordToStore(s.ProjectRec, s);
        s.ProjectName = "Bench";
        s.Designer = "Bench";
        s.FixedDemand = 120;
        s.OperatingFlowRate = 150;
        for (int i = 1; i <= MaxNodes; ++i) {
            s.NodeElevation[i] = 1200.25f - 0.5f * static_cast<float>(i);
            s.NodeAccumulatedLength[i] = 37.5f * static_cast<float>(i);
            s.PipeDiameter[i] = 508;
            s.WallThickness[i] = 6.35f;
            s.PipeCostPerMetre[i] = 2150.8f;
            s.SecondaryLoss[i] = 0.15f;
            s.NodeTypeCode[i] = static_cast<int16_t>(i % 10);
        }
        CopyStoreToRecord(s, s.ProjectRec);
        s.ProjectFilePath = dir.filePath(QStringLiteral("bench.kpj")).toStdString();
        int64_t number = 0;
        if (WriteProjectFile(s.ProjectFilePath, s.ProjectRec, number) == FileStatus::Ok)
            loaded = LoadProject(ctx);
    }

    QTemporaryDir dir;
    ScriptedUi ui;
    AppContext ctx{ui};
    bool loaded = false;
};

void BM_SaveProjectFromWindow(benchmark::State& state)
{
    SavedPumpingProject p;
    if (!p.loaded) state.SkipWithError("cannot make the project");
    for (auto _ : state) {
        if (SaveProject(p.ctx) != SaveOutcome::Saved) state.SkipWithError("save refused");
    }
}
BENCHMARK(BM_SaveProjectFromWindow)->Unit(benchmark::kMillisecond);

void BM_OpenProjectIntoWindow(benchmark::State& state)
{
    SavedPumpingProject p;
    if (!p.loaded) state.SkipWithError("cannot make the project");
    for (auto _ : state)
        if (!LoadProject(p.ctx)) state.SkipWithError("open refused");
}
BENCHMARK(BM_OpenProjectIntoWindow)->Unit(benchmark::kMillisecond);

} // namespace
