// Factors from the user's unit codes to SI units. A code is the position of
// the unit in its list; a code outside the list has no factor.
#pragma once

#include <optional>

namespace vemora {

// m³/s per unit of a demand flow (13 codes, megalitres per day first).
std::optional<float> FlowUnitFactor(int code);
// m³/s per unit of the operating flow (10 codes: the flow list without ML/d,
// million US gal/d and million gal (EUR)/d).
std::optional<float> OperatingFlowUnitFactor(int code);
// m³/s per unit of the pump-curve flow (m³/h, m³/s, ft³/h, US gal/s).
std::optional<float> PumpCurveFlowUnitFactor(int code);
// m per unit of the pump-curve head (m, ft).
std::optional<float> PumpHeadUnitFactor(int code);
// m per unit of a level, elevation or chainage (m, km, ft, miles).
std::optional<float> LengthUnitFactor(int code);
// m per unit of a pipe dimension or roughness (mm, m, in, ft); mm is 0.001.
std::optional<float> PipeDimensionUnitFactor(int code);
// A pipe dimension in metres: mm values are divided by 1000, the others
// multiplied by their factor. No value for a code outside the list.
std::optional<float> PipeDimensionToMetres(float value, int code);
// m³ per volume unit of the water price (m³, megalitre, ft³, US gallon).
std::optional<float> WaterSalesVolumeUnitFactor(int code);

} // namespace vemora
