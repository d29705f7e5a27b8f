#include <gtest/gtest.h>

#include <charconv>
#include <set>
#include <string>

#include "engine/UnitConversion.h"

namespace vemora {
namespace {

// The number after "= " of a conversion, or "error".
std::string Convert(std::string_view group, std::string_view from, std::string_view to,
                    std::string_view value)
{
    std::string line = "unchanged";
    if (ConvertUnitValue(group, from, to, value, line) != ConversionStatus::Ok) return "error";
    EXPECT_EQ(line.rfind("= ", 0), 0u) << line;
    return line.substr(2);
}

struct ConversionCase
{
    const char* group;
    const char* from;
    const char* to;
    const char* value;
    const char* result; // the number after "= "
};

template <std::size_t N> void ExpectConversions(const ConversionCase (&cases)[N])
{
    for (const auto& c : cases)
        EXPECT_EQ(Convert(c.group, c.from, c.to, c.value), c.result)
            << c.value << " " << c.from << " to " << c.to;
}

TEST(UnitConversion, EveryEdgeCaseOfTheConverter)
{
    const ConversionCase cases[] = {
        {"Area", "meter squared (m²)", "meter squared (m²)", "0", "0"},
        {"Volume", "mega litre (Ml)", "US gallon (gal)", "0", "0"},
        {"Length", "foot (ft)", "inch (in)", "1", "12"},
        {"Length", "inch (in)", "millimetre (mm)", "1", "25.4"},
        {"Time", "hour (h)", "minute (min)", "2", "120"},
        {"Time", "day (d)", "hour (h)", "1", "24"},
        {"Time", "week (w)", "day (d)", "1", "7"},
        {"Time", "year (y)", "day (d)", "1", "365"},
        {"Pressure", "bar", "kilo Pascals (KPa)", "1", "100"},
        {"Pressure", "atmosphere (atm)", "bar", "1", "1.01325"},
        {"Pressure", "Newtons per millimetre squared (N/mm²)", "mega Pascals (MPa)", "1", "1"},
        {"Pressure", "kilogram force per metre squared (kg/m²)", "millimetres of water (mm)", "1",
         "1"},
        {"Volume", "litre (l)", "milli litre (ml)", "1", "1000"},
        {"Length", "miles (mile)", "kilometre (km)", "1", "1.609344"},
        {"Flow rate", "million gallons per hour (Mgal/h)(USA)", "cubic metres per second (m³/s)",
         "1", "1.05150327333333"},
        {"Length", "meter (m)", "meter (m)", "5.", "5"},
        {"Length", "meter (m)", "meter (m)", ".5", "0.5"},
        {"Length", "meter (m)", "meter (m)", "123456789.012345", "123456789.012345"},
        {"Time", "nanosecond (ns)", "second (s)", "1", "1E-09"},
        {"Area", "square mile", "square inch (in²)", "1000", "4014489600000"},
        {"Length", "kilometre (km)", "millimetre (mm)", "1000000000000", "1E+18"},
    };
    ExpectConversions(cases);
}

TEST(UnitConversion, ExactDefinitionsMakeTrivialConversionsExact)
{
    const ConversionCase cases[] = {
        {"Flow rate", "cubic metres per hour (m³/h)", "cubic metres per second (m³/s)", "3600",
         "1"},
        {"Flow rate", "mega liters per day (Ml/day)", "cubic metres per second (m³/s)", "86.4",
         "1"},
        {"Flow rate", "gallons per minute (gal/min)(USA)", "gallons per second (gal/s)(USA)", "60",
         "1"},
        {"Flow rate", "gallons per minute (gal/min)(EUR)", "gallons per second (gal/s)(EUR)", "60",
         "1"},
        {"Flow rate", "million gallons per hour (Mgal/h)(USA)",
         "million gallons per day (Mgal/day)(USA)", "1", "24"},
        {"Flow rate", "million gallons per day (Mgal/day)(EUR)", "gallons per second (gal/s)(EUR)",
         "86.4", "1000"},
        {"Flow rate", "cubic feet per second (ft³/s)", "litre per second (l/s)", "1",
         "28.316846592"},
        {"Volume", "UK gallon (gal)", "litre (l)", "1", "4.54609"},
        {"Volume", "feet cubed (ft³)", "inches cubed (in³)", "1", "1728"},
        {"Pressure", "kilogram force per millimetre squared (kg/mm²)", "Pascals (Pa)", "1",
         "9806650"},
        {"Pressure", "metres of water (m)", "millimetres of water (mm)", "1", "1000"},
        {"Pressure", "feet of water (ft)", "inches of water (in)", "1", "12"},
        {"Pressure", "pound force per inch squared (psi)", "pound force per foot squared (lb/ft²)",
         "1", "144"},
        {"Area", "square mile", "square feet (ft²)", "1", "27878400"},
    };
    ExpectConversions(cases);
    // The flow and the volume of the cubic foot are one unit.
    EXPECT_EQ(*UnitFactor(UnitGroup::FlowRate, "cubic feet per second (ft³/s)"),
              *UnitFactor(UnitGroup::Volume, "feet cubed (ft³)"));
}

// value to 15 significant digits, as the result line writes it.
std::string Digits15(double value)
{
    char text[40];
    return {text, std::to_chars(text, text + 40, value, std::chars_format::general, 15).ptr};
}

TEST(UnitConversion, EveryPairRoundTripsTo15Digits)
{
    for (std::size_t g = 0; g < UnitGroupNames().size(); ++g) {
        const auto group = static_cast<UnitGroup>(g);
        for (const auto& a : GroupUnits(group))
            for (const auto& b : GroupUnits(group))
                for (double value : {1.0, 7.25, 0.001, 123456.789, 1e-9, 3e12}) {
                    const auto there = ConvertBetween(group, a.text, b.text, value);
                    ASSERT_TRUE(there);
                    const auto back = ConvertBetween(group, b.text, a.text, *there);
                    ASSERT_TRUE(back);
                    EXPECT_EQ(Digits15(*back), Digits15(value))
                        << value << " " << a.text << " -> " << b.text;
                }
    }
}

TEST(UnitConversion, GroupsAndTheirListTexts)
{
    const auto names = UnitGroupNames();
    ASSERT_EQ(names.size(), 6u);
    const std::size_t counts[] = {11, 13, 8, 18, 9, 11};
    const char* first[] = {"meter squared (m²)", "mega liters per day (Ml/day)",
                           "millimetre (mm)",    "Pascals (Pa)",
                           "second (s)",         "cubic meter (m³)"};
    const char* last[] = {"square inch (in²)", "million gallons per day (Mgal/day)(EUR)",
                          "miles (mile)",      "millimetres of water (mm)",
                          "nanosecond (ns)",   "US gallon (gal)"};
    const char* groupNames[] = {"Area", "Flow rate", "Length", "Pressure", "Time", "Volume"};
    for (std::size_t g = 0; g < 6; ++g) {
        EXPECT_EQ(names[g], groupNames[g]);
        EXPECT_EQ(FindUnitGroup(groupNames[g]), static_cast<UnitGroup>(g));
        const auto units = GroupUnits(static_cast<UnitGroup>(g));
        ASSERT_EQ(units.size(), counts[g]) << names[g];
        EXPECT_EQ(units.front().text, first[g]);
        EXPECT_EQ(units.back().text, last[g]);
        std::set<std::string_view> distinct;
        for (const auto& u : units) {
            EXPECT_TRUE(distinct.insert(u.text).second) << "twice: " << u.text;
            EXPECT_GT(u.factor, 0) << u.text;
            EXPECT_EQ(UnitFactor(static_cast<UnitGroup>(g), u.text), u.factor);
        }
    }
    // The list texts as the window shows them, capitals and superscripts included.
    EXPECT_TRUE(UnitFactor(UnitGroup::Pressure, "kilo Pascals (KPa)"));
    EXPECT_FALSE(UnitFactor(UnitGroup::Pressure, "kilo Pascals (kPa)"));
    EXPECT_TRUE(UnitFactor(UnitGroup::FlowRate, "cubic metres per second (m³/s)"));
    EXPECT_TRUE(UnitFactor(UnitGroup::Volume, "kilo litre (Kl)"));
    EXPECT_TRUE(UnitFactor(UnitGroup::Time, "microsecond"));
    EXPECT_EQ(UnitFactor(UnitGroup::Length, "  foot (ft) "), 0.3048);
    EXPECT_FALSE(FindUnitGroup("area"));
    EXPECT_EQ(FindUnitGroup(" Time "), UnitGroup::Time);
}

TEST(UnitConversion, BadValuesAndUnknownUnitsFailAndKeepTheResultLine)
{
    const std::string huge = "9" + std::string(307, '9'); // about 1E+308
    const struct
    {
        const char* group;
        const char* from;
        const char* to;
        std::string value;
    } cases[] = {
        {"Length", "meter (m)", "foot (ft)", ""},
        {"Length", "meter (m)", "foot (ft)", "."},
        {"Length", "meter (m)", "foot (ft)", "1.2.3"},
        {"Length", "meter (m)", "foot (ft)", "1e3"},
        {"Length", "meter (m)", "foot (ft)", "inf"},
        {"Length", "meter (m)", "foot (ft)", "nan"},
        {"Length", "meter (m)", "foot (ft)", "-5"},
        {"Length", "meter (m)", "foot (ft)", "1,5"},
        {"Length", "meter (m)", "bar", "1"},                              // a unit of another group
        {"Lengths", "meter (m)", "foot (ft)", "1"},                       // no such group
        {"Area", "kilometers squared (km²)", "meter squared (m²)", huge}, // product overflows
    };
    for (const auto& c : cases) {
        std::string line = "= 42";
        const auto status = ConvertUnitValue(c.group, c.from, c.to, c.value, line);
        EXPECT_EQ(status, ConversionStatus::Failed) << c.value << " " << c.from;
        EXPECT_EQ(line, "= 42") << c.value;
    }
    EXPECT_EQ(ConversionErrorMessage,
              "There was an error converting the value.  Please ensure it is a valid number");
}

TEST(UnitConversion, ResultLineForm)
{
    EXPECT_EQ(ConversionResultLine(12.000000000000002), "= 12");
    EXPECT_EQ(ConversionResultLine(1000.0000000000001), "= 1000");
    EXPECT_EQ(ConversionResultLine(1.0515032733333334), "= 1.05150327333333");
    EXPECT_EQ(ConversionResultLine(0.0001), "= 0.0001");
    EXPECT_EQ(ConversionResultLine(0.00001234), "= 1.234E-05");
    EXPECT_EQ(ConversionResultLine(123456789012345.0), "= 123456789012345");
    EXPECT_EQ(ConversionResultLine(1234567890123456.0), "= 1.23456789012346E+15");
    EXPECT_EQ(ConversionResultLine(-0.0), "= 0");
}

} // namespace
} // namespace vemora
