// A stand-in results window in the main window's client area: only its
// showing and hiding count in the tests that use it.
#pragma once

#include <QWidget>

#include "app/AppContext.h"
#include "shell/MDIProject.h"

namespace vemora::test {

class StandInResults : public QWidget, public ResultsWindow
{
  public:
    using QWidget::QWidget;
    QWidget* widget() override { return this; }
    void Refresh(AnalysisObserver&) override {}
    void ShowCostTables() override {}
    void FillDistanceCombos() override {}
};

// Installs the stand-in into the results slot of `main`'s context and loads it.
inline StandInResults* InstallStandInResults(AppContext& ctx, MDIProject& main)
{
    ctx.windows.results.Install([&main]() -> ResultsWindow* {
        auto* window = new StandInResults(main.mdiArea);
        window->hide();
        return window;
    });
    return static_cast<StandInResults*>(ctx.windows.results.Load());
}

} // namespace vemora::test
