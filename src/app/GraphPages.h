// The printed graph pages whose drawing belongs to a window folder. The
// folder that owns the drawing installs its page here (in its Install...
// function); the print run and the print buttons call it. An empty slot
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
    // The system analysis graph page (landscape): selects the graph in the
    // results window, then prints its picture.
    std::function<void(ReportPrinter&, SystemGraph)> systemGraphs;
    // The results window's hydraulic profile page (portrait), for the year
    // that window shows.
    std::function<void(ReportPrinter&)> profilePlot;
    // The profile view's page (landscape).
    std::function<void(ReportPrinter&)> viewProfilePlot;
    // The pump-curve view's page (portrait).
    std::function<void(ReportPrinter&)> pumpCurves;
    // The results window's duty-year page: pump and system curves (portrait).
    std::function<void(ReportPrinter&)> pumpSystemCurve;
    // The IRR window's graph page (landscape).
    std::function<void(ReportPrinter&)> irrGraph;
    // The calibration profile page (landscape).
    std::function<void(ReportPrinter&)> roughnessProfile;
};

} // namespace vemora
