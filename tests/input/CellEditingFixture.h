// The input window shown and active in its stand-in main window, so that
// keys and clicks reach the grids and their editors as they do for a user.
#pragma once

#include <QApplication>
#include <QTest>

#include "InputWindowFixture.h"
#include "platform/FlexGrid.h"
#include "platform/TabControl.h"
#include "platform/TextBox.h"

namespace vemora::test {

class CellEditingTest : public InputWindowTest
{
  protected:
    void SetUp() override
    {
        InputWindowTest::SetUp();
        main->show();
        QApplication::setActiveWindow(main.get());
    }

    // A profile of `rows` nodes: elevation 45 at node 1, then 100 + node,
    // accumulated length 10 x node, pipe 300 / 6 / 900, loss 0.5.
    void Profile(int rows)
    {
        ProjectStore& s = ctx.store;
        for (int i = 1; i <= MaxNodes; ++i) {
            const auto n = static_cast<size_t>(i);
            const bool used = i <= rows;
            s.NodeElevation[n] =
                used ? (i == 1 ? 45.0f : 100.0f + static_cast<float>(i)) : UnusedNode;
            s.NodeAccumulatedLength[n] = used ? 10.0f * static_cast<float>(i) : UnusedNode;
            s.PipeDiameter[n] = 300;
            s.WallThickness[n] = 6;
            s.PipeCostPerMetre[n] = 900;
            s.SecondaryLoss[n] = 0.5f;
            s.NodeTypeCode[n] = 0;
        }
        w->sstInput->setTab(1);
        w->FillProfileGrid();
        w->msgProfile->setFocus();
    }

    // Makes a cell current the way a program does.
    static void Select(FlexGrid* g, int row, int col)
    {
        g->setRow(row);
        g->setCol(col);
    }

    static QPoint CellCentre(FlexGrid* g, int row, int col)
    {
        return g->cellRect(row, col).center() - g->viewport()->geometry().topLeft();
    }

    static void Click(FlexGrid* g, int row, int col, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(g->viewport(), button, {}, CellCentre(g, row, col));
    }

    // A key pressed and released in whichever widget has the focus.
    static void Key(Qt::Key key) { QTest::keyClick(static_cast<QWidget*>(nullptr), key); }
    // Characters typed one by one into whichever widget has the focus then
    // (the first may open an editor that takes the rest).
    static void Keys(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }
};

} // namespace vemora::test
