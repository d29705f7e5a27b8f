#include "shell/StartupWorkspace.h"

#include <QAction>
#include <QMenu>

#include "app/AppContext.h"
#include "app/ProjectLoading.h"
#include "app/WorkingViews.h"
#include "shell/MDIProject.h"

namespace vemora {

void ShowStartupWorkspace(MDIProject& main)
{
    main.mnuFile->menuAction()->setVisible(true);
    main.mnuMethod->setVisible(true);
    main.mnuAnalyse->setVisible(true);
    main.mnuPreferences->setVisible(true);
    main.mnuStep->setVisible(true);
    main.mnuExit1->setVisible(false);
    main.sspProject->setVisible(true);
    main.ctx.viewCode = WorkingView::Input;
    NewProject(main.ctx);
    RestoreCurrentView(main.ctx);
}

} // namespace vemora
