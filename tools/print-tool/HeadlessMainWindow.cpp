#include "HeadlessMainWindow.h"

#include "app/AppContext.h"

namespace vemora {

HeadlessMainWindow::HeadlessMainWindow(AppContext& ctx) : ctx_(ctx)
{
    resize(1280, 1024);
    ctx_.main = this;
}

HeadlessMainWindow::~HeadlessMainWindow()
{
    if (ctx_.main == this) ctx_.main = nullptr;
}

void HeadlessMainWindow::setPanelText(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 4) panels_[static_cast<size_t>(panel - 1)] = text;
}

QString HeadlessMainWindow::panelText(int panel) const
{
    return panel >= 1 && panel <= 4 ? panels_[static_cast<size_t>(panel - 1)] : QString();
}

} // namespace vemora
