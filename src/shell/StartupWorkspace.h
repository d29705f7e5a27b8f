// The main window's first workspace.
#pragma once

namespace vemora {

class MDIProject;

// Menus and toolbar visible, a blank project of the current system type,
// shown in the input window.
void ShowStartupWorkspace(MDIProject& main);

} // namespace vemora
