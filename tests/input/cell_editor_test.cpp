// The in-place cell editor of the six grids, driven with real keys and
// clicks: what typing does to the cell, the editor's place, the keys that
// move on, the cells that take no keys, and the editor bound to its cell.
#include <QClipboard>
#include <QGroupBox>
#include <QRadioButton>

#include "CellEditingFixture.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "support/UserInput.h"

namespace vemora::test {
namespace {

const QColor LightCyan(192, 255, 255);

TEST_F(CellEditingTest, TypingReplacesTheCellAndEnterMovesOn)
{
    Profile(3);
    FlexGrid* g = w->msgProfile;
    ASSERT_EQ(g->TextMatrix(1, 1), "45");
    EXPECT_EQ(g->cellBackColorAt(1, 1), LightCyan);

    Keys("5");
    ASSERT_TRUE(w->txtCell->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), w->txtCell);
    EXPECT_EQ(w->txtCell->Text(), "5");
    EXPECT_EQ(w->txtCell->SelStart(), 1);
    EXPECT_EQ(g->TextMatrix(1, 1), "5");
    // Laid exactly over the cell inside its grid lines, in the cell's font.
    EXPECT_EQ(w->txtCell->geometry(),
              g->cellRect(1, 1).translated(g->pos()).adjusted(0, 0, -1, -1));
    EXPECT_EQ(w->txtCell->font(), g->font());

    Key(Qt::Key_Return);
    EXPECT_FALSE(w->txtCell->isVisible());
    EXPECT_EQ(g->TextMatrix(1, 1), "5");
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_EQ(QApplication::focusWidget(), g);
    EXPECT_EQ(g->cellBackColorAt(2, 1), systemWindowBackground()); // a cell left
    EXPECT_EQ(g->cellBackColorAt(1, 2), LightCyan);
}

TEST_F(CellEditingTest, F2BackspaceAndEscape)
{
    Profile(3);
    FlexGrid* g = w->msgProfile;
    Key(Qt::Key_F2);
    ASSERT_TRUE(w->txtCell->isVisible());
    EXPECT_EQ(w->txtCell->Text(), "45");
    EXPECT_EQ(w->txtCell->SelStart(), 2);
    Key(Qt::Key_Backspace);
    Keys("7");
    EXPECT_EQ(w->txtCell->Text(), "47");
    EXPECT_EQ(g->TextMatrix(1, 1), "47");
    Key(Qt::Key_Escape);
    EXPECT_EQ(w->txtCell->Text(), "45");
    EXPECT_EQ(g->TextMatrix(1, 1), "45");
    EXPECT_TRUE(w->txtCell->isVisible());

    // Backspace typed in the grid drops the last character and opens the
    // editor; F2 does not open the pipe diameter column.
    Key(Qt::Key_Return);
    Select(g, 2, 3);
    g->setFocus();
    Key(Qt::Key_F2);
    EXPECT_FALSE(w->txtCell->isVisible());
    Key(Qt::Key_Backspace);
    EXPECT_TRUE(w->txtCell->isVisible());
    EXPECT_EQ(g->TextMatrix(2, 3), "30");
    EXPECT_EQ(w->txtCell->Text(), "30");
}

// The cell holds exactly the editor's text whatever changed it: typing in
// the middle, Delete, or a paste, which on a number column goes in whole,
// without its outer blanks and line end, or not at all.
TEST_F(CellEditingTest, TheCellAlwaysHoldsWhatTheEditorShows)
{
    Profile(3);
    FlexGrid* g = w->msgProfile;
    Key(Qt::Key_F2);
    Key(Qt::Key_Home);
    Keys("1");
    EXPECT_EQ(g->TextMatrix(1, 1), "145");
    Key(Qt::Key_Delete);
    EXPECT_EQ(w->txtCell->Text(), "15");
    EXPECT_EQ(g->TextMatrix(1, 1), "15");

    QApplication::clipboard()->setText("2a.5-");
    QTest::keyClick(w->txtCell, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->txtCell->Text(), "15");
    EXPECT_EQ(main->panelText(MainWindow::HintPanel),
              "Nothing pasted: \"2a.5-\" holds characters other than digits and the full stop.");
    QApplication::clipboard()->setText("2.5\n");
    QTest::keyClick(w->txtCell, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->txtCell->Text(), "12.55");
    EXPECT_EQ(g->TextMatrix(1, 1), "12.55");

    // The pipe diameter column takes any text; a paste loses its line end.
    Key(Qt::Key_Return);
    Select(g, 1, 3);
    Keys("3");
    QApplication::clipboard()->setText("00 mm\r\n");
    QTest::keyClick(w->txtCell, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g->TextMatrix(1, 3), "300 mm");

    // Text shown by a fill is not filtered when the editor opens on it.
    g->setTextMatrix(2, 1, "1.5E+08");
    Key(Qt::Key_Return);
    Select(g, 2, 1);
    Key(Qt::Key_F2);
    EXPECT_EQ(w->txtCell->Text(), "1.5E+08");
    EXPECT_EQ(g->TextMatrix(2, 1), "1.5E+08");
}

// A click on another cell or a move made by the program commits the editor
// into the cell it was opened on and closes it.
TEST_F(CellEditingTest, TheEditorStaysBoundToItsCell)
{
    w->optGCalculatedFlowrate->setChecked(true);
    w->sstInput->setTab(0);
    FlexGrid* g = w->msgDemand;
    g->setFocus();
    Select(g, 2, 1);
    Keys("81");
    ASSERT_TRUE(w->txtDemand->isVisible());
    Click(g, 4, 1);
    EXPECT_FALSE(w->txtDemand->isVisible());
    EXPECT_EQ(g->TextMatrix(2, 1), "81");
    EXPECT_EQ(g->Row(), 4);
    Keys("6");
    EXPECT_EQ(g->TextMatrix(2, 1), "81");
    EXPECT_EQ(g->TextMatrix(4, 1), "6");

    Select(g, 3, 1);
    g->setFocus();
    Keys("9");
    Select(g, 5, 1);
    EXPECT_FALSE(w->txtDemand->isVisible());
    Keys("4");
    EXPECT_EQ(g->TextMatrix(3, 1), "9");
    EXPECT_EQ(g->TextMatrix(5, 1), "4");
}

// Turns of the wheel over the profile grid leave the editor open on its
// cell: over it while the cell is in view, hidden while it is not; the next
// key goes on editing it.
class WheelOverTheEditor : public CellEditingTest,
                           public ::testing::WithParamInterface<std::vector<int>>
{
};

TEST_P(WheelOverTheEditor, LeavesItOpenOnItsCell)
{
    Profile(40);
    FlexGrid* g = w->msgProfile;
    g->setTextMatrix(5, 1, "1041");
    Select(g, 5, 1);
    Key(Qt::Key_F2);
    Keys("9");
    ASSERT_EQ(g->TopRow(), 1);
    const auto expectOverItsCell = [&] {
        EXPECT_TRUE(w->txtCell->isVisible());
        EXPECT_EQ(w->txtCell->geometry(),
                  g->cellRect(5, 1).translated(g->pos()).adjusted(0, 0, -1, -1));
        EXPECT_EQ(QApplication::focusWidget(), w->txtCell);
    };
    int turned = 0;
    for (int notches : GetParam()) {
        TurnWheel(g, notches);
        turned += notches;
    }
    EXPECT_EQ(g->TopRow() == 1, turned == 0);
    EXPECT_EQ(w->txtCell->Text(), "10419");
    EXPECT_EQ(g->TextMatrix(5, 1), "10419");
    if (g->cellRect(5, 1).isEmpty()) {
        EXPECT_FALSE(w->txtCell->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), g);
    } else {
        expectOverItsCell();
    }

