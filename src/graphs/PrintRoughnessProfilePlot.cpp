#include "graphs/PrintRoughnessProfilePlot.h"

#include <QPainter>

#include "graphs/GraphPieces.h"
#include "graphs/ViewProfilePage.h"
#include "platform/Twips.h"

namespace vemora {

namespace {

QImage LineSample(uint32_t colour)
{
    QImage sample(41, 15, QImage::Format_RGB32);
    sample.fill(Qt::white);
    QPainter g(&sample);
    g.fillRect(2, 7, 37, 1, vbColor(colour));
    return sample;
}

} // namespace

void PrintRoughnessProfilePlot(ReportPrinter& printer, AppContext& ctx,
                               const RoughnessProfilePage& page)
{
    const ViewProfileLegend legend{LineSample(graphcolor::Ground),
                                   LineSample(graphcolor::Gradeline)};
    PrintViewProfilePlotPage(ctx, printer, page.Picture, page.BeginDistance, page.EndDistance,
                             legend);
}

} // namespace vemora
