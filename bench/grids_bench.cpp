// Speed of the input grids: filling the profile grid of a 500-node project
// from the store and reading it back, and one keystroke typed into a cell of
// that grid (the editor's copy into the cell and the cell's repaint).
#include <benchmark/benchmark.h>

#include <QKeyEvent>

#include "BenchApplication.h"
#include "app/AppContext.h"
#include "app/ProjectLoading.h"
#include "input/InstallInputWindow.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/ScriptedUi.h"
#include "platform/TextBox.h"

namespace {

using namespace vemora;

// The input window of a new project whose profile has 500 nodes.
struct ProfileWindow
{
    ProfileWindow()
    {
        bench::ensureApplication();
        InstallInputWindow(ctx);
        NewProject(ctx);
        window = static_cast<frmLCC*>(ctx.windows.input.Load());
        for (int i = 1; i <= MaxNodes; ++i) {
            const auto n = static_cast<size_t>(i);
            ctx.store.NodeElevation[n] = 1200.25f - 0.5f * static_cast<float>(i);
            ctx.store.NodeAccumulatedLength[n] = 37.5f * static_cast<float>(i);
            ctx.store.PipeDiameter[n] = 508;
            ctx.store.WallThickness[n] = 6.35f;
            ctx.store.PipeCostPerMetre[n] = 2150.8f;
            ctx.store.SecondaryLoss[n] = 0.15f;
            ctx.store.NodeTypeCode[n] = static_cast<int16_t>(i % 10);
        }
    }
    ScriptedUi ui;
    AppContext ctx{ui};
    frmLCC* window = nullptr;
};

void BM_ProfileFillAndReadBack500(benchmark::State& state)
{
    ProfileWindow p;
    for (auto _ : state) {
        p.window->FillProfileGrid();
        if (!p.window->ReadGrid(InputGrid::Profile)) state.SkipWithError("read-back refused");
    }
}
BENCHMARK(BM_ProfileFillAndReadBack500)->Unit(benchmark::kMillisecond);

void BM_ProfileReadBack500(benchmark::State& state)
{
    ProfileWindow p;
    p.window->FillProfileGrid();
    for (auto _ : state)
        if (!p.window->ReadGrid(InputGrid::Profile)) state.SkipWithError("read-back refused");
}
BENCHMARK(BM_ProfileReadBack500)->Unit(benchmark::kMillisecond);

// A digit and a Backspace typed into the open editor of the last row.
void BM_KeystrokeIn500RowProfile(benchmark::State& state)
{
    ProfileWindow p;
    p.window->FillProfileGrid();
    FlexGrid* grid = p.window->msgProfile;
    grid->setRow(grid->Rows() - 1);
    grid->setCol(1);
    p.window->cellsProfile->EditCell();
    TextBox* editor = p.window->txtCell;
    for (auto _ : state) {
        QKeyEvent digit(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QCoreApplication::sendEvent(editor, &digit);
        QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QCoreApplication::sendEvent(editor, &back);
    }
}
BENCHMARK(BM_KeystrokeIn500RowProfile)->Unit(benchmark::kMicrosecond);

} // namespace
