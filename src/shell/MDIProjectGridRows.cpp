// The profile grid's row menu: popped up by the input window over its
// node-number column, never shown on the menu bar. Each item runs the input
// window's row operation on its current row.
#include <QAction>
#include <QMenu>

#include "app/AppContext.h"
#include "shell/MDIProject.h"

namespace vemora {

void MDIProject::popupGridRowsMenu(const QPoint& globalPos)
{
    ctx.ui.popupMenu(mnuFGridRows, globalPos);
}

void MDIProject::mnuFGridAddRow_Click()
{
    if (InputWindow* input = ctx.windows.input.Get()) input->AppendProfileRow();
}

void MDIProject::mnuFGridInsRow_Click()
{
    if (InputWindow* input = ctx.windows.input.Get()) input->InsertProfileRowBefore();
}

void MDIProject::mnuFGridDelRow_Click()
{
    if (InputWindow* input = ctx.windows.input.Get()) input->DeleteLastProfileRow();
}

void MDIProject::mnuFGridExtrRow_Click()
{
    if (InputWindow* input = ctx.windows.input.Get()) input->DeleteCurrentProfileRow();
}

} // namespace vemora
