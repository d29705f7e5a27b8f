// Where the grid's cells lie on screen: pixel sizes, cell positions, the
// cell at a point, and the scroll position with its scroll bars.
#include "platform/FlexGrid.h"

#include <QScrollBar>
#include <algorithm>

#include "platform/Twips.h"

namespace vemora {

// ---- geometry --------------------------------------------------------------

int FlexGrid::rowHeightPx(int r) const
{
    return twipsToPixels(RowHeight(r));
}

int FlexGrid::colWidthPx(int c) const
{
    return twipsToPixels(ColWidth(c));
}

namespace {

// The pixels lines `from` to `to` - 1 take along one axis.
template <typename SizeOf> int SpanPx(int from, int to, SizeOf size)
{
    int px = 0;
    for (int i = from; i < to; ++i)
        px += size(i);
    return px;
}

// Where line `index` starts along one axis: a fixed line from the edge, a
// scrolling line from the end of the fixed ones, counted from the first
// line shown (negative for lines scrolled off before it).
template <typename SizeOf> int LineStartPx(int index, int fixed, int firstShown, SizeOf size)
{
    if (index < fixed) return SpanPx(0, index, size);
    const int scrolled =
        index >= firstShown ? SpanPx(firstShown, index, size) : -SpanPx(index, firstShown, size);
    return SpanPx(0, fixed, size) + scrolled;
}

// The line at `px` along one axis, counted from the viewport's edge: the
// fixed lines first, then the scrolling ones from the first shown; -1 past
// the last line or before the edge.
template <typename SizeOf> int LineAtPx(int px, int fixed, int firstShown, int count, SizeOf size)
{
    if (px < 0) return -1;
    int end = 0;
    for (int i = 0; i < fixed; ++i) {
        end += size(i);
        if (px < end) return i;
    }
    for (int i = firstShown; i < count; ++i) {
        end += size(i);
        if (px < end) return i;
    }
    return -1;
}

// The first scrolling line to show along one axis so that line `index` is
// in sight within `room` pixels: the one shown now, moved back to `index`
// when that lies before it, or on until `index` ends inside the room.
template <typename SizeOf> int FirstShownFor(int index, int firstShown, int room, SizeOf size)
{
    int first = std::min(firstShown, index);
    while (first < index && SpanPx(first, index + 1, size) > room)
        ++first;
    return first;
}

} // namespace

int FlexGrid::fixedHeightPx() const
{
    return SpanPx(0, fixedRows_, [this](int r) { return rowHeightPx(r); });
}

int FlexGrid::fixedWidthPx() const
{
    return SpanPx(0, fixedCols_, [this](int c) { return colWidthPx(c); });
}

// Viewport y of a row's top; rows scrolled off above get negative values.
int FlexGrid::rowTopPx(int r) const
{
    return LineStartPx(r, fixedRows_, topRow_, [this](int i) { return rowHeightPx(i); });
}

int FlexGrid::colLeftPx(int c) const
{
    return LineStartPx(c, fixedCols_, leftCol_, [this](int i) { return colWidthPx(i); });
}

QRect FlexGrid::cellRect(int r, int c) const
{
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) return {};
    if (r >= fixedRows_ && r < topRow_) return {};
    if (c >= fixedCols_ && c < leftCol_) return {};
    const QPoint origin = viewport()->geometry().topLeft();
    return QRect(origin.x() + colLeftPx(c), origin.y() + rowTopPx(r), colWidthPx(c),
                 rowHeightPx(r));
}

int FlexGrid::rowAt(int y) const
{
    return LineAtPx(y - viewport()->geometry().top(), fixedRows_, topRow_, rows_,
                    [this](int i) { return rowHeightPx(i); });
}

int FlexGrid::colAt(int x) const
{
    return LineAtPx(x - viewport()->geometry().left(), fixedCols_, leftCol_, cols_,
                    [this](int i) { return colWidthPx(i); });
}

int FlexGrid::CellLeft()
{
    scrollToCurrent();
    return pixelsToTwips(viewport()->geometry().left() + colLeftPx(col_));
}

int FlexGrid::CellTop()
{
    scrollToCurrent();
    return pixelsToTwips(viewport()->geometry().top() + rowTopPx(row_));
}

int FlexGrid::CellWidth() const
{
    return pixelsToTwips(colWidthPx(col_));
}

int FlexGrid::CellHeight() const
{
    return pixelsToTwips(rowHeightPx(row_));
}

// ---- scrolling -------------------------------------------------------------

void FlexGrid::setTopRow(int r)
{
    if (rows_ <= fixedRows_) return;
    r = std::clamp(r, fixedRows_, rows_ - 1);
    verticalScrollBar()->setValue(r - fixedRows_);
}

