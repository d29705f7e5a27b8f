// Exact definitions of the units that the unit converter and the roughness
// calibration share, so that both convert a unit by the same value.
#pragma once

namespace vemora::units {

constexpr double Inch = 0.0254;                           // m
constexpr double Foot = 0.3048;                           // m
constexpr double Yard = 0.9144;                           // m
constexpr double Mile = 1609.344;                         // m
constexpr double Hour = 3600.0;                           // s
constexpr double Day = 86400.0;                           // s
constexpr double Litre = 0.001;                           // m³
constexpr double Megalitre = 1000.0;                      // m³
constexpr double UsGallon = 0.003785411784;               // m³
constexpr double ImperialGallon = 0.00454609;             // m³ (the "UK" and "EUR" gallon)
constexpr double CubicFoot = 0.028316846592;              // m³, 0.3048³
constexpr double StandardGravity = 9.80665;               // m/s²
constexpr double KilogramForce = StandardGravity;         // N
constexpr double MetreOfWater = 1000.0 * StandardGravity; // Pa, 1 m of water at 1000 kg/m³

} // namespace vemora::units
