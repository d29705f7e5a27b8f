#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

#include "project/ProjectStore.h"
#include "project/RecordCodec.h"
#include "project/RecordFields.h"
#include "project/RecordStore.h"

namespace vemora {
namespace {

enum Kind { I16, R32, Text };

struct Layout
{
    const char* name;
    int offset;
    int bytes;
    Kind kind;
};

// The published layout of the 77 fields.
const Layout FileLayout[] = {
    {"SystemType", 0, 2, I16},
    {"UnitSystem", 2, 2, I16},
    {"CurrencyCode", 4, 2, I16},
    {"ProjectName", 6, 80, Text},
    {"Designer", 86, 80, Text},
    {"ProjectDate", 166, 20, Text},
    {"ProjectDescription", 186, 500, Text},
    {"FixedDemand", 686, 4, R32},
    {"FixedDemandUnit", 690, 2, I16},
    {"DemandMode", 692, 2, I16},
    {"DesignLife", 694, 2, I16},
    {"BaseYear", 696, 2, I16},
    {"SupplyStartYear", 698, 2, I16},
    {"YearDemand", 700, 400, R32},
    {"YearDemandUnit", 1100, 2, I16},
    {"StartReservoirLevel", 1102, 4, R32},
    {"EndReservoirLevel", 1106, 4, R32},
    {"StartReservoirLevelUnit", 1110, 2, I16},
    {"EndReservoirLevelUnit", 1112, 2, I16},
    {"NodeNumber", 1114, 1000, I16},
    {"NodeElevation", 2114, 2000, R32},
    {"NodeAccumulatedLength", 4114, 2000, R32},
    {"PipeDiameter", 6114, 2000, R32},
    {"PipeCostPerMetre", 8114, 2000, R32},
    {"SecondaryLoss", 10114, 2000, R32},
    {"NodeTypeCode", 12114, 1000, I16},
    {"WallThickness", 13114, 2000, R32},
    {"WallThicknessUnit", 15114, 2, I16},
    {"LiningSystem", 15116, 2, I16},
    {"LiningThickness", 15118, 4, R32},
    {"LiningThicknessUnit", 15122, 2, I16},
    {"RoughnessNew", 15124, 4, R32},
    {"RoughnessOld", 15128, 4, R32},
    {"DeteriorationYears", 15132, 4, R32},
    {"RoughnessNewUnit", 15136, 2, I16},
    {"RoughnessOldUnit", 15138, 2, I16},
    {"DiameterUnit", 15140, 2, I16},
    {"ElevationUnit", 15142, 2, I16},
    {"ChainageUnit", 15144, 2, I16},
    {"LayingCost", 15146, 56, R32},
    {"DiscountRate", 15202, 4, R32},
    {"EscalationRate", 15206, 4, R32},
    {"EnergyEscalationRate", 15210, 4, R32},
    {"MaintenanceMechanical", 15214, 2, I16},
    {"MaintenanceElectrical", 15216, 2, I16},
    {"MaintenancePipeline", 15218, 2, I16},
    {"ReservedValue", 15220, 4, R32},
    {"WaterPrice", 15224, 4, R32},
    {"WaterPriceUnit", 15228, 2, I16},
    {"StaffPackage", 15230, 32, R32},
    {"StaffTimePercent", 15262, 32, R32},
    {"OtherExpenseAmount", 15294, 20, R32},
    {"SupervisionFees", 15314, 4, R32},
    {"PumpCurve", 15318, 72, R32},
    {"CurveHeadUnit", 15390, 2, I16},
    {"CurveFlowUnit", 15392, 2, I16},
    {"OperatingEfficiency", 15394, 4, R32},
    {"WaterPriceIncrease", 15398, 4, R32},
    {"MechanicalWorksCost", 15402, 4, R32},
    {"ElectricalWorksCost", 15406, 4, R32},
    {"PrelimGeneralPercent", 15410, 4, R32},
    {"ContingencyPercent", 15414, 4, R32},
    {"PumpCurveGiven", 15418, 2, I16},
    {"SummerMonths", 15420, 2, I16},
    {"TariffSummerPeak", 15422, 4, R32},
    {"TariffSummerStandard", 15426, 4, R32},
    {"TariffSummerOffPeak", 15430, 4, R32},
    {"TariffWinterPeak", 15434, 4, R32},
    {"TariffWinterStandard", 15438, 4, R32},
    {"TariffWinterOffPeak", 15442, 4, R32},
    {"SummerHourPeriod", 15446, 48, I16},
    {"WinterHourPeriod", 15494, 48, I16},
    {"OperatingFlowRate", 15542, 4, R32},
    {"OperatingFlowRateUnit", 15546, 2, I16},
    {"PumpingHours", 15548, 2, I16},
    {"PumpType", 15550, 100, Text},
    {"PumpDescription", 15650, 1000, Text},
};

int16_t I16At(const std::string& bytes, int offset)
{
    return static_cast<int16_t>(static_cast<unsigned char>(bytes[offset]) |
                                (static_cast<unsigned char>(bytes[offset + 1]) << 8));
}

float R32At(const std::string& bytes, int offset)
{
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

// Marks the first and the last element of field number n (from 0) with values
// derived from n, and records the field names in visiting order.
struct Marker
{
    std::vector<std::string>* names;
    int n = 0;
    static int16_t First(int n) { return static_cast<int16_t>(1000 + n); }
    static int16_t Last(int n) { return static_cast<int16_t>(-1000 - n); }

    void operator()(const char* name, int16_t& v) { Next(name), v = First(n - 1); }
    void operator()(const char* name, float& v) { Next(name), v = First(n - 1) + 0.5f; }
    void operator()(const char* name, std::string& text, size_t width)
    {
        Next(name);
        text = std::string(width, '.');
        text.front() = 'A';
        text.back() = 'Z';
    }
    template <typename T, size_t N> void operator()(const char* name, std::array<T, N>& a)
    {
        Next(name);
        a[1] = static_cast<T>(First(n - 1));
        a[N - 1] = static_cast<T>(Last(n - 1));
    }
    void operator()(const char* name, std::array<std::array<float, 7>, 4>& curve)
    {
        Next(name);
        curve[1][1] = First(n - 1); // point 1 head: first value in the file
        curve[2][1] = 7.25f;        // point 1 flow: second value
        curve[3][6] = Last(n - 1);  // point 6 efficiency: last value
    }
    void Next(const char* name)
    {
        names->push_back(name);
        ++n;
    }
};

TEST(RecordCodec, FieldsSitAtTheirPublishedOffsets)
{
    ProjectRecord rec;
    std::vector<std::string> names;
    ForEachRecordField(rec, Marker{&names});
    const std::string bytes = EncodeRecord(rec);
    ASSERT_EQ(bytes.size(), 16650u);
    ASSERT_EQ(names.size(), std::size(FileLayout));

    for (size_t n = 0; n < names.size(); ++n) {
        const Layout& f = FileLayout[n];
        SCOPED_TRACE(f.name);
        EXPECT_EQ(names[n], f.name);
        const int last = f.offset + f.bytes;
        switch (f.kind) {
        case I16:
            EXPECT_EQ(I16At(bytes, f.offset), Marker::First(n));
            if (f.bytes > 2) {
                EXPECT_EQ(I16At(bytes, last - 2), Marker::Last(n));
            }
            break;
        case R32:
            if (f.bytes == 4) {
                EXPECT_EQ(R32At(bytes, f.offset), Marker::First(n) + 0.5f);
            } else {
                EXPECT_EQ(R32At(bytes, f.offset), Marker::First(n));
                EXPECT_EQ(R32At(bytes, last - 4), Marker::Last(n));
            }
            break;
        case Text:
            EXPECT_EQ(bytes[f.offset], 'A');
            EXPECT_EQ(bytes[last - 1], 'Z');
            EXPECT_EQ(bytes[f.offset + 1], '.');
            break;
        }
    }
    // The pump curve runs point by point: head, flow, efficiency.
    EXPECT_EQ(R32At(bytes, 15318 + 4), 7.25f);
}

TEST(RecordCodec, DefaultRecordIsFullSizeWithSystemTypeFirst)
{
    ProjectStore store;
    store.SystemType = 1;
    WriteNewProjectDefaults(store, "09/12/2026");
    const std::string bytes = EncodeRecord(store.ProjectRec);
    ASSERT_EQ(bytes.size(), 16650u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(I16At(bytes, 694), 30);                         // DesignLife
    EXPECT_EQ(R32At(bytes, 2114 + 2 * 4), 999999.0f);         // node 3 unused
    EXPECT_EQ(bytes.substr(166, 20), "09/12/2026          "); // ProjectDate
    EXPECT_EQ(bytes.substr(15650, 1000), std::string(1000, ' '));
}

// Fills every element of every field with a value depending on its position.
struct Filler
{
    unsigned next = 1;
    unsigned Step() { return next = next * 1103515245u + 12345u; }
    void operator()(const char*, int16_t& v) { v = static_cast<int16_t>(Step() >> 8); }
    void operator()(const char*, float& v)
    {
        v = static_cast<float>(Step() % 2000003) / 7.0f - 1e4f;
    }
    void operator()(const char*, std::string& text, size_t width)
    {
        text.assign(width, ' ');
        for (size_t i = 0; i + 3 < width; i += 3)
            text[i] = static_cast<char>(Step() >> 24);
    }
    template <typename T, size_t N> void operator()(const char* name, std::array<T, N>& a)
    {
        for (size_t i = 1; i < N; ++i)
            (*this)(name, a[i]);
    }
    void operator()(const char* name, std::array<std::array<float, 7>, 4>& curve)
    {
        for (int v = 1; v <= 3; ++v)
            for (int k = 1; k <= 6; ++k)
                (*this)(name, curve[v][k]);
    }
};

TEST(RecordCodec, EveryFieldRoundTrips)
{
    ProjectRecord rec;
    ForEachRecordField(rec, Filler{});
    const std::string bytes = EncodeRecord(rec);
    const ProjectRecord back = DecodeRecord(bytes.data());
    EXPECT_TRUE(back == rec);
    EXPECT_EQ(EncodeRecord(back), bytes);

    // Special real values keep their exact bit patterns.
    rec.ReservedValue = std::numeric_limits<float>::quiet_NaN();
    rec.WaterPrice = -0.0f;
    const ProjectRecord odd = DecodeRecord(EncodeRecord(rec).data());
    EXPECT_TRUE(std::isnan(odd.ReservedValue));
    EXPECT_TRUE(std::signbit(odd.WaterPrice));
}

TEST(RecordCodec, TextOfTheWrongLengthIsFittedToItsField)
{
    ProjectRecord rec;
    rec.ProjectName = std::string(90, 'n');
    rec.Designer = "short";
    const std::string bytes = EncodeRecord(rec);
    ASSERT_EQ(bytes.size(), 16650u);
    EXPECT_EQ(bytes.substr(6, 80), std::string(80, 'n'));
    EXPECT_EQ(bytes.substr(86, 80), "short" + std::string(75, ' '));
}

} // namespace
} // namespace vemora
