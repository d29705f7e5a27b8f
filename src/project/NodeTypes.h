// The node types of the profile by code 0..9, and their fixed-width names as
// the profile grid's description column and the reports show them. The code
// is what the project record stores, so the order is part of the file
// format. Texts are UTF-8 ("°" is one character).
#pragma once

#include <array>
#include <string>

namespace vemora {

inline constexpr int NodeTypeCount = 10;
inline constexpr int NodeTypeNameWidth = 20;
inline constexpr std::array<const char*, NodeTypeCount> NodeTypeItems = {
    "Node",      "Reservoir", "Pumpstation", "Isolating valve", "Non-return valve",
    "Air valve", "90° bend",  "45° bend",    "22.5° bend",      "T-junction"};

// The name of node type `code`, padded with blanks to 20 characters (counted
// as characters, not bytes). Codes outside 0..9 have no name: the result is
// empty, which matches no name.
std::string NodeTypeNames(int code);

// The padded name a node of type `code` shows under: codes outside 0..9
// (from a damaged or foreign file) show as "Node".
std::string NodeTypeShownName(int code);

// The node type whose name equals `text` with trailing blanks disregarded on
// both sides; a text that matches no name (or an empty one) gives 0, "Node".
int NodeTypeCodeOf(const std::string& text);

} // namespace vemora
