#include "platform/ChildWindowFrame.h"

#include <QCloseEvent>
#include <QMdiArea>

namespace vemora {

ChildWindowFrame::ChildWindowFrame(QWidget* window, QMdiArea* area) : QMdiSubWindow(area)
{
    setWidget(window);
    area->addSubWindow(this);
    window->installEventFilter(this);
    // A window that is unloaded takes its frame with it.
    connect(window, &QObject::destroyed, this, &QObject::deleteLater);
    fitToWindow();
    if (window->isHidden()) hide();
}

void ChildWindowFrame::fitToWindow()
{
    if (!widget()) return;
    const QMargins m = contentsMargins();
    resize(widget()->width() + m.left() + m.right(), widget()->height() + m.top() + m.bottom());
    move(0, 0);
}

bool ChildWindowFrame::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == widget()) {
        switch (e->type()) {
        case QEvent::ShowToParent:
            show();
            fitToWindow();
            // A working window that comes up is the one the user works in.
            if (mdiArea()) mdiArea()->setActiveSubWindow(this);
            break;
        case QEvent::HideToParent:
            hide();
            break;
        case QEvent::Resize:
            fitToWindow();
            break;
        default:
            break;
        }
    }
    return QMdiSubWindow::eventFilter(watched, e);
}

void ChildWindowFrame::closeEvent(QCloseEvent* e)
{
    // The close box asks the working window to close: by default it only
    // hides and stays loaded; a window may do more on its own close.
    e->ignore();
    if (widget()) widget()->close();
}

} // namespace vemora
