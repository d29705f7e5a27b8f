// The analysis as the analysis dialog runs it: the results window loaded
// before the run, the engine's progress, and the results window refreshing
// itself from the stores after a completed run (and only then).
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AnalyseProject.h"
#include "app/AppContext.h"
#include "engine/EngineProjects.h"
#include "engine/NumberFormat.h"
#include "results/ResultsRefresh.h"
#include "support/CheckedUi.h"

namespace vemora {
namespace {

using test::GravityProject;
using test::PumpingProject;

class RecordingObserver : public AnalysisObserver
{
  public:
    explicit RecordingObserver(std::vector<std::string>& calls) : calls_(calls) {}
    void SetProgress(int percent) override { progress.push_back(percent); }
    void PumpCurveMissed(int year) override { calls_.push_back("duty " + std::to_string(year)); }

    std::vector<int> progress;

  private:
    std::vector<std::string>& calls_;
};

// A results window that records the steps of its refresh, made the way
// frmResults is: the refresh runs RefreshResultsDisplay on itself.
class RecordingResults : public QWidget, public ResultsWindow, public ResultsDisplay
{
  public:
    RecordingResults(AppContext& ctx, std::vector<std::string>& calls, QWidget* parent)
        : QWidget(parent), ctx_(ctx), calls_(calls)
    {
    }
    QWidget* widget() override { return this; }
    void Refresh(AnalysisObserver& progress) override
    {
        RefreshResultsDisplay(*this, ctx_.store, ctx_.results, progress);
    }
    void SetResultLabels(const ResultLabels& l) override
    {
        labels = l;
        calls_.push_back("labels");
    }
    void SetDutyPointButtonVisible(bool visible) override { dutyButton = visible; }
    void HideDutyFrame() override {}
    void ShowCostTables() override { calls_.push_back("costs"); }
    void FillDistanceCombos() override { calls_.push_back("distances"); }
    void DrawHydraulicProfile() override { calls_.push_back("profile"); }
    void DrawDemandCapacityGraph() override { calls_.push_back("demand"); }

    ResultLabels labels;
    bool dutyButton = true;

  private:
    AppContext& ctx_;
    std::vector<std::string>& calls_;
};

class AnalyseProjectTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ctx.windows.results.Install([this]() -> ResultsWindow* {
            calls.push_back("load");
            return new RecordingResults(ctx, calls, &area);
        });
    }

    // The results window in its slot: every run unloads the one before and
    // loads a new one (nullptr when none is loaded).
    RecordingResults* window() { return static_cast<RecordingResults*>(ctx.windows.results.Get()); }

    test::CheckedUi ui;
    test::CheckedContext ctx{ui};
    QWidget area;
    std::vector<std::string> calls;
    RecordingObserver observer{calls};
};

TEST_F(AnalyseProjectTest, CompletedGravityRunReportsInOrder)
{
    ctx.store = *GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}});
    ctx.store.DesignLife = 30;
    ctx.store.FixedDemand = 5000; // more than the pipe carries: the yield is sold
    ctx.store.WaterPrice = 0.01f;
    const ResultsStore& r = ctx.results;
    ctx.store.SupervisionFees = 100000;
    const AnalysisOutcome outcome = AnalyseProject(ctx, observer);
    ASSERT_EQ(outcome.Status, AnalysisStatus::Completed);
    EXPECT_TRUE(ctx.store.ResultsValid);
    EXPECT_EQ(observer.progress, (std::vector<int>{55, 60, 65, 70, 75, 80, 85, 90, 95, 100}));
    EXPECT_EQ(calls, (std::vector<std::string>{"load", "labels", "costs", "distances", "profile",
                                               "demand"}));
    ASSERT_TRUE(window());
    EXPECT_FALSE(window()->dutyButton);
    const ResultLabels& labels = window()->labels;
    EXPECT_EQ(labels.DesignLife, "30 years");
    EXPECT_EQ(labels.NpvE, "R" + FormatThousands(r.NpvExpenditure, 0));
    EXPECT_GT(r.YearShortage[1], 0.0f);
    EXPECT_NEAR(r.YearIncome[1], r.YearFlow[1] * 31536000.0 * 0.01, 1.0);
    EXPECT_EQ(r.YearEnergy[1], 0.0f);
    ASSERT_TRUE(r.IrrFound);
    EXPECT_TRUE(outcome.IrrFound);
    EXPECT_EQ(labels.Irr, "IRR = " + FormatThreeDecimals(r.Irr) + " %");
}

TEST_F(AnalyseProjectTest, PumpCurveRunShowsTheDutyButton)
{
    ctx.store = *PumpingProject(0, 50, {{0, 0}, {45, 1000}});
    test::SetPumpCurve(ctx.store, {{100, 0, 40},
                                   {95, 0.1f, 60},
                                   {85, 0.2f, 70},
                                   {70, 0.3f, 78},
                                   {50, 0.4f, 74},
                                   {25, 0.5f, 60}});
    ctx.store.CurrencyCode = 1;
    const ResultsStore& r = ctx.results;
    ASSERT_EQ(AnalyseProject(ctx, observer).Status, AnalysisStatus::Completed);
    ASSERT_TRUE(window());
    EXPECT_TRUE(window()->dutyButton);
    EXPECT_EQ(window()->labels.NpvI.substr(0, 1), "$");
    EXPECT_GT(r.YearEnergy[1], 0.0f);
    EXPECT_NEAR(r.YearPumpingHours[1], 0.1 * 24 / r.YearFlow[1], 1e-4); // 100 l/s demand
}

TEST_F(AnalyseProjectTest, FailuresKeepNoResults)
{
    struct Case
    {
        const char* name;
        void (*spoil)(ProjectStore&);
        AnalysisStatus expected;
    };
    const Case cases[] = {
        {"period too long", [](ProjectStore& s) { s.DesignLife = 100; },
         AnalysisStatus::ProjectPeriodInvalid},
        {"supply before base", [](ProjectStore& s) { s.SupplyStartYear = s.BaseYear - 1; },
         AnalysisStatus::SupplyBeforeStart},
        {"roughness period", [](ProjectStore& s) { s.DeteriorationYears = 0.2f; },
         AnalysisStatus::HydraulicsFailed},
        {"unit code", [](ProjectStore& s) { s.ChainageUnit = 12; },
         AnalysisStatus::HydraulicsFailed},
        {"no efficiency", [](ProjectStore& s) { s.OperatingEfficiency = 0; },
         AnalysisStatus::CostsFailed},
        {"huge price", [](ProjectStore& s) { s.WaterPrice = 3e38f; }, AnalysisStatus::CostsFailed},
    };
    for (const Case& c : cases) {
        ctx.store = *PumpingProject(0, 10, {{0, 0}, {5, 1000}});
        c.spoil(ctx.store);
        RecordingObserver fresh{calls};
        EXPECT_EQ(AnalyseProject(ctx, fresh).Status, c.expected) << c.name;
        EXPECT_FALSE(ctx.store.ResultsValid) << c.name;
        EXPECT_FALSE(window()) << c.name; // no window holds this run's results
    }
}

} // namespace
} // namespace vemora
