// Everything the program holds for the whole run: the project data store,
// the results store, the working-view code, the view state, the window
// registry, the UI service, the application paths, the screen and the main
// window. Built by main() or by a test and passed by reference to every
// window; nothing else holds state of its own. What lasts for one call only
// (a print's page numbers, say) is passed to that call instead.
#pragma once

#include <optional>

#include "app/ForeignChange.h"
#include "app/GraphPages.h"
#include "app/MainWindow.h"
#include "app/PendingEdits.h"
#include "app/ViewState.h"
#include "app/WindowRegistry.h"
#include "app/WorkingViews.h"
#include "engine/ResultsStore.h"
#include "engine/RoughnessCalibration.h"
#include "platform/AppPaths.h"
#include "platform/Screen.h"
#include "platform/Ui.h"
#include "project/ProjectStore.h"

namespace vemora {

struct AppContext
{
    explicit AppContext(Ui& services, AppPaths appPaths = AppPaths())
        : ui(services), paths(std::move(appPaths))
    {
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    ProjectStore store;
    ResultsStore results;
    // The working window to show again when a dialog closes.
    WorkingView viewCode = WorkingView::None;
    ViewState view;              // year, switches and plot data of the profile views
    GraphPages graphPages;       // graph pages owned by the window folders
    CalibrationData calibration; // the roughness calibration's scenarios and results
    // What a save would have written from the input window right after the
    // last load or save; EditsPending compares what it would write now.
    SaveImage savedInput;
    std::optional<NotedProjectFile> projectFile; // as last opened or saved (ForeignChange)
    SaveImage analysedInput; // what a save made of the window when the results' run started

    WindowRegistry windows;
    Ui& ui;
    AppPaths paths;
    Screen screen;
    // The main window while it stands (it sets and clears this itself).
    MainWindow* main = nullptr;

    // The main window; before it comes up and once it has gone, a stand-in
    // that shows nothing, so a window that outlives it never fails.
    MainWindow& mainWindow() const;
};

} // namespace vemora
