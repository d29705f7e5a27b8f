// The printed text reports over a stand-in input window that gives the
// snapshot the test sets: a new project in the store, figures in the results
// store as the test puts them, and no real window made. Each report prints
// onto a recording printer and the test reads its lines.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>
#include <vector>

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "project/RecordStore.h"
#include "project/SystemType.h"
#include "reports/Reports.h"
#include "support/CheckedUi.h"
#include "support/FakeMainWindow.h"
#include "support/StandInInput.h"

namespace vemora::test {

using Report = void (*)(AppContext&, PageRun&, ReportPrinter&);

class SnapshotReportTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        WriteNewProjectDefaults(ctx.store, "01/02/2024");
        InstallStandInInput(ctx, &snapshot);
    }

    void Pumping() { ctx.store.SystemType = PipelineSystem::Pumping; }

    // The pages of one run of a report.
    std::vector<RecordedPage> Print(Report report)
    {
        RecordingPageDevice device;
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store), 0, printYear};
        report(ctx, run, printer);
        printer.EndDoc();
        return device.pages();
    }

    // Every line of every page, runs of blanks read as one.
    QStringList Lines(Report report)
    {
        QStringList lines;
        for (const RecordedPage& page : Print(report))
            for (const QString& line : page.textLines())
                lines << line.simplified();
        return lines;
    }

    // A grid of the given rows, the heading row first.
    static GridTexts Grid(std::vector<std::vector<QString>> rows) { return GridTexts{rows}; }

    CheckedUi scripted;
    CheckedContext ctx{scripted};
    std::unique_ptr<FakeMainWindow> main = std::make_unique<FakeMainWindow>(ctx);
    InputSnapshot snapshot;
    int printYear = 0; // the year the hydraulic table prints
};

// Whether some line holds `text`; the lines as the failure message.
inline ::testing::AssertionResult HasLine(const QStringList& lines, const QString& text)
{
    if (lines.contains(text)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no line \"" << text.toStdString() << "\" in\n"
                                         << lines.join('\n').toStdString();
}

} // namespace vemora::test
