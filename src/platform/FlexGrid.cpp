// The grid's model: its size, the current cell, cell texts and formats,
// sizes, merging and colours.
#include "platform/FlexGrid.h"

#include <algorithm>

#include "platform/Twips.h"

namespace vemora {

namespace {
constexpr int kMaxCells = 4'000'000; // guards against absurd sizes
} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    back_ = systemWindowBackground();
    fore_ = systemWindowText();
    backFixed_ = systemButtonFace();
    foreFixed_ = systemButtonText();
    gridLine_ = QColor(192, 192, 192);
    defaultRowHeight_ = pixelsToTwips(fontMetrics().height() + 4);
    resizeCells(rows_, cols_);
    updateScrollBars();
}

// ---- cells -----------------------------------------------------------------

FlexGrid::Cell* FlexGrid::cellAt(int r, int c)
{
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) return nullptr;
    return &cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
}

const FlexGrid::Cell* FlexGrid::cellAt(int r, int c) const
{
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) return nullptr;
    return &cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
}

void FlexGrid::resizeCells(int rows, int cols)
{
    rows_ = rows;
    cols_ = cols;
    cells_.resize(static_cast<size_t>(rows));
    for (auto& row : cells_)
        row.resize(static_cast<size_t>(cols));
    rowHeight_.resize(static_cast<size_t>(rows), defaultRowHeight_);
    mergeRow_.resize(static_cast<size_t>(rows), false);
    mergeCol_.resize(static_cast<size_t>(cols), false);
    colWidth_.resize(static_cast<size_t>(cols), defaultColWidth_);
    colAlign_.resize(static_cast<size_t>(cols), FlexAlign::General);
    if (fixedRows_ > rows_) fixedRows_ = rows_;
    if (fixedCols_ > cols_) fixedCols_ = cols_;
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, rows_ - 1));
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, cols_ - 1));
}

void FlexGrid::setRows(int n)
{
    n = std::max(n, std::max(fixedRows_, 1));
    if (n == rows_) return;
    if (static_cast<long long>(n) * cols_ > kMaxCells) return;
    if (row_ >= n) {
        emit LeaveCell();
        resizeCells(n, cols_);
        row_ = n - 1;
        updateScrollBars();
        emit EnterCell();
    } else {
        resizeCells(n, cols_);
        updateScrollBars();
    }
    repaintNow();
}

void FlexGrid::setCols(int n)
{
    n = std::max(n, std::max(fixedCols_, 1));
    if (n == cols_) return;
    if (static_cast<long long>(n) * rows_ > kMaxCells) return;
    if (col_ >= n) {
        emit LeaveCell();
        resizeCells(rows_, n);
        col_ = n - 1;
        updateScrollBars();
        emit EnterCell();
    } else {
        resizeCells(rows_, n);
        updateScrollBars();
    }
    repaintNow();
}

void FlexGrid::setFixedRows(int n)
{
    fixedRows_ = std::clamp(n, 0, rows_);
    topRow_ = std::max(topRow_, fixedRows_);
    updateScrollBars();
    repaintNow();
}

void FlexGrid::setFixedCols(int n)
{
    fixedCols_ = std::clamp(n, 0, cols_);
    leftCol_ = std::max(leftCol_, fixedCols_);
    updateScrollBars();
    repaintNow();
}

// ---- current cell ----------------------------------------------------------

void FlexGrid::moveCurrent(int r, int c)
{
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) return;
    if (r == row_ && c == col_) return;
    emit LeaveCell();
    row_ = r;
    col_ = c;
    emit EnterCell();
    repaintNow();
}

void FlexGrid::setRow(int r)
{
    moveCurrent(r, col_);
}

void FlexGrid::setCol(int c)
{
    moveCurrent(row_, c);
}

void FlexGrid::moveByUser(int r, int c)
{
    if (rows_ <= fixedRows_ || cols_ <= fixedCols_) return;
    r = std::clamp(r, fixedRows_, rows_ - 1);
    c = std::clamp(c, fixedCols_, cols_ - 1);
    moveCurrent(r, c);
    ensureVisible(row_, col_);
}

QString FlexGrid::Text() const
{
    return TextMatrix(row_, col_);
}

void FlexGrid::setText(const QString& s)
{
    setTextMatrix(row_, col_, s);
}

QString FlexGrid::TextMatrix(int r, int c) const
{
    const Cell* cell = cellAt(r, c);
    return cell ? cell->text : QString();
}

void FlexGrid::setTextMatrix(int r, int c, const QString& s)
{
    if (Cell* cell = cellAt(r, c)) {
        if (cell->text == s) return;
        cell->text = s;
        repaintNow();
    }
}

void FlexGrid::Clear()
{
    for (auto& row : cells_)
        for (auto& cell : row)
            cell = Cell{};
    repaintNow();
}

// ---- sizes -----------------------------------------------------------------

int FlexGrid::ColWidth(int c) const
{
    if (c < 0 || c >= cols_) return 0;
    return colWidth_[static_cast<size_t>(c)];
}

