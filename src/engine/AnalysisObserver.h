// What an analysis run asks of the results window and the analysis dialog.
// Every member does nothing by default; the results window (and the dialog,
// for the progress bar) override what they show. The engine itself never
// shows anything.
#pragma once

#include <string>

namespace vemora {

// Captions of the results window's four result labels, ready to show.
struct ResultLabels
{
    std::string DesignLife; // lblDesignLife, e.g. "30 years"
    std::string NpvE;       // lblNPVE, e.g. "R1,234,567"
    std::string NpvI;       // lblNPVI
    std::string Irr;        // lblIRR, e.g. "IRR = 13.066 %" or "IRR = n/a"
};

class AnalysisObserver
{
  public:
    virtual ~AnalysisObserver() = default;

    // Progress of the run, 55 to 100 (the dialog's proBar).
    virtual void SetProgress(int /*percent*/) {}
    // Load the results window without showing it (start of the run).
    virtual void LoadResultsWindow() {}
    // Set lblDesignLife, lblNPVE, lblNPVI and lblIRR.
    virtual void SetResultLabels(const ResultLabels& /*labels*/) {}
    // sscDutypoint visible only for a pumping system with a pump curve.
    virtual void SetDutyPointButtonVisible(bool /*visible*/) {}
    // Hide the results window's frame fraDuty.
    virtual void HideDutyFrame() {}
    virtual void ShowCostTables() {}
    virtual void FillDistanceCombos() {}
    virtual void DrawHydraulicProfile() {}
    virtual void DrawDemandCapacityGraph() {}
    // The pump curve misses the system curve in operating year `year`: show the
    // message PumpCurveMissedMessage(year) (title "Error") and then the
    // duty-point window frmDutyPoint modally. The year's system-curve samples
    // (YearSystemHead, YearSystemFlow) and DutyYear are set when this is called.
    virtual void ShowDutyPointWindow(int /*year*/) {}
};

} // namespace vemora
