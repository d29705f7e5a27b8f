// The project record: the fixed-length image of one project as saved in a
// .kpj file (16,650 bytes, little-endian, no header). Fields hold their
// decoded values; text fields hold the file's Windows-1252 bytes, blank-padded
// to exactly their width (the copies to and from the store convert to UTF-8).
// Arrays are 1-based: element 0 is unused and never written.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vemora {

struct ProjectRecord
{
    static constexpr int Size = 16650;

    // Widths of the text fields, in bytes.
    static constexpr int ProjectNameWidth = 80;
    static constexpr int DesignerWidth = 80;
    static constexpr int ProjectDateWidth = 20;
    static constexpr int ProjectDescriptionWidth = 500;
    static constexpr int PumpTypeWidth = 100;
    static constexpr int PumpDescriptionWidth = 1000;

    int16_t SystemType = 0;
    int16_t UnitSystem = 0;
    int16_t CurrencyCode = 0;
    std::string ProjectName = std::string(ProjectNameWidth, ' ');
    std::string Designer = std::string(DesignerWidth, ' ');
    std::string ProjectDate = std::string(ProjectDateWidth, ' ');
    std::string ProjectDescription = std::string(ProjectDescriptionWidth, ' ');
    float FixedDemand = 0;
    int16_t FixedDemandUnit = 0;
    int16_t DemandMode = 0;
    int16_t DesignLife = 0;
    int16_t BaseYear = 0;
    int16_t SupplyStartYear = 0;
    std::array<float, 101> YearDemand{};
    int16_t YearDemandUnit = 0;
    float StartReservoirLevel = 0;
    float EndReservoirLevel = 0;
    int16_t StartReservoirLevelUnit = 0;
    int16_t EndReservoirLevelUnit = 0;
    std::array<int16_t, 501> NodeNumber{};
    std::array<float, 501> NodeElevation{};
    std::array<float, 501> NodeAccumulatedLength{};
    std::array<float, 501> PipeDiameter{};
    std::array<float, 501> PipeCostPerMetre{};
    std::array<float, 501> SecondaryLoss{};
    std::array<int16_t, 501> NodeTypeCode{};
    std::array<float, 501> WallThickness{};
    int16_t WallThicknessUnit = 0;
    int16_t LiningSystem = 0;
    float LiningThickness = 0;
    int16_t LiningThicknessUnit = 0;
    float RoughnessNew = 0;
    float RoughnessOld = 0;
    float DeteriorationYears = 0;
    int16_t RoughnessNewUnit = 0;
    int16_t RoughnessOldUnit = 0;
    int16_t DiameterUnit = 0;
    int16_t ElevationUnit = 0;
    int16_t ChainageUnit = 0;
    std::array<float, 15> LayingCost{};
    float DiscountRate = 0;
    float EscalationRate = 0;
    float EnergyEscalationRate = 0;
    int16_t MaintenanceMechanical = 0;
    int16_t MaintenanceElectrical = 0;
    int16_t MaintenancePipeline = 0;
    float ReservedValue = 0;
    float WaterPrice = 0;
    int16_t WaterPriceUnit = 0;
    std::array<float, 9> StaffPackage{};
    std::array<float, 9> StaffTimePercent{};
    std::array<float, 6> OtherExpenseAmount{};
    float SupervisionFees = 0;
    std::array<std::array<float, 7>, 4> PumpCurve{}; // [1..3][1..6]: head, flow, efficiency
    int16_t CurveHeadUnit = 0;
    int16_t CurveFlowUnit = 0;
    float OperatingEfficiency = 0;
    float WaterPriceIncrease = 0;
    float MechanicalWorksCost = 0;
    float ElectricalWorksCost = 0;
    float PrelimGeneralPercent = 0;
    float ContingencyPercent = 0;
    int16_t PumpCurveGiven = 0;
    int16_t SummerMonths = 0;
    float TariffSummerPeak = 0;
    float TariffSummerStandard = 0;
    float TariffSummerOffPeak = 0;
    float TariffWinterPeak = 0;
    float TariffWinterStandard = 0;
    float TariffWinterOffPeak = 0;
    std::array<int16_t, 25> SummerHourPeriod{};
    std::array<int16_t, 25> WinterHourPeriod{};
    float OperatingFlowRate = 0;
    int16_t OperatingFlowRateUnit = 0;
    int16_t PumpingHours = 0;
    std::string PumpType = std::string(PumpTypeWidth, ' ');
    std::string PumpDescription = std::string(PumpDescriptionWidth, ' ');

    bool operator==(const ProjectRecord&) const = default;
};

} // namespace vemora
