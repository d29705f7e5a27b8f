// A refused analysis says why in the user's terms, under the message of its
// outcome; a run that finds no water says why in a note.
#include <gtest/gtest.h>

#include "engine/AnalysisReasons.h"
#include "engine/AnalysisRun.h"
#include "engine/EngineProjects.h"

namespace vemora {
namespace {

using test::GravityProject;
using test::PumpingProject;

AnalysisOutcome Analysed(ProjectStore& s)
{
    auto r = std::make_unique<ResultsStore>();
    return RunAnalysis(s, *r, 0);
}

std::unique_ptr<ProjectStore> Pumping()
{
    auto s = PumpingProject(0, 50, {{0, 0}, {20, 500}, {45, 1000}});
    test::AddCosts(*s);
    return s;
}

TEST(AnalysisReasons, EachRefusedInputIsNamedUnderItsMessage)
{
    struct Case
    {
        const char* name;
        std::unique_ptr<ProjectStore> store;
        AnalysisStatus status;
        std::string text;
    };
    auto backwards = GravityProject(100, 0, {{100, 0}, {90, 2400}, {80, 1000}, {0, 3000}});
    auto noEfficiency = Pumping();
    noEfficiency->OperatingEfficiency = 0;
    auto early = GravityProject(100, 0, {{100, 0}, {0, 1000}});
    early->BaseYear = 2006;
    early->SupplyStartYear = 2003;
    early->DesignLife = 25;
    auto long_ = GravityProject(100, 0, {{100, 0}, {0, 1000}});
    long_->BaseYear = 2000;
    long_->SupplyStartYear = 2030;
    long_->DesignLife = 80;
    auto escalation = Pumping();
    escalation->EnergyEscalationRate = 1e11f;
    auto oneNode = GravityProject(100, 0, {{100, 0}});
    auto curve = Pumping();
    test::SetPumpCurve(
        *curve,
        {{100, 0, 40}, {95, 0.1f, 60}, {85, 0.2f, 70}, {70, 0.3f, 78}, {50, 0.4f, 74}, {0, 0, 0}});
    auto flat = Pumping();
    test::SetPumpCurve(*flat, {{100, 0, 40},
                               {95, 0.1f, 60},
                               {85, 0.1f, 70},
                               {70, 0.3f, 78},
                               {50, 0.4f, 74},
                               {25, 0.5f, 60}});
    flat->CurveFlowUnit = 0; // m³/h
    auto tiny = GravityProject(100, 0, {{100, 0}, {0, 1000}}, 0.001f);
    tiny->WallThickness[1] = 1;

    Case cases[] = {
        {"chainage falling", std::move(backwards), AnalysisStatus::RunFailed,
         "Could not determine the flow for each year.\nNode 3 at chainage 1000 m comes after node "
         "2 at 2400 m: chainages must not fall along the profile."},
        {"pump efficiency 0", std::move(noEfficiency), AnalysisStatus::CostsFailed,
         "Could not compute the life-cycle costs.\nThe pump efficiency is 0 %: the energy cost "
         "cannot be computed."},
        {"supply before start", std::move(early), AnalysisStatus::SupplyBeforeStart,
         "The supply start year must not come before the starting year.\nThe supply starts in "
         "2003, before the starting year 2006."},
        {"110 years", std::move(long_), AnalysisStatus::ProjectPeriodInvalid,
         "The construction period and the design life together must fit within 100 years.\nThe "
         "30 years from the starting year 2000 to the supply start and the design life of 80 "
         "years add up to 110 years."},
        {"energy escalation 1e11 %", std::move(escalation), AnalysisStatus::CostsFailed,
         "Could not compute the life-cycle costs.\nFrom 2025 on, the yearly costs grow beyond "
         "the range of numbers: the costs rise by 6 % a year and the energy costs by 1E+11 % a "
         "year."},
        {"one node", std::move(oneNode), AnalysisStatus::HydraulicsFailed,
         "Could not determine the hydraulic gradeline. Please check input data\nThe profile has "
         "only one node: a profile needs at least two nodes."},
        {"sixth point left at 0", std::move(curve), AnalysisStatus::RunFailed,
         "Could not determine the flow for each year.\nThe flow rates of the pump curve must "
         "rise from point 1 to point 6: point 6 (0 m³/s) is not above point 5 (0.4 m³/s)."},
        {"two equal flows", std::move(flat), AnalysisStatus::RunFailed,
         "Could not determine the flow for each year.\nThe flow rates of the pump curve must "
         "rise from point 1 to point 6: point 3 (0.1 m³/h) is not above point 2 (0.1 m³/h)."},
        {"no inside diameter", std::move(tiny), AnalysisStatus::HydraulicsFailed,
         "Could not determine the hydraulic gradeline. Please check input data\nThe pipe at node "
         "1 has no inside diameter: its diameter of 0.001 mm leaves nothing inside its wall and "
         "lining."},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisOutcome outcome = Analysed(*c.store);
        EXPECT_EQ(outcome.Status, c.status);
        EXPECT_FALSE(outcome.Flags.ResultsValid);
        EXPECT_FALSE(outcome.Failure.Ok());
        EXPECT_EQ(AnalysisFailureText(outcome), c.text);
    }

    // Point 1 at no flow (the shut-off head) is a curve like any other.
    auto typical = Pumping();
    test::SetPumpCurve(*typical, test::TypicalPumpCurve);
    const AnalysisOutcome done = Analysed(*typical);
    EXPECT_EQ(done.Status, AnalysisStatus::Completed);
    EXPECT_TRUE(done.Reason.empty());
    EXPECT_TRUE(done.Note.empty());
}

// Whatever a stage stops with, the refusal has its second line.
TEST(AnalysisReasons, EveryFailureAStageCanReportHasItsWords)
{
    auto s = Pumping();
    test::SetPumpCurve(*s, test::TypicalPumpCurve);
    for (int k = static_cast<int>(FailureKind::None) + 1; k <= static_cast<int>(FailureKind::Last);
         ++k) {
        AnalysisFailure failure = Failed(static_cast<FailureKind>(k), 2);
        failure.Input = {"pipe diameter", "node", 2};
        SCOPED_TRACE(k);
        EXPECT_NE(FailureReason(*s, failure), "");
    }
    EXPECT_EQ(FailureReason(*s, AnalysisFailure{}), "");

    // Equal chainages (a valve at the node before) are a normal profile.
    auto valve = GravityProject(100, 0, {{100, 0}, {90, 500}, {90, 500}, {0, 1000}});
    EXPECT_EQ(Analysed(*valve).Status, AnalysisStatus::Completed);
}

TEST(AnalysisReasons, ARunThatFindsNoWaterSaysWhy)
{
    auto reversed = GravityProject(50, 100, {{50, 0}, {0, 1000}});
    auto crest = GravityProject(100, 0, {{100, 0}, {120, 500}, {0, 1000}});
    auto small = GravityProject(100, 0, {{100, 0}, {0, 500000}}, 1);
    auto stopped = PumpingProject(0, 50, {{0, 0}, {45, 1000}}, 0);
    const std::pair<ProjectStore*, const char*> cases[] = {
        {reversed.get(), "The start reservoir's level (50 m) is not above the end reservoir's "
                         "level (100 m), so the water has no head to flow."},
        {crest.get(), "Node 2 (elevation 120 m) lies 1 m or more above the start reservoir's "
                      "level (100 m), so the water cannot pass it."},
        {small.get(),
         "The pipes are too small to carry any water with the head between the reservoirs."},
        {stopped.get(), "The operating flow rate is 0 l/s."},
    };
    for (const auto& [store, cause] : cases) {
        SCOPED_TRACE(cause);
        const AnalysisOutcome outcome = Analysed(*store);
        ASSERT_EQ(outcome.Status, AnalysisStatus::Completed);
        EXPECT_EQ(outcome.Note,
                  std::string("No water flows in any year of the design life.\n") + cause);
    }
    auto flowing = GravityProject(100, 0, {{100, 0}, {0, 1000}});
    EXPECT_EQ(Analysed(*flowing).Note, "");
}

} // namespace
} // namespace vemora
