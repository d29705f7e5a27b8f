// The analysis dialog through the main window's Analyse command: the digit
// animation, Analyse and Continue, the messages of a failed run, Cancel.
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "ShellFixture.h"
#include "app/PendingEdits.h"
#include "engine/AnalysisRun.h"
#include "engine/EngineProjects.h"
#include "platform/PictureButton.h"
#include "results/ResultLabels.h"
#include "shell/frmAnalyse.h"

namespace vemora::test {
namespace {

class AnalysisDialogTest : public ShellTest
{
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        makeMain();
    }

    // Puts a project into the store as a load would.
    void Use(std::unique_ptr<ProjectStore> project)
    {
        // The project as its file holds it, which a run with nothing
        // pending reads.
        SavedRecord(*project);
        ctx.store = *project;
        ctx.store.ProjectOpen = true;
        NoteSavedInput(ctx);
    }

    // Runs the Analyse command; `inDialog` acts on the dialog while it shows.
    void Analyse(const std::function<void(frmAnalyse&)>& inDialog)
    {
        ui.dialogHandlers.push_back(
            [inDialog](QDialog* d) { inDialog(*static_cast<frmAnalyse*>(d)); });
        main_->mnuAnalyse->trigger();
    }

    static void Ready(frmAnalyse& d) { d.tmrStopMatrix_Timer(); }

    QWidget* resultsWidget() const
    {
        return ctx.windows.results.Get() ? ctx.windows.results.Get()->widget() : nullptr;
    }
};

// A run that the project refuses, each after the bar has moved on.
enum class RefusedRun {
    ProjectPeriod,
    NoPipe,
    PumpCurveMissed,
    FlowTooLarge,
};

std::unique_ptr<ProjectStore> RefusedProject(RefusedRun run)
{
    switch (run) {
    case RefusedRun::ProjectPeriod: {
        auto project = GravityProject(100, 50, {{100, 0}, {50, 1000}});
        project->DesignLife = 100;
        project->SupplyStartYear = static_cast<int16_t>(project->BaseYear + 3);
        return project;
    }
    case RefusedRun::NoPipe:
        return GravityProject(100, 50, {{100, 0}, {50, 1000}}, 0);
    case RefusedRun::PumpCurveMissed: {
        auto project = PumpingProject(0, 80, {{0, 0}, {75, 1000}});
        SetPumpCurve(*project, {{30, 0, 40},
                                {28, 0.1f, 60},
                                {25, 0.2f, 70},
                                {20, 0.3f, 78},
                                {15, 0.4f, 74},
                                {10, 0.5f, 60}});
        return project;
    }
    case RefusedRun::FlowTooLarge:
        return GravityProject(3e37f, 0, {{100, 0}, {0, 1000}});
    }
    return nullptr;
}

TEST_F(AnalysisDialogTest, AnimationThenTheButtons)
{
    Analyse([](frmAnalyse& d) {
        EXPECT_EQ(d.windowTitle(), "  ANALYSIS");
        EXPECT_TRUE(d.tmrMatrix->isActive());
        EXPECT_TRUE(d.tmrStopMatrix->isActive());
        EXPECT_EQ(d.palette().color(QPalette::Window), Qt::black);
        EXPECT_TRUE(d.sscAnalyse->isHidden());
        d.tmrMatrix_Timer();
        d.tmrMatrix_Timer();
        ASSERT_EQ(d.MatrixLines.size(), 2);
        for (QChar c : d.MatrixLines[0])
            EXPECT_TRUE(c == u'0' || c == u'1');
        d.tmrStopMatrix_Timer();
        EXPECT_FALSE(d.tmrMatrix->isActive());
        EXPECT_TRUE(d.MatrixLines.isEmpty());
        EXPECT_NE(d.palette().color(QPalette::Window), Qt::black);
        for (QWidget* w : {static_cast<QWidget*>(d.lblAnalyse), static_cast<QWidget*>(d.proBar),
                           static_cast<QWidget*>(d.sscAnalyse), static_cast<QWidget*>(d.sscCancel),
                           static_cast<QWidget*>(d.lbl0), static_cast<QWidget*>(d.lbl100)})
            EXPECT_FALSE(w->isHidden());
        EXPECT_EQ(d.lblAnalyse->text(), "The data has been verified, proceed with analysis");
        EXPECT_EQ(d.sscAnalyse->Caption(), "&Analyse");
    });
    EXPECT_EQ(ui.dialogsShown.back(), "frmAnalyse");
}

TEST_F(AnalysisDialogTest, AnalyseThenContinueShowsTheResults)
{
    Use(GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}}));
    Analyse([this](frmAnalyse& d) {
        Ready(d);
        d.sscAnalyse->click();
        EXPECT_TRUE(ctx.store.ResultsValid);
        EXPECT_EQ(d.sscAnalyse->Caption(), "&Continue");
        EXPECT_TRUE(d.sscAnalyse->isEnabled());
        EXPECT_EQ(d.proBar->value(), 100);
        ASSERT_GE(ui.pointerChanges.size(), 2u);
        EXPECT_EQ(ui.pointerChanges.front(), MousePointer::Hourglass);
        EXPECT_EQ(ui.pointerChanges.back(), MousePointer::Default);
        EXPECT_EQ(ctx.view.SelectedYear, 1);
        ASSERT_NE(resultsWidget(), nullptr);
        EXPECT_TRUE(resultsWidget()->isHidden());
        const size_t changes = ui.pointerChanges.size();
        d.sscAnalyse->click(); // Continue: no second run
        EXPECT_EQ(ui.pointerChanges.size(), changes);
    });
    // The flow of this profile is held back by a high point: the comment.
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QString(HighPointComment));
    EXPECT_EQ(ui.messages[0].title, "Vemora: comment");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    ASSERT_NE(resultsWidget(), nullptr);
    EXPECT_FALSE(resultsWidget()->isHidden());
    EXPECT_TRUE(input()->isHidden());

    // A new Analyse discards the results before anything else.
    Analyse([this](frmAnalyse&) {
        EXPECT_FALSE(ctx.store.ResultsValid);
        EXPECT_EQ(ctx.windows.results.Get(), nullptr);
    });
}

