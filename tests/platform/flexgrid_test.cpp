// The grid's current-cell events, fixed cells, sizes in twips and cell
// formats, driven through its members and through real key and mouse events.
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "support/WaitLimit.h"

using namespace vemora;

namespace {

// Records every event of a grid as text, with the current cell at the time.
struct EventLog
{
    FlexGrid& g;
    QStringList events;
    explicit EventLog(FlexGrid& grid) : g(grid)
    {
        QObject::connect(&g, &FlexGrid::LeaveCell, &g, [this] { add("Leave"); });
        QObject::connect(&g, &FlexGrid::EnterCell, &g, [this] { add("Enter"); });
        QObject::connect(&g, &FlexGrid::Click, &g, [this] { add("Click"); });
        QObject::connect(&g, &FlexGrid::MouseDown, &g,
                         [this](int button, int, int, int) { add(QString("Down%1").arg(button)); });
    }
    void add(const QString& what)
    {
        events << QString("%1(%2,%3)").arg(what).arg(g.Row()).arg(g.Col());
    }
};

class FlexGridTest : public ::testing::Test
{
  protected:
    QWidget window;
    FlexGrid* grid = nullptr;

    void SetUp() override
    {
        window.resize(600, 400);
        grid = new FlexGrid(&window);
        grid->setGeometry(10, 10, 500, 300);
        grid->setRows(6);
        grid->setCols(4);
        grid->setColWidth(-1, 1500); // 100 px
        grid->setRowHeight(-1, 300); // 20 px
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, test::WaitLimitMs()));
    }

    QPoint centreOf(int r, int c) const
    {
        return grid->cellRect(r, c).center() - grid->viewport()->pos();
    }
};

TEST_F(FlexGridTest, StartsOnFirstNonFixedCellWithFixedHeadings)
{
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 1);
    // Heading row and label column have the fixed colours, the rest the
    // window background.
    EXPECT_EQ(grid->cellBackColorAt(0, 2), systemButtonFace());
    EXPECT_EQ(grid->cellBackColorAt(3, 0), systemButtonFace());
    EXPECT_EQ(grid->cellBackColorAt(2, 2), systemWindowBackground());
    grid->setForeColorFixed(vbColor(vbcolor::White));
    EXPECT_EQ(grid->cellForeColorAt(0, 1), QColor(255, 255, 255));
    EXPECT_EQ(grid->cellBackColorAt(1, 1), systemWindowBackground());
}

TEST_F(FlexGridTest, CodeChangesRaiseLeaveThenEnter)
{
    EventLog log(*grid);
    grid->setRow(3);
    grid->setCol(2);
    grid->setCol(2); // no change, no events
    grid->setRow(0); // code may make a heading cell current
    EXPECT_EQ(log.events, QStringList({"Leave(1,1)", "Enter(3,1)", "Leave(3,1)", "Enter(3,2)",
                                       "Leave(3,2)", "Enter(0,2)"}));
    // Out-of-range values are ignored without events.
    log.events.clear();
    grid->setRow(6);
    grid->setCol(-1);
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_EQ(grid->Row(), 0);
}

TEST_F(FlexGridTest, ArrowKeysMoveWithinNonFixedCells)
{
    EventLog log(*grid);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 2);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Up); // stops at row 1, no events
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Left); // stops at column 1
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(log.events.size(), 8);
    QTest::keyClick(grid, Qt::Key_End);
    EXPECT_EQ(grid->Col(), 3);
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->Row(), 5);
    QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(FlexGridTest, KeyDownHandlerCanStopTheMoveAndKeyPressGetsCharacterCodes)
{
    std::vector<int> downs, presses, ups;
    QObject::connect(grid, &FlexGrid::KeyDown, grid, [&](int& key, int) {
        downs.push_back(key);
        if (key == keycode::Down) key = 0;
    });
    QObject::connect(grid, &FlexGrid::KeyPress, grid,
                     [&](int& ascii) { presses.push_back(ascii); });
    // A slot taking plain ints connects as well.
    QObject::connect(grid, &FlexGrid::KeyUp, grid, [&](int key, int) { ups.push_back(key); });
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 1);
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClick(grid, Qt::Key_5);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClick(grid, Qt::Key_A);
    EXPECT_EQ(downs, (std::vector<int>{40, 113, 53, 13, 27, 8, 65}));
    EXPECT_EQ(presses, (std::vector<int>{'5', 13, 27, 8, 'a'}));
    EXPECT_EQ(ups, downs);
    // The grid never edits: typed characters leave the cell as it was.
    EXPECT_EQ(grid->Text(), "");
}

