// Key filter, focus hints, results discarding and the scroll bars.
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>
#include <set>

#include "InputWindowFixture.h"
#include "app/InputFields.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/TabControl.h"
#include "platform/TextBox.h"

namespace vemora::test {

TEST_F(InputWindowTest, KeyFilterDropsOtherCharactersAndKeepsResults)
{
    NewOfType(0);
    w->txtDiscountRate->clear();
    PretendResults();
    QTest::keyClicks(w->txtDiscountRate, QStringLiteral("a-, xE+"));
    EXPECT_EQ(w->txtDiscountRate->text(), QString());
    EXPECT_TRUE(ctx.store.ResultsValid);

    QTest::keyClicks(w->txtDiscountRate, QStringLiteral("7.5"));
    EXPECT_EQ(w->txtDiscountRate->text(), QStringLiteral("7.5"));
    EXPECT_FALSE(ctx.store.ResultsValid);

    w->txtDiscountRate->clear();
    QTest::keyClicks(w->txtDiscountRate, QStringLiteral("1.2.3"));
    EXPECT_EQ(w->txtDiscountRate->text(), QStringLiteral("1.2.3"));
    QTest::keyClick(w->txtDiscountRate, Qt::Key_Backspace);
    EXPECT_EQ(w->txtDiscountRate->text(), QStringLiteral("1.2."));
}

// Text that arrives other than as typed keys must not get round the filter.
TEST_F(InputWindowTest, KeyFilterCannotBeBypassed)
{
    NewOfType(0);
    QLineEdit* field = w->txtDiscountRate;
    field->setText(QStringLiteral("8"));
    PretendResults();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("\u00e9"));
    QApplication::sendEvent(field, &composed);
    EXPECT_EQ(field->text(), QStringLiteral("8"));
    EXPECT_TRUE(ctx.store.ResultsValid);
    QInputMethodEvent digits;
    digits.setCommitString(QStringLiteral("5"));
    QApplication::sendEvent(field, &digits);
    EXPECT_EQ(field->text(), QStringLiteral("85"));

