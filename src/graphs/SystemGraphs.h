// The two graphs of the results window's system page, one column per year:
// demand and capacity (yield beside the supplied demand and its shortage)
// and income and expenditure (income beside the stacked costs, capital in
// the construction years). Each clears the surface and draws the whole
// graph; neither leaves a frame, as the system picture has no read-out.
#pragma once

#include <cstdint>
#include <string>

#include "engine/ResultsStore.h"
#include "platform/DrawingSurface.h"
#include "project/ProjectStore.h"

namespace vemora {

// The colours of the system graphs' bars (&HBBGGRR); the keys of both graphs'
// legends, in the window and on the printed page, take them too.
namespace barcolor {
constexpr uint32_t Blue = 0xFF0000, Red = 0x0000FF, Green = 0x00FF00;
constexpr uint32_t Yield = Green, Supplied = Blue, Shortage = Red;
constexpr uint32_t Income = Blue, Capital = Red, Maintenance = Green;
constexpr uint32_t Operational = 0x00FFFF; // yellow
constexpr uint32_t Energy = 0xF00AFF;      // magenta, RGB(255, 10, 240)
} // namespace barcolor

// The captions of the demand legend that name the demand's flow unit.
struct DemandLegend
{
    std::string Demand; // lblDemand: ") (m³/h)", closing "Demand (Supplied + shortage"
    std::string Yield;  // lblYield: "Yield (m³/h)"
};

// Per operating year i = 1..DesignLife, in the demand's flow unit: the
// yield Y = YearFlow / factor (pumping: x PumpingHours / 24) as a green bar,
// and beside it the demand D (FixedDemand, or YearDemand(i) when varying)
// as the supplied part D - S in blue with the shortage S = YearShortage(i)
// in red on top. Vertical axis by the 1-2-5 rule from 0.9 x the smallest to
// the largest of Y and D; frame left 800, top 570, right = width - 600,
// bottom = height - 470; every k-th column from the first supply year
// labelled by calendar year, k the smallest of 1, 2, 5, 10 and 20 whose
// labels do not touch.
DemandLegend DrawDemandCapacityGraph(DrawingSurface& surface, const ProjectStore& store,
                                     const ResultsStore& results);

// The captions and layout of the income legend (tops in twips inside it).
struct IncomeLegend
{
    std::string Income;             // "Income (R/year)"
    std::string CapitalExpenditure; // "Capital expenditure (R/year)"
    std::string Maintenance;        // "Maintenance costs (R/year)"
    std::string Operational;        // "Operational costs (R/year)"
    std::string Energy;             // "Energy costs (R/year)"; empty for a gravity system
    bool EnergyVisible = false;     // lblEnergy and Shape5
    int MaintenanceSwatchTop = 170, MaintenanceLabelTop = 200; // Shape3, lblMaintenance
    int OperationalSwatchTop = 470, OperationalLabelTop = 500; // Shape4, lblOperational
};

// Per calendar year from BaseYear to the last operating year, in currency
// per year: a red capital bar in each construction year; in each operating
// year the income in blue and beside it maintenance (green), operational
// (yellow) and, for a pumping system, energy (magenta) stacked. Vertical axis
// by the 1-2-5 rule with 5,000,000 and 10,000,000 after 1,000,000 and at
// least two divisions, over the project's own years; frame left 1000, top
// 570, right = width - 600, bottom = height - 470; bars cut at the origin;
// every k-th column from the base year labelled by calendar year, k chosen
// as for the demand graph.
IncomeLegend DrawIncomeExpenditureGraph(DrawingSurface& surface, const ProjectStore& store,
                                        const ResultsStore& results);

} // namespace vemora
