#include "GeneratedProjects.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "project/UnitTables.h"

namespace vemora::test {
namespace {

constexpr double TwoG = 19.62;
constexpr double Pi = 3.14159265359;
constexpr double TypicalFrictionFactor = 0.02;

// The units a project is entered in, with their factors to SI.
struct EntryUnits
{
    bool us = false;
    int length = 0;      // levels and elevations: m or ft
    int chainage = 0;    // m, km, ft or miles
    int dimension = 0;   // mm or in
    int demand = 3;      // l/s, Ml/d, m³/h; US gal/s, gal/min, Mgal/day
    int operating = 2;   // l/s; US gal/min
    int curveHead = 0;   // m or ft
    int curveFlow = 1;   // m³/h, m³/s; US ft³/h, gal/s
    int salesVolume = 0; // /m³, /Ml; US /ft³, /gal

    static EntryUnits Pick(SplitMix64& rng)
    {
        EntryUnits u;
        u.us = rng.Chance(35);
        if (u.us) {
            u.length = 2;
            u.chainage = rng.Chance(70) ? 2 : 3;
            u.dimension = 2;
            u.demand = rng.Whole(5, 6) + (rng.Chance(30) ? 2 : 0);
            u.operating = 5;
            u.curveHead = 1;
            u.curveFlow = rng.Chance(50) ? 2 : 3;
            u.salesVolume = rng.Whole(2, 3);
        } else {
            u.chainage = rng.Chance(80) ? 0 : 1;
            u.demand = rng.Chance(60) ? 3 : rng.Whole(0, 1);
            u.curveFlow = rng.Whole(0, 1);
            u.salesVolume = rng.Whole(0, 1);
        }
        return u;
    }
};

float InUnits(double si, const UnitList& list, int code)
{
    return static_cast<float>(si / *list.Factor(code));
}

float DimensionInUnits(double metres, int code)
{
    return code == 0 ? static_cast<float>(metres * 1000.0)
                     : InUnits(metres, PipeDimensionUnits, code);
}

// Builds one project, keeping the SI figures it chose for the pump curve.
class Builder
{
  public:
    Builder(int index, GeneratedKind kind)
        : rng_(0x5eed0fa11ULL + static_cast<uint64_t>(index) * 0x9e3779b97f4a7c15ULL), kind_(kind),
          units_(EntryUnits::Pick(rng_))
    {
        s_ = std::make_unique<ProjectStore>();
    }

    std::unique_ptr<ProjectStore> Build()
    {
        SetGeneral();
        SetProfile();
        SetDemand();
        if (kind_ != GeneratedKind::Gravity) SetPumping();
        SetCosts();
        if (rng_.Chance(8)) AddDefect();
        return std::move(s_);
    }

  private:
    void SetGeneral()
    {
        ProjectStore& s = *s_;
        s.UnitSystem = units_.us ? 1 : 0;
        s.CurrencyCode = static_cast<int16_t>(rng_.Whole(0, 1));
        s.SystemType = kind_ == GeneratedKind::Gravity ? 0 : 1;
        s.DesignLife = static_cast<int16_t>(rng_.Whole(2, 100));
        s.BaseYear = static_cast<int16_t>(rng_.Whole(2000, 2030));
        const int construction = rng_.Whole(0, std::min(5, MaxYears - s.DesignLife));
        s.SupplyStartYear = static_cast<int16_t>(s.BaseYear + construction);
        s.ElevationUnit = s.StartReservoirLevelUnit = s.EndReservoirLevelUnit =
            static_cast<int16_t>(units_.length);
        s.ChainageUnit = static_cast<int16_t>(units_.chainage);
        s.DiameterUnit = s.WallThicknessUnit = s.LiningThicknessUnit = s.RoughnessNewUnit =
            s.RoughnessOldUnit = static_cast<int16_t>(units_.dimension);
    }

