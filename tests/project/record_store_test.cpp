#include <gtest/gtest.h>

#include "project/ProfileNodes.h"
#include "project/ProjectFile.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"
#include "project/TextCodec.h"
#include "test_files.h"

namespace vemora {
namespace {

// A pumping project with a value in every pumping field.
ProjectRecord PumpingProject()
{
    ProjectStore store;
    store.SystemType = 1;
    WriteNewProjectDefaults(store, "03/04/2025");
    ProjectRecord r = store.ProjectRec;
    r.ProjectName = FitToWidth("Riverside pumping main", 80);
    r.PumpCurveGiven = 1;
    for (int k = 1; k <= 6; ++k) {
        r.PumpCurve[1][k] = 100.0f - 10 * k;
        r.PumpCurve[2][k] = 0.05f * k;
        r.PumpCurve[3][k] = 50.0f + k;
    }
    r.CurveHeadUnit = 1;
    r.CurveFlowUnit = 3;
    r.OperatingEfficiency = 66;
    r.OperatingFlowRate = 0.4f;
    r.OperatingFlowRateUnit = 9;
    r.SummerMonths = 4;
    r.PumpingHours = 18;
    r.TariffSummerPeak = 1.5f;
    r.TariffSummerStandard = 0.9f;
    r.TariffSummerOffPeak = 0.4f;
    r.TariffWinterPeak = 1.7f;
    r.TariffWinterStandard = 1.1f;
    r.TariffWinterOffPeak = 0.5f;
    for (int h = 1; h <= 24; ++h) {
        r.SummerHourPeriod[h] = static_cast<int16_t>(h % 3);
        r.WinterHourPeriod[h] = static_cast<int16_t>((h + 1) % 3);
    }
    r.PumpType = FitToWidth("Acme Omega 200", 100);
    r.PumpDescription = FitToWidth("Two duty, one standby", 1000);
    r.LayingCost[3] = 45;
    r.ReservedValue = 2.5f;
    r.LiningSystem = 1;
    r.LiningThickness = 12;
    r.LiningThicknessUnit = 0;
    return r;
}

TEST(RecordStore, PumpingRecordSurvivesLoadAndSaveCopies)
{
    const ProjectRecord original = PumpingProject();
    ProjectStore store;
    CopyRecordToStore(original, store);
    ProjectRecord saved; // ReservedValue is never copied from the store
    saved.ReservedValue = original.ReservedValue;
    CopyStoreToRecord(store, saved);
    EXPECT_TRUE(saved == original);
    EXPECT_EQ(EncodeRecord(saved), EncodeRecord(original));
}

TEST(RecordStore, GravitySaveAfterPumpingLoadKeepsThePumpingBytes)
{
    test::TempFolder folder;
    const std::string pumpingFile = folder.File("pumping.kpj");
    const std::string gravityFile = folder.File("gravity.kpj");
    int64_t number = 0;
    ASSERT_EQ(WriteProjectFile(pumpingFile, PumpingProject(), number), FileStatus::Ok);

    // Open the pumping project, then switch it to gravity and change what the
    // store holds of the pump: none of it may reach the gravity file.
    ProjectStore store;
    ASSERT_EQ(ReadProjectFile(pumpingFile, store.ProjectRec, number), FileStatus::Ok);
    CopyRecordToStore(store.ProjectRec, store);
    store.SystemType = 0;
    store.PumpType = "changed";
    store.PumpingHours = 3;
    store.TariffWinterPeak = 99;
    store.PumpCurve[1][1] = 1;
    store.CurveFlowUnit = 0;
    store.SummerHourPeriod[5] = 2;
    store.OperatingEfficiency = 55; // saved for both system types
    CopyStoreToRecord(store, store.ProjectRec);
    ASSERT_EQ(WriteProjectFile(gravityFile, store.ProjectRec, number), FileStatus::Ok);

    const std::string pumping = test::ReadBytes(pumpingFile);
    const std::string gravity = test::ReadBytes(gravityFile);
    ASSERT_EQ(gravity.size(), 16650u);
    EXPECT_EQ(gravity[0], 0);
    EXPECT_EQ(gravity.substr(15318, 15394 - 15318), pumping.substr(15318, 15394 - 15318));
    EXPECT_EQ(gravity.substr(15418), pumping.substr(15418));
    EXPECT_NE(gravity.substr(15394, 4), pumping.substr(15394, 4));
    EXPECT_EQ(gravity.substr(15220, 4), pumping.substr(15220, 4)); // ReservedValue
}

TEST(RecordStore, GravityLoadLeavesThePumpValuesOfTheStore)
{
    ProjectStore store;
    CopyRecordToStore(PumpingProject(), store);
    ProjectRecord gravity = PumpingProject();
    gravity.SystemType = 0;
    gravity.PumpingHours = 2;
    gravity.TariffSummerPeak = 7;
    gravity.PumpCurve[3][6] = 1;
    gravity.PumpType = FitToWidth("other", 100);
    gravity.OperatingEfficiency = 10;
    gravity.DesignLife = 44;
    gravity.PumpCurveGiven = 2; // not checked on a gravity record
    CopyRecordToStore(gravity, store);
    EXPECT_EQ(store.SystemType, 0);
    EXPECT_EQ(store.PumpCurveGiven, 1);
    EXPECT_EQ(store.DesignLife, 44);
    EXPECT_EQ(store.PumpingHours, 18);
    EXPECT_EQ(store.TariffSummerPeak, 1.5f);
    EXPECT_EQ(store.PumpCurve[3][6], 56.0f);
    EXPECT_EQ(TrimBlanks(store.PumpType), "Acme Omega 200");
    EXPECT_EQ(store.OperatingEfficiency, 66.0f);
}

TEST(RecordStore, AGravitySaveStoresNoEnergyEscalation)
{
    ProjectStore store;
    CopyRecordToStore(PumpingProject(), store);
    ASSERT_EQ(store.EnergyEscalationRate, 7.5f);
    ProjectRecord rec = PumpingProject();
    CopyStoreToRecord(store, rec);
    EXPECT_EQ(rec.EnergyEscalationRate, 7.5f);

    store.SystemType = 0;
    CopyStoreToRecord(store, rec);
    EXPECT_EQ(rec.EnergyEscalationRate, 0.0f);
    ProjectStore loaded;
    CopyRecordToStore(rec, loaded);
    EXPECT_EQ(loaded.EnergyEscalationRate, 0.0f);
}

TEST(RecordStore, EpoxyLiningLoadsWithoutThickness)
{
    ProjectRecord rec = PumpingProject();
    rec.LiningSystem = 0;
    rec.LiningThickness = 8;
    rec.LiningThicknessUnit = 2;
    ProjectStore store;
    CopyRecordToStore(rec, store);
    EXPECT_EQ(store.LiningThickness, 0.0f);
    EXPECT_EQ(store.LiningThicknessUnit, 0);
}

TEST(RecordStore, TextsAreConvertedCutAndPadded)
{
    ProjectStore store;
    CopyRecordToStore(PumpingProject(), store);
    store.ProjectName = std::string(90, 'x');
    store.Designer = "Zoë Müller € 日本";
    store.PumpType = "   centred   ";
    store.PumpDescription = std::string(1200, 'd');
    store.ProjectDescription = std::string(300, '\xC3'); // malformed UTF-8
    for (size_t i = 1; i < store.ProjectDescription.size(); i += 2)
        store.ProjectDescription[i] = 'a';
    ProjectRecord rec;
    CopyStoreToRecord(store, rec);
    EXPECT_EQ(rec.ProjectName, std::string(80, 'x'));
    EXPECT_EQ(rec.Designer, FitToWidth("Zo\xEB M\xFCller \x80 ??", 80));
    EXPECT_EQ(rec.PumpType, FitToWidth("centred", 100));
    EXPECT_EQ(rec.PumpDescription, std::string(1000, 'd'));
    EXPECT_EQ(rec.ProjectDescription.size(), 500u);

    // 80 accented letters take 160 bytes in UTF-8 and exactly fill the field.
    std::string accents;
    for (int i = 0; i < 85; ++i)
        accents += "é";
    store.ProjectName = accents;
    CopyStoreToRecord(store, rec);
    EXPECT_EQ(rec.ProjectName, std::string(80, '\xE9'));

    ProjectStore loaded;
    CopyRecordToStore(rec, loaded);
    EXPECT_EQ(loaded.Designer, "Zoë Müller € ??" + std::string(65, ' '));
    EXPECT_EQ(loaded.PumpDescription.size(), 1000u);
}

TEST(TextCodec, EveryCodePageByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
    EXPECT_EQ(Windows1252ToUtf8("\x80\x96\xB0"), "€–°");
}

// The New defaults for one unit system (of the project held before) and the
// currency preference held now.
ProjectRecord NewAfter(int16_t unitSystem, int16_t storeCurrency)
{
    ProjectStore store;
    store.ProjectRec.UnitSystem = unitSystem;
    store.UnitSystem = unitSystem == 0 ? 1 : 0; // the store's own value must not matter
    store.CurrencyCode = storeCurrency;
    WriteNewProjectDefaults(store, "05/06/2026");
    return store.ProjectRec;
}

TEST(NewProjectDefaults, WaterPriceFollowsUnitSystemAndCurrency)
{
    EXPECT_EQ(NewAfter(0, 0).WaterPrice, 2.0f);
    EXPECT_EQ(NewAfter(0, 1).WaterPrice, 0.5f);
    EXPECT_EQ(NewAfter(1, 0).WaterPrice, 0.5f);
    EXPECT_EQ(NewAfter(1, 1).WaterPrice, 0.05f);
    EXPECT_EQ(NewAfter(1, 3).WaterPrice, 0.05f); // any non-zero code is Dollar
    EXPECT_EQ(NewAfter(5, 0).WaterPrice, 0.5f);  // any non-zero unit system is US
}

TEST(NewProjectDefaults, UnitCodesFollowTheUnitSystem)
{
    struct Codes
    {
        int16_t fixedDemand, yearDemand, length, dimension, waterPrice, head, curveFlow, operating;
    };
    const auto codesOf = [](const ProjectRecord& r) {
        for (int16_t v : {r.EndReservoirLevelUnit, r.ElevationUnit, r.ChainageUnit})
            EXPECT_EQ(v, r.StartReservoirLevelUnit);
        for (int16_t v :
             {r.WallThicknessUnit, r.LiningThicknessUnit, r.RoughnessNewUnit, r.RoughnessOldUnit})
            EXPECT_EQ(v, r.DiameterUnit);
        return Codes{r.FixedDemandUnit, r.YearDemandUnit,       r.StartReservoirLevelUnit,
                     r.DiameterUnit,    r.WaterPriceUnit,       r.CurveHeadUnit,
                     r.CurveFlowUnit,   r.OperatingFlowRateUnit};
    };
    const Codes metric = codesOf(NewAfter(0, 0));
    const Codes us = codesOf(NewAfter(1, 1));
    EXPECT_EQ(std::tie(metric.fixedDemand, metric.yearDemand, metric.length, metric.dimension,
                       metric.waterPrice, metric.head, metric.curveFlow, metric.operating),
              std::make_tuple(3, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(std::tie(us.fixedDemand, us.yearDemand, us.length, us.dimension, us.waterPrice,
                       us.head, us.curveFlow, us.operating),
              std::make_tuple(4, 4, 2, 2, 2, 1, 2, 3));
}

TEST(NewProjectDefaults, StartUpProject)
{
    ProjectStore store; // zero-filled record, gravity
    WriteNewProjectDefaults(store, "05/06/2026");
    const ProjectRecord& r = store.ProjectRec;
    EXPECT_EQ(r.SystemType, 0);
    EXPECT_EQ(r.UnitSystem, 0);
    EXPECT_EQ(r.CurrencyCode, 0);
    EXPECT_EQ(r.WaterPrice, 2.0f);
    EXPECT_EQ(r.DesignLife, 30);
    EXPECT_EQ(r.BaseYear, 2001);
    EXPECT_EQ(r.SupplyStartYear, 2001);
    EXPECT_EQ(r.MaintenanceMechanical, 25);
    EXPECT_EQ(r.MaintenanceElectrical, 200);
    EXPECT_EQ(r.MaintenancePipeline, 25);
    EXPECT_EQ(r.DiscountRate, 8.0f);
    EXPECT_EQ(r.EscalationRate, 10.0f);
    EXPECT_EQ(r.EnergyEscalationRate, 7.5f);
    EXPECT_EQ(r.WaterPriceIncrease, 5.0f);
    EXPECT_EQ(r.PrelimGeneralPercent, 10.0f);
    EXPECT_EQ(r.ContingencyPercent, 10.0f);
    EXPECT_EQ(r.SummerMonths, 6);
    EXPECT_EQ(r.PumpingHours, 20);
    EXPECT_EQ(r.OperatingEfficiency, 70.0f);
    EXPECT_EQ(r.StaffPackage[1], 300000.0f);
    EXPECT_EQ(r.StaffPackage[8], 130000.0f);
    EXPECT_EQ(r.ProjectDate, FitToWidth("05/06/2026", 20));
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(r.NodeElevation[i], 0.0f);
        EXPECT_EQ(r.NodeAccumulatedLength[i], 0.0f);
    }
    for (int i = 3; i <= 500; ++i) {
        ASSERT_EQ(r.NodeElevation[i], 999999.0f) << i;
        ASSERT_EQ(r.NodeAccumulatedLength[i], 999999.0f) << i;
    }
    EXPECT_EQ(r.NodeNumber[1], 1);
    EXPECT_EQ(r.NodeNumber[500], 500);
}

TEST(NewProjectDefaults, KeepsWhatNewLeavesAndClearsTheRest)
{
    ProjectStore store;
    store.SystemType = 0;
    store.ProjectRec = PumpingProject();
    store.ProjectRec.CurrencyCode = 1;
    store.ProjectRec.YearDemand[17] = 5;
    store.ProjectRec.WallThickness[9] = 6;
    store.ProjectRec.SecondaryLoss[500] = 0.3f;
    store.ProjectRec.NodeTypeCode[2] = 4;
    const ProjectRecord before = store.ProjectRec;
    WriteNewProjectDefaults(store, "05/06/2026");
    const ProjectRecord& r = store.ProjectRec;

    // Left as held: unit system, currency, laying rates, tariffs, hour patterns.
    EXPECT_EQ(r.UnitSystem, before.UnitSystem);
    EXPECT_EQ(r.CurrencyCode, 1);
    EXPECT_EQ(r.LayingCost, before.LayingCost);
    EXPECT_EQ(r.TariffSummerPeak, before.TariffSummerPeak);
    EXPECT_EQ(r.TariffWinterOffPeak, before.TariffWinterOffPeak);
    EXPECT_EQ(r.SummerHourPeriod, before.SummerHourPeriod);
    EXPECT_EQ(r.WinterHourPeriod, before.WinterHourPeriod);
    EXPECT_EQ(r.ReservedValue, before.ReservedValue);

    // Everything else is back at its default.
    EXPECT_EQ(r.SystemType, 0);
    EXPECT_EQ(r.YearDemand[17], 0.0f);
    EXPECT_EQ(r.WallThickness[9], 0.0f);
    EXPECT_EQ(r.SecondaryLoss[500], 0.0f);
    EXPECT_EQ(r.NodeTypeCode[2], 0);
    EXPECT_EQ(r.PumpCurveGiven, 0);
    EXPECT_EQ(r.PumpCurve[3][1], 0.0f);
    EXPECT_EQ(r.PumpType, std::string(100, ' '));
    EXPECT_EQ(r.ProjectName, std::string(80, ' '));
    EXPECT_EQ(r.LiningSystem, 0);
    EXPECT_EQ(r.LiningThickness, 0.0f);
    EXPECT_EQ(r.OperatingFlowRate, 0.0f);
}

} // namespace
} // namespace vemora

TEST(ProfileNodes, CountStopsAtTheFirstEmptyNodeAndIsAtLeastTwo)
{
    vemora::ProjectStore s;
    for (int i = 1; i <= vemora::MaxNodes; ++i)
        s.NodeElevation[i] = s.NodeAccumulatedLength[i] = vemora::UnusedNode;
    EXPECT_EQ(vemora::ProfileNodeCount(s), 2);
    for (int i = 1; i <= 7; ++i)
        s.NodeElevation[i] = s.NodeAccumulatedLength[i] = 0;
    s.NodeElevation[9] = 5; // beyond the first empty node: not counted
    EXPECT_EQ(vemora::ProfileNodeCount(s), 7);
    s.NodeAccumulatedLength[8] = 100; // half-empty node counts as used
    EXPECT_EQ(vemora::ProfileNodeCount(s), 9);
    for (int i = 1; i <= vemora::MaxNodes; ++i)
        s.NodeElevation[i] = 1;
    EXPECT_EQ(vemora::ProfileNodeCount(s), 500);
}
