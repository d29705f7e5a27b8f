// The save's checks of the input window, in their fixed order, with the grid
// read-backs at their points between them.
#pragma once

#include <QString>
#include <vector>

#include "app/InputBoxes.h"

namespace vemora {

struct AppContext;
struct ProjectStore;
class InputWindow;

// The option codes, written into the store before the first check.
void StoreOptionCodes(ProjectStore& s, const ChosenOptions& chosen);

// Runs the checks for the store's system type and the window's options.
// The first box that is empty (blanks only), or holds text that is not a
// number, or holds 0 where the message asks for more than zero, stops them:
// its message (title "Error !"), the window up with the focus on that box,
// and false. A grid that will not read back stops them as well (it has said
// so itself). Grids read back before the stop stay in the store. An empty
// description is given one blank. Then every other number box that the copy
// converts must be empty or a number.
bool RunSaveChecks(AppContext& ctx, InputWindow& window);

// The same checks on the options coded in `into`, without a message, a
// focus move or a change to the window: every box and grid cell they would
// stop at, each named with its text, in their order; the grids are read into
// `into` (a table with a refused cell keeps what `into` held).
std::vector<QString> ListSaveRefusals(InputWindow& window, ProjectStore& into);

} // namespace vemora