TEST_F(FlexGridTest, LeftClickMakesCellCurrentAfterMouseDown)
{
    EventLog log(*grid);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(3, 2));
    EXPECT_EQ(log.events, QStringList({"Down1(1,1)", "Leave(1,1)", "Enter(3,2)", "Click(3,2)"}));
    EXPECT_EQ(grid->MouseRow(), 3);
    EXPECT_EQ(grid->MouseCol(), 2);
    // A click on a heading cell or a right click moves nothing.
    log.events.clear();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(0, 1));
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, centreOf(4, 0));
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->MouseCol(), 0);
    EXPECT_EQ(log.events, QStringList({"Down1(3,2)", "Click(3,2)", "Down2(3,2)"}));
}

TEST_F(FlexGridTest, SizesAndPositionsAreInTwips)
{
    grid->setColWidth(0, 600);
    grid->setColWidth(1, 1200);
    grid->setRowHeight(0, 450);
    grid->setRowHeight(1, 285);
    EXPECT_EQ(grid->ColWidth(1), 1200);
    EXPECT_EQ(grid->RowHeight(1), 285);
    EXPECT_EQ(grid->CellWidth(), 1200);
    EXPECT_EQ(grid->CellHeight(), 285);
    const int frame = pixelsToTwips(grid->viewport()->x());
    EXPECT_EQ(grid->CellLeft(), frame + 600);
    EXPECT_EQ(grid->CellTop(), pixelsToTwips(grid->viewport()->y()) + 450);
    grid->setCol(2);
    EXPECT_EQ(grid->CellLeft(), frame + 600 + 1200);
    // Out-of-range indexes read 0 and are ignored when written.
    grid->setColWidth(9, 5000);
    EXPECT_EQ(grid->ColWidth(9), 0);
    EXPECT_EQ(grid->RowHeight(-5), 0);
}

