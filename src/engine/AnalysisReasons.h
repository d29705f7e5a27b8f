// Why an analysis cannot go on, or why it found no water, in plain words and
// in the user's terms: node numbers, chainages, years and values in the
// units they were entered in. Each text is the second line under the
// message of the outcome; an empty text means the rule holds.
#pragma once

#include <string>

#include "engine/ResultsStore.h"
#include "project/ProjectStore.h"

namespace vemora {

// A value as the input window shows it, with its unit after a blank when a
// unit is given: 2400 and "m" -> "2400 m".
std::string EnteredValue(float value, const char* unit = nullptr);

// The text of a unit code of `list` (LengthUnits, ...); "" outside it.
template <typename List> const char* UnitText(const List& list, int code)
{
    const char* text = list.Text(code);
    return text ? text : "";
}

// A profile needs at least two nodes before the mark that ends it.
std::string NodeCountReason(const ProjectStore& s);

// Node j + 1 lies before node j (chainages must increase along the profile).
std::string ChainageOrderReason(const ProjectStore& s, int j);

// The pump curve's flows must rise strictly from point 1 to point 6 (point 1
// may be 0, the shut-off head); names the first point out of order. For a
// pumping project with a pump curve.
std::string PumpCurveOrderReason(const ProjectStore& s);
// The same rule for any six flows (flows[1..6]) in the pump-curve flow unit
// `curveFlowUnit`, as the pump-curve view checks them.
std::string PumpFlowOrderReason(const Array1<float, 6>& flows, int curveFlowUnit);

// The supply starting before the starting year; the construction years and
// the design life adding up to more than 100 years; no design life.
std::string ProjectPeriodReason(const ProjectStore& s);
// True for the first of those, whose message is its own.
bool SupplyStartsBeforeStartingYear(const ProjectStore& s);

// After the hydraulics failed: a pipe left without an inside diameter, a
// roughness period or roughness that the friction law cannot use.
std::string HydraulicsReason(const ProjectStore& s, const ResultsStore& r);

// After the costs or the income failed: a pump efficiency of 0, or the
// first year whose costs (or income) leave the range of numbers, with the
// escalation rates that took them there.
std::string CostsReason(const ProjectStore& s, const ResultsStore& r);

// After a completed run: when no water flows in any year, the note's text
// (first line, and the cause on a second line); otherwise empty.
std::string NoFlowNote(const ProjectStore& s, const ResultsStore& r);

} // namespace vemora