    // Levels and elevations in m, chainage steps in m, diameters varying along
    // the pipeline now and then, sections of no length now and then.
    void SetProfile()
    {
        ProjectStore& s = *s_;
        n_ = rng_.Chance(20) ? rng_.Whole(2, 10) : rng_.Whole(2, MaxNodes);
        const bool gravity = kind_ == GeneratedKind::Gravity;
        const double top = gravity ? rng_.Real(50, 1500) : rng_.Real(0, 1000);
        const double rise = rng_.Real(5, 300);
        start_ = top;
        end_ = gravity ? top - rise : top + rise;
        const double noise = rise * rng_.Real(0, 0.2); // the most a node strays from the line
        double chainage = rng_.Real(0, 100), diameter = rng_.Real(0.1, 1.5);
        const double wall = rng_.Real(0.003, 0.02);
        // A crest: one node above the straight line between the reservoirs,
        // now and then even above the higher one.
        const int crest = rng_.Chance(25) ? rng_.Whole(2, n_) : 0;
        const double crestRise = rng_.Chance(15) ? rng_.Real(0, 20) : -rng_.Real(0.5, 20);
        for (int k = 1; k <= n_; ++k) {
            const double along = n_ > 1 ? static_cast<double>(k - 1) / (n_ - 1) : 0.0;
            const double stray = rng_.Real(-1, 1) * noise * std::min(along, 1.0 - along);
            double z = start_ + (end_ - start_) * along - rng_.Real(0, 5) + stray;
            if (k == crest) z = std::max(start_, end_) + crestRise;
            if (rng_.Chance(8)) diameter = rng_.Real(0.1, 1.5);
            s.NodeElevation[k] = InUnits(z, LengthUnits, units_.length);
            s.NodeAccumulatedLength[k] = InUnits(chainage, LengthUnits, units_.chainage);
            s.PipeDiameter[k] = DimensionInUnits(diameter, units_.dimension);
            s.WallThickness[k] = DimensionInUnits(wall, units_.dimension);
            s.PipeCostPerMetre[k] = rng_.Float(100, 5000);
            s.SecondaryLoss[k] = rng_.Chance(20) ? rng_.Float(0, 3) : 0.0f;
            s.NodeTypeCode[k] = static_cast<int16_t>(rng_.Whole(0, 9));
            const double length = rng_.Chance(3) ? 0.0 : rng_.Real(20, 600);
            if (k < n_)
                lossCoefficient_ +=
                    (TypicalFrictionFactor * length / diameter + s.SecondaryLoss[k]) /
                    (TwoG * Area(diameter) * Area(diameter));
            if (k == 1) designArea_ = Area(diameter);
            chainage += length;
        }
        s.NodeCount = static_cast<int16_t>(n_);
        s.StartReservoirLevel = InUnits(start_, LengthUnits, units_.length);
        s.EndReservoirLevel = InUnits(end_, LengthUnits, units_.length);
        s.LiningSystem = static_cast<int16_t>(rng_.Whole(0, 1));
        s.LiningThickness = DimensionInUnits(rng_.Real(0.005, 0.02), units_.dimension);
        const double ks = rng_.Real(0.00001, 0.0005);
        s.RoughnessNew = DimensionInUnits(ks, units_.dimension);
        s.RoughnessOld = DimensionInUnits(ks * rng_.Real(1, 20), units_.dimension);
        s.DeteriorationYears = rng_.Float(2, 60);
    }

    static double Area(double diameter) { return Pi * diameter * diameter / 4.0; }

    void SetDemand()
    {
        ProjectStore& s = *s_;
        designFlow_ = designArea_ * rng_.Real(0.3, 3.0); // m³/s at 0.3 to 3 m/s
        const double demand = designFlow_ * rng_.Real(0.5, 1.5);
        s.FixedDemandUnit = s.YearDemandUnit = static_cast<int16_t>(units_.demand);
        s.FixedDemand = InUnits(demand, FlowUnits, units_.demand);
        s.DemandMode = static_cast<int16_t>(rng_.Whole(0, 1));
        float year = s.FixedDemand;
        const float growth = rng_.Float(0.98, 1.05);
        for (int y = 1; y <= MaxYears; ++y) {
            s.YearDemand[y] = year;
            year *= growth;
        }
    }