    // A paste the filter would change is refused whole, the reason on the
    // status line; it discards nothing.
    PretendResults();
    QApplication::clipboard()->setText(QStringLiteral("-1,5"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("85"));
    EXPECT_EQ(main->panelText(MainWindow::HintPanel),
              "Nothing pasted: \"-1,5\" holds characters other than digits and the full stop.");
    EXPECT_TRUE(ctx.store.ResultsValid);
}

TEST_F(InputWindowTest, KeyFilterAppliesOnlyToNumericFields)
{
    NewOfType(1);
    QTest::keyClicks(w->txtProject, QStringLiteral("Dam-2, phase A"));
    EXPECT_EQ(w->txtProject->text(), QStringLiteral("Dam-2, phase A"));
    w->txtGFlowrate->clear();
    QTest::keyClicks(w->txtGFlowrate, QStringLiteral("1x"));
    EXPECT_EQ(w->txtGFlowrate->text(), QStringLiteral("1x"));
    for (QLineEdit* field : {w->txtTRWL, w->txtSPeak, w->txtH[2], w->txtEfficiency[5],
                             w->txtSupervision, w->txtKsOldYears}) {
        field->clear();
        QTest::keyClicks(field, QStringLiteral("-4,2 b"));
        EXPECT_EQ(field->text(), QStringLiteral("42")) << field->objectName().toStdString();
    }
}

namespace {

// The boxes of the window, found from it: every line and text box but the
// grids' cell editors and the date picker's own line.
std::vector<QWidget*> BoxesOfTheWindow(const frmLCC* w)
{
    const std::set<const QWidget*> cellEditors = {
        w->txtCell,   w->txtDemand,          w->txtPumpDemand,
        w->txtLaying, w->txtCellOperational, w->txtCellOtherOperational};
    std::vector<QWidget*> boxes;
    for (QLineEdit* line : w->findChildren<QLineEdit*>())
        if (!cellEditors.contains(line) && !w->dtpDate->isAncestorOf(line)) boxes.push_back(line);
    for (QPlainTextEdit* area : w->findChildren<QPlainTextEdit*>())
        boxes.push_back(area);
    return boxes;
}

QString TextOf(const QWidget* box)
{
    if (const auto* area = qobject_cast<const QPlainTextEdit*>(box)) return area->toPlainText();
    return static_cast<const QLineEdit*>(box)->text();
}

} // namespace

// Each box of the window is the box of one row and index of the table of
// boxes, which names it: a box the table leaves out is found here.
TEST_F(InputWindowTest, EveryBoxOfTheWindowIsInTheTableOfBoxes)
{
    NewOfType(1);
    const std::vector<QWidget*> boxes = BoxesOfTheWindow(w);
    ASSERT_EQ(boxes.size(), 49u);
    ASSERT_EQ(EveryBox().size(), boxes.size());
    std::set<const QWidget*> named;
    int mark = 1000;
    for (const FieldBox& b : EveryBox()) {
        const QString text = QString::number(++mark);
        w->SetBoxText(b.field->box, b.index, text);
        EXPECT_EQ(w->BoxText(b.field->box, b.index), text) << b.field->name;
        int holders = 0;
        for (const QWidget* box : boxes)
            if (TextOf(box) == text) {
                ++holders;
                EXPECT_EQ(box->objectName(), ControlName(*b.field, b.index));
                EXPECT_TRUE(named.insert(box).second) << b.field->name << " " << b.index;
            }
        EXPECT_EQ(holders, 1) << b.field->name << " " << b.index;
    }
    for (const QWidget* box : boxes)
        EXPECT_TRUE(named.contains(box)) << box->objectName().toStdString() << " has no row";
    for (int k = 0; k < PumpCurvePoints; ++k) {
        const auto i = static_cast<size_t>(k);
        EXPECT_EQ(w->BoxText(InputBox::txtH, k), w->txtH[i]->text());
        EXPECT_EQ(w->BoxText(InputBox::txtQ, k), w->txtQ[i]->text());
        EXPECT_EQ(w->BoxText(InputBox::txtEfficiency, k), w->txtEfficiency[i]->text());
    }
}

// Every box is saved, so typing into any of them discards the results (the
// reservoir levels, lining, works costs, supervision and tariffs too).
TEST_F(InputWindowTest, TypingIntoAnyBoxDiscardsResults)
{
    NewOfType(1);
    w->optMortar->setChecked(true); // the lining thickness takes keys
    const std::vector<QWidget*> boxes = BoxesOfTheWindow(w);
    ASSERT_EQ(boxes.size(), 49u);
    for (QWidget* box : boxes) {
        PretendResults();
        const QString before = TextOf(box);
        QTest::keyClicks(box, QStringLiteral("1"));
        EXPECT_NE(TextOf(box), before) << box->objectName().toStdString();
        EXPECT_FALSE(ctx.store.ResultsValid) << box->objectName().toStdString();
    }
}

TEST_F(InputWindowTest, DescriptionAndDateEditsDiscardResults)
{
    NewOfType(0);
    PretendResults();
    QTest::keyClicks(w->txtDescription, QStringLiteral("x"));
    EXPECT_FALSE(ctx.store.ResultsValid);
    PretendResults();
    w->dtpDate->setDate(w->dtpDate->date().addDays(1));
    EXPECT_FALSE(ctx.store.ResultsValid);
}

// A pick reaches the store only at the next save, but the results go at once.
TEST_F(InputWindowTest, UnitPicksDiscardResultsAndStoreNothing)
{
    NewOfType(1);
    for (QComboBox* list : {w->comDiameterUnits, w->comTRWLUnits, w->comWaterSalesUnits,
                            w->comLiningThicknessUnits, w->comHeadUnits}) {
        PretendResults();
        list->setCurrentIndex(list->currentIndex() == 1 ? 2 : 1);
        EXPECT_FALSE(ctx.store.ResultsValid) << list->objectName().toStdString();
    }
    PretendResults();
    w->comDiameterUnits->setCurrentIndex(3);
    EXPECT_EQ(w->comDiameterUnits->currentText(), QStringLiteral("ft"));
    EXPECT_EQ(ctx.store.DiameterUnit, 0);
    EXPECT_FALSE(ctx.store.ResultsValid);
}

namespace {

void WheelOver(QWidget* control, int steps)
{
    const QPointF at(control->width() / 2.0, control->height() / 2.0);
    QWheelEvent wheel(at, control->mapToGlobal(at), QPoint(), QPoint(0, -120 * steps), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &wheel);
}

} // namespace

// A wheel turned while the pointer passes over a unit list, a scroll bar or
// the date must not change the project behind the user's back.
TEST_F(InputWindowTest, WheelOverUnfocusedControlsChangesNothing)
{
    NewOfType(0);
    PretendResults();
    ASSERT_FALSE(w->comGFlowrateUnits->hasFocus());
    WheelOver(w->comGFlowrateUnits, 1);
    EXPECT_EQ(w->comGFlowrateUnits->currentIndex(), 3);
    WheelOver(w->hscLife, 1);
    EXPECT_EQ(w->hscLife->Value(), 30);
    EXPECT_EQ(ctx.store.DesignLife, 30);
    const QDate date = w->dtpDate->Value();
    WheelOver(w->dtpDate, 1);
    EXPECT_EQ(w->dtpDate->Value(), date);
    EXPECT_TRUE(ctx.store.ResultsValid);
}

TEST_F(InputWindowTest, FocusWritesTheHintIntoStatusPanelThree)
{
    NewOfType(1);
    main->show();
    QApplication::setActiveWindow(main.get());
    QApplication::processEvents();
    w->sstInput->setTab(1);
    w->txtKsOld->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(main->panelText(3),
              QStringLiteral("Enter the absolute pipe roughness of a old pipe"));

    // A field without a focus hint leaves the panel as it was.
    w->sstInput->setTab(0);
    w->sscPumpcurve_Click();
    QApplication::processEvents();
    main->setPanelText(3, QStringLiteral("before"));
    w->txtEfficiency[2]->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(w->txtEfficiency[2]->hasFocus());
    EXPECT_EQ(main->panelText(3), QStringLiteral("before"));
    w->txtH[2]->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(main->panelText(3), QStringLiteral("Enter the pump head"));

    // The help button has an empty hint, which empties the panel.
    w->sscOK_Click();
    w->sscHelp->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(main->panelText(3), QString());
}

TEST_F(InputWindowTest, MaintenanceBarsLabelAndStoreAtOnce)
{
    NewOfType(0);
    PretendResults();
    w->hscMElectrical->setValue(1000);
    EXPECT_EQ(w->lblMElectrical->text(), QStringLiteral("10 %"));
    EXPECT_EQ(ctx.store.MaintenanceElectrical, 1000);
    EXPECT_FALSE(ctx.store.ResultsValid);
    w->hscMElectrical->setValue(5);
    EXPECT_EQ(w->lblMElectrical->text(), QStringLiteral("0.05 %"));
    EXPECT_EQ(ctx.store.MaintenanceElectrical, 5);
    w->hscMPipeline->setValue(25);
    EXPECT_EQ(w->lblMPipeline->text(), QStringLiteral("0.25 %"));
    w->hscMMechanical->setValue(200);
    EXPECT_EQ(w->lblMMechanical->text(), QStringLiteral("2 %"));
    EXPECT_EQ(ctx.store.MaintenanceMechanical, 200);
    EXPECT_EQ(w->hscMPipeline->Max(), 2000);
    EXPECT_EQ(w->hscMElectrical->Max(), 1000);
}

TEST_F(InputWindowTest, YearBarsLabelAndStoreAtOnce)
{
    NewOfType(0);
    w->hscBaseYear->setValue(2010);
    EXPECT_EQ(w->lblBaseYear->text(), QStringLiteral("2010"));
    EXPECT_EQ(ctx.store.BaseYear, 2010);
    w->hscSupplyStart->setValue(2012);
    EXPECT_EQ(w->lblSupplyStart->text(), QStringLiteral("2012"));
    EXPECT_EQ(ctx.store.SupplyStartYear, 2012);
    EXPECT_EQ(w->hscLife->Min(), 2);
    EXPECT_EQ(w->hscLife->Max(), 100);
}

TEST_F(InputWindowTest, EveryYearAndMaintenanceBarDiscardsResults)
{
    NewOfType(1);
    for (ScrollBar* bar : {w->hscLife, w->hscBaseYear, w->hscSupplyStart, w->hscMPipeline,
                           w->hscMMechanical, w->hscMElectrical}) {
        PretendResults();
        bar->setValue(bar->Value() + 1);
        EXPECT_FALSE(ctx.store.ResultsValid) << bar->objectName().toStdString();
    }
    EXPECT_EQ(w->hscBaseYear->pageStep(), 5);
    EXPECT_EQ(w->hscSupplyStart->pageStep(), 10);
    EXPECT_EQ(w->hscLife->singleStep(), 1);
}

TEST_F(InputWindowTest, FlatBarsLabelAndDiscardResults)
{
    NewOfType(1);
    PretendResults();
    w->fsbSummer->setValue(4);
    EXPECT_FALSE(ctx.store.ResultsValid);
    PretendResults();
    w->fsbPumpingHours->setValue(12);
    EXPECT_EQ(w->lblSummer->text(), QStringLiteral("4"));
    EXPECT_EQ(w->lblPumpingHours->text(), QStringLiteral("12"));
    EXPECT_EQ(ctx.store.SummerMonths, 6);
    EXPECT_EQ(ctx.store.PumpingHours, 20);
    EXPECT_FALSE(ctx.store.ResultsValid);
}

TEST_F(InputWindowTest, LongerDesignLifeAddsARowAndKeepsTypedDemands)
{
    NewOfType(0);
    ctx.store.YearDemand[31] = 4.5f;
    ctx.store.YearDemand[5] = 1.0f;
    w->msgDemand->setTextMatrix(5, 1, QStringLiteral("2.75"));
    PretendResults();
    w->hscLife->setValue(31);
    EXPECT_EQ(w->lblLife->text(), QStringLiteral("31 years"));
    EXPECT_EQ(ctx.store.DesignLife, 31);
    EXPECT_FALSE(ctx.store.ResultsValid);
    ASSERT_EQ(w->msgDemand->Rows(), 32);
    EXPECT_EQ(w->msgDemand->TextMatrix(31, 0), QStringLiteral("31"));
    EXPECT_EQ(w->msgDemand->TextMatrix(31, 1), QStringLiteral("4.5"));
    EXPECT_EQ(w->msgDemand->TextMatrix(5, 1), QStringLiteral("2.75"));

    w->hscLife->setValue(3);
    EXPECT_EQ(w->msgDemand->Rows(), 4);
    w->hscLife->setValue(6);
    EXPECT_EQ(w->msgDemand->TextMatrix(5, 1), QStringLiteral("1")); // a row that was gone
}

TEST_F(InputWindowTest, DesignLifeRebuildsThePumpingTableOfAPumpingProject)
{
    NewOfType(1);
    const int gravityRows = w->msgDemand->Rows();
    w->msgPumpDemand->setTextMatrix(2, 1, QStringLiteral("8"));
    w->hscLife->setValue(35);
    EXPECT_EQ(w->msgPumpDemand->Rows(), 36);
    EXPECT_EQ(w->msgPumpDemand->TextMatrix(2, 1), QStringLiteral("8"));
    EXPECT_EQ(w->msgPumpDemand->TextMatrix(35, 1), QStringLiteral("0"));
    EXPECT_EQ(w->msgDemand->Rows(), gravityRows);
}

} // namespace vemora::test
