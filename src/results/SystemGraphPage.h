// The system analysis graph page: the results window's system graph drawn
// again onto a landscape page (so it prints sharp) under its title, with the
// legend of the screen's legend captions and colour swatches.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/Drawing.h"

namespace vemora {

struct AppContext;
class ReportPrinter;

// What the page takes from the results window.
struct SystemGraphPageContent
{
    bool demandCapacity = true; // ssoDemandCapacity chosen
    Drawing graph;              // picSystem's drawing
    // Demand: lblDemand, lblYield. Income: lblIncome, lblCapitalExpenditure,
    // lblOperational, lblMaintenance, lblEnergy (as the screen shows them).
    QStringList captions;
    bool pumping = false;
};

// One page from the graph page header to its footer: the title at column 7
// in 13 pt underlined, the graph in the box 10, 57 mm, 220 x 98 mm, the
// legend at 155 mm and the footer at 165 mm.
void PrintSystemAnalysisGraph(AppContext& ctx, ReportPrinter& printer,
                              const SystemGraphPageContent& page);

} // namespace vemora
