// The printed graph pages that the print run needs from the results window,
// which owns their drawings. The results folder installs them here (in its
// Install... function); the print run calls them. An empty slot
// means the page is not available. Each page prints complete pages, framed
// by PageFrames, and may throw PrintFailure.
#pragma once

#include <functional>

namespace vemora {

class ReportPrinter;

// Which graph of the results window's system page prints.
enum class SystemGraph { DemandCapacity, IncomeExpenditure };

struct GraphPages
{
    // The system analysis graph page (landscape): the graph drawn from the
    // stores, as the results window draws it.
    std::function<void(ReportPrinter&, SystemGraph)> systemGraphs;
    // The results window's hydraulic profile page (portrait), for the year
    // that window shows.
    std::function<void(ReportPrinter&)> profilePlot;
};

} // namespace vemora
