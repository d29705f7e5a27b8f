#include "platform/GridCellEditor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>

#include "platform/EntryGuard.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

namespace vemora {

namespace {

bool Contains(const std::vector<int>& list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace

GridCellEditor::GridCellEditor(FlexGrid* grid, TextBox* editor, CellEditRules rules,
                               std::function<void()> discard, std::function<void()> listKey)
    : QObject(grid), grid_(grid), editor_(editor), rules_(std::move(rules)),
      discard_(std::move(discard)), listKey_(std::move(listKey))
{
    editor_->hide();
    editor_->setFrame(false);
    connect(grid_, &FlexGrid::EnterCell, this, &GridCellEditor::grid_EnterCell);
    connect(grid_, &FlexGrid::LeaveCell, this, &GridCellEditor::grid_LeaveCell);
    connect(grid_, &FlexGrid::LostFocus, this, &GridCellEditor::grid_LostFocus);
    connect(grid_, &FlexGrid::KeyDown, this, &GridCellEditor::grid_KeyDown);
    connect(grid_, &FlexGrid::KeyPress, this, &GridCellEditor::grid_KeyPress);
    connect(grid_, &FlexGrid::MouseDown, this, &GridCellEditor::Close);
    connect(grid_, &FlexGrid::Scroll, this, &GridCellEditor::grid_Scroll);
    grid_->installEventFilter(this);
    connect(editor_, &TextBox::KeyDown, this, &GridCellEditor::editor_KeyDown);
    connect(editor_, &TextBox::KeyPress, this, &GridCellEditor::editor_KeyPress);
    connect(editor_, &TextBox::Change, this, &GridCellEditor::editor_Change);
    guard_ = new NumberGuard(
        editor_, [this] { return isOpen() && EditorFiltered(boundRow_, boundCol_); },
        [this](const QString& reason) {
            if (showStatus_) showStatus_(reason);
        },
        [this] { return readStatus_ ? readStatus_() : QString(); });
}

void GridCellEditor::setStatusLine(std::function<void(const QString&)> show,
                                   std::function<QString()> read)
{
    showStatus_ = std::move(show);
    readStatus_ = std::move(read);
}

bool GridCellEditor::Filtered(int col) const
{
    return Contains(rules_.filterColumns, col);
}

bool GridCellEditor::Filtered(int row, int col) const
{
    return Filtered(col) || (col >= rules_.lockedCols && Contains(rules_.filterRows, row));
}

bool GridCellEditor::EditorFiltered(int row, int col) const
{
    return Filtered(row, col) ||
           (col >= rules_.lockedCols && Contains(rules_.editorFilterRows, row));
}

bool GridCellEditor::Locked(int row, int col) const
{
    return col < rules_.lockedCols || Contains(rules_.lockedRows, row);
}

// ---- the editor's place and life ----------------------------------------

void GridCellEditor::EditCell()
{
    if (isOpen() && (boundRow_ != grid_->Row() || boundCol_ != grid_->Col())) Close();
    editor_->setFont(grid_->font());
    // An editor is aligned as the cell's text would be, General as text.
    editor_->setAlignment(
        (qtAlignment(grid_->CellAlignment(), QString()) & Qt::AlignHorizontal_Mask) |
        Qt::AlignVCenter);
    boundRow_ = grid_->Row();
    boundCol_ = grid_->Col();
    editor_->setText(grid_->Text());
    ShowOverCell();
    editor_->setSelStart(static_cast<int>(editor_->Text().size()));
}

void GridCellEditor::ShowOverCell()
{
    ScrollToCell();
    PlaceOverCell();
    editor_->raise();
    editor_->show();
    editor_->setFocus();
}

// The cell's grid lines (its right and bottom pixel) stay in sight.
void GridCellEditor::PlaceOverCell()
{
    const QRect cell = grid_->cellRect(boundRow_, boundCol_);
    editor_->setGeometry(cell.translated(grid_->pos()).adjusted(0, 0, -1, -1));
}

// A scroll moves the editor with its cell while the cell is wholly in view,
// and hides it while it is not; the grid holds the focus for it meanwhile and
// hands it back when the cell comes into view again.
void GridCellEditor::grid_Scroll()
{
    if (!isOpen()) return;
    const QRect cell = grid_->cellRect(boundRow_, boundCol_);
    if (cell.isEmpty() || !grid_->viewport()->geometry().contains(cell)) {
        if (editor_->hasFocus()) grid_->setFocus();
        editor_->hide();
        return;
    }
    PlaceOverCell();
    if (!editor_->isHidden()) return;
    editor_->show();
    if (grid_->hasFocus()) editor_->setFocus();
}

// While the editor is hidden by a scroll, the next key brings its cell into
// view and goes on editing there.
bool GridCellEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != grid_ || event->type() != QEvent::KeyPress || !isOpen() || !editor_->isHidden())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = keyCodeOf(key);
    const bool modifier =
        code == keycode::Shift || code == keycode::Control || code == keycode::Menu;
    if (code == keycode::Tab || modifier || (code == 0 && key->text().isEmpty())) return false;
    ShowOverCell();
    QCoreApplication::sendEvent(editor_, event);
    return true;
}

void GridCellEditor::Close()
{
    if (!isOpen()) return;
    const int row = boundRow_;
    const int col = boundCol_;
    boundRow_ = boundCol_ = -1;
    grid_->setTextMatrix(row, col, editor_->Text());
    if (editor_->hasFocus()) grid_->setFocus();
    editor_->hide();
}

void GridCellEditor::Abandon()
{
    boundRow_ = boundCol_ = -1;
    if (editor_->hasFocus()) grid_->setFocus();
    editor_->hide();
}

void GridCellEditor::FocusCell(int row, int col)
{
    Close();
    MoveTo(row, col);
    ScrollToCell();
    grid_->setFocus();
    if (!Locked(grid_->Row(), grid_->Col())) grid_->setCellBackColor(vbColor(vbcolor::LightCyan));
}

void GridCellEditor::MoveNextCell()
{
    grid_->setRedraw(false);
    if (grid_->Col() < grid_->Cols() - 1)
        grid_->setCol(grid_->Col() + 1);
    else if (grid_->Row() < grid_->Rows() - 1)
        grid_->setRow(grid_->Row() + 1);
    ScrollToCell();
    grid_->setRedraw(true);
}

void GridCellEditor::ScrollToCell()
{
    grid_->CellTop();
}

void GridCellEditor::MoveTo(int row, int col)
{
    grid_->setRow(row);
    grid_->setCol(col);
}

// ---- grid events -----------------------------------------------------------

void GridCellEditor::grid_EnterCell()
{
    grid_->Tag = grid_->Text();
    if (!Locked(grid_->Row(), grid_->Col())) grid_->setCellBackColor(vbColor(vbcolor::LightCyan));
    discard_();
}

void GridCellEditor::grid_LeaveCell()
{
    Close();
    grid_->setCellBackColor(vbColor(
        Locked(grid_->Row(), grid_->Col()) ? vbcolor::ButtonFace : vbcolor::WindowBackground));
}

void GridCellEditor::grid_LostFocus()
{
    guard_->EndKeyRefusal();
    if (rules_.plainOnLostFocus) grid_->setCellBackColor(vbColor(vbcolor::WindowBackground));
}

void GridCellEditor::grid_KeyDown(int& keyCode, int)
{
    if (keyCode == keycode::F2 && Contains(rules_.f2Columns, grid_->Col()) &&
        (rules_.f2Rows.empty() || Contains(rules_.f2Rows, grid_->Row())) &&
        !Locked(grid_->Row(), grid_->Col()))
        EditCell();
}

void GridCellEditor::grid_KeyPress(int& ascii)
{
    const int row = grid_->Row();
    const int col = grid_->Col();
    const int key = ascii;
    ascii = 0; // the grid itself never edits a cell
    if (!guard_->TakesKey(QChar(key), Filtered(row, col))) return;
    if (col < rules_.lockedCols) return;
    if (Contains(rules_.lockedRows, row)) {
        discard_();
        return;
    }
    if (Contains(rules_.listColumns, col)) {
        if (listKey_) listKey_();
        discard_();
        return;
    }
    switch (key) {
    case keycode::Back: {
        QString text = grid_->Text();
        text.chop(1);
        grid_->setText(text);
        EditCell();
        break;
    }
    case keycode::Return:
        MoveNextCell();
        break;
    case keycode::Escape:
        break;
    default:
        grid_->setText(QString(QChar(key)));
        EditCell();
        break;
    }
    discard_();
}

// ---- editor events ---------------------------------------------------------

void GridCellEditor::editor_KeyDown(int& keyCode, int)
{
    if (!isOpen()) return;
    const int length = static_cast<int>(editor_->Text().size());
    const int caret = editor_->SelStart();
    const int row = grid_->Row();
    const int col = grid_->Col();
    const int lastRow = grid_->Rows() - 1;
    const int lastCol = grid_->Cols() - 1;
    switch (keyCode) {
    case keycode::Escape:
        editor_->setText(grid_->Tag);
        editor_->setSelStart(static_cast<int>(grid_->Tag.size()));
        break;
    case keycode::Left:
        if (caret != 0) break;
        Close();
        keyCode = 0;
        if (col >= 2)
            MoveTo(row, col - 1);
        else if (row >= 2)
            MoveTo(row - 1, lastCol);
        break;
    case keycode::Right:
        if (caret != length) break;
        Close();
        keyCode = 0;
        if (col < lastCol)
            MoveTo(row, col + 1);
        else if (row < lastRow)
            MoveTo(row + 1, 1);
        break;
    case keycode::Up:
        Close();
        keyCode = 0;
        if (row >= 2) MoveTo(row - 1, col);
        break;
    case keycode::Down:
        Close();
        keyCode = 0;
        if (row < lastRow) MoveTo(row + 1, col);
        break;
    default:
        break;
    }
    ScrollToCell();
}

void GridCellEditor::editor_KeyPress(int& ascii)
{
    if (!isOpen()) return;
    if (!guard_->TakesKey(QChar(ascii), EditorFiltered(boundRow_, boundCol_))) {
        ascii = 0;
        return;
    }
    if (ascii == keycode::Return) {
        ascii = 0;
        Close();
        MoveNextCell();
        grid_->setFocus();
    } else if (ascii == keycode::Escape) {
        ascii = 0; // the key down has brought the saved text back
    }
}

// Every change of the editor's text goes into its cell at once. Text that
// arrives other than by typing (a paste, a drop) has passed the entry guard.
void GridCellEditor::editor_Change()
{
    if (!isOpen()) return;
    grid_->setTextMatrix(boundRow_, boundCol_, editor_->Text());
}

} // namespace vemora
