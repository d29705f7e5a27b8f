// The unit lists of the input window and the node-type names.
//
// A unit code is the position of its item in the list, counted from 0, so the
// order of every list below is part of the project file format: never reorder
// or insert items. Texts are UTF-8 ("³" and "°" are single characters).
#pragma once

#include <array>
#include <string>

namespace vemora {

inline constexpr std::array<const char*, 13> FlowUnitItems = {"Mega liters/day",
                                                              "m³/h",
                                                              "m³/s",
                                                              "l/s",
                                                              "ft³/s",
                                                              "gal/s (USA)",
                                                              "gal/min (USA)",
                                                              "Million gal/hour (USA)",
                                                              "Million gal/day (USA)",
                                                              "gal/s (EUR)",
                                                              "gal/min (EUR)",
                                                              "Million gal/hour (EUR)",
                                                              "Million gal/day (EUR)"};

inline constexpr std::array<const char*, 10> OperatingFlowUnitItems = {"m³/h",
                                                                       "m³/s",
                                                                       "l/s",
                                                                       "ft³/s",
                                                                       "gal/s (USA)",
                                                                       "gal/min (USA)",
                                                                       "Million gal/hour (USA)",
                                                                       "gal/s (EUR)",
                                                                       "gal/min (EUR)",
                                                                       "Million gal/hour (EUR)"};

inline constexpr std::array<const char*, 4> LengthUnitItems = {"m", "km", "ft", "miles"};

inline constexpr std::array<const char*, 4> PipeDimensionUnitItems = {"mm", "m", "in", "ft"};

inline constexpr std::array<const char*, 4> WaterSalesVolumeUnitItems = {"/m³", "/Ml", "/ft³",
                                                                         "/gal"};

inline constexpr std::array<const char*, 2> PumpHeadUnitItems = {"m", "ft"};

inline constexpr std::array<const char*, 4> PumpCurveFlowUnitItems = {"m³/h", "m³/s", "ft³/h",
                                                                      "gal/s (USA)"};

// Node types by code 0..9, as the profile grid's description column shows them.
inline constexpr int NodeTypeCount = 10;
inline constexpr int NodeTypeNameWidth = 20;
inline constexpr std::array<const char*, NodeTypeCount> NodeTypeItems = {
    "Node",      "Reservoir", "Pumpstation", "Isolating valve", "Non-return valve",
    "Air valve", "90° bend",  "45° bend",    "22.5° bend",      "T-junction"};

// The name of node type `code`, padded with blanks to 20 characters (counted
// as characters, not bytes). Codes outside 0..9 have no name: the result is
// empty, which matches no name.
std::string NodeTypeNames(int code);

// The node type whose name equals `text` with trailing blanks disregarded on
// both sides; a text that matches no name (or an empty one) gives 0, "Node".
int NodeTypeCodeOf(const std::string& text);

} // namespace vemora
