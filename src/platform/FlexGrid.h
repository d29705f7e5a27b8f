// A grid of text cells with fixed heading rows and label columns, a current
// cell, per-cell colours, bold and alignment, and sizes in twips. It never
// edits a cell itself: the window that owns it lays its own editor over the
// current cell (CellLeft/CellTop/CellWidth/CellHeight) and writes the text
// back through Text or TextMatrix.
//
// The current cell changes by code (setRow/setCol), by a left click on a
// non-fixed cell and by the arrow, Page Up/Down, Home and End keys. Every
// change raises LeaveCell (while the old cell is still current) and then
// EnterCell (with the new cell current).
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace vemora {

// Cell and column alignments: left/centre/right by top/centre/bottom, and
// General (text left, numbers right).
enum class FlexAlign {
    LeftTop,
    LeftCenter,
    LeftBottom,
    CenterTop,
    CenterCenter,
    CenterBottom,
    RightTop,
    RightCenter,
    RightBottom,
    General,
};

// How a cell of that alignment holding `text` is aligned on screen.
Qt::Alignment qtAlignment(FlexAlign align, const QString& text);

class FlexGrid : public QAbstractScrollArea
{
    Q_OBJECT
  public:
    explicit FlexGrid(QWidget* parent);

    // Size. Rows and Cols count the fixed rows and columns.
    int Rows() const { return rows_; }
    void setRows(int n);
    int Cols() const { return cols_; }
    void setCols(int n);
    int FixedRows() const { return fixedRows_; }
    void setFixedRows(int n);
    int FixedCols() const { return fixedCols_; }
    void setFixedCols(int n);

    // Current cell. Setting either raises LeaveCell then EnterCell when the
    // cell changes; values are kept inside the grid.
    int Row() const { return row_; }
    void setRow(int r);
    int Col() const { return col_; }
    void setCol(int c);

    // Text of the current cell and of any cell; out-of-range cells read ""
    // and ignore writes.
    QString Text() const;
    void setText(const QString& s);
    QString TextMatrix(int r, int c) const;
    void setTextMatrix(int r, int c, const QString& s);

    // Clears every text and cell format; size, widths and heights stay.
    void Clear();

    // Sizes in twips (-1 for a row or column means all of them).
    int ColWidth(int c) const;
    void setColWidth(int c, int twips);
    int RowHeight(int r) const;
    void setRowHeight(int r, int twips);
    FlexAlign ColAlignment(int c) const;
    void setColAlignment(int c, FlexAlign align);

    // Where the current cell lies, in twips, relative to the grid's top-left
    // corner. Reading CellLeft or CellTop first scrolls the current cell into
    // view.
    int CellLeft();
    int CellTop();
    int CellWidth() const;
    int CellHeight() const;

    // Format of the current cell. Colours unset read the grid's colours.
    void setCellBackColor(const QColor& c);
    void setCellForeColor(const QColor& c);
    void setCellFontBold(bool bold);
    FlexAlign CellAlignment() const;
    void setCellAlignment(FlexAlign align);
    // Colour numbers must go through vbColor(); a raw number is refused.
    void setCellBackColor(int) = delete;
    void setCellBackColor(unsigned) = delete;
    void setCellForeColor(int) = delete;
    void setCellForeColor(unsigned) = delete;

    // Format of any cell (for tests and drawing checks).
    QColor cellBackColorAt(int r, int c) const;
    QColor cellForeColorAt(int r, int c) const;
    bool cellFontBoldAt(int r, int c) const;
    FlexAlign cellAlignmentAt(int r, int c) const;

    // Adjacent cells of a merged row with equal text show as one. So do
    // cells of a merged column with equal text one above the other, where
    // the cells to their left show as one too (a column's blocks never cut
    // across the blocks of the column before it).
    bool MergeRow(int r) const;
    void setMergeRow(int r, bool merge);
    bool MergeCol(int c) const;
    void setMergeCol(int c, bool merge);
    // The cells that show as one with cell (r, c): x and width count
    // columns, y and height rows; a lone cell is 1 x 1, outside the grid empty.
    QRect mergedCells(int r, int c) const;

    // Colours of fixed and of other cells.
    QColor BackColorFixed() const { return backFixed_; }
    QColor ForeColorFixed() const { return foreFixed_; }
    void setForeColorFixed(const QColor& c);
    void setBackColor(const QColor& c);

    // The cell under the mouse pointer at the last mouse event (-1 outside).
    int MouseRow() const { return mouseRow_; }
    int MouseCol() const { return mouseCol_; }

    // Painting is suspended while Redraw is false; switching it on repaints.
    void setRedraw(bool on);
    void Refresh();

    // Free text the owner keeps with the grid.
    QString Tag;

    // The first non-fixed row and column shown (scroll position).
    int TopRow() const { return topRow_; }
    void setTopRow(int r);
    void setLeftCol(int c);

    // Cell at a point of the grid (pixels, grid coordinates); -1 outside.
    int rowAt(int y) const;
    int colAt(int x) const;
    // A cell's rectangle in pixels, relative to the grid; empty when hidden.
    QRect cellRect(int r, int c) const;

    // Brings the current cell into view.
    void scrollToCurrent();

    // Shrinks the grid to its rows and columns where they all fit into it,
    // so that no empty band of the grid's background shows below the last
    // row or right of the last column. A grid that scrolls keeps its size.
    void FitToCells();

  signals:
    void EnterCell();
    void LeaveCell();
    // keyCode may be set to 0 to stop the grid's own handling (cell moves).
    void KeyDown(int& keyCode, int shift);
    // Setting ascii to 0 drops the key.
    void KeyPress(int& ascii);
    void KeyUp(int& keyCode, int shift);
    void Click();
    void DblClick();
    // Button 1 left, 2 right, 4 middle; x and y in twips from the grid's corner.
    void MouseDown(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void LostFocus();
    void GotFocus();
    // The rows or columns shown moved (scroll bar, wheel, or a cell brought
    // into view).
    void Scroll();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;

  private:
    struct Cell
    {
        QString text;
        std::optional<QColor> back;
        std::optional<QColor> fore;
        bool bold = false;
        std::optional<FlexAlign> align; // none: the column's alignment
    };

    Cell* cellAt(int r, int c);
    const Cell* cellAt(int r, int c) const;
    void resizeCells(int rows, int cols);
    void moveCurrent(int r, int c);
    void moveByUser(int r, int c);
    void updateScrollBars();
    bool fitsWithoutScrolling() const;
    void ensureVisible(int r, int c);
    // What a cell shows: its own colours, greyed while the grid is disabled.
    QColor shownBackColor(int r, int c) const;
    QColor shownForeColor(int r, int c) const;
    // Whether a cell's text wraps: heading cells always, other cells where
    // their row is tall enough for two lines.
    bool wrapsText(int r, int c) const;
    // The rows and columns on screen, in screen order, and the painting
    // steps that use them.
    struct ShownLines
    {
        std::vector<int> rows;
        std::vector<int> cols;
    };
    ShownLines shownLines(const QSize& area) const;
    void paintBlock(QPainter& p, const ShownLines& shown, int r, int c) const;
    void paintCellText(QPainter& p, const QRect& rect, int r, int c) const;
    void paintFocusFrame(QPainter& p, const ShownLines& shown) const;
    int rowHeightPx(int r) const;
    int colWidthPx(int c) const;
    int rowTopPx(int r) const; // in viewport coordinates, -1 when hidden
    int colLeftPx(int c) const;
    int fixedHeightPx() const;
    int fixedWidthPx() const;
    int visibleRowsFrom(int top) const;
    void updateMouseCell(const QPoint& viewportPos);
    void repaintNow();

    int rows_ = 2;
    int cols_ = 2;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int row_ = 1;
    int col_ = 1;
    int topRow_ = 1;
    int leftCol_ = 1;
    int mouseRow_ = -1;
    int mouseCol_ = -1;
    bool redraw_ = true;
    std::vector<std::vector<Cell>> cells_;
    std::vector<int> colWidth_;  // twips
    std::vector<int> rowHeight_; // twips
    std::vector<FlexAlign> colAlign_;
    std::vector<bool> mergeRow_;
    std::vector<bool> mergeCol_;
    QColor back_;
    QColor fore_;
    QColor backFixed_;
    QColor foreFixed_;
    QColor gridLine_;
    int defaultColWidth_ = 960;
    int defaultRowHeight_ = 240;
};

} // namespace vemora