void FlexGrid::setColWidth(int c, int twips)
{
    twips = std::max(twips, 0);
    if (c == -1) {
        defaultColWidth_ = twips;
        std::fill(colWidth_.begin(), colWidth_.end(), twips);
    } else if (c >= 0 && c < cols_) {
        colWidth_[static_cast<size_t>(c)] = twips;
    } else {
        return;
    }
    updateScrollBars();
    repaintNow();
}

int FlexGrid::RowHeight(int r) const
{
    if (r < 0 || r >= rows_) return 0;
    return rowHeight_[static_cast<size_t>(r)];
}

void FlexGrid::setRowHeight(int r, int twips)
{
    twips = std::max(twips, 0);
    if (r == -1) {
        defaultRowHeight_ = twips;
        std::fill(rowHeight_.begin(), rowHeight_.end(), twips);
    } else if (r >= 0 && r < rows_) {
        rowHeight_[static_cast<size_t>(r)] = twips;
    } else {
        return;
    }
    updateScrollBars();
    repaintNow();
}

FlexAlign FlexGrid::ColAlignment(int c) const
{
    if (c < 0 || c >= cols_) return FlexAlign::General;
    return colAlign_[static_cast<size_t>(c)];
}

void FlexGrid::setColAlignment(int c, FlexAlign align)
{
    if (c == -1) {
        std::fill(colAlign_.begin(), colAlign_.end(), align);
    } else if (c >= 0 && c < cols_) {
        colAlign_[static_cast<size_t>(c)] = align;
    } else {
        return;
    }
    repaintNow();
}

// ---- formats ---------------------------------------------------------------

QColor FlexGrid::cellBackColorAt(int r, int c) const
{
    const Cell* cell = cellAt(r, c);
    if (!cell) return {};
    if (cell->back) return *cell->back;
    return (r < fixedRows_ || c < fixedCols_) ? backFixed_ : back_;
}

QColor FlexGrid::cellForeColorAt(int r, int c) const
{
    const Cell* cell = cellAt(r, c);
    if (!cell) return {};
    if (cell->fore) return *cell->fore;
    return (r < fixedRows_ || c < fixedCols_) ? foreFixed_ : fore_;
}

bool FlexGrid::cellFontBoldAt(int r, int c) const
{
    const Cell* cell = cellAt(r, c);
    return cell && cell->bold;
}

FlexAlign FlexGrid::cellAlignmentAt(int r, int c) const
{
    const Cell* cell = cellAt(r, c);
    if (!cell) return FlexAlign::General;
    return cell->align.value_or(ColAlignment(c));
}

void FlexGrid::setCellBackColor(const QColor& color)
{
    if (Cell* cell = cellAt(row_, col_)) {
        cell->back = color;
        repaintNow();
    }
}

void FlexGrid::setCellForeColor(const QColor& color)
{
    if (Cell* cell = cellAt(row_, col_)) {
        cell->fore = color;
        repaintNow();
    }
}

void FlexGrid::setCellFontBold(bool bold)
{
    if (Cell* cell = cellAt(row_, col_)) {
        cell->bold = bold;
        repaintNow();
    }
}

FlexAlign FlexGrid::CellAlignment() const
{
    return cellAlignmentAt(row_, col_);
}

void FlexGrid::setCellAlignment(FlexAlign align)
{
    if (Cell* cell = cellAt(row_, col_)) {
        cell->align = align;
        repaintNow();
    }
}

bool FlexGrid::MergeRow(int r) const
{
    return r >= 0 && r < rows_ && mergeRow_[static_cast<size_t>(r)];
}

void FlexGrid::setMergeRow(int r, bool merge)
{
    if (r < 0 || r >= rows_) return;
    mergeRow_[static_cast<size_t>(r)] = merge;
    repaintNow();
}

bool FlexGrid::MergeCol(int c) const
{
    return c >= 0 && c < cols_ && mergeCol_[static_cast<size_t>(c)];
}

void FlexGrid::setMergeCol(int c, bool merge)
{
    if (c < 0 || c >= cols_) return;
    mergeCol_[static_cast<size_t>(c)] = merge;
    repaintNow();
}

QRect FlexGrid::mergedCells(int r, int c) const
{
    if (!cellAt(r, c)) return {};
    const QString text = TextMatrix(r, c);
    int left = c, right = c;
    if (MergeRow(r)) {
        while (left > 0 && TextMatrix(r, left - 1) == text)
            --left;
        while (right + 1 < cols_ && TextMatrix(r, right + 1) == text)
            ++right;
        if (right > left) return QRect(left, r, right - left + 1, 1);
    }
    int top = r, bottom = r;
    if (MergeCol(c)) {
        // Rows a and a + 1 join when their texts agree and, beyond the first
        // column, the column before joins them as well.
        const auto joins = [&](int a) {
            if (TextMatrix(a, c) != TextMatrix(a + 1, c)) return false;
            return c == 0 || mergedCells(a, c - 1).contains(c - 1, a + 1);
        };
        while (top > 0 && joins(top - 1))
            --top;
        while (bottom + 1 < rows_ && joins(bottom))
            ++bottom;
    }
    return QRect(c, top, 1, bottom - top + 1);
}

void FlexGrid::setForeColorFixed(const QColor& c)
{
    foreFixed_ = c;
    repaintNow();
}

void FlexGrid::setBackColor(const QColor& c)
{
    back_ = c;
    repaintNow();
}

} // namespace vemora
