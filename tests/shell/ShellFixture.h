// Common set-up of the shell tests: scripted dialogs and messages, a
// pretended 800 x 600 screen, one workspace, and no window left behind.
#pragma once

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

#include "platform/Screen.h"
#include "platform/ScriptedUi.h"
#include "shell/MDIProject.h"
#include "shell/Workspace.h"

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
    void SetUp() override { setScreenSizeOverride(QSize(800, 600)); }
    void TearDown() override
    {
        for (MDIProject* m : mainWindows())
            delete m;
        setScreenSizeOverride(std::nullopt);
    }

    // A main window as the splash brings it up (owned by the test).
    MDIProject& makeMain()
    {
        main_ = new MDIProject(ws);
        return *main_;
    }

    ScriptedUi ui;
    Workspace ws;
    MDIProject* main_ = nullptr;
};

} // namespace vemora::test
