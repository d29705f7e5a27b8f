// The printed graph pages that the print run needs from the results window,
// which holds what they show. The results folder installs them here (in its
// Install... function); the print run calls them. An empty slot
// means the page is not available. Each page prints complete pages, framed
// by PageFrames, and may throw PrintFailure.
#pragma once

#include <functional>

namespace vemora {

struct PageRun;
class ReportPrinter;

struct GraphPages
{
    // The results window's hydraulic profile page (portrait), for the year
    // that window shows.
    std::function<void(PageRun&, ReportPrinter&)> profilePlot;
};

} // namespace vemora
