// The calibration window as a user works it: the measurement grid's keys and
// choice list, the scenarios kept from one Calculate to the next, and the
// results of the scenario on screen.
#include "CalibrationFixture.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLabel>

#include "platform/ScrollBar.h"
#include "support/UserInput.h"

namespace vemora::test {
namespace {

// The example section: 1000 m from node 1 to node 3, head 120 m falling to
// 115 m (pressures in metres of water), 0.3 m³/s in the 500 mm pipe.
const std::vector<CalibrationTest::Point> ExamplePoints = {{"0.000", "100", "20"},
                                                           {"1000.000", "90", "25"}};

class RoughnessWindowTest : public CalibrationTest
{
  protected:
    void SetUp() override
    {
        CalibrationTest::SetUp();
        w = OpenCalibration();
        w->msgRoughness->setFocus();
    }
    void CalculateExample()
    {
        Enter(w, ExamplePoints, "0.3");
        w->comPressureUnits->setCurrentIndex(15); // metres of water
        w->sscCalculate->click();
    }
    QString Result(int row, int col) const { return w->msgRoughnessResults->TextMatrix(row, col); }
    frmRoughness* w = nullptr;
};

TEST_F(RoughnessWindowTest, OpensEmptyWithTheNodeChainagesAndTheDefaultUnits)
{
    ASSERT_EQ(w->comAccLength->count(), 4); // NodeCount
    EXPECT_EQ(w->comAccLength->itemText(0), "0.000");
    EXPECT_EQ(w->comAccLength->itemText(3), "1250.000");
    EXPECT_EQ(w->comFlowrateUnits->count(), 13);
    EXPECT_EQ(w->comFlowrateUnits->currentText(), "m³/s");
    EXPECT_EQ(w->comPressureUnits->count(), 17);
    EXPECT_EQ(w->comPressureUnits->currentText(), "kilo Pascals (kPa)");
    EXPECT_EQ(w->msgRoughnessResults->TextMatrix(6, 0), "Average velocity (m/s)");
    EXPECT_EQ(w->msgRoughnessResults->TextMatrix(0, 4), "4 to 5");
    EXPECT_EQ(w->msgRoughness->TextMatrix(3, 0), "Measured pressure");
    EXPECT_EQ(w->windowTitle(), "  ROUGHNESS CALCULATION");
}

TEST_F(RoughnessWindowTest, GridKeysFilterRowsTwoAndThreeMoveOnEnterAndRestoreOnEsc)
{
    FlexGrid* g = w->msgRoughness;
    // Elevation row: letters, "-" and "%" change nothing.
    Click(g, 2, 5);
    Keys("a-%");
    EXPECT_EQ(g->TextMatrix(2, 5), "");
    EXPECT_FALSE(w->txtCell->isVisible());
    // Digits and "." go in; Enter on the last column moves down.
    Keys("12.5");
    EXPECT_TRUE(w->txtCell->isVisible());
    Key(Qt::Key_Return);
    EXPECT_EQ(g->TextMatrix(2, 5), "12.5");
    EXPECT_EQ(g->Row(), 3);
    EXPECT_EQ(g->Col(), 5);
    // Enter without an editor walks right along a row.
    Click(g, 3, 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(g->Col(), 2);
    // Esc in the editor brings back the text the cell had when entered.
    Click(g, 2, 5);
    Keys("7");
    EXPECT_EQ(g->TextMatrix(2, 5), "7");
    Key(Qt::Key_Escape);
    EXPECT_EQ(w->txtCell->Text(), "12.5");
    EXPECT_EQ(g->TextMatrix(2, 5), "12.5");
    EXPECT_TRUE(w->txtCell->isVisible());
    // The accumulated-length row takes a first key as typed; its editor
    // then filters.
    Click(g, 1, 2);
    g->setFocus();
    Keys("x");
    EXPECT_EQ(g->TextMatrix(1, 2), "x");
    Keys("y5");
    EXPECT_EQ(w->txtCell->Text(), "x5");
}

// A paste into a measurement cell goes in whole, without the line end a
// spreadsheet cell is copied with, or not at all, the reason on the main
// window's status line; the flow rate box, which filters no keys, takes any
// paste without its line end.
TEST_F(RoughnessWindowTest, PastesGoInWholeOrNotAtAll)
{
    FlexGrid* g = w->msgRoughness;
    Click(g, 3, 2);
    Keys("4");
    QApplication::clipboard()->setText(QStringLiteral("25\n30\n"));
    QTest::keyClick(w->txtCell, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g->TextMatrix(3, 2), "4");
    EXPECT_EQ(main->panelText(MainWindow::HintPanel),
              "Nothing pasted: \"25 30\" holds characters other than digits and the full stop.");
    QApplication::clipboard()->setText(QStringLiteral("5.5\r\n"));
    QTest::keyClick(w->txtCell, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g->TextMatrix(3, 2), "45.5");

    w->txtFlowrate->clear();
    w->txtFlowrate->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("0.3\n"));
    QTest::keyClick(w->txtFlowrate, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->txtFlowrate->text(), "0.3");
}

// What the user does once the choice list lies over point 2's accumulated
// length, before a pick of 1250.000 from the list where it still shows (no
// pick after Esc or another scenario).
enum class AfterTheClick { Down, Tab, LengthOfPoint4, ElevationOfPoint2, Wheel, Esc, Scenario };

class RoughnessChoiceList : public RoughnessWindowTest,
                            public ::testing::WithParamInterface<AfterTheClick>
{
  protected:
    // Opens the list with a click and picks the item from it by keys.
    static void Pick(QComboBox* list, const QString& item)
    {
        QTest::mouseClick(list, Qt::LeftButton, {}, list->rect().center());
        QAbstractItemView* shown = list->view();
        ASSERT_TRUE(shown->isVisible());
        QTest::keyClick(shown, Qt::Key_Home);
        for (int i = 0; i < list->findText(item); ++i)
            QTest::keyClick(shown, Qt::Key_Down);
        QTest::keyClick(shown, Qt::Key_Return);
    }
    // The cell the list lies over, or (-1, -1) while it is hidden.
    QPoint CellUnderTheList() const
    {
        if (!w->comAccLength->isVisible()) return {-1, -1};
        const QPoint centre =
            w->msgRoughness->mapFrom(w->fraScenario, w->comAccLength->geometry().center());
        return {w->msgRoughness->colAt(centre.x()), w->msgRoughness->rowAt(centre.y())};
    }
};

// Whatever the user does, the list shows only what the cell under it holds,
// a pick goes into that cell, and Calculate stores a value exactly where the
// window shows one.
TEST_P(RoughnessChoiceList, ShowsAndWritesOnlyTheCellItLiesOver)
{
    FlexGrid* g = w->msgRoughness;
    Enter(w, {{"0.000", "100", "20"}, {"500.000", "90", "25"}}, "0.3");
    Click(g, 1, 2);
    ASSERT_EQ(CellUnderTheList(), QPoint(2, 1));
    EXPECT_EQ(w->comAccLength->currentText(), "500.000");
    switch (GetParam()) {
    case AfterTheClick::Down:
        Key(Qt::Key_Down);
        break;
    case AfterTheClick::Tab:
        Key(Qt::Key_Tab);
        break;
    case AfterTheClick::LengthOfPoint4:
        Click(g, 1, 4);
        break;
    case AfterTheClick::ElevationOfPoint2:
        Click(g, 2, 2);
        break;
    case AfterTheClick::Wheel:
        TurnWheel(g, -1, CellCentre(g, 1, 2) + g->viewport()->geometry().topLeft());
        EXPECT_EQ(w->comAccLength->currentText(), "1000.000"); // the list under the pointer
        break;
    case AfterTheClick::Esc:
        Key(Qt::Key_Escape);
        break;
    case AfterTheClick::Scenario:
        TurnWheel(w->hscScenario, -1);
        ASSERT_GT(w->hscScenario->Value(), 1);
        break;
    }
    const bool picks = GetParam() != AfterTheClick::Esc && GetParam() != AfterTheClick::Scenario;
    const QPoint over = CellUnderTheList();
    if (over.x() >= 0 && picks) Pick(w->comAccLength, "1250.000");
    ASSERT_EQ(CellUnderTheList(), over);
    if (over.x() >= 0) {
        EXPECT_EQ(over, QPoint(g->Col(), g->Row()));
        EXPECT_EQ(w->comAccLength->currentText(), g->TextMatrix(over.y(), over.x()));
        if (picks) {
            EXPECT_EQ(g->TextMatrix(1, over.x()), "1250.000");
        }
    }

    w->sscCalculate->click();
    const auto& stored = ctx.calibration.scenarios[ctx.calibration.CalibScenario - 1];
    for (int p = 1; p <= 5; ++p) {
        const MeasuringPoint& point = stored.points[p - 1];
        const std::optional<double>* values[] = {&point.chainage, &point.elevation,
                                                 &point.pressure};
        for (int row = 1; row <= 3; ++row) {
            const QString shown = g->TextMatrix(row, p);
            ASSERT_EQ(values[row - 1]->has_value(), !shown.isEmpty()) << row << ", " << p;
            if (!shown.isEmpty()) {
                EXPECT_DOUBLE_EQ(**values[row - 1], shown.toDouble());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sequences, RoughnessChoiceList,
                         ::testing::Values(AfterTheClick::Down, AfterTheClick::Tab,
                                           AfterTheClick::LengthOfPoint4,
                                           AfterTheClick::ElevationOfPoint2, AfterTheClick::Wheel,
                                           AfterTheClick::Esc, AfterTheClick::Scenario));

TEST_F(RoughnessWindowTest, CalculateFillsOnlyTheMeasuredSectionWithTheExampleValues)
{
    CalculateExample();
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_EQ(Result(1, 1), "0.610"); // Colebrook-White, mm
    EXPECT_EQ(Result(2, 1), "0.595"); // Barr
    EXPECT_EQ(Result(3, 1), "0.657"); // Karman-Prandtl
    EXPECT_EQ(Result(4, 1), "116.43");
    EXPECT_EQ(Result(5, 1), "500.00");
    EXPECT_EQ(Result(6, 1), "1.528");
    for (int col = 2; col <= 4; ++col)
        for (int row = 1; row <= 7; ++row)
            EXPECT_EQ(Result(row, col), "") << row << ", " << col;
    // The same run again gives the same texts.
    const QString first = Result(7, 1);
    w->sscCalculate->click();
    EXPECT_EQ(Result(7, 1), first);
}

TEST_F(RoughnessWindowTest, ScenariosKeepWhatTheirLastCalculateStored)
{
    CalculateExample();
    w->hscScenario->setValue(2);
    EXPECT_EQ(w->lblScenario->text(), "2");
    EXPECT_EQ(w->fraScenario->title(), "Measuring data (for scenario 2)");
    EXPECT_EQ(w->msgRoughness->TextMatrix(1, 1), "");
    // Never calculated: flow 0, "Mega liters/day" and "Pascals (Pa)".
    EXPECT_EQ(w->txtFlowrate->Text(), "0");
    EXPECT_EQ(w->comFlowrateUnits->currentText(), "Mega liters/day");
    EXPECT_EQ(w->comPressureUnits->currentText(), "Pascals (Pa)");
    EXPECT_EQ(Result(1, 1), "");
    // Typed but not calculated: lost on leaving the scenario.
    w->msgRoughness->setTextMatrix(2, 1, "55");
    w->hscScenario->setValue(1);
    EXPECT_EQ(w->msgRoughness->TextMatrix(1, 2), "1000");
    EXPECT_EQ(w->msgRoughness->TextMatrix(2, 1), "100");
    EXPECT_EQ(w->msgRoughness->TextMatrix(3, 2), "25");
    EXPECT_EQ(w->msgRoughness->TextMatrix(1, 3), "");
    EXPECT_EQ(w->txtFlowrate->Text(), "0.3");
    EXPECT_EQ(w->comPressureUnits->currentIndex(), 15);
    EXPECT_EQ(Result(1, 1), ""); // results show again only after Calculate
    w->hscScenario->setValue(2);
    EXPECT_EQ(w->msgRoughness->TextMatrix(2, 1), "");

    // Reopening the window shows an empty grid until a scenario is chosen.
    ctx.windows.roughness.Unload();
    w = OpenCalibration();
    EXPECT_EQ(w->msgRoughness->TextMatrix(1, 2), "");
    w->hscScenario->setValue(2);
    w->hscScenario->setValue(1);
    EXPECT_EQ(w->msgRoughness->TextMatrix(1, 2), "1000");
}

TEST_F(RoughnessWindowTest, WhatCannotBeComputedShowsEmptyCells)
{
    // A zero elevation and a zero pressure are real entries.
    Enter(w, {{"0", "0", "120"}, {"1000", "0", "115"}}, "0.3");
    w->comPressureUnits->setCurrentIndex(15);
    w->sscCalculate->click();
    EXPECT_EQ(Result(1, 1), "0.610");

    // No flow: no roughness and no coefficient, never 3.7 D.
    for (const char* flow : {"0", "-0.3"}) {
        w->txtFlowrate->setText(QString::fromLatin1(flow));
        w->sscCalculate->click();
        for (int row = 1; row <= 4; ++row)
            EXPECT_EQ(Result(row, 1), "") << flow << " row " << row;
        EXPECT_EQ(Result(5, 1), "500.00");
    }

    // A loss below the smooth-pipe loss: no negative roughness, while
    // Karman-Prandtl and C still show.
    Enter(w, {{"0", "100", "20"}, {"1000", "99", "20"}}, "0.3");
    w->sscCalculate->click();
    EXPECT_EQ(Result(1, 1), "");
    EXPECT_EQ(Result(2, 1), "");
    EXPECT_NE(Result(3, 1), "");
    EXPECT_NE(Result(4, 1), "");

    // An empty first point never makes a section from the origin.
    Enter(w, {{"", "", ""}, {"1000", "90", "25"}}, "0.3");
    w->sscCalculate->click();
    EXPECT_EQ(Result(1, 1), "");

    // A chainage that is no node's: no results, however an earlier run matched.
    CalculateExample();
    EXPECT_EQ(Result(1, 1), "0.610");
    Enter(w, {{"0", "100", "20"}, {"999.5", "90", "25"}}, "0.3");
    w->sscCalculate->click();
    for (int row = 1; row <= 7; ++row)
        EXPECT_EQ(Result(row, 1), "") << row;
    EXPECT_TRUE(ctx.calibration.results[0].sections[0].gradeline.empty());
}

TEST_F(RoughnessWindowTest, AFlowThatIsNotANumberStopsCalculateAndNamesTheBox)
{
    CalculateExample();
    w->txtFlowrate->setText("0,3");
    w->msgRoughness->setTextMatrix(3, 2, "30"); // not stored: the run stops first
    w->sscCalculate->click();
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_TRUE(scripted.messages[0].text.contains("Flow rate box"))
        << scripted.messages[0].text.toStdString();
    EXPECT_EQ(scripted.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ctx.calibration.scenarios[0].flow, 0.3);
    EXPECT_EQ(ctx.calibration.scenarios[0].points[1].pressure, 25.0);

    // A pasted cell text that is not a number names its cell.
    w->txtFlowrate->setText("0.3");
    w->msgRoughness->setTextMatrix(1, 2, "1e3");
    w->sscCalculate->click();
    ASSERT_EQ(scripted.messages.size(), 2u);
    EXPECT_TRUE(scripted.messages[1].text.contains("accumulated length of measuring point 2"));
}

TEST_F(RoughnessWindowTest, ViewGraphHidesTheWindowAndTheViewsOkBringsItBack)
{
    CalculateExample();
    w->msgRoughness->setTextMatrix(2, 4, "77"); // typed, kept while hidden
    w->sscViewGraph->click();
    EXPECT_FALSE(IsWorkingWindowShowing(ctx, w));
    auto* v = static_cast<frmViewRoughness*>(ctx.windows.roughnessView.Get());
    ASSERT_TRUE(v);
    EXPECT_TRUE(IsWorkingWindowShowing(ctx, v));
    v->sscOK->click();
    EXPECT_FALSE(ctx.windows.roughnessView.Loaded());
    EXPECT_TRUE(IsWorkingWindowShowing(ctx, w));
    EXPECT_EQ(w->msgRoughness->TextMatrix(2, 4), "77");

    w->sscHelp->click();
    EXPECT_EQ(scripted.helpTopics, std::vector<int>{3060});
    w->sscPrevious->click();
    EXPECT_FALSE(ctx.windows.roughness.Loaded());
}

} // namespace
} // namespace vemora::test
