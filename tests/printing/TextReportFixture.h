// The input window on a new project in a stand-in main window, for the
// printed text reports: a project is set in the store and shown in the
// window, then a report prints onto a recording (or a PDF) and the test
// reads its pages.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <limits>
#include <memory>
#include <vector>

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "app/PrintFailure.h"
#include "app/ProjectLoading.h"
#include "input/InstallInputWindow.h"
#include "input/frmLCC.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "project/ProfileNodes.h"
#include "support/CheckedUi.h"
#include "support/FakeMainWindow.h"

namespace vemora::test {

using Report = void (*)(AppContext&, PageRun&, ReportPrinter&);

class TextReportTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        InstallInputWindow(ctx);
        NewOfType(0);
    }

    // A blank project of the system type, shown in the input window.
    void NewOfType(int systemType)
    {
        ctx.store.SystemType = static_cast<int16_t>(systemType);
        NewProject(ctx);
        w = static_cast<frmLCC*>(ctx.windows.input.Get());
    }

    // The store shown again in the input window, as a load shows it.
    void Show()
    {
        w->ShowSystemTypeView(false);
        w->ShowProject();
    }

    // A profile of n nodes along a falling line, node i at 10 (i - 1) m.
    void Nodes(int n)
    {
        ProjectStore& s = ctx.store;
        for (int i = 1; i <= MaxNodes; ++i) {
            const bool used = i <= n;
            s.NodeElevation[i] = used ? 1000.0f - i : UnusedNode;
            s.NodeAccumulatedLength[i] = used ? 10.0f * (i - 1) : UnusedNode;
            s.PipeDiameter[i] = used ? 500 : 0;
            s.NodeTypeCode[i] = 0;
        }
    }

    // The pages of one run of a report, numbered from 1.
    std::vector<RecordedPage> Print(Report report)
    {
        RecordingPageDevice device;
        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        report(ctx, run, printer);
        printer.EndDoc();
        return device.pages();
    }

    // The lines of a page with runs of blanks as one, so that a label's
    // trailing blank and the gap to its value read as one blank.
    static QStringList Lines(const RecordedPage& page)
    {
        QStringList lines = page.textLines();
        for (QString& line : lines)
            line = line.simplified();
        return lines;
    }

    static int CountOf(const RecordedPage& page, const QString& text)
    {
        int n = 0;
        for (const PageText& t : page.texts)
            n += t.text == text;
        return n;
    }

    CheckedUi scripted;
    CheckedContext ctx{scripted};
    std::unique_ptr<FakeMainWindow> main = std::make_unique<FakeMainWindow>(ctx);
    frmLCC* w = nullptr;
};

} // namespace vemora::test