TEST_F(AnalysisDialogTest, MissedPumpCurveKeepsAnalyseAndShowsTheDutyPoints)
{
    Use(RefusedProject(RefusedRun::PumpCurveMissed));
    Analyse([this](frmAnalyse& d) {
        Ready(d);
        ui.dialogHandlers.push_back(RejectDialog); // the duty points
        d.sscAnalyse->click();
        EXPECT_EQ(d.sscAnalyse->Caption(), "&Analyse");
        EXPECT_TRUE(d.sscAnalyse->isEnabled());
        EXPECT_FALSE(ctx.store.ResultsValid);
    });
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The pump curve does not intersect the system curve for year 1");
    EXPECT_EQ(ui.messages[0].title, "Error");
    EXPECT_NE(std::find(ui.dialogsShown.begin(), ui.dialogsShown.end(), "frmDutyPoint"),
              ui.dialogsShown.end());
}

TEST_F(AnalysisDialogTest, RunFailuresAreReported)
{
    auto tooLong = GravityProject(100, 50, {{100, 0}, {50, 1000}});
    tooLong->DesignLife = 100;
    tooLong->SupplyStartYear = static_cast<int16_t>(tooLong->BaseYear + 3);
    Use(std::move(tooLong));
    Analyse([](frmAnalyse& d) {
        Ready(d);
        d.sscAnalyse->click();
        EXPECT_EQ(d.sscAnalyse->Caption(), "&Analyse");
    });
    EXPECT_EQ(ui.lastMessage().toStdString(),
              std::string(ProjectPeriodMessage) +
                  "\nThe 3 years from the starting year 2020 to the supply start and the design "
                  "life of 100 years add up to 103 years.");
    EXPECT_EQ(ui.messages.back().title, "Vemora Error");

    auto noPipe = GravityProject(100, 50, {{100, 0}, {50, 1000}}, 0);
    Use(std::move(noPipe));
    Analyse([](frmAnalyse& d) {
        Ready(d);
        d.sscAnalyse->click();
    });
    EXPECT_EQ(ui.lastMessage().toStdString(),
              std::string(HydraulicsFailedMessage) +
                  "\nThe pipe at node 1 has no inside diameter: its diameter of 0 mm leaves "
                  "nothing inside its wall and lining.");
    EXPECT_FALSE(ctx.store.ResultsValid);
}

