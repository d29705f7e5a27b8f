#include "app/PumpCurveMissed.h"

#include "app/AppContext.h"
#include "engine/AnalysisRun.h"

namespace vemora {

void ShowPumpCurveMissed(AppContext& ctx, int year)
{
    ctx.ui.msgBox(QString::fromStdString(PumpCurveMissedMessage(year)), MsgButtons::OK,
                  MsgIcon::Exclamation, QString::fromUtf8(PumpCurveMissedTitle),
                  ctx.mainWindow().widget());
    ctx.windows.dutyPoint.Exec();
}

} // namespace vemora
