#include "pages/PrintRoughnessProfilePlot.h"

#include "pages/ViewProfilePage.h"

namespace vemora {

void PrintRoughnessProfilePlot(ReportPrinter& printer, AppContext& ctx,
                               const RoughnessProfilePage& page)
{
    PrintViewProfilePlot(ctx, printer, page.Picture, page.BeginDistance, page.EndDistance,
                         page.Solved);
}

} // namespace vemora
