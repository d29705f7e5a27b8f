// The pump graphs: the preview of the pump curve being entered (head and
// efficiency through the six points) and the pump curve with the system
// curve of one operating year (the duty-point page and the duty-point
// warning). Both work in the pump curve's own units: the head unit
// (CurveHeadUnit, m or ft) and the flow unit (CurveFlowUnit).
#pragma once

#include <QImage>
#include <QString>
#include <string>

#include "engine/ResultsStore.h"
#include "graphs/PlotFrame.h"
#include "platform/DrawingSurface.h"
#include "project/ProjectStore.h"

namespace vemora {

inline constexpr const char* PumpCurveFailedMessage =
    "Could not show the pump curve.  Please check the pump data !";
inline constexpr const char* PumpCurveFailedTitle = "Vemora";

// Why the six flows (flows[1..6], in the pump-curve unit `curveFlowUnit`)
// cannot make a curve: empty when they rise from point 1 to point 6,
// otherwise PumpCurveFailedMessage with the reason on a second line.
QString PumpFlowRefusal(const Array1<float, 6>& flows, int curveFlowUnit);

inline constexpr uint32_t PumpGridColor = 0xC0C0C0; // light grey grid of the pump graphs
// The curves: the pump curve blue; the efficiency curve of the preview and
// the system curve of a year green.
inline constexpr uint32_t PumpCurveColor = 0xFF0000;
inline constexpr uint32_t SecondCurveColor = 0x00FF00;

enum class PumpGraphStatus {
    Drawn,
    Failed, // cleared only: nothing to scale (an all-zero head or efficiency, no usable unit)
};

// The legend keys of the two curves, in the windows and on the printed
// pages: lines three pixels thick in the curves' colours.
QImage PumpCurveKey();
QImage SecondCurveKey();

// The blue disc, 10 x 10 pixels, that marks every pump-curve point.
const QImage& PumpPointPicture();
// The efficiency axis title, reading upwards.
const QImage& EfficiencyTitlePicture();

// "Flow rate ( m³/h )", by the pump-curve flow unit's list text.
QString PumpFlowTitle(int curveFlowUnit);

// The pump-curve preview: head (left axis) and efficiency (right axis, in
// %) against flow through the six points as entered. The flow axis runs
// from the least to the greatest of the six flows while the curves join the
// points in entry order; every axis by the 1-2-5 rule, at least one
// division. Flows that do not rise from point 1 to point 6 draw nothing
// (Failed), as they would make a loop. Frame: left 800, top 570, right = width - 1050, bottom =
// height - 470. Leaves flow, head and efficiency scales in `frame`.
PumpGraphStatus DrawPumpCurveGraph(DrawingSurface& surface, PlotFrame& frame,
                                   const ProjectStore& store);

// Whether the year's duty point (YearPumpHead) is a crossing of the two
// curves: the duty-point warning shows a year whose curves do not meet.
enum class DutyCrossing { Shown, None };

// The pump curve and year `year`'s system curve (YearSystemFlow in m³/s
// divided by PumpFlowUnitFactor, YearSystemHead in m divided by
// PumpHeadUnitFactor). The flow axis is the pump curve's; the head axis runs
// from the lowest head of the pump and the system curve to the first grid
// line at or above the highest of the six heads, the duty head (when
// `crossing` is Shown) and the system head at the pump curve's first flow;
// the system curve is cut at the plot's frame. Frame: left 800, top 570,
// right = width - 600, bottom = height - 470.
PumpGraphStatus DrawPumpSystemCurves(DrawingSurface& surface, PlotFrame& frame,
                                     const ProjectStore& store, const ResultsStore& results,
                                     int year, DutyCrossing crossing = DutyCrossing::Shown);

// The read-out over the pump-curve preview (twips): head "#0.00 m",
// flow "#0.00 m³/h" and efficiency "#0.00 %". A height outside the plot
// makes all three "Out of range"; a height inside with the mouse left or
// right of the plot leaves only the flow "Out of range".
struct PumpReadOut
{
    std::string Head;
    std::string Flow;
    std::string Efficiency;
};
PumpReadOut ReadPumpCurve(const PlotFrame& frame, const ProjectStore& store, double x, double y);

} // namespace vemora
