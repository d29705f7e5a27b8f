#include "platform/FlexGrid.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "platform/KeyCodes.h"
#include "platform/Twips.h"

namespace vemora {

namespace {
constexpr int kMaxCells = 4'000'000; // guards against absurd sizes
constexpr int kTextPad = 3;          // pixels between a cell's edge and its text

bool looksNumeric(const QString& s)
{
    bool ok = false;
    s.trimmed().toDouble(&ok);
    return ok;
}

Qt::Alignment qtAlignment(int align, const QString& text)
{
    if (align < flexalign::LeftTop || align > flexalign::RightBottom)
        return Qt::AlignVCenter | (looksNumeric(text) ? Qt::AlignRight : Qt::AlignLeft);
    static const Qt::Alignment h[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment v[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return h[align / 3] | v[align % 3];
}
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
    colAlign_.resize(static_cast<size_t>(cols), flexalign::General);
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

int FlexGrid::ColAlignment(int c) const
{
    if (c < 0 || c >= cols_) return flexalign::General;
    return colAlign_[static_cast<size_t>(c)];
}

void FlexGrid::setColAlignment(int c, int align)
{
    if (align < flexalign::LeftTop || align > flexalign::General) return;
    if (c == -1) {
        std::fill(colAlign_.begin(), colAlign_.end(), align);
    } else if (c >= 0 && c < cols_) {
        colAlign_[static_cast<size_t>(c)] = align;
    } else {
        return;
    }
    repaintNow();
}

int FlexGrid::rowHeightPx(int r) const
{
    return twipsToPixels(RowHeight(r));
}

int FlexGrid::colWidthPx(int c) const
{
    return twipsToPixels(ColWidth(c));
}

int FlexGrid::fixedHeightPx() const
{
    int h = 0;
    for (int r = 0; r < fixedRows_; ++r)
        h += rowHeightPx(r);
    return h;
}

int FlexGrid::fixedWidthPx() const
{
    int w = 0;
    for (int c = 0; c < fixedCols_; ++c)
        w += colWidthPx(c);
    return w;
}

// Viewport y of a row's top; rows scrolled off above get negative values.
int FlexGrid::rowTopPx(int r) const
{
    if (r < fixedRows_) {
        int y = 0;
        for (int i = 0; i < r; ++i)
            y += rowHeightPx(i);
        return y;
    }
    int y = fixedHeightPx();
    if (r >= topRow_) {
        for (int i = topRow_; i < r; ++i)
            y += rowHeightPx(i);
    } else {
        for (int i = r; i < topRow_; ++i)
            y -= rowHeightPx(i);
    }
    return y;
}

int FlexGrid::colLeftPx(int c) const
{
    if (c < fixedCols_) {
        int x = 0;
        for (int i = 0; i < c; ++i)
            x += colWidthPx(i);
        return x;
    }
    int x = fixedWidthPx();
    if (c >= leftCol_) {
        for (int i = leftCol_; i < c; ++i)
            x += colWidthPx(i);
    } else {
        for (int i = c; i < leftCol_; ++i)
            x -= colWidthPx(i);
    }
    return x;
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
    const int vy = y - viewport()->geometry().top();
    if (vy < 0) return -1;
    int top = 0;
    for (int r = 0; r < fixedRows_; ++r) {
        top += rowHeightPx(r);
        if (vy < top) return r;
    }
    for (int r = topRow_; r < rows_ && top <= vy; ++r) {
        top += rowHeightPx(r);
        if (vy < top) return r;
    }
    return -1;
}

int FlexGrid::colAt(int x) const
{
    const int vx = x - viewport()->geometry().left();
    if (vx < 0) return -1;
    int left = 0;
    for (int c = 0; c < fixedCols_; ++c) {
        left += colWidthPx(c);
        if (vx < left) return c;
    }
    for (int c = leftCol_; c < cols_ && left <= vx; ++c) {
        left += colWidthPx(c);
        if (vx < left) return c;
    }
    return -1;
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

int FlexGrid::cellAlignmentAt(int r, int c) const
{
    const Cell* cell = cellAt(r, c);
    if (!cell) return flexalign::General;
    return cell->align >= 0 ? cell->align : ColAlignment(c);
}

int FlexGrid::effectiveAlignment(int r, int c) const
{
    return cellAlignmentAt(r, c);
}

QColor FlexGrid::CellBackColor() const
{
    return cellBackColorAt(row_, col_);
}

void FlexGrid::setCellBackColor(const QColor& color)
{
    if (Cell* cell = cellAt(row_, col_)) {
        cell->back = color;
        repaintNow();
    }
}

QColor FlexGrid::CellForeColor() const
{
    return cellForeColorAt(row_, col_);
}

void FlexGrid::setCellForeColor(const QColor& color)
{
    if (Cell* cell = cellAt(row_, col_)) {
        cell->fore = color;
        repaintNow();
    }
}

bool FlexGrid::CellFontBold() const
{
    return cellFontBoldAt(row_, col_);
}

void FlexGrid::setCellFontBold(bool bold)
{
    if (Cell* cell = cellAt(row_, col_)) {
        cell->bold = bold;
        repaintNow();
    }
}

int FlexGrid::CellAlignment() const
{
    return cellAlignmentAt(row_, col_);
}

void FlexGrid::setCellAlignment(int align)
{
    if (align < flexalign::LeftTop || align > flexalign::General) return;
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

void FlexGrid::setBackColorFixed(const QColor& c)
{
    backFixed_ = c;
    repaintNow();
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

void FlexGrid::setForeColor(const QColor& c)
{
    fore_ = c;
    repaintNow();
}

void FlexGrid::setRedraw(bool on)
{
    redraw_ = on;
    if (on) viewport()->update();
}

void FlexGrid::Refresh()
{
    viewport()->update();
}

void FlexGrid::repaintNow()
{
    if (redraw_) viewport()->update();
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
    if (r >= fixedRows_ && r < rows_) {
        int top = topRow_;
        if (r < top) top = r;
        const int avail = viewport()->height() - fixedHeightPx();
        auto bottomOf = [&](int t) {
            int y = 0;
            for (int i = t; i <= r; ++i)
                y += rowHeightPx(i);
            return y;
        };
        while (top < r && bottomOf(top) > avail)
            ++top;
        setTopRow(top);
    }
    if (c >= fixedCols_ && c < cols_) {
        int left = leftCol_;
        if (c < left) left = c;
        const int avail = viewport()->width() - fixedWidthPx();
        auto rightOf = [&](int l) {
            int x = 0;
            for (int i = l; i <= c; ++i)
                x += colWidthPx(i);
            return x;
        };
        while (left < c && rightOf(left) > avail)
            ++left;
        setLeftCol(left);
    }
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

// ---- painting --------------------------------------------------------------

// A disabled grid shows its data cells on the face colour and every text in
// the disabled text colour, as the other disabled fields do.
QColor FlexGrid::shownBackColor(int r, int c) const
{
    const bool fixed = r < fixedRows_ || c < fixedCols_;
    if (isEnabled() || fixed) return cellBackColorAt(r, c);
    return palette().color(QPalette::Disabled, QPalette::Window);
}

QColor FlexGrid::shownForeColor(int r, int c) const
{
    if (isEnabled()) return cellForeColorAt(r, c);
    return palette().color(QPalette::Disabled, QPalette::WindowText);
}

bool FlexGrid::wrapsText(int r, int c) const
{
    if (r < fixedRows_ || c < fixedCols_) return true;
    return rowHeightPx(r) >= 2 * fontMetrics().height();
}

void FlexGrid::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const QRect area = viewport()->rect();
    p.fillRect(area, palette().color(QPalette::Mid));

    // Rows and columns on screen, in screen order: fixed ones, then the
    // scrolling ones from the top row / left column.
    std::vector<int> shownRows, shownCols;
    {
        int y = 0;
        for (int r = 0; r < fixedRows_ && y < area.height(); ++r) {
            shownRows.push_back(r);
            y += rowHeightPx(r);
        }
        for (int r = topRow_; r < rows_ && y < area.height(); ++r) {
            shownRows.push_back(r);
            y += rowHeightPx(r);
        }
        int x = 0;
        for (int c = 0; c < fixedCols_ && x < area.width(); ++c) {
            shownCols.push_back(c);
            x += colWidthPx(c);
        }
        for (int c = leftCol_; c < cols_ && x < area.width(); ++c) {
            shownCols.push_back(c);
            x += colWidthPx(c);
        }
    }

    const QFont normal = font();
    QFont bold = font();
    bold.setBold(true);

    // The first of `shown` within from..to (a merged block is painted once,
    // at its first row and column on screen), or -1.
    const auto firstShown = [](const std::vector<int>& shown, int from, int to) {
        for (int v : shown)
            if (v >= from && v <= to) return v;
        return -1;
    };
    for (int r : shownRows) {
        for (int c : shownCols) {
            const QRect block = mergedCells(r, c);
            if (r != firstShown(shownRows, block.top(), block.bottom()) ||
                c != firstShown(shownCols, block.left(), block.right()))
                continue;
            int w = 0, h = 0;
            for (int k : shownCols)
                if (k >= block.left() && k <= block.right()) w += colWidthPx(k);
            for (int k : shownRows)
                if (k >= block.top() && k <= block.bottom()) h += rowHeightPx(k);
            if (w <= 0 || h <= 0) continue;
            const QRect rect(colLeftPx(c), rowTopPx(r), w, h);
            const bool fixed = r < fixedRows_ || c < fixedCols_;
            p.fillRect(rect, shownBackColor(r, c));
            // Grid lines on the right and bottom edge of every cell.
            p.setPen(fixed ? QColor(128, 128, 128) : gridLine_);
            p.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
            p.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
            const QString text = TextMatrix(r, c);
            if (!text.isEmpty()) {
                p.setFont(cellFontBoldAt(r, c) ? bold : normal);
                p.setPen(shownForeColor(r, c));
                const QRect tr = rect.adjusted(kTextPad, 1, -kTextPad - 1, -2);
                p.save();
                p.setClipRect(rect.adjusted(0, 0, -1, -1));
                // Texts too wide for their cell wrap onto further lines where
                // the cell has room for them; others keep to one line.
                const int lines = wrapsText(r, c) ? Qt::TextWordWrap : Qt::TextSingleLine;
                p.drawText(tr, int(qtAlignment(effectiveAlignment(r, c), text)) | lines, text);
                p.restore();
            }
        }
    }

    // A dotted frame marks the current cell while the grid has the focus.
    if (hasFocus()) {
        const bool shown = std::find(shownRows.begin(), shownRows.end(), row_) != shownRows.end() &&
                           std::find(shownCols.begin(), shownCols.end(), col_) != shownCols.end();
        if (shown) {
            const QRect r =
                QRect(colLeftPx(col_), rowTopPx(row_), colWidthPx(col_), rowHeightPx(row_))
                    .adjusted(1, 1, -3, -3);
            QPen pen(cellForeColorAt(row_, col_));
            pen.setStyle(Qt::DotLine);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
        }
    }
}

// ---- keyboard --------------------------------------------------------------

void FlexGrid::keyPressEvent(QKeyEvent* e)
{
    int code = keyCodeOf(e);
    const int shift = shiftOf(e);
    if (code != 0) emit KeyDown(code, shift);

    const int page = visibleRowsFrom(topRow_);
    switch (code) {
    case keycode::Left:
        moveByUser(row_, col_ - 1);
        break;
    case keycode::Right:
        moveByUser(row_, col_ + 1);
        break;
    case keycode::Up:
        moveByUser(row_ - 1, col_);
        break;
    case keycode::Down:
        moveByUser(row_ + 1, col_);
        break;
    case keycode::PageUp:
        moveByUser(row_ - page, col_);
        break;
    case keycode::PageDown:
        moveByUser(row_ + page, col_);
        break;
    case keycode::Home:
        if (shift & shiftstate::Ctrl)
            moveByUser(fixedRows_, fixedCols_);
        else
            moveByUser(row_, fixedCols_);
        break;
    case keycode::End:
        if (shift & shiftstate::Ctrl)
            moveByUser(rows_ - 1, cols_ - 1);
        else
            moveByUser(row_, cols_ - 1);
        break;
    default:
        break;
    }

    int ascii = asciiOf(e);
    if (ascii != 0 && ascii != keycode::Tab) emit KeyPress(ascii);
    e->accept();
}

void FlexGrid::keyReleaseEvent(QKeyEvent* e)
{
    if (e->isAutoRepeat()) return;
    int code = keyCodeOf(e);
    if (code != 0) emit KeyUp(code, shiftOf(e));
    e->accept();
}

bool FlexGrid::focusNextPrevChild(bool next)
{
    return QAbstractScrollArea::focusNextPrevChild(next);
}

// ---- mouse -----------------------------------------------------------------

void FlexGrid::updateMouseCell(const QPoint& viewportPos)
{
    const QPoint p = viewportPos + viewport()->geometry().topLeft();
    mouseRow_ = rowAt(p.y());
    mouseCol_ = colAt(p.x());
}

void FlexGrid::mousePressEvent(QMouseEvent* e)
{
    const QPoint vp = e->position().toPoint();
    updateMouseCell(vp);
    const QPoint gp = vp + viewport()->geometry().topLeft();
    emit MouseDown(mouseButtonsOf(e->button()), shiftOfModifiers(e->modifiers()),
                   pixelsToTwips(gp.x()), pixelsToTwips(gp.y()));
    if (e->button() == Qt::LeftButton && mouseRow_ >= fixedRows_ && mouseCol_ >= fixedCols_) {
        moveCurrent(mouseRow_, mouseCol_);
        ensureVisible(row_, col_);
    }
    e->accept();
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint vp = e->position().toPoint();
    updateMouseCell(vp);
    const QPoint gp = vp + viewport()->geometry().topLeft();
    emit MouseUp(mouseButtonsOf(e->button()), shiftOfModifiers(e->modifiers()),
                 pixelsToTwips(gp.x()), pixelsToTwips(gp.y()));
    if (e->button() == Qt::LeftButton && viewport()->rect().contains(vp)) emit Click();
    e->accept();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* e)
{
    updateMouseCell(e->position().toPoint());
    if (e->button() != Qt::LeftButton) return;
    // The first press of a double click has already made the cell current;
    // a double click arriving on its own does the same.
    if (mouseRow_ >= fixedRows_ && mouseCol_ >= fixedCols_) moveCurrent(mouseRow_, mouseCol_);
    emit DblClick();
    e->accept();
}

void FlexGrid::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint vp = e->position().toPoint();
    updateMouseCell(vp);
    const QPoint gp = vp + viewport()->geometry().topLeft();
    emit MouseMove(mouseButtonsOf(e->buttons()), shiftOfModifiers(e->modifiers()),
                   pixelsToTwips(gp.x()), pixelsToTwips(gp.y()));
}

// ---- focus -----------------------------------------------------------------

void FlexGrid::focusInEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusInEvent(e);
    viewport()->update();
    if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason)
        emit GotFocus();
}

void FlexGrid::focusOutEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusOutEvent(e);
    viewport()->update();
    if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason)
        emit LostFocus();
}

} // namespace vemora
