// Inputs that would give meaningless figures end the run as a failure.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <set>
#include <stdexcept>

#include "EngineProjects.h"
#include "engine/AnalysisInputCheck.h"
#include "engine/AnalysisReasons.h"
#include "engine/AnalysisRun.h"

namespace vemora {
namespace {

using test::GravityProject;
using test::PumpingProject;

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Inf = std::numeric_limits<float>::infinity();

std::unique_ptr<ProjectStore> Gravity()
{
    auto s = GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}});
    test::AddCosts(*s);
    return s;
}

std::unique_ptr<ProjectStore> OperatingFlow()
{
    auto s = PumpingProject(0, 50, {{0, 0}, {20, 500}, {45, 1000}});
    test::AddCosts(*s);
    s->EnergyEscalationRate = 7;
    return s;
}

std::unique_ptr<ProjectStore> PumpCurve()
{
    auto s = OperatingFlow();
    test::SetPumpCurve(*s, test::TypicalPumpCurve);
    return s;
}

AnalysisStatus Analyse(ProjectStore& s, float supervision = 1000)
{
    auto r = std::make_unique<ResultsStore>();
    const AnalysisOutcome outcome = RunAnalysis(s, *r, supervision);
    if (outcome.Status != AnalysisStatus::Completed) {
        EXPECT_FALSE(outcome.Flags.ResultsValid);
    }
    return outcome.Status;
}

using Field = std::function<float&(ProjectStore&)>;
#define REAL(expr) #expr, [](ProjectStore & s) -> float& { return s.expr; }

struct Input
{
    const char* name;
    Field field;
};

// Every real input each kind of project uses; those that may be negative last.
const Input CommonInputs[] = {
    {REAL(FixedDemand)},
    {REAL(PipeDiameter[1])},
    {REAL(PipeDiameter[3])},
    {REAL(WallThickness[3])},
    {REAL(SecondaryLoss[1])},
    {REAL(SecondaryLoss[3])},
    {REAL(PipeCostPerMetre[2])},
    {REAL(LiningThickness)},
    {REAL(RoughnessNew)},
    {REAL(RoughnessOld)},
    {REAL(LayingCost[1])},
    {REAL(LayingCost[8])},
    {REAL(LayingCost[9])},
    {REAL(LayingCost[11])},
    {REAL(LayingCost[13])},
    {REAL(MechanicalWorksCost)},
    {REAL(ElectricalWorksCost)},
    {REAL(PrelimGeneralPercent)},
    {REAL(ContingencyPercent)},
    {REAL(DiscountRate)},
    {REAL(WaterPrice)},
    {REAL(StaffCost[1][1])},
    {REAL(StaffCost[8][2])},
    {REAL(OtherExpenseAmount[5])},
    {REAL(EscalationRate)},
    {REAL(WaterPriceIncrease)},
    {REAL(DeteriorationYears)},
    {REAL(StartReservoirLevel)},
    {REAL(EndReservoirLevel)},
    {REAL(NodeElevation[2])},
    {REAL(NodeAccumulatedLength[3])},
};
const Input PumpingInputs[] = {
    {REAL(TariffSummerPeak)},     {REAL(TariffSummerStandard)}, {REAL(TariffSummerOffPeak)},
    {REAL(TariffWinterPeak)},     {REAL(TariffWinterStandard)}, {REAL(TariffWinterOffPeak)},
    {REAL(EnergyEscalationRate)},
};
const Input OperatingFlowInputs[] = {{REAL(OperatingFlowRate)}, {REAL(OperatingEfficiency)}};
const Input PumpCurveInputs[] = {{REAL(PumpCurve[1][1])}, {REAL(PumpCurve[1][6])},
                                 {REAL(PumpCurve[2][1])}, {REAL(PumpCurve[2][6])},
                                 {REAL(PumpCurve[3][1])}, {REAL(PumpCurve[3][6])}};

// Yearly growth rates (%): a fall in prices is negative.
const std::set<std::string> GrowthRates = {"EscalationRate", "WaterPriceIncrease",
                                           "EnergyEscalationRate"};

struct Project
{
    const char* name;
    std::unique_ptr<ProjectStore> (*make)();
    std::vector<const Input*> inputs;
};

std::vector<Project> Projects()
{
    std::vector<Project> projects = {{"gravity", Gravity, {}},
                                     {"operating flow", OperatingFlow, {}},
                                     {"pump curve", PumpCurve, {}}};
    for (Project& p : projects) {
        for (const Input& i : CommonInputs)
            p.inputs.push_back(&i);
        if (p.make == Gravity) continue;
        for (const Input& i : PumpingInputs)
            p.inputs.push_back(&i);
        if (p.make == OperatingFlow)
            for (const Input& i : OperatingFlowInputs)
                p.inputs.push_back(&i);
        else
            for (const Input& i : PumpCurveInputs)
                p.inputs.push_back(&i);
    }
    return projects;
}

