// How the grid paints itself: cell colours, merged blocks, texts and the
// focus frame.
#include "platform/FlexGrid.h"

#include <QPainter>
#include <algorithm>

#include "platform/Twips.h"

namespace vemora {

namespace {
constexpr int kTextPad = 3; // pixels between a cell's edge and its text

bool LooksNumeric(const QString& s)
{
    bool ok = false;
    s.trimmed().toDouble(&ok);
    return ok;
}

// The first of `shown` within from..to (a merged block is painted once,
// at its first row and column on screen), or -1.
int FirstShown(const std::vector<int>& shown, int from, int to)
{
    for (int v : shown)
        if (v >= from && v <= to) return v;
    return -1;
}
} // namespace

Qt::Alignment qtAlignment(FlexAlign align, const QString& text)
{
    if (align == FlexAlign::General)
        return Qt::AlignVCenter | (LooksNumeric(text) ? Qt::AlignRight : Qt::AlignLeft);
    static const Qt::Alignment h[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment v[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    const auto k = static_cast<size_t>(align); // three vertical alignments per horizontal one
    return h[k / 3] | v[k % 3];
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
    const ShownLines shown = shownLines(area.size());
    for (int r : shown.rows)
        for (int c : shown.cols)
            paintBlock(p, shown, r, c);
    // A dotted frame marks the current cell while the grid has the focus.
    if (hasFocus()) paintFocusFrame(p, shown);
}

// Rows and columns on screen, in screen order: fixed ones, then the
// scrolling ones from the top row / left column.
FlexGrid::ShownLines FlexGrid::shownLines(const QSize& area) const
{
    ShownLines shown;
    int y = 0;
    for (int r = 0; r < fixedRows_ && y < area.height(); ++r) {
        shown.rows.push_back(r);
        y += rowHeightPx(r);
    }
    for (int r = topRow_; r < rows_ && y < area.height(); ++r) {
        shown.rows.push_back(r);
        y += rowHeightPx(r);
    }
    int x = 0;
    for (int c = 0; c < fixedCols_ && x < area.width(); ++c) {
        shown.cols.push_back(c);
        x += colWidthPx(c);
    }
    for (int c = leftCol_; c < cols_ && x < area.width(); ++c) {
        shown.cols.push_back(c);
        x += colWidthPx(c);
    }
    return shown;
}

// Paints the merged block of cell (r, c): its colour, grid lines and text.
void FlexGrid::paintBlock(QPainter& p, const ShownLines& shown, int r, int c) const
{
    const QRect block = mergedCells(r, c);
    if (r != FirstShown(shown.rows, block.top(), block.bottom()) ||
        c != FirstShown(shown.cols, block.left(), block.right()))
        return;
    int w = 0, h = 0;
    for (int k : shown.cols)
        if (k >= block.left() && k <= block.right()) w += colWidthPx(k);
    for (int k : shown.rows)
        if (k >= block.top() && k <= block.bottom()) h += rowHeightPx(k);
    if (w <= 0 || h <= 0) return;
    const QRect rect(colLeftPx(c), rowTopPx(r), w, h);
    const bool fixed = r < fixedRows_ || c < fixedCols_;
    p.fillRect(rect, shownBackColor(r, c));
    // Grid lines on the right and bottom edge of every cell.
    p.setPen(fixed ? QColor(128, 128, 128) : gridLine_);
    p.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    p.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    paintCellText(p, rect, r, c);
}

void FlexGrid::paintCellText(QPainter& p, const QRect& rect, int r, int c) const
{
    const QString text = TextMatrix(r, c);
    if (text.isEmpty()) return;
    QFont textFont = font();
    if (cellFontBoldAt(r, c)) textFont.setBold(true);
    p.setFont(textFont);
    p.setPen(shownForeColor(r, c));
    const QRect tr = rect.adjusted(kTextPad, 1, -kTextPad - 1, -2);
    p.save();
    p.setClipRect(rect.adjusted(0, 0, -1, -1));
    // Texts too wide for their cell wrap onto further lines where
    // the cell has room for them; others keep to one line.
    const int lines = wrapsText(r, c) ? Qt::TextWordWrap : Qt::TextSingleLine;
    p.drawText(tr, int(qtAlignment(cellAlignmentAt(r, c), text)) | lines, text);
    p.restore();
}

void FlexGrid::paintFocusFrame(QPainter& p, const ShownLines& shown) const
{
    const bool onScreen =
        std::find(shown.rows.begin(), shown.rows.end(), row_) != shown.rows.end() &&
        std::find(shown.cols.begin(), shown.cols.end(), col_) != shown.cols.end();
    if (!onScreen) return;
    const QRect r = QRect(colLeftPx(col_), rowTopPx(row_), colWidthPx(col_), rowHeightPx(row_))
                        .adjusted(1, 1, -3, -3);
    QPen pen(cellForeColorAt(row_, col_));
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

} // namespace vemora
