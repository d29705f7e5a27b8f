// The pipeline profile graph shared by the results window's hydraulic
// profile, the profile view and the calibration view: the ground between two
// nodes with the component symbols at their nodes, the grid, axes, labels and
// titles, and the hydraulic gradeline of one year; with the captions of that
// year's flow rate and pumping head and the cursor read-out over it.
//
// A window gathers its controls' state into a ProfileView and calls
// DrawProfileGraph on its picture's surface and frame; the window then shows
// the message that belongs to a status other than Drawn. Nothing here shows
// anything or knows a window.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "engine/ResultsStore.h"
#include "graphs/PlotFrame.h"
#include "platform/DrawingSurface.h"
#include "project/ProjectStore.h"

namespace vemora {

inline constexpr const char* BeginNotBeforeEndMessage =
    "The begin distance should be less than the end distance !";
inline constexpr const char* SelectDistancesMessage = "Select distance values from the list !";
inline constexpr const char* ProfileErrorTitle = "Vemora ERROR !";

// The profile graphs' node data in the units the user entered: the nodes in
// use with their accumulated lengths and ground elevations (nodes 1..NodeCount).
struct ProfilePlotData
{
    int NodeCount = 0; // 0..MaxNodes
    Array1<float, MaxNodes> PlotDistance{};
    Array1<float, MaxNodes> PlotElevation{};
};

// The nodes of the profile as the data store holds them, unconverted; a node
// count outside 0..500 is held to that range.
ProfilePlotData PrepareProfilePlotData(const ProjectStore& store);

// What the window's controls say about the graph to draw.
struct ProfileView
{
    int BeginNode = 0; // 1..NodeCount (the begin list's index + 1); 0 when none is chosen
    int EndNode = 0;   // 1..NodeCount; 0 when none is chosen
    int Year = 1;      // operating year of the gradeline and the captions
    bool HideGradeline = false;
    bool HideComponents = false;
};

// How one profile graph differs from the others.
struct ProfileGraphStyle
{
    QString HorizontalTitle;         // with the chainage unit, e.g. "Accumulated length( m )"
    double VerticalTitleTop = 1800;  // twips; the elevation picture is pasted at (11, top)
    bool AirValveAboveNode = false;  // air valves stand on their node instead of centred
    bool PumpLiftAtFirstNode = true; // a pumping section from node 1 shows the pump's lift
};

enum class ProfileStatus {
    Drawn,
    NoSection,         // a list without a choice, or a node outside the profile
    BeginNotBeforeEnd, // the begin distance is not less than the end distance
};

// The gradeline level of node i in an operating year, in the elevation unit:
// the results' level in metres (node i - 1 for a gravity system, node i for
// a pumping one) divided by the metres of one elevation unit; nothing when
// the node, the year or the unit is outside its range or the level is not a
// number.
std::optional<double> NodeGradelineLevel(const ProjectStore& store, const ResultsStore& results,
                                         int node, int year);

// Draws the profile from view.BeginNode to view.EndNode, in this order: the
// component symbols (unless hidden), the grid, the ground in &H4000, the
// axes with their tick labels, the titles and (unless hidden) the gradeline
// of view.Year in blue. Frame: left 800, top 570, right = width - 600,
// bottom = height - 470 (twips); both axes by the 1-2-5 rule over the
// section's distances and over its ground and, while drawn, gradeline
// levels. Leaves the axes in `frame` for the read-out. Any status other than
// Drawn leaves the surface and the frame as they were.
// `extraLevels` (elevation unit) are levels the caller draws over the
// profile afterwards; the vertical range takes them in too.
ProfileStatus DrawProfileGraph(DrawingSurface& surface, PlotFrame& frame, const ProjectStore& store,
                               const ResultsStore& results, const ProfileView& view,
                               const ProfileGraphStyle& style,
                               const std::vector<double>& extraLevels = {});

// The chainage unit as the hydraulic profile's title shows it: "( m )".
QString BracketedUnit(int lengthUnit);

// The captions of a year's flow and pumping head; an empty text where a
// value or its unit cannot be formed.
struct ProfileCaptions
{
    std::string FlowRate;    // "Flow rate: 12.500 Mega liters/day"
    std::string PumpingHead; // "Pumping head: 85.000 m"; empty for a gravity system
};

// Flow rate: YearFlow (m³/s) divided by the factor of the unit the flow is
// entered in (gravity: the demand's unit; pumping: the pump curve's flow
// unit, or the operating flow's), "#0.000", a blank and that unit's text.
// Pumping head: PumpingHead of the year (Gradeline(1, year) - StartLevelSI)
// divided by the metres of one elevation unit, "#0.000", a blank and the elevation unit.
ProfileCaptions MakeProfileCaptions(const ProjectStore& store, const ResultsStore& results,
                                    int year);

// The same captions of a view whose hydraulics were not solved: their bare
// prefixes ("Flow rate:", "Pumping head:" for a pumping system), never a
// figure.
ProfileCaptions UnsolvedCaptions(const ProjectStore& store);

// The read-out under the mouse (twips) over a profile: distance and
// elevation with three decimals and the chainage and elevation units
// ("125.000 m"), or "Out of range" for both outside the plot area.
struct ProfileReadOut
{
    std::string Distance;
    std::string Elevation;
};
ProfileReadOut ReadProfile(const PlotFrame& frame, const ProjectStore& store, double x, double y);

} // namespace vemora