void FlexGrid::setLeftCol(int c)
{
    if (cols_ <= fixedCols_) return;
    c = std::clamp(c, fixedCols_, cols_ - 1);
    horizontalScrollBar()->setValue(c - fixedCols_);
}

// Number of scrolling rows that fit below the fixed rows from a top row.
int FlexGrid::visibleRowsFrom(int top) const
{
    const int avail = viewport()->height() - fixedHeightPx();
    int used = 0;
    int n = 0;
    for (int r = top; r < rows_; ++r) {
        used += rowHeightPx(r);
        if (used > avail) break;
        ++n;
    }
    return std::max(n, 1);
}

void FlexGrid::updateScrollBars()
{
    // The largest top row that still fills the space below the fixed rows.
    const int availH = viewport()->height() - fixedHeightPx();
    int maxTop = std::max(fixedRows_, rows_ - 1);
    int used = rows_ > fixedRows_ ? rowHeightPx(rows_ - 1) : 0;
    while (maxTop - 1 >= fixedRows_ && used + rowHeightPx(maxTop - 1) <= availH) {
        used += rowHeightPx(maxTop - 1);
        --maxTop;
    }
    if (rows_ <= fixedRows_) maxTop = fixedRows_;
    const int availW = viewport()->width() - fixedWidthPx();
    int maxLeft = std::max(fixedCols_, cols_ - 1);
    used = cols_ > fixedCols_ ? colWidthPx(cols_ - 1) : 0;
    while (maxLeft - 1 >= fixedCols_ && used + colWidthPx(maxLeft - 1) <= availW) {
        used += colWidthPx(maxLeft - 1);
        --maxLeft;
    }
    if (cols_ <= fixedCols_) maxLeft = fixedCols_;
    // A grid whose rows all fit needs no scrolling at all.
    int total = 0;
    for (int r = fixedRows_; r < rows_; ++r)
        total += rowHeightPx(r);
    if (total <= availH) maxTop = fixedRows_;
    total = 0;
    for (int c = fixedCols_; c < cols_; ++c)
        total += colWidthPx(c);
    if (total <= availW) maxLeft = fixedCols_;
    if (fitsWithoutScrolling()) {
        maxTop = fixedRows_;
        maxLeft = fixedCols_;
    }

    QScrollBar* v = verticalScrollBar();
    v->setRange(0, maxTop - fixedRows_);
    v->setSingleStep(1);
    v->setPageStep(visibleRowsFrom(topRow_));
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, maxLeft - fixedCols_);
    h->setSingleStep(1);
    h->setPageStep(1);
    topRow_ = fixedRows_ + v->value();
    leftCol_ = fixedCols_ + h->value();
}

// Whether every row and column fits into the room the grid has without any
// scroll bar. Bars shown for an earlier, smaller size would otherwise keep
// themselves needed by the room they take.
bool FlexGrid::fitsWithoutScrolling() const
{
    const QSize room = maximumViewportSize();
    int height = 0;
    for (int r = 0; r < rows_; ++r)
        height += rowHeightPx(r);
    int width = 0;
    for (int c = 0; c < cols_; ++c)
        width += colWidthPx(c);
    return height <= room.height() && width <= room.width();
}

void FlexGrid::scrollContentsBy(int, int)
{
    topRow_ = fixedRows_ + verticalScrollBar()->value();
    leftCol_ = fixedCols_ + horizontalScrollBar()->value();
    viewport()->update();
    emit Scroll();
}

void FlexGrid::ensureVisible(int r, int c)
{
    if (r >= fixedRows_ && r < rows_)
        setTopRow(FirstShownFor(r, topRow_, viewport()->height() - fixedHeightPx(),
                                [this](int i) { return rowHeightPx(i); }));
    if (c >= fixedCols_ && c < cols_)
        setLeftCol(FirstShownFor(c, leftCol_, viewport()->width() - fixedWidthPx(),
                                 [this](int i) { return colWidthPx(i); }));
}

void FlexGrid::scrollToCurrent()
{
    ensureVisible(row_, col_);
}

void FlexGrid::FitToCells()
{
    if (!fitsWithoutScrolling()) return;
    int height = 0;
    for (int r = 0; r < rows_; ++r)
        height += rowHeightPx(r);
    int width = 0;
    for (int c = 0; c < cols_; ++c)
        width += colWidthPx(c);
    const int frame = 2 * frameWidth();
    resize(std::min(this->width(), width + frame), std::min(this->height(), height + frame));
}

void FlexGrid::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    updateScrollBars();
}

} // namespace vemora