    void SetPumping()
    {
        ProjectStore& s = *s_;
        s.PumpCurveGiven = kind_ == GeneratedKind::PumpCurve ? 1 : 0;
        s.OperatingFlowRateUnit = static_cast<int16_t>(units_.operating);
        s.OperatingFlowRate =
            InUnits(designFlow_ * rng_.Real(0.5, 1.5), OperatingFlowUnits, units_.operating);
        s.OperatingEfficiency = rng_.Float(40, 90);
        s.PumpingHours = static_cast<int16_t>(rng_.Whole(1, 24));
        s.SummerMonths = static_cast<int16_t>(rng_.Whole(0, 12));
        for (int h = 1; h <= 24; ++h) {
            s.SummerHourPeriod[h] = static_cast<int16_t>(rng_.Whole(0, 2));
            s.WinterHourPeriod[h] = static_cast<int16_t>(rng_.Whole(0, 2));
        }
        for (float* tariff : {&s.TariffSummerPeak, &s.TariffSummerStandard, &s.TariffSummerOffPeak,
                              &s.TariffWinterPeak, &s.TariffWinterStandard, &s.TariffWinterOffPeak})
            *tariff = rng_.Float(0.1, 3);
        if (kind_ == GeneratedKind::PumpCurve) SetPumpCurve();
    }

    // Estimated system head at flow q (m): the static lift and the losses.
    double SystemHeadNear(double q) const { return end_ - start_ + lossCoefficient_ * q * q; }

    void SetPumpCurve()
    {
        static constexpr PumpCurveLie Lies[] = {
            PumpCurveLie::Crosses,    PumpCurveLie::Crosses,       PumpCurveLie::Crosses,
            PumpCurveLie::Crosses,    PumpCurveLie::Crosses,       PumpCurveLie::Below,
            PumpCurveLie::AboveRange, PumpCurveLie::TouchesAPoint, PumpCurveLie::ShutOffOnLift,
        };
        const PumpCurveLie lie = Lies[rng_.Whole(0, 8)];
        const double qd = designFlow_;
        const double hd = SystemHeadNear(qd);
        const double shutOff = hd * rng_.Real(1.1, 1.8);
        double q1 = rng_.Chance(50) ? 0.0 : qd * rng_.Real(0.05, 0.5);
        double q6 = qd * rng_.Real(1.2, 2.5);
        if (lie == PumpCurveLie::AboveRange) q6 = q1 + qd * rng_.Real(0.05, 0.4);
        if (lie == PumpCurveLie::ShutOffOnLift) q1 = 0.0;
        std::array<double, 7> q{}, h{};
        std::vector<double> at = {0.0, 1.0};
        const bool even = rng_.Chance(50);
        for (int k = 2; k <= 5; ++k)
            at.push_back(even ? (k - 1) / 5.0 : rng_.Real(0.02, 0.98));
        std::sort(at.begin(), at.end());
        for (int k = 1; k <= 6; ++k) {
            q[k] = q1 + (q6 - q1) * at[k - 1];
            const double share = q[k] / qd;
            h[k] = std::max(0.0, shutOff - (shutOff - hd) * share * share);
        }
        ShapeToTheLie(lie, q, h);
        ProjectStore& s = *s_;
        s.PumpCurveGiven = 1;
        s.CurveHeadUnit = static_cast<int16_t>(units_.curveHead);
        s.CurveFlowUnit = static_cast<int16_t>(units_.curveFlow);
        for (int k = 1; k <= 6; ++k) {
            s.PumpCurve[1][k] = InUnits(h[k], PumpHeadUnits, units_.curveHead);
            s.PumpCurve[2][k] = InUnits(q[k], PumpCurveFlowUnits, units_.curveFlow);
            s.PumpCurve[3][k] = rng_.Float(30, 85);
        }
        if (lie == PumpCurveLie::ShutOffOnLift && !units_.us)
            s.PumpCurve[1][1] = s.EndReservoirLevel - s.StartReservoirLevel;
    }

    void ShapeToTheLie(PumpCurveLie lie, std::array<double, 7>& q, std::array<double, 7>& h)
    {
        const double lift = end_ - start_;
        switch (lie) {
        case PumpCurveLie::Crosses:
            break;
        case PumpCurveLie::Below: {
            const double scale = lift / h[1] * rng_.Real(0.3, 0.95);
            for (int k = 1; k <= 6; ++k)
                h[k] *= scale;
            break;
        }
        case PumpCurveLie::AboveRange:
            for (int k = 1; k <= 6; ++k)
                h[k] = SystemHeadNear(q[6]) * (2.0 - 0.05 * k) + 1.0;
            break;
        case PumpCurveLie::TouchesAPoint: {
            const int k = rng_.Whole(2, 5);
            h[k] = SystemHeadNear(q[k]);
            for (int j = k + 1; j <= 6; ++j)
                h[j] = std::min(h[j], h[k] * (1.0 - 0.02 * (j - k)));
            break;
        }
        case PumpCurveLie::ShutOffOnLift:
            h[1] = lift;
            for (int k = 2; k <= 6; ++k)
                h[k] = lift * (1.0 - 0.1 * k);
            break;
        }
    }

