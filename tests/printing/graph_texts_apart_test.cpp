// Printed graphs keep their texts apart: on every graph page of the print
// run and of the windows' print buttons (the profile view, the duty points
// and the pump curve), no tick label or axis title comes within half a millimetre of
// another text or of an axis line on the paper, at margins of 0, 15 and
// 40 mm, which scale the page down whole when they leave less room than
// its layout.
#include <QComboBox>
#include <QMarginsF>
#include <QTest>

#include "ReportsFixture.h"
#include "input/frmLCC.h"
#include "input/frmPumpView.h"
#include "input/frmView.h"
#include "pages/PumpPages.h"
#include "pages/ViewProfilePage.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "project/SystemType.h"
#include "reports/ReportItems.h"
#include "results/AnalysedProjects.h"
#include "results/frmResults.h"
#include "support/TextsApart.h"

namespace vemora::test {
namespace {

class GraphTextsApartTest : public ReportsTest
{
  protected:
    // Every item the project allows, then the page of the input window's
    // profile view and, for a pump curve, the duty-point pages of the
    // results window and the page of the pump-curve view.
    void PrintEveryGraph()
    {
        PrintSelection ticked{};
        for (const ReportItem& item : ReportItems())
            ticked[static_cast<size_t>(item.step)] = ReportAvailable(ctx, item.box);
        EXPECT_FALSE(RunPrint(ctx, device, 1, ticked, 1));

        ReportPrinter printer(device);
        PageRun run{HeaderTextsOf(ctx.store)};
        auto* input = static_cast<frmLCC*>(ctx.windows.input.Get());
        ASSERT_NE(input, nullptr);
        QTest::mouseClick(input->sscViewProfile, Qt::LeftButton);
        auto* profile = static_cast<frmView*>(ctx.windows.profileView.Get());
        ASSERT_NE(profile, nullptr);
        PrintViewProfilePlot(ctx, run, printer, profile->picGraph->drawing(),
                             profile->comBegin->currentText(), profile->comEnd->currentText(),
                             true);
        if (IsPumping(ctx.store) && ctx.store.PumpCurveGiven == 1) PrintPumpPages(run, printer);
        printer.EndDoc();
    }

    void PrintPumpPages(PageRun& run, ReportPrinter& printer)
    {
        auto* results = static_cast<frmResults*>(ctx.windows.results.Load());
        ASSERT_NE(results, nullptr);
        results->show();
        QTest::mouseClick(results->sscDutypoint, Qt::LeftButton);
        PrintPumpSystemCurve(ctx, run, printer, results->picDuty->drawing(),
                             results->lblDutyYear->text(), *results->msgDuty);
        auto* input = static_cast<frmLCC*>(ctx.windows.input.Get());
        QTest::mouseClick(input->sscViewCurve, Qt::LeftButton);
        auto* view = static_cast<frmPumpView*>(ctx.windows.pumpView.Get());
        ASSERT_NE(view, nullptr);
        PrintPumpCurve(ctx, run, printer, view->picGraph->drawing());
    }

    // Prints every graph of the project at each margin and checks the gaps
    // of every painted graph; returns how many graphs it checked.
    int ExpectGraphTextsApart(std::unique_ptr<ProjectStore> project, const std::string& name)
    {
        int graphs = 0;
        for (double margins : {0.0, 15.0, 40.0}) {
            Open(*project);
            Analyse();
            const MarginsLayout layout = LayOutForMargins(margins);
            device = RecordingPageDevice(layout.portrait);
            PrintEveryGraph();
            for (size_t p = 0; p < pages().size(); ++p)
                graphs += ExpectPageGraphsApart(pages()[p], layout.scale,
                                                name + " at " + std::to_string(int(margins)) +
                                                    " mm, page " + std::to_string(p + 1));
        }
        return graphs;
    }
};

TEST_F(GraphTextsApartTest, EveryPrintedGraphKeepsItsTextsApart)
{
    // Profile, demand, income, IRR and profile view graphs at each of the
    // three margins; the pumping projects add the duty point and the pump
    // curve.
    EXPECT_EQ(ExpectGraphTextsApart(GravityCrestProject(), "gravity"), 3 * 5);
    EXPECT_EQ(ExpectGraphTextsApart(PumpingCurveProject(), "pump curve"), 3 * 7);
    EXPECT_EQ(ExpectGraphTextsApart(UsPumpingProject(), "US units"), 3 * 7);
}

} // namespace
} // namespace vemora::test
