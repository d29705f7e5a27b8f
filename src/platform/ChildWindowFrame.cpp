#include "platform/ChildWindowFrame.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>

namespace vemora {

ChildWindowFrame::ChildWindowFrame(QWidget* window, QMdiArea* area) : QMdiSubWindow(area)
{
    // The size the window is made with is the least it can be given, and a
    // larger frame keeps it at its top-left corner rather than centring it.
    window->setMinimumSize(window->size());
    setWidget(window);
    if (layout()) layout()->setAlignment(window, Qt::AlignLeft | Qt::AlignTop);
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
    const QSize least = widget()->minimumSize().grownBy(m);
    setMinimumSize(least);
    if (isMaximized() || isMinimized()) return;
    resize(widget()->size().grownBy(m).expandedTo(least));
    move(0, 0);
}

bool ChildWindowFrame::IsShowing(const QWidget* window)
{
    if (!window) return false;
    const auto* frame = qobject_cast<const ChildWindowFrame*>(window->parentWidget());
    return !window->isHidden() || (frame && frame->isMinimized() && !frame->isHidden());
}

void ChildWindowFrame::HideWindow(QWidget* window)
{
    if (!window) return;
    window->hide();
    if (auto* frame = qobject_cast<ChildWindowFrame*>(window->parentWidget())) frame->hide();
}

bool ChildWindowFrame::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == widget()) {
        switch (e->type()) {
        case QEvent::ShowToParent:
            if (isMinimized()) showNormal();
            show();
            fitToWindow();
            // A working window that comes up is the one the user works in.
            if (mdiArea()) mdiArea()->setActiveSubWindow(this);
            break;
        case QEvent::HideToParent:
            // Minimising the frame hides the window inside it: the frame
            // stays as the minimised window.
            if (!isMinimized()) hide();
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
