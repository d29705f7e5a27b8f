#include "input/frmLCC.h"

#include "shell/MDIProject.h"
#include "shell/Workspace.h"

namespace vemora {

frmLCC::frmLCC(Workspace& workspace, MDIProject& mainWindow, QWidget* parent)
    : QWidget(parent), ws(workspace), main(mainWindow)
{
}

} // namespace vemora
