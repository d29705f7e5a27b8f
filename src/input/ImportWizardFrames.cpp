#include "input/ImportWizardFrames.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vemora {

namespace {

constexpr int Side = 120;
constexpr int SheetRows = 6;
constexpr int SheetCols = 3;
const QRect Sheet(8, 10, 66, 60);

// The spreadsheet with its first `selected` rows highlighted.
void DrawSheet(QPainter& p, int selected)
{
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(Qt::white);
    p.drawRect(Sheet);
    const int rowH = Sheet.height() / SheetRows;
    const int colW = Sheet.width() / SheetCols;
    for (int r = 0; r < SheetRows; ++r) {
        const QRect row(Sheet.left(), Sheet.top() + r * rowH, Sheet.width(), rowH);
        if (r < selected) p.fillRect(row.adjusted(1, 1, 0, 0), QColor(0xB0, 0xD0, 0xFF));
        p.setPen(QColor(0xC0, 0xC0, 0xC0));
        p.drawLine(row.bottomLeft(), row.bottomRight());
        // A short dash stands for each number in a cell.
        p.setPen(QColor(0x30, 0x30, 0x30));
        for (int c = 0; c < SheetCols; ++c)
            p.drawLine(row.left() + c * colW + 4, row.center().y(),
                       row.left() + c * colW + 4 + 8 + (r * 3 + c * 5) % 9, row.center().y());
    }
    p.setPen(QColor(0xC0, 0xC0, 0xC0));
    for (int c = 1; c < SheetCols; ++c)
        p.drawLine(Sheet.left() + c * colW, Sheet.top(), Sheet.left() + c * colW, Sheet.bottom());
}

// The clipboard beside the sheet, filled when `full`.
void DrawClipboard(QPainter& p, bool full)
{
    const QRect board(84, 14, 28, 36);
    p.setPen(QColor(0x60, 0x40, 0x20));
    p.setBrush(QColor(0xC8, 0x96, 0x5A));
    p.drawRoundedRect(board, 3, 3);
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawRect(board.center().x() - 6, board.top() - 3, 12, 6);
    p.setBrush(Qt::white);
    p.drawRect(board.adjusted(4, 6, -4, -4));
    if (!full) return;
    p.setPen(QColor(0x20, 0x40, 0xA0));
    for (int y = board.top() + 11; y < board.bottom() - 6; y += 5)
        p.drawLine(board.left() + 7, y, board.right() - 7, y);
}

// The pipeline profile below, drawn up to `share` (0 to 1) of its length.
void DrawProfile(QPainter& p, double share)
{
    const QPointF points[] = {{10, 88}, {30, 100}, {50, 94}, {70, 108}, {90, 98}, {110, 104}};
    p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1, Qt::DotLine));
    p.drawLine(8, 112, 112, 112);
    QPainterPath path(points[0]);
    const int last = static_cast<int>(std::size(points)) - 1;
    const double reach = share * last;
    for (int i = 1; i <= last && i - 1 < reach; ++i) {
        const double t = std::min(1.0, reach - (i - 1));
        path.lineTo(points[i - 1] + (points[i] - points[i - 1]) * t);
    }
    p.setPen(QPen(QColor(0x00, 0x00, 0x80), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// An arrow from one point to another.
void DrawArrow(QPainter& p, QPointF from, QPointF to)
{
    p.setPen(QPen(QColor(0xC0, 0x00, 0x00), 2));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, QLineF(from, to).length()) * 6.0;
    const QPointF n(-d.y(), d.x());
    p.setBrush(QColor(0xC0, 0x00, 0x00));
    p.drawPolygon(QPolygonF({to, to - d * 1.2 + n * 0.7, to - d * 1.2 - n * 0.7}));
}

} // namespace

// Frames 1 to 7 select the rows, 8 to 12 copy them onto the clipboard, 13 to
// 19 lay the profile out from the clipboard.
QPixmap ImportWizardFrame(int k)
{
    if (k < 1 || k > ImportWizardFrameCount) k = 1;
    QPixmap frame(Side, Side);
    frame.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSheet(p, std::min(k - 1, SheetRows));
    DrawClipboard(p, k >= 10);
    if (k >= 8 && k <= 12) DrawArrow(p, {60, 40}, {60 + (k - 7) * 4.0, 32});
    if (k >= 13) {
        DrawArrow(p, {98, 54}, {98, 76});
        DrawProfile(p, (k - 12) / 7.0);
    } else {
        DrawProfile(p, 0);
    }
    return frame;
}

} // namespace vemora
