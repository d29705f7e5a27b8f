// The unit lists of a project: for each list the texts the windows show, in
// code order, and the factor from that unit to SI (m, m³/s or m³). A unit code
// is the position of its item counted from 0, so the order of every list is
// part of the project file format: never reorder or insert items. Texts are
// UTF-8 ("³" is one character). The record check, the analysis and the
// windows' lists all read these tables.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace vemora {

struct Unit
{
    const char* Text;
    float ToSI; // SI units per unit
};

// One unit list; codes 0..Count()-1.
class UnitList
{
  public:
    template <std::size_t N>
    constexpr explicit UnitList(const std::array<Unit, N>& units) : units_(units.data()), count_(N)
    {
    }

    constexpr int Count() const { return static_cast<int>(count_); }
    constexpr bool Has(int code) const { return code >= 0 && code < Count(); }
    // The item's text; nullptr for a code outside the list.
    constexpr const char* Text(int code) const { return Has(code) ? units_[code].Text : nullptr; }
    // The item's factor to SI; nothing for a code outside the list.
    constexpr std::optional<float> Factor(int code) const
    {
        if (!Has(code)) return std::nullopt;
        return units_[code].ToSI;
    }
    constexpr const Unit* begin() const { return units_; }
    constexpr const Unit* end() const { return units_ + count_; }

  private:
    const Unit* units_;
    std::size_t count_;
};

namespace unit_tables {

constexpr float UsGallon = 0.0037854118f; // m³

// m³/s per unit of a demand flow.
inline constexpr std::array<Unit, 13> Flow = {{
    {"Mega liters/day", 0.011574074f},
    {"m³/h", 1.0f / 3600.0f},
    {"m³/s", 1.0f},
    {"l/s", 0.001f},
    {"ft³/s", 0.028316846f},
    {"gal/s (USA)", UsGallon},
    {"gal/min (USA)", 6.30902E-05f},
    {"Million gal/hour (USA)", 1.0515033f},
    {"Million gal/day (USA)", 0.043812636f},
    {"gal/s (EUR)", 0.004546092f},
    {"gal/min (EUR)", 7.57682E-05f},
    {"Million gal/hour (EUR)", 1.2628033f},
    {"Million gal/day (EUR)", 0.052616805f},
}};

// m³/s per unit of the operating flow: the flow list without its megalitres
// per day and its two million-gallons-per-day items, in the same order.
inline constexpr std::array<Unit, 10> OperatingFlow = {
    {Flow[1], Flow[2], Flow[3], Flow[4], Flow[5], Flow[6], Flow[7], Flow[9], Flow[10], Flow[11]}};

// m³/s per unit of the pump-curve flow.
inline constexpr std::array<Unit, 4> PumpCurveFlow = {{
    {"m³/h", 1.0f / 3600.0f},
    {"m³/s", 1.0f},
    {"ft³/h", static_cast<float>(0.028316847 / 3600.0)},
    {"gal/s (USA)", UsGallon},
}};

// m per unit of the pump-curve head.
inline constexpr std::array<Unit, 2> PumpHead = {{{"m", 1.0f}, {"ft", 0.3048f}}};

// m per unit of a level, elevation or accumulated length.
inline constexpr std::array<Unit, 4> Length = {
    {{"m", 1.0f}, {"km", 1000.0f}, {"ft", 0.3048f}, {"miles", 1609.344f}}};

// m per unit of a pipe dimension or roughness.
inline constexpr std::array<Unit, 4> PipeDimension = {
    {{"mm", 0.001f}, {"m", 1.0f}, {"in", 0.0254f}, {"ft", 0.3048f}}};

// m³ per volume unit of the water price.
inline constexpr std::array<Unit, 4> WaterSalesVolume = {
    {{"/m³", 1.0f}, {"/Ml", 1000.0f}, {"/ft³", 0.028316846f}, {"/gal", UsGallon}}};

} // namespace unit_tables

inline constexpr UnitList FlowUnits{unit_tables::Flow};
inline constexpr UnitList OperatingFlowUnits{unit_tables::OperatingFlow};
inline constexpr UnitList PumpCurveFlowUnits{unit_tables::PumpCurveFlow};
inline constexpr UnitList PumpHeadUnits{unit_tables::PumpHead};
inline constexpr UnitList LengthUnits{unit_tables::Length};
inline constexpr UnitList PipeDimensionUnits{unit_tables::PipeDimension};
inline constexpr UnitList WaterSalesVolumeUnits{unit_tables::WaterSalesVolume};

} // namespace vemora
