// The unit texts the result tables and read-outs show, from the unit codes
// of the data store: the same texts the input window's lists show.
#pragma once

#include <string>

#include "project/ProjectStore.h"

namespace vemora {

// The demand's flow unit, e.g. "Mega liters/day": the varying demand's unit
// when DemandMode is 1, else the fixed demand's (the unit the analysis reads
// the demand in); "" for a code outside the flow list.
std::string DemandUnitText(const ProjectStore& store);

// A length unit by LengthUnit code: "m", "km", "ft", "miles"; "" outside the list.
std::string LengthUnitText(int code);

// The same in brackets, "(m)" ... "(miles)"; "" outside the list.
std::string LengthUnitCaption(int code);

// Metres in one length unit: 1, 1000, 0.3048, 1609.344; 1 outside the list.
float MetresPerLengthUnit(int code);

} // namespace vemora