TEST(AnalysisInputCheck, TheProjectsOfTheseChecksCompleteAsTheyAre)
{
    for (const Project& p : Projects()) {
        auto s = p.make();
        const AnalysisFailure input = CheckAnalysisInputs(*s, 1000);
        EXPECT_TRUE(input.Ok()) << p.name << ": " << FailureReason(*s, input);
        EXPECT_EQ(Analyse(*s), AnalysisStatus::Completed) << p.name;
    }
}

TEST(AnalysisInputCheck, NaNAndInfinitiesInAnyInputTheRunUsesEndItAsAFailure)
{
    for (const Project& p : Projects())
        for (const Input* input : p.inputs)
            for (float bad : {NaN, Inf, -Inf}) {
                auto s = p.make();
                input->field(*s) = bad;
                EXPECT_EQ(Analyse(*s), AnalysisStatus::RunFailed)
                    << p.name << ": " << input->name << " = " << bad;
            }
    for (float bad : {NaN, Inf, -Inf}) {
        auto s = Gravity();
        EXPECT_EQ(Analyse(*s, bad), AnalysisStatus::RunFailed) << "supervision cost " << bad;
    }
}

TEST(AnalysisInputCheck, NegativeQuantitiesEndTheRunButNegativeLevelsDoNot)
{
    const std::set<std::string> mayBeNegative = {"StartReservoirLevel", "EndReservoirLevel",
                                                 "NodeElevation[2]", "NodeAccumulatedLength[3]",
                                                 "DeteriorationYears"};
    for (const Project& p : Projects())
        for (const Input* input : p.inputs) {
            if (mayBeNegative.count(input->name) || GrowthRates.count(input->name)) continue;
            auto s = p.make();
            float& value = input->field(*s);
            value = value == 0 ? -1.0f : -value;
            EXPECT_EQ(Analyse(*s), AnalysisStatus::RunFailed) << p.name << ": " << input->name;
        }
    auto s = Gravity();
    EXPECT_EQ(Analyse(*s, -1), AnalysisStatus::RunFailed);

    // The whole gravity line 1000 m lower flows as before.
    auto low = Gravity();
    low->StartReservoirLevel -= 1000;
    low->EndReservoirLevel -= 1000;
    for (int i = 1; i <= 3; ++i)
        low->NodeElevation[i] -= 1000;
    auto rLow = std::make_unique<ResultsStore>();
    auto rHigh = std::make_unique<ResultsStore>();
    auto high = Gravity();
    ASSERT_EQ(RunAnalysis(*low, *rLow, 1000).Status, AnalysisStatus::Completed);
    ASSERT_EQ(RunAnalysis(*high, *rHigh, 1000).Status, AnalysisStatus::Completed);
    EXPECT_FLOAT_EQ(rLow->YearFlow[1], rHigh->YearFlow[1]);

    // Falling prices are allowed; a fall of more than the whole price is not.
    for (const Project& p : Projects())
        for (const Input* rate : p.inputs) {
            if (!GrowthRates.count(rate->name)) continue;
            auto t = p.make();
            rate->field(*t) = -5;
            EXPECT_EQ(Analyse(*t), AnalysisStatus::Completed) << p.name << ": " << rate->name;
            rate->field(*t) = -100.5f;
            EXPECT_EQ(Analyse(*t), AnalysisStatus::RunFailed) << p.name << ": " << rate->name;
        }
}

TEST(AnalysisInputCheck, SharesAboveTheWholeAndHoursOutOfTheDayEndTheRun)
{
    for (int k : {9, 10, 11}) {
        auto s = Gravity();
        s->LayingCost[k] = 100;
        EXPECT_EQ(Analyse(*s), AnalysisStatus::Completed) << k;
        s->LayingCost[k] = 150; // more rock than trench: a negative soil share
        EXPECT_EQ(Analyse(*s), AnalysisStatus::RunFailed) << k;
    }
    for (auto spoil : std::vector<void (*)(ProjectStore&)>{
             [](ProjectStore& s) { s.PumpingHours = 0; },
             [](ProjectStore& s) { s.PumpingHours = 25; },
             [](ProjectStore& s) { s.SummerMonths = -1; },
             [](ProjectStore& s) { s.SummerMonths = 13; },
             [](ProjectStore& s) { s.MaintenancePipeline = -25; }}) {
        auto s = OperatingFlow();
        spoil(*s);
        EXPECT_EQ(Analyse(*s), AnalysisStatus::RunFailed);
    }
}

