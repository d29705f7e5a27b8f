// A main window with its input window on a blank project, with scripted
// dialogs so that no test waits on a real one.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "input/ProjectLoading.h"
#include "input/frmLCC.h"
#include "platform/ScriptedUi.h"
#include "project/RecordStore.h"
#include "shell/MDIProject.h"
#include "shell/Workspace.h"

namespace vemora::test {

class InputWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        main = std::make_unique<MDIProject>(ws);
        main->StopWelcome();
        w = main->inputWindow;
    }

    // A blank project of the given system type, as the system-type dialog makes it.
    void NewOfType(int systemType)
    {
        ws.store.SystemType = static_cast<int16_t>(systemType);
        NewProject(*main);
    }

    // Results present and the project saved, as after an analysis.
    void PretendResults()
    {
        ws.store.ResultsValid = 1;
        ws.store.ProjectSaved = 1;
    }

    Workspace ws;
    ScriptedUi scripted;
    std::unique_ptr<MDIProject> main;
    frmLCC* w = nullptr;
};

} // namespace vemora::test
