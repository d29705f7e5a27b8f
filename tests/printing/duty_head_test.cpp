// One pumping head for a year, wherever it is shown or printed: the
// duty-point table (and the pump pages that copy it), the hydraulic
// profile's caption and the printed hydraulic page, all measured from the
// pump-station reservoir level, so that the tabled duty point lies on the
// user's pump curve.
#include <QLabel>

#include "ReportsFixture.h"
#include "engine/NumberFormat.h"
#include "pages/PumpPages.h"
#include "platform/Drawing.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "results/frmResults.h"

namespace vemora::test {
namespace {

class DutyHeadTest : public ReportsTest
{
  protected:
    // Node 1 lies 2 m below the pump-station reservoir (level 0 m).
    void OpenAndAnalyse()
    {
        auto project = PumpingProject(0, 50, {{-2, 0}, {30, 600}, {45, 1000}});
        SetPumpCurve(*project, TypicalPumpCurve);
        project->RoughnessOld = 2.0f; // a head that changes over the years
        Open(*project);
        Analyse();
        w = static_cast<frmResults*>(ctx.windows.results.Load());
    }

    static QString Head(double metres)
    {
        return QString::fromStdString(FormatThreeDecimals(metres));
    }

    frmResults* w = nullptr;
};

TEST_F(DutyHeadTest, TheTableTheCaptionAndThePrintedPagesShowOneHead)
{
    OpenAndAnalyse();
    const ResultsStore& r = ctx.results;
    w->sscDutypoint->click();
    for (int year : {1, static_cast<int>(ctx.store.DesignLife)}) {
        SCOPED_TRACE(year);
        const QString head = Head(r.Gradeline(1, year) - r.StartLevelSI);
        EXPECT_EQ(w->msgDuty->TextMatrix(year + 1, 2), head);

        w->hscYears->setValue(year);
        w->DrawHydraulicProfile();
        EXPECT_EQ(w->lblPumping->text(), "Pumping head: " + head + " m");

        const size_t first = pages().size();
        printYear = year;
        ASSERT_FALSE(Record({ReportBox::TextHydraulic}));
        EXPECT_NE(pages()[first].findTextStartingWith("Pumping head: " + head + " m"), nullptr);
    }

    // The duty pages print the table's rows as they stand.
    const size_t first = pages().size();
    ReportPrinter printer(device);
    PageRun run{HeaderTextsOf(ctx.store)};
    PrintPumpSystemCurve(ctx, run, printer, Drawing(), w->lblDutyYear->text(), *w->msgDuty);
    printer.EndDoc();
    ASSERT_GE(pages().size(), first + 2);
    EXPECT_NE(pages()[first + 1].findText(w->msgDuty->TextMatrix(2, 2)), nullptr);
}

TEST_F(DutyHeadTest, TheTabledDutyPointLiesOnThePumpCurve)
{
    OpenAndAnalyse();
    w->sscDutypoint->click();
    const std::vector<PumpPoint>& points = TypicalPumpCurve;
    for (int year = 1; year <= ctx.store.DesignLife; ++year) {
        SCOPED_TRACE(year);
        // The tabled flow, to more decimals than its three.
        const double flow = ctx.results.YearDutyFlow[year];
        ASSERT_EQ(w->msgDuty->TextMatrix(year + 1, 1),
                  QString::fromStdString(FormatThreeDecimals(flow)));
        const double head = w->msgDuty->TextMatrix(year + 1, 2).toDouble();
        size_t k = 0;
        while (k + 2 < points.size() && flow > points[k + 1].flow)
            ++k;
        const PumpPoint& a = points[k];
        const PumpPoint& b = points[k + 1];
        EXPECT_NEAR(head, a.head + (b.head - a.head) * (flow - a.flow) / (b.flow - a.flow), 0.03);
    }
}

} // namespace
} // namespace vemora::test
