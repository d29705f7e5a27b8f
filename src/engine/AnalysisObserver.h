// What an analysis run reports while it runs: its progress and the moment a
// pump curve misses the system curve. Every member does nothing by default;
// the analysis dialog overrides them. The engine itself never shows anything.
#pragma once

namespace vemora {

class AnalysisObserver
{
  public:
    virtual ~AnalysisObserver() = default;

    // Progress of the run, 55 to 100.
    virtual void SetProgress(int /*percent*/) {}
    // The pump curve misses the system curve in operating year `year`: the
    // run is about to end without results. Called at that moment, with the
    // year's system-curve samples (YearSystemHead, YearSystemFlow) and
    // DutyYear set, so that the caller can show PumpCurveMissedMessage(year)
    // (title PumpCurveMissedTitle) and the duty-point window.
    virtual void PumpCurveMissed(int /*year*/) {}
};

} // namespace vemora