TEST(AnalysisInputCheck, ValuesTheRunDoesNotUseAreNotLookedAt)
{
    auto g = Gravity();
    g->PipeDiameter[4] = NaN;    // beyond NodeCount
    g->PipeCostPerMetre[3] = -1; // the last node starts no section
    g->YearDemand[5] = NaN;      // fixed demand is used
    g->LiningSystem = 0;
    g->LiningThickness = -Inf;    // Epoxy coated
    g->OperatingEfficiency = NaN; // gravity: no pump
    g->TariffWinterPeak = -1;
    g->PumpCurve[2][3] = Inf;
    g->EnergyEscalationRate = NaN;
    g->LayingCost[14] = NaN;  // never set, never used
    g->SupervisionFees = NaN; // the run takes the supervision cost it is given
    EXPECT_EQ(Analyse(*g), AnalysisStatus::Completed);

    auto varying = Gravity();
    varying->DemandMode = 1;
    varying->FixedDemand = NaN;
    for (int y = 1; y <= 10; ++y)
        varying->YearDemand[y] = 100;
    varying->YearDemand[11] = -Inf; // beyond the design life
    EXPECT_EQ(Analyse(*varying), AnalysisStatus::Completed);
    varying->YearDemand[10] = -1;
    EXPECT_EQ(Analyse(*varying), AnalysisStatus::RunFailed);

    auto curve = PumpCurve();
    curve->OperatingFlowRate = -1; // the pump curve gives the flow
    curve->OperatingEfficiency = NaN;
    EXPECT_EQ(Analyse(*curve), AnalysisStatus::Completed);
    auto flow = OperatingFlow();
    flow->PumpCurve[3][1] = NaN; // the operating flow is specified
    EXPECT_EQ(Analyse(*flow), AnalysisStatus::Completed);
}

// A level that is not a number or infinite, an infinite efficiency or
// discount rate, and a negative operating flow fail the run: analysed, each
// would give a made-up flow, no energy cost or an income NPV of 0.
TEST(AnalysisInputCheck, UnusableLevelsRatesAndFlowsNoLongerCompleteTheRun)
{
    auto endLevel = Gravity();
    endLevel->EndReservoirLevel = NaN; // would give a flow of 15 m³/s
    auto startLevel = OperatingFlow();
    startLevel->StartReservoirLevel = Inf; // would give no energy cost
    auto efficiency = OperatingFlow();
    efficiency->OperatingEfficiency = Inf; // would give no energy cost
    auto discount = Gravity();
    discount->DiscountRate = Inf; // would give an income NPV of 0
    auto flow = OperatingFlow();
    flow->OperatingFlowRate = -100; // would give negative flows, hours and energy
    for (ProjectStore* s :
         {endLevel.get(), startLevel.get(), efficiency.get(), discount.get(), flow.get()})
        EXPECT_EQ(Analyse(*s), AnalysisStatus::RunFailed);
    EXPECT_EQ(FailureReason(*flow, CheckAnalysisInputs(*flow, 0)),
              "The operating flow rate is negative.");
    EXPECT_EQ(FailureReason(*endLevel, CheckAnalysisInputs(*endLevel, 0)),
              "The end reservoir level is not a number.");
}

TEST(ResultsStore, IndexesOutsideTheTablesAreRefusedInEveryBuild)
{
    auto r = std::make_unique<ResultsStore>();
    EXPECT_NO_THROW(r->Gradeline(0, 1) = 1);
    EXPECT_NO_THROW(r->Gradeline(MaxNodes, MaxYears) = 1);
    EXPECT_THROW(r->Gradeline(MaxNodes + 1, 1), std::out_of_range);
    EXPECT_THROW(r->Gradeline(-1, 1), std::out_of_range);
    EXPECT_THROW(r->FrictionFactor(0, 1), std::out_of_range);
    EXPECT_THROW(r->FrictionHeadLoss(1, 0), std::out_of_range);
    EXPECT_THROW(r->SecondaryHeadLoss(1, MaxYears + 1), std::out_of_range);
    EXPECT_THROW(r->YearSystemHead(1, MaxSystemSamples + 1), std::out_of_range);
    EXPECT_THROW(r->YearSystemFlow.Year(0), std::out_of_range);
    EXPECT_THROW(r->Gradeline.Year(MaxYears + 1), std::out_of_range);
    EXPECT_THROW(r->FrictionFactor.Year(0), std::out_of_range);
    // A year's block starts at the table's first index.
    EXPECT_EQ(r->Gradeline.Year(7), &r->Gradeline(0, 7));
    EXPECT_EQ(r->FrictionFactor.Year(7) + MaxNodes - 1, &r->FrictionFactor(MaxNodes, 7));
}

} // namespace
} // namespace vemora
