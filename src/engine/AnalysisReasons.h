// Why an analysis cannot go on, or why it found no water, in plain words and
// in the user's terms: node numbers, chainages, years and values in the
// units they were entered in. Each text is the second line under the
// message of the outcome. The stages apply the rules; this only words what
// they found.
#pragma once

#include <string>

#include "engine/AnalysisFailure.h"
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

// The failure a stage of the run found, in words: "Node 3 at chainage
// 1000 m comes after node 2 at 2400 m: chainages must not fall along the
// profile."; empty for no failure.
std::string FailureReason(const ProjectStore& s, const AnalysisFailure& failure);

// The pump-curve view's check of six flows (flows[1..6]) in the pump-curve
// flow unit `curveFlowUnit`, in the analysis's words; empty when they rise.
std::string PumpFlowOrderReason(const Array1<float, 6>& flows, int curveFlowUnit);

// After a completed run: when no water flows in any year, the note's text
// (first line, and the cause on a second line); otherwise empty.
std::string NoFlowNote(const ProjectStore& s, const ResultsStore& r);

} // namespace vemora
