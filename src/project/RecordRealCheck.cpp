#include "project/RecordRealCheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "project/RecordFields.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

// The real fields a gravity load leaves unread: pump curve, pump and tariffs.
constexpr std::array<std::string_view, 9> PumpingOnlyReals = {
    "PumpCurve",           "OperatingEfficiency", "TariffSummerPeak",     "TariffSummerStandard",
    "TariffSummerOffPeak", "TariffWinterPeak",    "TariffWinterStandard", "TariffWinterOffPeak",
    "OperatingFlowRate",
};

bool IsRead(std::string_view name, bool gravity)
{
    if (name == "ReservedValue") return false; // kept as the file holds it, never read
    return !gravity || std::find(PumpingOnlyReals.begin(), PumpingOnlyReals.end(), name) ==
                           PumpingOnlyReals.end();
}

class FiniteCheck
{
  public:
    FiniteCheck(bool gravity, std::string* why) : gravity_(gravity), why_(why) {}

    void operator()(const char*, int16_t) {}
    void operator()(const char*, const std::string&, size_t) {}
    template <size_t N> void operator()(const char*, const std::array<int16_t, N>&) {}
    void operator()(const char* name, float value) { Real(name, value, ""); }
    template <size_t N> void operator()(const char* name, const std::array<float, N>& a)
    {
        for (size_t i = 1; i < N; ++i)
            if (!std::isfinite(a[i])) Real(name, a[i], "(" + std::to_string(i) + ")");
    }
    void operator()(const char* name, const std::array<std::array<float, 7>, 4>& curve)
    {
        for (size_t value = 1; value <= 3; ++value)
            for (size_t point = 1; point <= 6; ++point)
                if (!std::isfinite(curve[value][point]))
                    Real(name, curve[value][point],
                         "(" + std::to_string(value) + ", " + std::to_string(point) + ")");
    }
    bool Ok() const { return ok_; }

  private:
    void Real(const char* name, float value, const std::string& element)
    {
        if (!ok_ || std::isfinite(value) || !IsRead(name, gravity_)) return;
        ok_ = false;
        if (why_) *why_ = name + element + " is not a finite number";
    }
    bool gravity_;
    std::string* why_;
    bool ok_ = true;
};

} // namespace

bool CheckRecordReals(const ProjectRecord& rec, std::string* why)
{
    FiniteCheck check(!IsPumping(rec), why);
    ForEachRecordField(rec, check);
    return check.Ok();
}

} // namespace vemora
