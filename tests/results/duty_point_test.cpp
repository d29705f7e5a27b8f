// The duty-point page (table, year scroll bar, pump and system curves) and
// the warning window a run shows when the pump curve misses the system curve.
#include <QLabel>

#include "app/PumpCurveMissed.h"
#include "results/ResultsWindowFixture.h"
#include "results/frmDutyPoint.h"

using namespace vemora;
using namespace vemora::test;

namespace {

class DutyPointTest : public ResultsWindowTest
{
  protected:
    void SetUp() override
    {
        ResultsWindowTest::SetUp();
        PumpingStores();
        ProjectStore& s = ctx.store;
        s.CurveFlowUnit = 1; // m³/s
        s.CurveHeadUnit = 1; // ft
        const float heads[] = {120, 115, 105, 90, 70, 45};
        for (int k = 1; k <= 6; ++k) {
            s.PumpCurve[1][k] = heads[k - 1];
            s.PumpCurve[2][k] = 0.05f * k;
            s.PumpCurve[3][k] = 60 + k;
        }
        ResultsStore& r = ctx.results;
        r.PumpFlowUnitFactor = 1;
        r.PumpHeadUnitFactor = 0.3048f;
        for (int y = 1; y <= MaxYears; ++y) {
            r.YearDutyFlow[y] = 0.25f;
            r.YearPumpHead[y] = 30.48f;
            r.YearDutyEfficiency[y] = 72.456f;
            // Year y's system curve starts y x 3 m higher.
            for (int i = 1; i <= MaxSystemSamples; ++i) {
                const float q = 0.05f + 0.25f * i / MaxSystemSamples;
                r.YearSystemFlow(y, i) = q;
                r.YearSystemHead(y, i) = 3.0f * y + 200 * q * q;
            }
        }
    }

    double lowestHeadLabel(const Drawing& d)
    {
        double lowest = 1e9;
        for (const Primitive* t : d.of(PrimitiveKind::Text))
            if (t->x1 == 300) lowest = std::min(lowest, t->text.toDouble());
        return lowest;
    }
};

} // namespace

TEST_F(DutyPointTest, TableOfTwoYearsInThePumpCurveUnits)
{
    ctx.store.DesignLife = 2;
    QTest::mouseClick(w->sscDutypoint, Qt::LeftButton);
    FlexGrid* g = w->msgDuty;
    EXPECT_EQ(g->Rows(), 4);
    EXPECT_EQ(g->Cols(), 4);
    EXPECT_EQ(cell(g, 0, 0), "Year");
    EXPECT_EQ(cell(g, 0, 3), "Pump efficiency");
    EXPECT_EQ(cell(g, 1, 1), "m³/s");
    EXPECT_EQ(cell(g, 1, 2), "ft");
    EXPECT_EQ(cell(g, 1, 3), "%");
    EXPECT_TRUE(g->cellFontBoldAt(1, 3));
    EXPECT_EQ(cell(g, 2, 0), "2001");
    EXPECT_EQ(cell(g, 3, 0), "2002");
    EXPECT_EQ(cell(g, 2, 1), "0.250");
    EXPECT_EQ(cell(g, 2, 2), "100.000");
    EXPECT_EQ(cell(g, 2, 3), "72.46");
    EXPECT_EQ(w->hscDuty->Min(), 1);
    EXPECT_EQ(w->hscDuty->Max(), 2);
    EXPECT_EQ(w->lblDutyYear->text(), "Year 2001");
    EXPECT_FALSE(w->picDuty->drawing().isEmpty());
}

TEST_F(DutyPointTest, ScrollingRedrawsThatYearsCurve)
{
    ctx.store.DesignLife = 5;
    QTest::mouseClick(w->sscDutypoint, Qt::LeftButton);
    const double firstYear = lowestHeadLabel(w->picDuty->drawing());
    w->hscDuty->setValue(3);
    EXPECT_EQ(ctx.results.DutyYear, 3);
    EXPECT_EQ(w->lblDutyYear->text(), "Year 2003");
    EXPECT_GT(lowestHeadLabel(w->picDuty->drawing()), firstYear);
    // Opening the page again starts at the first year.
    QTest::mouseClick(w->sscDutypoint, Qt::LeftButton);
    EXPECT_EQ(w->hscDuty->Value(), 1);
    EXPECT_EQ(ctx.results.DutyYear, 1);
}

// A design life beyond the store's years never lets the bar read past 100.
TEST_F(DutyPointTest, ScrollBarStaysWithinTheStoredYears)
{
    ctx.store.DesignLife = 300;
    QTest::mouseClick(w->sscDutypoint, Qt::LeftButton);
    EXPECT_EQ(w->hscDuty->Max(), MaxYears);
    EXPECT_EQ(w->msgDuty->Rows(), MaxYears + 2);
}

TEST_F(DutyPointTest, WarningShowsTheFailingYearModally)
{
    ctx.results.DutyYear = 4;
    QString caption, text;
    size_t drawn = 0;
    scripted.dialogHandlers.push_back([&](QDialog* d) {
        auto* warning = static_cast<frmDutyPoint*>(d);
        caption = warning->windowTitle();
        text = warning->Label1->text();
        drawn = warning->picDuty->drawing().primitives().size();
        QTest::mouseClick(warning->sscHelp, Qt::LeftButton);
        QTest::mouseClick(warning->sscOK, Qt::LeftButton);
    });
    ShowPumpCurveMissed(ctx, 4);
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text,
              "The pump curve does not intersect the system curve for year 4");
    EXPECT_EQ(scripted.messages[0].title, "Error");
    ASSERT_EQ(scripted.dialogsShown.size(), 1u);
    EXPECT_EQ(scripted.dialogsShown[0], "frmDutyPoint");
    EXPECT_EQ(caption, "  PUMP & SYSTEM CURVES");
    EXPECT_EQ(text,
              "The pump and system curves do not intersect.  The pump selection seems incorrect !");
    EXPECT_GT(drawn, static_cast<size_t>(MaxSystemSamples));
    EXPECT_EQ(scripted.helpTopics.back(), 5500);
}

// Both pictures draw the same year alike, apart from their sizes.
TEST_F(DutyPointTest, WarningDrawsTheYearThePageDraws)
{
    ctx.store.DesignLife = 5;
    QTest::mouseClick(w->sscDutypoint, Qt::LeftButton);
    w->hscDuty->setValue(4);
    frmDutyPoint warning(ctx, nullptr);
    EXPECT_DOUBLE_EQ(warning.picDutyFrame.originY, w->picDutyFrame.originY);
    EXPECT_DOUBLE_EQ(warning.picDutyFrame.originX, w->picDutyFrame.originX);
}
