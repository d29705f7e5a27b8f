// Common set-up of the shell tests: scripted dialogs and messages, a
// pretended 800 x 600 screen, one application context, and no window left
// behind.
#pragma once

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

#include "app/AppContext.h"
#include "input/frmLCC.h"
#include "shell/MDIProject.h"
#include "support/CheckedUi.h"

namespace vemora::test {

// Main windows that exist as top-level windows.
inline std::vector<MDIProject*> mainWindows()
{
    std::vector<MDIProject*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<MDIProject*>(w)) found.push_back(m);
    return found;
}

// The window, its frame included, covers exactly a screen of that size.
inline bool coversScreen(const QWidget& w, QSize screen)
{
    return w.frameGeometry() == QRect(QPoint(0, 0), screen);
}

class ShellTest : public ::testing::Test
{
  protected:
    void SetUp() override { ctx.screen.setSizeOverride(QSize(800, 600)); }
    void TearDown() override
    {
        for (MDIProject* m : mainWindows())
            delete m;
    }

    // A main window as the splash brings it up (owned by the test).
    MDIProject& makeMain()
    {
        main_ = new MDIProject(ctx);
        return *main_;
    }

    // The input window the main window's start-up loaded.
    frmLCC* input() const { return static_cast<frmLCC*>(ctx.windows.input.Get()); }

    CheckedUi ui;
    CheckedContext ctx{ui};
    MDIProject* main_ = nullptr;
};

} // namespace vemora::test
