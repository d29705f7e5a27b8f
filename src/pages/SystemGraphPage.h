// The system analysis graph page: the system graph drawn from the stores
// onto a landscape page (so it prints sharp) under its title, with the
// legend of the captions and colour swatches the results window's legend
// shows. The window is not needed and not touched.
#pragma once

namespace vemora {

struct AppContext;
struct PageRun;
class ReportPrinter;

// Which graph of the results window's system page prints.
enum class SystemGraph { DemandCapacity, IncomeExpenditure };

// The size the system graphs are drawn at, twips: that of the results
// window's system picture inside its border, so that the page holds the
// picture the window shows.
inline constexpr double kSystemGraphWidth = 10050;
inline constexpr double kSystemGraphHeight = 4800;

// One page from the graph page header to its footer: the title at column 7
// in 13 pt underlined, the graph in the box 10, 57 mm, 220 x 98 mm, the
// legend at 155 mm and the footer at 165 mm.
void PrintSystemAnalysisGraph(AppContext& ctx, PageRun& run, ReportPrinter& printer,
                              SystemGraph graph);

} // namespace vemora
