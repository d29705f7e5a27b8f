// Speed of the print run into a PDF: the general data (a varying demand of
// 100 years, five pages), the hydraulic table of 500 nodes (19 pages), the
// cost summary and both system graph pages of a 500-node, 100-year pumping
// project opened and analysed as the program does it.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <memory>

#include "BenchApplication.h"

#include "app/AnalyseProject.h"
#include "app/AppContext.h"
#include "app/ProjectLoading.h"
#include "input/InstallInputWindow.h"
#include "platform/PrinterPageDevice.h"
#include "platform/ScriptedUi.h"
#include "project/ProjectFile.h"
#include "project/RecordStore.h"
#include "reports/InstallReports.h"
#include "reports/PrintRun.h"
#include "results/InstallResultsWindow.h"

namespace {

using namespace vemora;

struct Project
{
    ScriptedUi ui;
    std::unique_ptr<AppContext> ctx = std::make_unique<AppContext>(ui);
    QTemporaryDir dir;

    Project()
    {
        InstallInputWindow(*ctx);
        InstallResultsWindow(*ctx);
        InstallReports(*ctx);
        ProjectStore s;
        s.SystemType = 1;
        s.DesignLife = 100;
        s.BaseYear = 2020;
        s.SupplyStartYear = 2021;
        s.DemandMode = 1;
        s.FixedDemandUnit = 3;
        s.YearDemandUnit = 3;
        for (int y = 1; y <= MaxYears; ++y)
            s.YearDemand[y] = 80.0f + y * 0.2f;
        s.StartReservoirLevel = 10;
        s.EndReservoirLevel = 60;
        s.NodeCount = MaxNodes;
        for (int i = 1; i <= MaxNodes; ++i) {
            s.NodeElevation[i] = 10.0f + 40.0f * (i - 1) / (MaxNodes - 1);
            s.NodeAccumulatedLength[i] = 20.0f * (i - 1);
            s.PipeDiameter[i] = 500;
            s.PipeCostPerMetre[i] = 1000;
            s.NodeTypeCode[i] = static_cast<int16_t>(i % 10);
        }
        s.RoughnessNew = s.RoughnessOld = 0.1f;
        s.DeteriorationYears = 10;
        s.OperatingFlowRate = 100;
        s.OperatingFlowRateUnit = 2;
        s.OperatingEfficiency = 75;
        s.PumpingHours = 20;
        s.WaterPrice = 1;
        s.DiscountRate = 8;
        s.ProjectName = "Benchmark main";
        CopyStoreToRecord(s, s.ProjectRec);
        int64_t record = 0;
        const std::string path = QDir(dir.path()).filePath("bench.kpj").toStdString();
        WriteProjectFile(path, s.ProjectRec, record);
        ctx->store.ProjectFilePath = path;
        LoadProject(*ctx);
        AnalysisObserver progress;
        AnalyseProject(*ctx, progress);
        ctx->store.ResultsValid = true;
    }
};

void BM_PrintRunToPdf500Nodes100Years(benchmark::State& state)
{
    bench::ensureApplication();
    static Project* project = new Project;
    PrintSelection ticked{};
    for (ReportBox b : {ReportBox::General, ReportBox::TextHydraulic, ReportBox::Cost,
                        ReportBox::Demand, ReportBox::Income})
        ticked[static_cast<size_t>(b)] = true;
    const QString pdf = QDir(project->dir.path()).filePath("bench.pdf");
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(printer, pdf);
        PrinterPageDevice device(printer);
        const auto failure = RunPrint(*project->ctx, device, 1, ticked, 1);
        if (failure) state.SkipWithError(failure->toStdString().c_str());
    }
}
BENCHMARK(BM_PrintRunToPdf500Nodes100Years)->Unit(benchmark::kMillisecond);

} // namespace
