// The input window on a blank gravity project, as the program starts, in a
// stand-in main window, with scripted dialogs so that no test waits on a
// real one.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "app/AppContext.h"
#include "app/ProjectLoading.h"
#include "app/WorkingViews.h"
#include "input/InstallInputWindow.h"
#include "input/frmLCC.h"
#include "project/RecordStore.h"
#include "project/SystemType.h"
#include "support/CheckedUi.h"
#include "support/FakeMainWindow.h"

namespace vemora::test {

class InputWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        InstallInputWindow(ctx);
        ctx.store.SystemType = PipelineSystem::Gravity;
        ctx.viewCode = WorkingView::Input;
        NewProject(ctx);
        RestoreCurrentView(ctx);
        w = static_cast<frmLCC*>(ctx.windows.input.Get());
    }

    // A blank project of the given system type, as the system-type dialog makes it.
    void NewOfType(int systemType)
    {
        ctx.store.SystemType = static_cast<int16_t>(systemType);
        NewProject(ctx);
    }

    // Results present, as after an analysis.
    void PretendResults() { ctx.store.ResultsValid = true; }

    CheckedUi scripted;
    CheckedContext ctx{scripted};
    std::unique_ptr<FakeMainWindow> main = std::make_unique<FakeMainWindow>(ctx);
    frmLCC* w = nullptr;
};

} // namespace vemora::test
