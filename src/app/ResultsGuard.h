// A window that shows results (the results window, the IRR view) lets no
// click, key or wheel reach its controls while its results no longer
// describe the input on screen: the event is dropped and, once it has been
// handled, the results are discarded (DiscardStaleResults) and the input
// window comes back in their place.
#pragma once

class QWidget;

namespace vemora {

struct AppContext;

// Guards `window` and every control it holds now.
void GuardResultsWindow(AppContext& ctx, QWidget* window);

} // namespace vemora
