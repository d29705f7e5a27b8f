// Profile row editing: add a row at the end, insert one before the current
// row, delete the current or the last row. Column 0 always numbers the rows
// in order; the operations move columns 1 to 7 (node data and node type)
// only, whole rows at a time. A profile holds at most 500 nodes.
#include <QComboBox>
#include <QStringList>
#include <vector>

#include "app/AppContext.h"
#include "input/frmDeleteRow.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/Ui.h"
#include "project/NodeTypes.h"
#include "project/ProjectStore.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

constexpr int LastDataCol = 7;

QString RowNumberText(int row)
{
    return QStringLiteral(" %1").arg(row);
}

// Columns 1 to 7 of a row.
QStringList RowTexts(const FlexGrid* g, int row)
{
    QStringList texts;
    for (int c = 1; c <= LastDataCol; ++c)
        texts << g->TextMatrix(row, c);
    return texts;
}

void SetRowTexts(FlexGrid* g, int row, const QStringList& texts)
{
    for (int c = 1; c <= LastDataCol; ++c)
        g->setTextMatrix(row, c, texts.value(c - 1));
}

// A node type as the grid's fill shows it: its name padded to 20 characters.
QString ShownNodeType(const char* name)
{
    return QString::fromStdString(NodeTypeShownName(NodeTypeCodeOf(name)));
}

// A new last row: its number, the data row height, empty cells.
int AddLastRow(FlexGrid* g)
{
    g->setRows(g->Rows() + 1);
    const int n = g->Rows() - 1;
    g->setRowHeight(n, g->RowHeight(n - 1));
    g->setTextMatrix(n, 0, RowNumberText(n));
    SetRowTexts(g, n, {});
    return n;
}

} // namespace

bool frmLCC::RoomForAnotherRow()
{
    if (msgProfile->Rows() - 1 < MaxNodes) return true;
    ctx.ui.msgBox(
        QStringLiteral("The profile holds at most %1 nodes: no row can be added.").arg(MaxNodes),
        MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Vemora"), ctx.mainWindow().widget());
    return false;
}

// A new last row with the pipe data of the row before it.
bool frmLCC::AppendProfileRow()
{
    if (!RoomForAnotherRow()) return false;
    FlexGrid* g = msgProfile;
    cellsProfile->Close();
    comNode->hide();
    const int n = AddLastRow(g);
    g->setRow(n);
    for (int c = 3; c <= 6; ++c)
        g->setTextMatrix(n, c, g->TextMatrix(n - 1, c));
    g->setTextMatrix(n, LastDataCol, ShownNodeType("Node"));
    return ReadGrid(InputGrid::Profile);
}

// The rows from the current one down move one row on; the new row takes the
// pipe of the row above it (of the row below it at the top), no secondary
// loss, and a node type that suits its place: at the top the start of the
// pipeline (a reservoir, or the pump station of a pumping system).
bool frmLCC::InsertProfileRowBefore()
{
    if (!RoomForAnotherRow()) return false;
    FlexGrid* g = msgProfile;
    cellsProfile->Close();
    comNode->hide();
    const int r = std::max(g->Row(), 1);
    const int n = AddLastRow(g);
    for (int i = n; i > r; --i)
        SetRowTexts(g, i, RowTexts(g, i - 1));
    SetRowTexts(g, r, {});
    const int pipeRow = r > 1 ? r - 1 : r + 1;
    for (int c = 3; c <= 5; ++c)
        g->setTextMatrix(r, c, g->TextMatrix(pipeRow, c));
    g->setTextMatrix(r, 6, QStringLiteral("0"));
    const char* type = r > 1 ? "Node" : IsPumping(ctx.store) ? "Pumpstation" : "Reservoir";
    g->setTextMatrix(r, LastDataCol, ShownNodeType(type));
    return ReadGrid(InputGrid::Profile);
}

// A row holding data goes only when the user says so.
bool frmLCC::ConfirmRowDeletion(int row)
{
    bool data = false;
    for (const QString& text : RowTexts(msgProfile, row))
        data = data || !text.trimmed().isEmpty();
    if (!data) return true;
    return ctx.ui.msgBox(QStringLiteral("There is data in row%1 ! Do you want to delete the row "
                                        "anyway?")
                             .arg(RowNumberText(row)),
                         MsgButtons::YesNo, MsgIcon::Question,
                         QStringLiteral("Vemora : Delete row!"),
                         ctx.mainWindow().widget()) == MsgAnswer::Yes;
}

// The rows below `row` move up by one and the last row goes. The texts are
// gathered before the grid changes, so the row goes whole.
void frmLCC::RemoveProfileRow(int row)
{
    FlexGrid* g = msgProfile;
    const int last = g->Rows() - 1;
    std::vector<QStringList> below;
    for (int i = row + 1; i <= last; ++i)
        below.push_back(RowTexts(g, i));
    cellsProfile->Close();
    comNode->hide();
    for (int i = row; i < last; ++i)
        SetRowTexts(g, i, below[static_cast<size_t>(i - row)]);
    if (g->Row() == last) g->setRow(last - 1);
    g->setRows(last);
}

// The store keeps the deleted node until the next save reads the grid.
bool frmLCC::DeleteCurrentProfileRow()
{
    if (msgProfile->Rows() < 3) return false;
    const int r = msgProfile->Row();
    if (!ConfirmRowDeletion(r)) return false;
    RemoveProfileRow(r);
    return true;
}

bool frmLCC::DeleteLastProfileRow()
{
    if (msgProfile->Rows() < 3) return false;
    const int last = msgProfile->Rows() - 1;
    if (!ConfirmRowDeletion(last)) return false;
    RemoveProfileRow(last);
    return true;
}

void frmLCC::sscAdd_Click()
{
    InsertProfileRowBefore();
}

void frmLCC::sscDelete_Click()
{
    frmDeleteRow dialog(*this, ctx.mainWindow().widget());
    ctx.ui.execDialog(&dialog);
}

} // namespace vemora
