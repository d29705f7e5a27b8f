// Showing a completed run: what the results window does, in order, when the
// analysis asks it to refresh itself from the stores.
#pragma once

#include "engine/AnalysisObserver.h"
#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"
#include "results/ResultLabels.h"

namespace vemora {

// The steps of the refresh; frmResults implements them.
class ResultsDisplay
{
  public:
    virtual ~ResultsDisplay() = default;

    // lblDesignLife, lblNPVE, lblNPVI and lblIRR.
    virtual void SetResultLabels(const ResultLabels& labels) = 0;
    // sscDutypoint.
    virtual void SetDutyPointButtonVisible(bool visible) = 0;
    // fraDuty.
    virtual void HideDutyFrame() = 0;
    virtual void ShowCostTables() = 0;
    virtual void FillDistanceCombos() = 0;
    virtual void DrawHydraulicProfile() = 0;
    virtual void DrawDemandCapacityGraph() = 0;
};

// The labels, then the duty-point button (only for a pumping system with a
// pump curve) and frame, the cost tables, the distance lists, the hydraulic
// profile and the demand graph, with progress 75 to 100 in between.
void RefreshResultsDisplay(ResultsDisplay& display, const ProjectStore& store,
                           const ResultsStore& results, AnalysisObserver& progress);

} // namespace vemora
