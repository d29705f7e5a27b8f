// A stand-in for the input window, for tests of the windows and reports that
// reach it through its slot: it only shows and hides, reads every grid back
// without a fault and gives the snapshot a test hands it (an empty one when
// none).
#pragma once

#include <QWidget>

#include "app/AppContext.h"

namespace vemora::test {

class StandInInput : public QWidget, public InputWindow
{
  public:
    explicit StandInInput(const InputSnapshot* snapshot = nullptr) : snapshot_(snapshot) {}

    QWidget* widget() override { return this; }
    void ShowFileName(const QString&) override {}
    void ShowSystemTypeView(bool) override {}
    void ShowProject() override {}
    void RefreshCurrencyLabels() override {}
    bool ReadGrid(InputGrid, std::optional<QuietRead>) override { return true; }
    InputSnapshot Snapshot() const override { return snapshot_ ? *snapshot_ : InputSnapshot(); }

  private:
    const InputSnapshot* snapshot_;
};

// Fills the context's input slot with stand-ins, each loaded hidden among
// the main window's working windows. `snapshot`, when given, must outlive
// them.
inline void InstallStandInInput(AppContext& ctx, const InputSnapshot* snapshot = nullptr)
{
    ctx.windows.input.Install([&ctx, snapshot]() -> InputWindow* {
        auto* window = new StandInInput(snapshot);
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
}

} // namespace vemora::test