TEST_F(FlexGridTest, ReadingCellTopBringsTheCurrentCellIntoView)
{
    grid->setRows(101);
    grid->setRow(80);
    EXPECT_EQ(grid->TopRow(), 1); // setting Row alone does not scroll
    const int top = grid->CellTop();
    EXPECT_GT(grid->TopRow(), 1);
    const QRect cell = grid->cellRect(80, 1);
    ASSERT_FALSE(cell.isEmpty());
    EXPECT_LE(cell.bottom(), grid->viewport()->geometry().bottom());
    EXPECT_EQ(top, pixelsToTwips(cell.top()));
    // Keyboard moves scroll by themselves.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(FlexGridTest, CellFormatsApplyToTheCurrentCellAndClearResetsThem)
{
    grid->setRow(2);
    grid->setCol(3);
    grid->setCellBackColor(vbColor(vbcolor::LightCyan));
    grid->setCellForeColor(vbColor(vbcolor::Red));
    grid->setCellFontBold(true);
    grid->setCellAlignment(FlexAlign::CenterCenter);
    grid->setText("45");
    EXPECT_EQ(grid->cellBackColorAt(2, 3), QColor(192, 255, 255));
    EXPECT_EQ(grid->cellForeColorAt(2, 3), QColor(255, 0, 0));
    EXPECT_TRUE(grid->cellFontBoldAt(2, 3));
    EXPECT_EQ(grid->cellAlignmentAt(2, 3), FlexAlign::CenterCenter);
    EXPECT_EQ(grid->TextMatrix(2, 3), "45");
    EXPECT_FALSE(grid->cellFontBoldAt(2, 2));
    grid->setColAlignment(2, FlexAlign::RightCenter);
    EXPECT_EQ(grid->cellAlignmentAt(4, 2), FlexAlign::RightCenter);

    grid->Clear();
    EXPECT_EQ(grid->TextMatrix(2, 3), "");
    EXPECT_EQ(grid->cellBackColorAt(2, 3), systemWindowBackground());
    EXPECT_FALSE(grid->cellFontBoldAt(2, 3));
    EXPECT_EQ(grid->Rows(), 6);
    EXPECT_EQ(grid->ColWidth(3), 1500);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(FlexGridTest, ShrinkingBelowTheCurrentRowMovesItWithEvents)
{
    grid->setTextMatrix(5, 1, "last");
    grid->setRow(5);
    EventLog log(*grid);
    grid->setRows(3);
    EXPECT_EQ(log.events, QStringList({"Leave(5,1)", "Enter(2,1)"}));
    EXPECT_EQ(grid->TextMatrix(5, 1), ""); // gone, and reading it is safe
    grid->setTextMatrix(5, 1, "x");        // ignored
    grid->setRows(6);
    EXPECT_EQ(grid->TextMatrix(5, 1), "");
    grid->setRows(0); // the fixed row stays
    EXPECT_EQ(grid->Rows(), 1);
    EXPECT_EQ(grid->Row(), 0);
}

TEST_F(FlexGridTest, MergedRowAndRedrawPaintAsExpected)
{
    grid->setMergeRow(2, true);
    grid->setTextMatrix(2, 0, "Anticipated laying conditions");
    grid->setTextMatrix(2, 1, "Anticipated laying conditions");
    EXPECT_TRUE(grid->MergeRow(2));
    EXPECT_FALSE(grid->MergeRow(3));
    // No grid line between the two merged cells; one between unmerged ones.
    const QImage img = grid->grab().toImage();
    const QRect merged = grid->cellRect(2, 0);
    const QRect plain = grid->cellRect(3, 0);
    const int lineX = merged.right();
    EXPECT_EQ(img.pixelColor(lineX, plain.top() + 1), QColor(128, 128, 128));
    EXPECT_NE(img.pixelColor(lineX, merged.top() + 1), QColor(128, 128, 128));
}

} // namespace

namespace {

TEST_F(FlexGridTest, PaintsHeadingsColouredCellsAndBoldText)
{
    grid->setRows(12);
    grid->setColWidth(0, 900);
    const char* heads[] = {"Node", "Elevation", "Length", "Diameter"};
    for (int c = 0; c < 4; ++c) {
        grid->setRow(0);
        grid->setCol(c);
        grid->setCellFontBold(true);
        grid->setText(heads[c]);
    }
    for (int r = 1; r < 12; ++r) {
        grid->setTextMatrix(r, 0, QString::number(r));
        grid->setTextMatrix(r, 1, QString::number(100 + r * 2.5));
        grid->setTextMatrix(r, 2, QString::number(r * 250));
    }
    grid->setTextMatrix(4, 3, "Pumpstation");
    grid->setRow(2);
    grid->setCol(2);
    grid->setCellBackColor(vbColor(vbcolor::LightCyan));
    grid->setRow(5);
    grid->setCol(1);
    grid->setCellBackColor(vbColor(vbcolor::Yellow));
    grid->setCellForeColor(vbColor(vbcolor::Red));
    grid->setFocus();
    const QImage img = grid->grab().toImage();
    img.save("/tmp/platform_grid.png");
    const QPoint origin = grid->viewport()->pos();
    auto px = [&](int r, int c) {
        const QRect cell = grid->cellRect(r, c);
        return img.pixelColor(cell.left() + 2, cell.top() + 2);
    };
    EXPECT_EQ(px(2, 2), QColor(192, 255, 255));
    EXPECT_EQ(px(5, 1), QColor(255, 255, 0));
    EXPECT_EQ(px(0, 1), systemButtonFace());
    EXPECT_EQ(px(3, 3), systemWindowBackground());
    (void)origin;
}

} // namespace

namespace {

TEST_F(FlexGridTest, AnEditorPlacedFromTheCellMembersCoversTheCellExactly)
{
    grid->setRows(60);
    grid->setRow(45);
    grid->setCol(3);
    TextBox editor(&window);
    // Placing as the windows do: grid position plus cell position, in twips.
    const QRect g = twipsGeometry(grid);
    const int top = g.y() + grid->CellTop();
    const int left = g.x() + grid->CellLeft();
    setTwipsGeometry(&editor, left, top, grid->CellWidth(), grid->CellHeight());
    const QRect cell = grid->cellRect(45, 3).translated(grid->pos());
    EXPECT_EQ(editor.geometry(), cell);
    EXPECT_TRUE(grid->rect().contains(grid->cellRect(45, 3)));
}

TEST_F(FlexGridTest, DoubleClickAndLosingTheFocus)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, test::WaitLimitMs()));
    auto* other = new TextBox(&window);
    other->setGeometry(10, 330, 100, 24);
    other->show();
    int dbl = 0, lost = 0;
    QObject::connect(grid, &FlexGrid::DblClick, grid, [&] { ++dbl; });
    QObject::connect(grid, &FlexGrid::LostFocus, grid, [&] { ++lost; });
    grid->setFocus();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centreOf(2, 2));
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(grid->Row(), 2);
    other->setFocus();
    EXPECT_EQ(lost, 1);
}

} // namespace