    Keys("8");
    EXPECT_EQ(w->txtCell->Text(), "104198");
    EXPECT_EQ(g->TextMatrix(5, 1), "104198");
    expectOverItsCell();
    Key(Qt::Key_Return);
    EXPECT_EQ(g->TextMatrix(5, 1), "104198");
    EXPECT_EQ(g->Col(), 2);
}

INSTANTIATE_TEST_SUITE_P(Turns, WheelOverTheEditor,
                         ::testing::Values(std::vector<int>{-1}, std::vector<int>{-2},
                                           std::vector<int>{-2, 2}, std::vector<int>{-1, -1, 1}));

TEST_F(CellEditingTest, ArrowKeysCommitAtTheEdgesOfTheText)
{
    Profile(4);
    FlexGrid* g = w->msgProfile;
    // Up on row 1 commits and closes; the current cell stays.
    Keys("12");
    Key(Qt::Key_Up);
    EXPECT_FALSE(w->txtCell->isVisible());
    EXPECT_EQ(g->TextMatrix(1, 1), "12");
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(QApplication::focusWidget(), g);

    // Left inside the text moves the caret; at 0 on column 1 it goes to the
    // last column of the row above.
    Select(g, 3, 1);
    Key(Qt::Key_F2);
    Key(Qt::Key_Left);
    EXPECT_TRUE(w->txtCell->isVisible());
    Key(Qt::Key_Home);
    Key(Qt::Key_Left);
    EXPECT_FALSE(w->txtCell->isVisible());
    EXPECT_EQ(g->Row(), 2);
    EXPECT_EQ(g->Col(), 7);

    // Right at the end of the last column's text goes to column 1 below;
    // Down on the last row commits and stays.
    Select(g, 2, 6);
    Key(Qt::Key_F2);
    Key(Qt::Key_Right);
    EXPECT_EQ(g->Col(), 7);
    Select(g, 4, 2);
    Keys("8");
    Key(Qt::Key_Down);
    EXPECT_FALSE(w->txtCell->isVisible());
    EXPECT_EQ(g->Row(), 4);
    EXPECT_EQ(g->TextMatrix(4, 2), "8");

    // Right at the end of the last column of a row (staff grid: column 2).
    w->sstInput->setTab(3);
    FlexGrid* staff = w->msgOperational;
    staff->setFocus();
    Select(staff, 3, 2);
    Keys("5");
    Key(Qt::Key_Right);
    EXPECT_EQ(staff->Row(), 4);
    EXPECT_EQ(staff->Col(), 1);
}

