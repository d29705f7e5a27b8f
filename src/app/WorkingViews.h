// Which working window shows again when a dialog closes. Dialogs that cover
// the working area hide the window that is showing and record it in the
// context's viewCode; closing the dialog shows one again by that code.
#pragma once

#include <cstdint>

namespace vemora {

struct AppContext;
class WorkingWindow;

// What viewCode asks to show again.
enum class WorkingView : int16_t {
    None = 0,              // nothing recorded yet
    Input = 1,             // show the input window, hide the results
    InputAfterResults = 2, // show the input window, refresh its currency labels
    Results = 3,           // show the results window
    AnalysisDialog = 4,    // show the analysis dialog, hide the results
    Nothing = 5,           // hide the analysis dialog and both working windows
};

// Shows, hides and tells whether a working window is showing in the main
// window's client area. A window that is not loaded (nullptr) is left alone
// and is not showing.
void ShowWorkingWindow(AppContext& ctx, WorkingWindow* window);
void HideWorkingWindow(AppContext& ctx, WorkingWindow* window);
bool IsWorkingWindowShowing(const AppContext& ctx, WorkingWindow* window);

// Hides the input and results windows that are showing and records which:
// Input for the input window, InputAfterResults when the results window was
// showing. The code is left as it was when neither was showing.
void HideMainViews(AppContext& ctx);

// Shows a working window again according to viewCode; None does nothing.
// The input window comes back only while a project is open.
void RestoreCurrentView(AppContext& ctx);

} // namespace vemora