    void SetCosts()
    {
        ProjectStore& s = *s_;
        for (int k = 1; k <= 14; ++k)
            s.LayingCost[k] = rng_.Float(0, 400);
        for (int k = 9; k <= 11; ++k)
            s.LayingCost[k] = rng_.Float(0, 100); // shares, %
        s.LayingCost[12] = rng_.Float(0.5, 2.0);  // cover
        s.LayingCost[13] = rng_.Float(0.05, 0.3); // below the invert
        s.MechanicalWorksCost = rng_.Float(0, 1e7);
        s.ElectricalWorksCost = rng_.Float(0, 5e6);
        s.PrelimGeneralPercent = rng_.Float(0, 20);
        s.ContingencyPercent = rng_.Float(0, 20);
        s.DiscountRate = rng_.Float(0, 15);
        s.EscalationRate = rng_.Float(0, 10);
        s.EnergyEscalationRate = rng_.Float(0, 12);
        s.SupervisionFees = rng_.Float(0, 1e6);
        s.MaintenanceMechanical = static_cast<int16_t>(rng_.Whole(0, 500));
        s.MaintenanceElectrical = static_cast<int16_t>(rng_.Whole(0, 500));
        s.MaintenancePipeline = static_cast<int16_t>(rng_.Whole(0, 200));
        s.WaterPriceUnit = static_cast<int16_t>(units_.salesVolume);
        s.WaterPrice = rng_.Float(0.1, 20);
        s.WaterPriceIncrease = rng_.Float(0, 10);
        for (int k = 1; k <= 8; ++k)
            if (rng_.Chance(40)) s.StaffCost[k] = {0, rng_.Float(1e5, 1e6), rng_.Float(0, 100)};
        for (int k = 1; k <= 5; ++k)
            if (rng_.Chance(30)) s.OtherExpenseAmount[k] = rng_.Float(0, 5e5);
    }

    // Inputs the run refuses or fails on, each at its own stage.
    void AddDefect()
    {
        ProjectStore& s = *s_;
        switch (rng_.Whole(0, 4)) {
        case 0:
            s.DeteriorationYears = 1; // roughness ageing divides by zero
            break;
        case 1:
            s.SupplyStartYear = static_cast<int16_t>(s.BaseYear + MaxYears - s.DesignLife + 1);
            break;
        case 2:
            s.PipeDiameter[rng_.Whole(1, n_)] = -1; // refused by the input check
            break;
        case 3:
            s.WallThickness[rng_.Whole(1, n_)] = s.PipeDiameter[1]; // no inside diameter
            break;
        default:
            std::swap(s.PumpCurve[2][2], s.PumpCurve[2][4]); // flows not rising
            break;
        }
    }

    SplitMix64 rng_;
    GeneratedKind kind_;
    EntryUnits units_;
    std::unique_ptr<ProjectStore> s_;
    int n_ = 0;
    double start_ = 0, end_ = 0; // reservoir levels, m
    double lossCoefficient_ = 0; // estimated hf + hs of the whole main per (m³/s)², m
    double designArea_ = 0;      // flow area of the first pipe, m²
    double designFlow_ = 0;      // m³/s
};

} // namespace

std::unique_ptr<ProjectStore> GeneratedProject(int index)
{
    // Half the projects have a pump curve, the rest are gravity mains and
    // pumping mains at an operating flow.
    static constexpr GeneratedKind Kinds[] = {GeneratedKind::PumpCurve, GeneratedKind::Gravity,
                                              GeneratedKind::PumpCurve,
                                              GeneratedKind::OperatingFlow};
    return Builder(index, Kinds[index % 4]).Build();
}

} // namespace vemora::test
