#include "input/ProjectLoading.h"

#include "input/frmLCC.h"
#include "shell/MDIProject.h"
#include "shell/Workspace.h"

namespace vemora {

void NewProject(MDIProject& main)
{
    main.ws.store.NewProjectFlag = 1;
    main.ws.store.SaveAsPending = 0;
    LoadProject(main);
}

void LoadProject(MDIProject& main)
{
    ProjectStore& s = main.ws.store;
    s.NewProjectFlag = 0;
    s.ResultsValid = 0;
    s.ProjectOpen = 1;
    s.ProjectSaved = 1;
    s.SaveAsPending = 0;
    s.SaveSucceeded = 1;
    main.inputWindow->show();
}

} // namespace vemora
