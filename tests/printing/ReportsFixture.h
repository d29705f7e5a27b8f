// Printed reports of a project opened as the program opens it: saved to a
// file, loaded into the input window, analysed through the analysis as the
// dialog runs it, then printed on a recording printer or into a PDF.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/AnalyseProject.h"
#include "app/AppContext.h"
#include "app/PageRun.h"
#include "app/ProjectLoading.h"
#include "engine/EngineProjects.h"
#include "input/InstallInputWindow.h"
#include "platform/PrinterPageDevice.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "project/ProjectFile.h"
#include "project/test_files.h"
#include "reports/InstallReports.h"
#include "reports/PrintRun.h"
#include "results/InstallResultsWindow.h"
#include "support/CheckedUi.h"
#include "support/FakeMainWindow.h"

namespace vemora::test {

class ReportsTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        InstallInputWindow(ctx);
        InstallResultsWindow(ctx);
        InstallReports(ctx);
    }

    // Saves the project (as `name` in the test's folder) and opens the file;
    // a project without a name or designer gets the usual ones.
    void Open(ProjectStore& project, const std::string& name = "project.kpj")
    {
        if (project.ProjectName.empty()) project.ProjectName = "Pipeline to town";
        if (project.Designer.empty()) project.Designer = "A. Engineer";
        project.ProjectDate = "16/05/2005";
        ProjectRecord rec = SavedRecord(project);
        int64_t record = 0;
        path = folder.File(name);
        ASSERT_EQ(WriteProjectFile(path, rec, record), FileStatus::Ok);
        ctx.store.ProjectFilePath = path;
        ASSERT_TRUE(LoadProject(ctx));
    }

    void Analyse()
    {
        AnalysisObserver progress;
        ASSERT_EQ(AnalyseProject(ctx, progress).Status, AnalysisStatus::Completed);
        ctx.store.ResultsValid = true;
    }

    static PrintSelection Only(std::initializer_list<ReportBox> boxes)
    {
        PrintSelection ticked{};
        for (ReportBox b : boxes)
            ticked[static_cast<size_t>(b)] = true;
        return ticked;
    }

    // The pages of a run on the recording printer; the failure, if any.
    std::optional<QString> Record(std::initializer_list<ReportBox> boxes, int copies = 1)
    {
        return RunPrint(ctx, device, copies, Only(boxes), printYear);
    }

    // A run into a PDF file; its path.
    QString PrintPdf(std::initializer_list<ReportBox> boxes, int copies = 1,
                     const char* name = "report.pdf")
    {
        const QString pdf = QString::fromStdString(folder.File(name));
        QPrinter printer(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(printer, pdf);
        PrinterPageDevice pdfDevice(printer);
        EXPECT_FALSE(RunPrint(ctx, pdfDevice, copies, Only(boxes), printYear));
        return pdf;
    }

    const std::vector<RecordedPage>& pages() const { return device.pages(); }

    CheckedUi ui;
    CheckedContext ctx{ui};
    std::unique_ptr<FakeMainWindow> main = std::make_unique<FakeMainWindow>(ctx);
    RecordingPageDevice device;
    TempFolder folder;
    std::string path;
    int printYear = 0; // the year the hydraulic table prints
};

// A pumping project of `nodes` nodes along a rising main, `years` years.
inline std::unique_ptr<ProjectStore> RisingMain(int nodes, int years)
{
    std::vector<Node> profile;
    for (int i = 0; i < nodes; ++i)
        profile.push_back({10.0f + 40.0f * i / std::max(1, nodes - 1), 50.0f * i});
    auto s = PumpingProject(10, 60, profile);
    s->DesignLife = static_cast<int16_t>(years);
    AddCosts(*s);
    return s;
}

} // namespace vemora::test
