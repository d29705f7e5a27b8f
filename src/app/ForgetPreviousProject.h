// What goes when another project takes the place of the current one.
#pragma once

namespace vemora {

struct AppContext;

// The project on screen has given way: Open or New has loaded another one,
// or Delete has removed it. Every window that showed it goes (the profile
// view with the calibration menu item, the calibration window and its graph
// view, the pump-curve view, the results window and the IRR view), the
// input window's pump-curve panel closes, the results are discarded, the
// results store is reset to its state at start-up (the views' hydraulics
// and SI values included), and the calibration's scenarios and results are
// cleared, since they were measured on that project's profile. Save and
// Save As keep the project and never call this; nor does an Open that was
// cancelled or refused.
void ForgetPreviousProject(AppContext& ctx);

} // namespace vemora
