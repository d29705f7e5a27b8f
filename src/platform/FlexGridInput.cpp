// The grid's keyboard, mouse and focus handling.
#include "platform/FlexGrid.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/KeyCodes.h"
#include "platform/Twips.h"

namespace vemora {

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
