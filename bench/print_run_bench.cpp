// Speed of a whole print run to PDF: every item of the print run in its
// order for a 500-node, 100-year pumping project shown in the input window,
// with results filled as an analysis leaves them.
#include <benchmark/benchmark.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <memory>

#include "BenchApplication.h"

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "app/PrintFailure.h"
#include "app/ProjectLoading.h"
#include "input/InstallInputWindow.h"
#include "platform/PrinterPageDevice.h"
#include "platform/ReportPrinter.h"
#include "platform/ScriptedUi.h"
#include "reports/ReportItems.h"
#include "results/InstallResultsWindow.h"

namespace {

using namespace vemora;

struct PrintProject
{
    ScriptedUi ui;
    std::unique_ptr<AppContext> ctx = std::make_unique<AppContext>(ui);

    PrintProject()
    {
        InstallInputWindow(*ctx);
        InstallResultsWindow(*ctx);
        ProjectStore& s = ctx->store;
        s.SystemType = 1;
        NewProject(*ctx);
        s.DesignLife = 97;
        s.BaseYear = 2001;
        s.SupplyStartYear = 2004;
        s.DemandMode = 1;
        for (int i = 1; i <= MaxNodes; ++i) {
            s.NodeAccumulatedLength[i] = static_cast<float>((i - 1) * 100.5);
            s.NodeElevation[i] = static_cast<float>(1000 + (i % 37) * 1.25);
            s.PipeDiameter[i] = 500;
            s.NodeTypeCode[i] = static_cast<int16_t>(i % 10);
        }
        for (int y = 1; y <= MaxYears; ++y)
            s.YearDemand[y] = 100 + y;
        InputWindow* input = ctx->windows.input.Load();
        input->ShowSystemTypeView(false);
        input->ShowProject();
        s.ResultsValid = true;

        ResultsStore& r = ctx->results;
        r.DemandUnitFactor = 0.001f;
        for (int y = 1; y <= MaxYears; ++y) {
            for (int k = 0; k <= MaxNodes; ++k)
                r.Gradeline(k, y) = static_cast<float>(1400 - k * 0.4 - y * 0.1);
            r.YearFlow[y] = 0.1f;
            r.YearRoughness[y] = 0.0001f;
            r.YearPumpingHours[y] = 18;
            r.YearIncome[y] = 4.3e6f + y * 1000.0f;
            r.YearExpenditure[y] = 2.3e6f + y * 10.0f;
            r.YearCapital[y] = 1e6f;
            r.YearMaintenance[y] = 1e6f;
            r.YearOperational[y] = 5e5f;
            r.YearEnergy[y] = 8e5f + y * 500.0f;
        }
    }
};

void BM_PrintRunAllItems500Nodes100Years(benchmark::State& state)
{
    bench::ensureApplication();
    static PrintProject* project = new PrintProject;
    AppContext& ctx = *project->ctx;
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        QPrinter qprinter(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(qprinter, dir.filePath("run.pdf"));
        PrinterPageDevice device(qprinter);
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store), 0, 1};
        for (const ReportItem& item : ReportItems()) {
            printer.setOrientation(PageOrientation::Portrait);
            try {
                item.print(ctx, run, printer);
            } catch (const PrintFailure&) {
                // an item not available yet prints nothing
            }
        }
        printer.EndDoc();
        pages = printer.pageCount();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintRunAllItems500Nodes100Years)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
