// The printed IRR page: the present value of income less expenditure
// against the discount rate over a range of the IRR scan, with the range and
// the calculated IRR beside it, on a landscape graph page.
#pragma once

namespace vemora {

struct AppContext;
struct PageRun;
class ReportPrinter;

// The full range of the IRR scan, 0 to 200 % in hundredths of a percent.
inline constexpr int IrrFullRangeBegin = 0;
inline constexpr int IrrFullRangeEnd = 20000;

// Draws the graph of scan steps `begin`..`end` afresh for the page (the IRR
// window need not exist). A range the graph cannot be drawn for stops the
// page with a PrintFailure before anything is printed.
void PrintIrrGraphPage(AppContext& ctx, PageRun& run, ReportPrinter& printer, int begin, int end);

} // namespace vemora