TEST_F(AnalysisDialogTest, AFlowBeyondTheSearchAndAProfileWithoutLengthSayWhy)
{
    struct Case
    {
        std::unique_ptr<ProjectStore> project;
        QString message;
    };
    Case cases[] = {
        {GravityProject(3e37f, 0, {{100, 0}, {0, 1000}}),
         QString::fromUtf8("The flow would exceed 100 m³/s: check the reservoir levels, the "
                           "profile and the pipe sizes !")},
        {GravityProject(100, 0, {{100, 500}, {50, 500}, {0, 500}}),
         QStringLiteral("The profile has no length: enter the chainage of each node !")},
    };
    for (Case& c : cases) {
        Use(std::move(c.project));
        const size_t before = ui.messages.size();
        Analyse([](frmAnalyse& d) {
            Ready(d);
            d.sscAnalyse->click();
            EXPECT_EQ(d.sscAnalyse->Caption(), "&Analyse");
        });
        ASSERT_EQ(ui.messages.size(), before + 1);
        EXPECT_EQ(ui.messages.back().text, c.message);
        EXPECT_EQ(ui.messages.back().title, "Vemora Error");
        EXPECT_EQ(ui.messages.back().icon, MsgIcon::Exclamation);
        EXPECT_FALSE(ctx.store.ResultsValid);
    }
}

TEST_F(AnalysisDialogTest, CancelDiscardsTheResultsAndShowsTheInputWindow)
{
    Use(GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}}));
    Analyse([this](frmAnalyse& d) {
        Ready(d);
        d.sscAnalyse->click();
        ASSERT_TRUE(ctx.store.ResultsValid);
        d.sscCancel->click();
    });
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_FALSE(input()->isHidden());
    main_->mnuResults->trigger();
    EXPECT_EQ(ui.lastMessage(), "Project has not been analysed.");
}

TEST_F(AnalysisDialogTest, NpvLabelsHaveNoLeadingZeros)
{
    auto held = std::make_unique<ResultsStore>();
    ResultsStore& results = *held;
    results.NpvExpenditure = 12;
    results.NpvIncome = 0;
    const ResultLabels labels = MakeResultLabels(ctx.store, results);
    EXPECT_EQ(labels.NpvE, "R12");
    EXPECT_EQ(labels.NpvI, "R0");
    results.NpvExpenditure = 1234567;
    EXPECT_EQ(MakeResultLabels(ctx.store, results).NpvE, "R1,234,567");
    EXPECT_EQ(MakeResultLabels(ctx.store, results).Irr, "IRR = n/a");
}

class RefusedRunTest : public AnalysisDialogTest, public ::testing::WithParamInterface<RefusedRun>
{
};

// The bar goes back to 0 % with the refusal, as if no run had begun.
TEST_P(RefusedRunTest, ARefusedRunEmptiesTheProgressBar)
{
    Use(RefusedProject(GetParam()));
    Analyse([this](frmAnalyse& d) {
        Ready(d);
        if (GetParam() == RefusedRun::PumpCurveMissed)
            ui.dialogHandlers.push_back(RejectDialog); // the duty points
        d.sscAnalyse->click();
        EXPECT_FALSE(ctx.store.ResultsValid);
        EXPECT_EQ(d.proBar->value(), 0);
    });
    EXPECT_FALSE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Runs, RefusedRunTest,
                         ::testing::Values(RefusedRun::ProjectPeriod, RefusedRun::NoPipe,
                                           RefusedRun::PumpCurveMissed, RefusedRun::FlowTooLarge));

} // namespace
} // namespace vemora::test
