// The print run: every ticked item in the fixed order, once per copy, each
// copy's pages numbered from 1, all in one document. The first failure ends
// the run (pages already finished stay printed) and names the item that was
// printing; a printer that cannot be opened says the printing could not
// start, while a file that cannot be opened, and a failure at the end of
// the document, name the file or printer; each with the system's reason on
// a second line when there is one.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "reports/ReportItems.h"

namespace vemora {

struct AppContext;
class PageDevice;

// Which items are ticked, by step (the printing order).
using PrintSelection = std::array<bool, kReportItemCount>;

// The store takes the input on screen first (TakeInputOnScreen). Prints
// `copies` copies (at least one) of the selection on the device, the
// hydraulic table for the design-life year `year` (0: none chosen, and the
// table fails). Returns the failure message, or nothing when every page
// printed.
std::optional<QString>
RunPrint(AppContext& ctx, PageDevice& device, int copies, const PrintSelection& ticked,
         int year = 0, const std::array<ReportItem, kReportItemCount>& items = ReportItems());

} // namespace vemora
