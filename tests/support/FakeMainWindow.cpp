#include "FakeMainWindow.h"

#include "platform/ChildWindowFrame.h"

namespace vemora::test {

FakeMainWindow::FakeMainWindow(AppContext& ctx) : ctx_(ctx)
{
    setObjectName(QStringLiteral("FakeMainWindow"));
    resize(800, 600);
    lblSystem = new QLabel(this);
    lblProgessBar = new QLabel(QStringLiteral("Opening project"), this);
    lblProgessBar->hide();
    proProgressBar = new QProgressBar(this);
    proProgressBar->hide();
    mnuFile = new QMenu(this);
    mnuNew = mnuFile->addAction(QStringLiteral("&New Project"));
    mnuRoughness = new QAction(QStringLiteral("&Roughness calibration"), this);
    mnuRoughness->setVisible(false);
    mnuFGridRows = new QMenu(this);
    const auto rowItem = [this](const QString& caption, bool (InputWindow::*operation)()) {
        connect(mnuFGridRows->addAction(caption), &QAction::triggered, this, [this, operation] {
            if (InputWindow* input = ctx_.windows.input.Get()) (input->*operation)();
        });
    };
    rowItem(QStringLiteral("Add a row at the end of the profile"), &InputWindow::AppendProfileRow);
    rowItem(QStringLiteral("Insert a row before the current row"),
            &InputWindow::InsertProfileRowBefore);
    rowItem(QStringLiteral("Delete the last row of the profile"),
            &InputWindow::DeleteLastProfileRow);
    rowItem(QStringLiteral("Delete the current row"), &InputWindow::DeleteCurrentProfileRow);
    ctx_.main = this;
}

FakeMainWindow::~FakeMainWindow()
{
    if (ctx_.main == this) ctx_.main = nullptr;
}

void FakeMainWindow::setPanelText(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 4) panels_[static_cast<size_t>(panel - 1)] = text;
}

QString FakeMainWindow::panelText(int panel) const
{
    return panel >= 1 && panel <= 4 ? panels_[static_cast<size_t>(panel - 1)] : QString();
}

void FakeMainWindow::popupFileMenu(const QPoint& globalPos)
{
    ctx_.ui.popupMenu(mnuFile, globalPos);
}

void FakeMainWindow::popupGridRowsMenu(const QPoint& globalPos)
{
    ctx_.ui.popupMenu(mnuFGridRows, globalPos);
}

void FakeMainWindow::setHourglass(bool on)
{
    ctx_.ui.setMousePointer(on ? MousePointer::Hourglass : MousePointer::Default);
}

void FakeMainWindow::frameWorkingWindows()
{
    if (area_) return;
    area_ = new QMdiArea(this);
    area_->setGeometry(rect());
    area_->show();
}

void FakeMainWindow::addWorkingWindow(QWidget* window)
{
    if (area_) {
        new ChildWindowFrame(window, area_);
        return;
    }
    const bool hidden = window->isHidden();
    window->setParent(this);
    window->move(0, 0);
    window->setVisible(!hidden);
}

void FakeMainWindow::showWorkingWindow(QWidget* window)
{
    if (window) window->show();
}

void FakeMainWindow::hideWorkingWindow(QWidget* window)
{
    if (window) window->hide();
}

bool FakeMainWindow::isWorkingWindowShowing(const QWidget* window) const
{
    return window && !window->isHidden();
}

} // namespace vemora::test
