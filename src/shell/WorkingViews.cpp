#include "shell/WorkingViews.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "input/ProjectLoading.h"
#include "input/frmLCC.h"
#include "shell/MDIProject.h"
#include "shell/Workspace.h"

namespace vemora {

namespace {

// Starts the input window's one-shot refresh of its currency labels.
void refreshCurrencyLabels(MDIProject& main)
{
    if (main.inputWindow && main.inputWindow->tmrCurrency) main.inputWindow->tmrCurrency->start();
}

} // namespace

void HideMainViews(MDIProject& main)
{
    if (MDIProject::isWorkingWindowShowing(main.inputWindow)) {
        MDIProject::hideWorkingWindow(main.inputWindow);
        main.ws.ViewCode = WorkingView::Input;
    }
    if (MDIProject::isWorkingWindowShowing(main.resultsWindow)) {
        MDIProject::hideWorkingWindow(main.resultsWindow);
        main.ws.ViewCode = WorkingView::InputAfterResults;
    }
}

void RestoreCurrentView(MDIProject& main)
{
    switch (main.ws.ViewCode) {
    case WorkingView::Input:
        MDIProject::showWorkingWindow(main.inputWindow);
        MDIProject::hideWorkingWindow(main.resultsWindow);
        break;
    case WorkingView::InputAfterResults:
        MDIProject::showWorkingWindow(main.inputWindow);
        refreshCurrencyLabels(main);
        break;
    case WorkingView::Results:
        MDIProject::showWorkingWindow(main.resultsWindow);
        break;
    case WorkingView::AnalysisDialog:
        // No analysis dialog exists yet to be shown; the results window goes.
        MDIProject::hideWorkingWindow(main.resultsWindow);
        break;
    case WorkingView::Nothing:
        MDIProject::hideWorkingWindow(main.inputWindow);
        MDIProject::hideWorkingWindow(main.resultsWindow);
        break;
    default:
        break;
    }
}

void ShowStartupWorkspace(MDIProject& main)
{
    main.mnuFile->menuAction()->setVisible(true);
    main.mnuMethod->setVisible(true);
    main.mnuAnalyse->setVisible(true);
    main.mnuPreferences->setVisible(true);
    main.mnuStep->setVisible(true);
    main.mnuExit1->setVisible(false);
    main.sspProject->setVisible(true);
    main.ws.ViewCode = WorkingView::Input;
    NewProject(main);
    RestoreCurrentView(main);
}

} // namespace vemora
