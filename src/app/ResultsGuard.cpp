#include "app/ResultsGuard.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "app/WorkingViews.h"

namespace vemora {

namespace {

bool IsUserAction(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Shortcut:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

class StaleResultsFilter : public QObject
{
  public:
    StaleResultsFilter(AppContext& ctx, QWidget* window) : QObject(window), ctx_(ctx) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (!IsUserAction(event->type()) || !ctx_.store.ResultsValid) return false;
        if (BuildSaveImage(ctx_) == ctx_.analysedInput) return false;
        // The window that holds the control cannot go while the control
        // handles its event: it goes right after.
        AppContext& ctx = ctx_;
        QTimer::singleShot(0, this, [&ctx] {
            if (DiscardStaleResults(ctx) || !ctx.store.ProjectOpen) return;
            ShowWorkingWindow(ctx, ctx.windows.input.Load());
        });
        return true;
    }

  private:
    AppContext& ctx_;
};

} // namespace

void GuardResultsWindow(AppContext& ctx, QWidget* window)
{
    auto* filter = new StaleResultsFilter(ctx, window);
    window->installEventFilter(filter);
    for (QWidget* control : window->findChildren<QWidget*>())
        control->installEventFilter(filter);
}

} // namespace vemora