namespace {

TEST_F(FlexGridTest, MergedColumnsJoinEqualTextsOnlyWithinTheBlocksBeforeThem)
{
    grid->setRows(6);
    grid->setCols(3);
    const char* const texts[][3] = {
        {"Description", "Description", "Amount"}, {"Operational", "Operational", "R0"},
        {"Maintenance", "Pipeline", "R0"},        {"Maintenance", "Mechanical", "R0"},
        {"Maintenance", "Mechanical", "R5"},      {"Energy", "Mechanical", "R5"}};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 3; ++c)
            grid->setTextMatrix(r, c, texts[r][c]);
    for (int c = 0; c < 3; ++c)
        grid->setMergeCol(c, true);
    grid->setMergeRow(0, true);
    grid->setMergeRow(1, true);

    EXPECT_EQ(grid->mergedCells(0, 1), QRect(0, 0, 2, 1));
    EXPECT_EQ(grid->mergedCells(1, 0), QRect(0, 1, 2, 1));
    EXPECT_EQ(grid->mergedCells(3, 0), QRect(0, 2, 1, 3));
    // Within the maintenance block, equal texts join; across its end they do not.
    EXPECT_EQ(grid->mergedCells(4, 1), QRect(1, 3, 1, 2));
    EXPECT_EQ(grid->mergedCells(5, 1), QRect(1, 5, 1, 1));
    // Equal amounts beside texts that differ stay apart.
    EXPECT_EQ(grid->mergedCells(2, 2), QRect(2, 2, 1, 1));
    EXPECT_EQ(grid->mergedCells(4, 2), QRect(2, 4, 1, 1));
    EXPECT_EQ(grid->mergedCells(9, 0), QRect());

    // No grid line runs across the joined cells; one closes the block.
    const QImage img = grid->grab().toImage();
    const QRect top = grid->cellRect(2, 0);
    const QRect below = grid->cellRect(5, 0);
    const int x = top.center().x();
    EXPECT_NE(img.pixelColor(x, top.bottom()), QColor(128, 128, 128));
    EXPECT_EQ(img.pixelColor(x, below.top() - 1), QColor(128, 128, 128));

    grid->setMergeCol(0, false);
    EXPECT_EQ(grid->mergedCells(3, 0), QRect(0, 3, 1, 1));
    EXPECT_EQ(grid->mergedCells(4, 1), QRect(1, 4, 1, 1)); // the block before it is gone
}

} // namespace
