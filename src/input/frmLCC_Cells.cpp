// The grids' in-place editing as the input window sets it up, and the
// profile grid's own mouse and key actions: the node-type list over the
// description column, the row menu over the node-number column, and a row
// added when Enter is released on the last row.
#include <QComboBox>
#include <QGroupBox>

#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/RefusalReasons.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "project/NodeTypes.h"

namespace vemora {

namespace {

constexpr int DescriptionColumn = 7;

} // namespace

// Which cells of each grid take keys, as the tables are laid out: the label
// column never, heading rows only to discard the results; number columns
// through the numeric filter. The profile's pipe diameter and wall thickness
// (columns 3 and 4) take any character but do not open on F2; its
// description column opens the node-type list instead.
void frmLCC::BuildCellEditing()
{
    const auto discard = [this] { DiscardResults(ctx); };

    CellEditRules profile;
    profile.f2Columns = {1, 2, 5, 6};
    profile.filterColumns = {1, 2, 5, 6};
    profile.listColumns = {DescriptionColumn};
    profile.plainOnLostFocus = true;
    cellsProfile =
        new GridCellEditor(msgProfile, txtCell, profile, discard, [this] { ShowNodeTypeList(); });

    CellEditRules laying;
    laying.f2Columns = {1};
    laying.filterColumns = {1};
    laying.lockedRows = {0, 9, 10};
    cellsLaying = new GridCellEditor(msgLaying, txtLaying, laying, discard);

    CellEditRules staff;
    staff.f2Columns = {1};
    staff.filterColumns = {1, 2};
    cellsOperational = new GridCellEditor(msgOperational, txtCellOperational, staff, discard);

    CellEditRules expenses;
    expenses.f2Columns = {1};
    expenses.filterColumns = {1};
    cellsOtherOperational =
        new GridCellEditor(msgOtherOperational, txtCellOtherOperational, expenses, discard);

    CellEditRules demand;
    demand.f2Columns = {1};
    demand.filterColumns = {1};
    demand.plainOnLostFocus = true;
    cellsDemand = new GridCellEditor(msgDemand, txtDemand, demand, discard);
    cellsPumpDemand = new GridCellEditor(msgPumpDemand, txtPumpDemand, demand, discard);

    for (GridCellEditor* cells : {cellsProfile, cellsLaying, cellsOperational,
                                  cellsOtherOperational, cellsDemand, cellsPumpDemand})
        cells->setStatusLine(
            [this](const QString& reason) { ctx.mainWindow().showHint(this, reason); },
            [this] { return ctx.mainWindow().panelText(MainWindow::HintPanel); });

    ConnectGridHandlers();
}

void frmLCC::ConnectGridHandlers()
{
    connect(msgProfile, &FlexGrid::EnterCell, this, &frmLCC::msgProfile_EnterCell);
    connect(msgProfile, &FlexGrid::Click, this, &frmLCC::msgProfile_Click);
    connect(msgProfile, &FlexGrid::MouseDown, this, &frmLCC::msgProfile_MouseDown);
    connect(msgProfile, &FlexGrid::KeyDown, this, &frmLCC::msgProfile_KeyDown);
    connect(msgProfile, &FlexGrid::KeyUp, this, &frmLCC::msgProfile_KeyUp);
    connect(msgProfile, &FlexGrid::LostFocus, this, &frmLCC::msgProfile_LostFocus);
    connect(msgProfile, &FlexGrid::Scroll, this, &frmLCC::msgProfile_Scroll);
    connect(msgProfile, &FlexGrid::DblClick, this, &frmLCC::msgProfile_DblClick);
    connect(msgLaying, &FlexGrid::DblClick, this, &frmLCC::msgLaying_DblClick);
    connect(msgOperational, &FlexGrid::DblClick, this, &frmLCC::msgOperational_DblClick);
    connect(msgOtherOperational, &FlexGrid::DblClick, this, &frmLCC::msgOtherOperational_DblClick);
    connect(txtCell, &TextBox::KeyDown, this, &frmLCC::txtCell_KeyDown);
    connect(comNode, &QComboBox::activated, this, &frmLCC::comNode_Click);
    connect(sscAdd, &PictureButton::clicked, this, &frmLCC::sscAdd_Click);
    connect(sscDelete, &PictureButton::clicked, this, &frmLCC::sscDelete_Click);
}

// --- The node-type list -------------------------------------------------------

// Over a description cell the list opens exactly over the cell, as wide as
// it; a click anywhere else only hides it.
void frmLCC::ShowNodeTypeList()
{
    FlexGrid* g = msgProfile;
    GridRow = static_cast<int16_t>(g->Row());
    GridCol = static_cast<int16_t>(g->Col());
    comNode->hide();
    FillNodeTypeCombo();
    if (GridCol != DescriptionColumn) return;
    const QRect place = twipsGeometry(g);
    const int top = place.y() + g->CellTop();
    const int left = place.x() + g->CellLeft();
    setTwipsGeometry(comNode, left, top, g->CellWidth(), twipsGeometry(comNode).height());
    comNode->raise();
    comNode->show();
}

// The ten node types in code order, showing the cell's own, while the list
// serves a description cell; empty otherwise.
void frmLCC::FillNodeTypeCombo()
{
    comNode->clear();
    if (GridCol != DescriptionColumn || GridRow < 1) return;
    for (int code = 0; code < NodeTypeCount; ++code)
        comNode->addItem(QString::fromStdString(NodeTypeNames(code)));
    comNode->setCurrentIndex(
        NodeTypeCodeOf(msgProfile->TextMatrix(GridRow, GridCol).toStdString()));
}

void frmLCC::SetNodeTypeFromCombo()
{
    if (GridRow < 1) return;
    if (GridCol == DescriptionColumn) msgProfile->setText(comNode->currentText());
    FillNodeTypeCombo();
}

void frmLCC::comNode_Click()
{
    DiscardResults(ctx);
    SetNodeTypeFromCombo();
}

// --- Profile grid events ------------------------------------------------------

void frmLCC::msgProfile_EnterCell()
{
    comNode->hide();
}

void frmLCC::msgProfile_Scroll()
{
    comNode->hide();
}

void frmLCC::msgProfile_Click()
{
    ShowNodeTypeList();
}

// The grid's editor has already closed on its cell. A right button over the
// node-number column makes that row current and pops up the row menu there.
void frmLCC::msgProfile_MouseDown(int button, int, int x, int y)
{
    FlexGrid* g = msgProfile;
    if (button != mousebutton::Right || g->MouseCol() != 0) return;
    if (g->MouseRow() >= 1) g->setRow(g->MouseRow());
    g->setCol(1);
    ctx.mainWindow().popupGridRowsMenu(g->mapToGlobal(QPoint(twipsToPixels(x), twipsToPixels(y))));
}

// The grid takes no pasted block of rows: a profile comes in through the
// import wizard, which the status line names.
void frmLCC::msgProfile_KeyDown(int& keyCode, int shift)
{
    if (keyCode == keycode::Return) enterDown_ = true;
    const bool paste = (keyCode == 'V' && shift == shiftstate::Ctrl) ||
                       (keyCode == keycode::Insert && shift == shiftstate::Shift);
    if (paste) ctx.mainWindow().showHint(this, ProfilePasteRefusedReason());
}

void frmLCC::txtCell_KeyDown(int& keyCode, int)
{
    if (keyCode == keycode::Return) enterDown_ = true;
}

void frmLCC::msgProfile_LostFocus()
{
    enterDown_ = false;
}

// Enter released on the last row, after a press in the grid or its editor,
// adds a row and makes its elevation current.
void frmLCC::msgProfile_KeyUp(int& keyCode, int)
{
    if (keyCode != keycode::Return) return;
    const bool pressedHere = enterDown_;
    enterDown_ = false;
    FlexGrid* g = msgProfile;
    if (!pressedHere || g->Row() != g->Rows() - 1) return;
    if (!AppendProfileRow()) return;
    g->setCol(1);
    g->setRow(g->Rows() - 1);
}

void frmLCC::msgProfile_DblClick()
{
    DiscardResults(ctx);
}

void frmLCC::msgLaying_DblClick()
{
    DiscardResults(ctx);
}

void frmLCC::msgOperational_DblClick()
{
    DiscardResults(ctx);
}

void frmLCC::msgOtherOperational_DblClick()
{
    DiscardResults(ctx);
}

} // namespace vemora
