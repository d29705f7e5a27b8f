#include "results/ResultsRefresh.h"

#include "project/ProjectOptions.h"
#include "project/SystemType.h"

namespace vemora {

void RefreshResultsDisplay(ResultsDisplay& display, const ProjectStore& store,
                           const ResultsStore& results, AnalysisObserver& progress)
{
    display.SetResultLabels(MakeResultLabels(store, results));
    progress.SetProgress(75);
    display.SetDutyPointButtonVisible(IsPumping(store) && HasPumpCurve(store));
    display.HideDutyFrame();
    progress.SetProgress(80);
    display.ShowCostTables();
    progress.SetProgress(85);
    display.FillDistanceCombos();
    progress.SetProgress(90);
    display.DrawHydraulicProfile();
    progress.SetProgress(95);
    display.DrawDemandCapacityGraph();
    progress.SetProgress(100);
}

} // namespace vemora