TEST_F(CellEditingTest, RefusedKeysChangeNothingAndKeepTheResults)
{
    w->optGCalculatedFlowrate->setChecked(true);
    w->sstInput->setTab(0);
    FlexGrid* g = w->msgDemand;
    g->setFocus();
    const QString before = g->TextMatrix(1, 1);
    PretendResults();
    Keys("a");
    EXPECT_FALSE(w->txtDemand->isVisible());
    EXPECT_EQ(g->TextMatrix(1, 1), before);
    EXPECT_TRUE(ctx.store.ResultsValid);
    Keys("2");
    EXPECT_FALSE(ctx.store.ResultsValid);
    Keys("x-,");
    EXPECT_EQ(w->txtDemand->Text(), "2");
    EXPECT_EQ(g->TextMatrix(1, 1), "2");
}

// The laying grid: the two heading rows of the conditions block and the
// label column take no digit and are never highlighted.
TEST_F(CellEditingTest, LockedLayingRowsTakeNoDigit)
{
    w->sstInput->setTab(1);
    w->sscLaying_Click();
    FlexGrid* g = w->msgLaying;
    g->setFocus();
    for (int row : {9, 10}) {
        SCOPED_TRACE(row);
        Select(g, row, 1);
        EXPECT_NE(g->cellBackColorAt(row, 1), LightCyan);
        const QString text = g->TextMatrix(row, 1);
        PretendResults();
        Keys("a");
        EXPECT_TRUE(ctx.store.ResultsValid);
        Keys("7");
        Key(Qt::Key_F2);
        EXPECT_FALSE(ctx.store.ResultsValid);
        EXPECT_FALSE(w->txtLaying->isVisible());
        EXPECT_EQ(g->TextMatrix(row, 1), text);
        Select(g, 8, 1);
        EXPECT_EQ(g->cellBackColorAt(row, 1), systemButtonFace());
    }
    Select(g, 3, 0);
    Keys("7");
    EXPECT_EQ(g->TextMatrix(3, 0), "Rock excavation");
    EXPECT_FALSE(w->txtLaying->isVisible());
    Select(g, 3, 1);
    EXPECT_EQ(g->cellBackColorAt(3, 1), LightCyan);
    Keys("7");
    EXPECT_EQ(g->TextMatrix(3, 1), "7");
}

TEST_F(CellEditingTest, StaffGridColumnsAndTheLastCell)
{
    w->sstInput->setTab(3);
    FlexGrid* g = w->msgOperational;
    g->setFocus();
    Select(g, 2, 2);
    Key(Qt::Key_F2);
    EXPECT_FALSE(w->txtCellOperational->isVisible());
    Keys("3");
    EXPECT_TRUE(w->txtCellOperational->isVisible());
    EXPECT_EQ(w->txtCellOperational->Text(), "3");
    // Enter at the last column goes down; at the last cell it stays.
    Key(Qt::Key_Return);
    EXPECT_EQ(g->Row(), 3);
    EXPECT_EQ(g->Col(), 2);
    Select(g, 8, 2);
    Keys("4");
    Key(Qt::Key_Return);
    EXPECT_EQ(g->Row(), 8);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_EQ(g->TextMatrix(8, 2), "4");
}

TEST_F(CellEditingTest, EnteringACellDiscardsTheResults)
{
    Profile(3);
    PretendResults();
    Key(Qt::Key_Down);
    EXPECT_FALSE(ctx.store.ResultsValid);
    PretendResults();
    Click(w->msgProfile, 1, 2);
    EXPECT_FALSE(ctx.store.ResultsValid);
}

// A fill replaces the table: an open editor closes without writing into it.
TEST_F(CellEditingTest, AFillClosesTheEditor)
{
    Profile(3);
    Keys("77");
    Profile(3);
    EXPECT_FALSE(w->txtCell->isVisible());
    EXPECT_EQ(w->msgProfile->TextMatrix(1, 1), "45");
}

// A new design life rebuilds the demand table of either system type and
// keeps what was typed into the rows that remain.
TEST_F(CellEditingTest, DemandRebuildKeepsTypedTexts)
{
    for (int type : {PipelineSystem::Gravity, PipelineSystem::Pumping}) {
        SCOPED_TRACE(type);
        NewOfType(type);
        FlexGrid* g = type == PipelineSystem::Gravity ? w->msgDemand : w->msgPumpDemand;
        g->setTextMatrix(3, 1, "33.5");
        const int rows = g->Rows();
        w->hscLife->setValue(w->hscLife->Value() + 5);
        EXPECT_EQ(g->Rows(), rows + 5);
        EXPECT_EQ(g->TextMatrix(3, 1), "33.5");
    }
}

} // namespace
} // namespace vemora::test
