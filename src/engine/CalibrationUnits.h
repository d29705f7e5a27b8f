// Unit codes of the roughness calibration window: its flow list (the
// project's 13 flow units) and its 17-unit pressure list. The factors come
// from the unit converter's tables, so both convert a unit alike.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace vemora {

// m³/s per unit of flow code 0..12 (megalitres per day first); none for a
// code outside the list.
std::optional<double> CalibrationFlowFactor(int code);

// Metres of water column per unit of pressure code 0..16: pascals per unit /
// pascals per metre of water (1 m of water at g = 9.80665 m/s²); none for a
// code outside the list.
std::optional<double> CalibrationPressureFactor(int code);

// The pressure list texts in code order ("Pascals (Pa)" first, code 2 "kilo
// Pascals (kPa)").
std::span<const std::string_view> CalibrationPressureUnitTexts();

} // namespace vemora
