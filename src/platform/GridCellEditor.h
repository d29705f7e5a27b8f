// The in-place editing of a grid: one single-line editor laid exactly over
// the current cell while the user types, its text copied into that cell on
// every change, so the cell always holds what the editor shows.
//
// The editor stays bound to the cell it was opened on: a mouse button on the
// grid, a scroll, or any change of the current cell first commits the
// editor into that cell and closes it.
//
// A paste or a drop into the editor goes through its entry guard
// (NumberGuard): outer blanks and line ends go, and on a cell that filters
// its keys a text the filter would change is refused whole, the reason on
// the status line; so is a printable key the filter drops, until the next
// key taken, paste or focus move.
//
// Keys typed in the grid: a character replaces the cell's text and opens the
// editor after it, Backspace drops the last character and opens the editor,
// Enter moves to the next cell (right, and at the last column down), F2 opens
// the editor on the cell as it is. In the editor: Enter commits and moves on,
// Esc brings back the text the cell had when it became current, the arrow
// keys at the ends of the text (Up and Down anywhere) commit and move.
//
// The current editable cell is light cyan; a cell left gets the window
// background back, a locked cell (heading rows and label columns) the button
// face. Every cell entered and every key taken discards the owner's results.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

namespace vemora {

class FlexGrid;
class NumberGuard;
class TextBox;

// Which cells of one grid take keys and how.
struct CellEditRules
{
    // Columns where F2 opens the editor (on cells that are not locked).
    std::vector<int> f2Columns;
    // Columns where typed characters pass the numeric filter (digits, the
    // full stop, Backspace, Enter, Esc), in the grid and in its editor.
    std::vector<int> filterColumns;
    // Rows (of a grid laid out by rows) where typed characters pass the
    // numeric filter in the grid and in its editor, and rows where only the
    // editor filters (the first key typed on the cell goes in as it is).
    std::vector<int> filterRows;
    std::vector<int> editorFilterRows;
    // When not empty, F2 opens the editor only on these rows.
    std::vector<int> f2Rows;
    // Columns 0 to lockedCols - 1 take no key at all.
    int lockedCols = 1;
    // Rows whose keys only discard the results (heading rows).
    std::vector<int> lockedRows = {0};
    // Columns whose keys go to `listKey` (a list over the cell) instead.
    std::vector<int> listColumns;
    // The current cell goes back to the window background when the grid
    // loses the focus.
    bool plainOnLostFocus = false;
};

class GridCellEditor : public QObject
{
    Q_OBJECT
  public:
    // `discard` runs for every cell entered and key taken; `listKey` for a
    // key typed on a list column.
    GridCellEditor(FlexGrid* grid, TextBox* editor, CellEditRules rules,
                   std::function<void()> discard, std::function<void()> listKey = {});

    FlexGrid* grid() const { return grid_; }
    TextBox* editor() const { return editor_; }
    bool isOpen() const { return boundRow_ >= 0; }
    // Where the editor's entry guard writes why it refused a paste or a
    // typed key, and where it reads what the line shows (put back after a
    // refused key).
    void setStatusLine(std::function<void(const QString&)> show, std::function<QString()> read);

    // Lays the editor over the current cell, with the cell's text, font and
    // alignment, the caret at the end, and gives it the focus.
    void EditCell();
    // The Enter key's move: one column right, or at the last column one row
    // down; the last cell stays.
    void MoveNextCell();
    // Brings the current cell into view.
    void ScrollToCell();
    // Copies the editor into the cell it was opened on and hides it.
    void Close();
    // Hides the editor without writing (the grid's content is being replaced).
    void Abandon();
    // Closes the editor, makes a cell current, brings it into view shown as
    // current, and gives the grid the focus.
    void FocusCell(int row, int col);
    // Whether a key typed on the cell passes the numeric filter.
    bool Filtered(int col) const;
    bool Filtered(int row, int col) const;
    // Whether the editor opened on a cell filters what is typed into it.
    bool EditorFiltered(int row, int col) const;
    bool Locked(int row, int col) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Brings the bound cell into view, lays the editor over it, shows it and
    // gives it the focus.
    void ShowOverCell();
    void PlaceOverCell();
    void grid_Scroll();
    void grid_EnterCell();
    void grid_LeaveCell();
    void grid_LostFocus();
    void grid_KeyDown(int& keyCode, int shift);
    void grid_KeyPress(int& ascii);
    void editor_KeyDown(int& keyCode, int shift);
    void editor_KeyPress(int& ascii);
    void editor_Change();
    void MoveTo(int row, int col);

    FlexGrid* grid_;
    TextBox* editor_;
    CellEditRules rules_;
    std::function<void()> discard_;
    std::function<void()> listKey_;
    int boundRow_ = -1;
    int boundCol_ = -1;
    std::function<void(const QString&)> showStatus_;
    std::function<QString()> readStatus_;
    NumberGuard* guard_ = nullptr;
};

} // namespace vemora
