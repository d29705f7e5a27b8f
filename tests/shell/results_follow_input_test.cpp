// Results describe the input on screen: every way of editing the input
// window that changes what a save writes leaves View > Results refusing, and
// Analyse with edits pending analyses what the window shows.
#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QStackedWidget>

#include "ResultsFollowInputFixture.h"
#include "app/ProjectFiles.h"
#include "reports/frmPrint.h"
#include "shell/frmPref.h"
#include "support/ToolAnalysis.h"

namespace vemora::test {
namespace {

// Every control of the input window, in no hand-kept order.
std::vector<QPointer<QWidget>> InputControls(QWidget* window)
{
    std::vector<QPointer<QWidget>> controls;
    for (QWidget* c : window->findChildren<QWidget*>())
        if (!c->isHidden() || qobject_cast<FlexGrid*>(c)) controls.emplace_back(c);
    return controls;
}

void AnswerWithFirstCommand(QDialog* dialog)
{
    const auto commands = dialog->findChildren<QAbstractButton*>();
    if (!commands.isEmpty()) commands.front()->click();
    if (dialog->isVisible()) dialog->reject();
}

// A gravity and a pumping project (pump curve, Dollars) with every cost.
std::vector<std::unique_ptr<ProjectStore>> TwoProjects()
{
    std::vector<std::unique_ptr<ProjectStore>> projects;
    projects.push_back(GravityProject(100, 50, {{60, 0}, {55, 500}, {40, 1000}}));
    auto pumping = PumpingProject(20, 70, {{20, 0}, {35, 800}, {60, 1700}});
    SetPumpCurve(*pumping, TypicalPumpCurve);
    pumping->CurrencyCode = 1;
    projects.push_back(std::move(pumping));
    for (auto& p : projects)
        AddCosts(*p);
    return projects;
}

// For each control of the input window (every box, list, option, scroll
// bar, date, label, button and grid it holds, reached on its page with its
// panel open, a dialog it opens answered) and each command of the profile's
// row menu: when the edit makes a save write something else than the opened
// file (or stop at a check), the same edit made after Analyse and the input
// screen leaves View > Results refusing.
TEST_F(ResultsFollowInputTest, EveryEditThatChangesTheSavedFileLeavesNoResults)
{
    for (auto& project : TwoProjects()) {
        const QString file = Write(*project, "routes.kpj");
        Open(file);
        ASSERT_EQ(SaveProject(ctx), SaveOutcome::Saved); // the form a save gives it
        const QByteArray saved = Bytes(file);

        int changing = 0;
        // The edit on the opened project (analysed first when asked), a
        // dialog it opens answered with its first command.
        const auto editOpened = [&](bool analysed, const std::function<void()>& edit) {
            Open(file);
            if (analysed) {
                ASSERT_TRUE(AnalyseAndContinue()) << ui.lastMessage().toStdString();
                InputScreen();
            }
            ui.dialogHandlers.push_back(AnswerWithFirstCommand);
            edit();
            ui.dialogHandlers.clear();
        };
        const auto check = [&](const std::string& name, const std::function<void()>& edit) {
            editOpened(false, edit);
            const bool changed = SaveProject(ctx) != SaveOutcome::Saved || Bytes(file) != saved;
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(saved) == saved.size());
            f.close();
            if (!changed) return;
            ++changing;
            editOpened(true, edit);
            EXPECT_TRUE(ResultsRefused()) << name;
        };
        const std::vector<QPointer<QWidget>> controls = InputControls(input());
        for (const QPointer<QWidget>& control : controls)
            check(control ? control->objectName().toStdString() : "gone", [&] {
                if (!control) return;
                Reach(control);
                Edit(control);
            });
        for (QAction* command : main_->mnuFGridRows->actions())
            check(command->text().toStdString(), [&] {
                input()->sstInput->setTab(1);
                input()->msgProfile->setRow(2);
                command->trigger();
            });
        EXPECT_GT(changing, 40) << "edits found that change the file";
    }
}

// Analyse with edits pending and No: the save's checks run (one that stops
// ends the command), then what the window shows is analysed, the file stays
// as it was and the edits stay pending. Saved afterwards, the file analyses
// as those results.
TEST_F(ResultsFollowInputTest, NoAtAnalyseAnalysesTheWindowWithoutWriting)
{
    auto project = GravityProject(100, 50, {{60, 0}, {55, 500}, {40, 1000}});
    AddCosts(*project);
    const QString file = Write(*project, "no.kpj");
    Open(file);
    const QByteArray before = Bytes(file);

    frmLCC* w = input();
    w->txtDesigner->clear();
    ui.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(AnalyseAndContinue());
    EXPECT_EQ(ui.lastMessage(), "Enter the designer !");
    EXPECT_FALSE(ctx.store.ResultsValid);
    w->txtDesigner->setText(QStringLiteral("B. Engineer"));

    w->sstInput->setTab(1);
    w->msgProfile->setRow(2);
    ASSERT_TRUE(w->AppendProfileRow());
    w->msgProfile->setTextMatrix(4, 1, QStringLiteral("30"));
    w->msgProfile->setTextMatrix(4, 2, QStringLiteral("1500"));
    for (int c = 3; c < w->msgProfile->Cols(); ++c)
        w->msgProfile->setTextMatrix(4, c, w->msgProfile->TextMatrix(3, c));
    w->txtBRWL->setText(QStringLiteral("20"));
    w->txtDiscountRate->setText(QStringLiteral("9.5"));
    const size_t said = ui.messages.size();
    ui.answers.push_back(MsgAnswer::No);
    ASSERT_TRUE(AnalyseAndContinue()) << ui.lastMessage().toStdString();
    EXPECT_EQ(ui.messages.at(said).text, "Do you want to save the project ?");
    EXPECT_EQ(Bytes(file), before);
    EXPECT_TRUE(EditsPending(ctx));
    const ResultsStore results = ctx.results;
    EXPECT_EQ(ctx.store.NodeCount, 4);
    InputScreen();
    EXPECT_FALSE(ResultsRefused()); // they describe what the window shows

    ASSERT_EQ(SaveProject(ctx), SaveOutcome::Saved);
    const TempFolder folder;
    const QJsonObject tool =
        QJsonDocument::fromJson(
            QByteArray::fromStdString(ToolAnalysisJson(file.toStdString(), folder)))
            .object();
    for (const auto& [key, value] : {std::pair{"TotalCapitalCost", results.TotalCapitalCost},
                                     std::pair{"NpvExpenditure", results.NpvExpenditure},
                                     std::pair{"NpvIncome", results.NpvIncome}})
        EXPECT_FLOAT_EQ(static_cast<float>(tool.value(QLatin1String(key)).toDouble()),
                        static_cast<float>(value))
            << key;
}

// Analyse while the IRR view is open: the view goes with the results.
TEST_F(ResultsFollowInputTest, AnalyseClosesTheIrrView)
{
    auto project = GravityProject(100, 50, {{60, 0}, {55, 500}, {40, 1000}});
    AddCosts(*project);
    Open(Write(*project, "irr.kpj"));
    ASSERT_TRUE(AnalyseAndContinue());
    static_cast<QAbstractButton*>(
        ctx.windows.results.Get()->widget()->findChild<QWidget*>(QStringLiteral("sscIRR")))
        ->click();
    ASSERT_NE(ctx.windows.irrView.Get(), nullptr);
    bool irrGone = false;
    ui.dialogHandlers.push_back([&](QDialog* d) {
        irrGone = ctx.windows.irrView.Get() == nullptr;
        d->reject();
    });
    main_->mnuAnalyse->trigger();
    EXPECT_TRUE(irrGone);
}

// The input changes behind results on view, where no handler sees it (as
// a dialog that runs over the results may change it).
class StaleResultsTest : public ResultsFollowInputTest
{
  protected:
    void SetUp() override
    {
        ResultsFollowInputTest::SetUp();
        auto project = GravityProject(100, 50, {{60, 0}, {55, 500}, {40, 1000}});
        AddCosts(*project);
        Open(Write(*project, "stale.kpj"));
    }

    // Analyses what the window shows (No to the save question once edits
    // are pending); whether the results window came up.
    bool Analyse()
    {
        if (EditsPending(ctx)) ui.answers.push_back(MsgAnswer::No);
        return AnalyseAndContinue();
    }

    void ChangeBehindTheResults()
    {
        QLineEdit* box = input()->txtBRWL;
        const QSignalBlocker unseen(box);
        box->setText(box->text() == QStringLiteral("21") ? QStringLiteral("22")
                                                         : QStringLiteral("21"));
    }

    // The controls a user can reach in the window: each visible one that
    // holds no visible control of its own.
    static std::vector<QPointer<QWidget>> Reachable(QWidget* window)
    {
        std::vector<QPointer<QWidget>> controls;
        for (QWidget* c : window->findChildren<QWidget*>()) {
            const auto inner = c->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            if (c->isVisible() &&
                std::none_of(inner.begin(), inner.end(), [](QWidget* i) { return i->isVisible(); }))
                controls.emplace_back(c);
        }
        return controls;
    }

    // A click on the control reaches nothing; the results go and the input
    // window comes back.
    void ExpectStaleClickDiscards(QWidget* control)
    {
        const int printed = ui.printDialogs;
        const size_t helped = ui.helpTopics.size();
        QTest::mouseClick(control, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !ctx.store.ResultsValid; }))
            << control->objectName().toStdString();
        EXPECT_EQ(ctx.windows.results.Get(), nullptr);
        EXPECT_EQ(ctx.windows.irrView.Get(), nullptr);
        EXPECT_EQ(ui.printDialogs, printed);
        EXPECT_EQ(ui.helpTopics.size(), helped);
        EXPECT_FALSE(input()->isHidden());
    }
};

TEST_F(StaleResultsTest, NoControlOfTheResultsWindowOrTheIrrViewReadsThem)
{
    ASSERT_TRUE(Analyse());
    const std::vector<QPointer<QWidget>> controls = Reachable(ctx.windows.results.Get()->widget());
    ASSERT_GT(controls.size(), 10u);
    for (size_t i = 0; i < controls.size(); ++i) {
        if (i > 0) {
            ASSERT_TRUE(Analyse());
        }
        // The window of each run is a new one, with its controls in the same order.
        const std::vector<QPointer<QWidget>> now = Reachable(ctx.windows.results.Get()->widget());
        ASSERT_EQ(now.size(), controls.size());
        ChangeBehindTheResults();
        ExpectStaleClickDiscards(now[i]);
    }

    ASSERT_TRUE(Analyse());
    static_cast<QAbstractButton*>(
        ctx.windows.results.Get()->widget()->findChild<QWidget*>(QStringLiteral("sscIRR")))
        ->click();
    ASSERT_NE(ctx.windows.irrView.Get(), nullptr);
    const size_t irrControls = Reachable(ctx.windows.irrView.Get()->widget()).size();
    ASSERT_GT(irrControls, 3u);
    for (size_t i = 0; i < irrControls; ++i) {
        if (i > 0) {
            ASSERT_TRUE(Analyse());
            static_cast<QAbstractButton*>(
                ctx.windows.results.Get()->widget()->findChild<QWidget*>(QStringLiteral("sscIRR")))
                ->click();
        }
        ChangeBehindTheResults();
        ExpectStaleClickDiscards(Reachable(ctx.windows.irrView.Get()->widget())[i]);
    }
}

// View > Results, Continue, the Print window's result items and the
// Preferences dialog over the results.
TEST_F(StaleResultsTest, ShowingPrintingAndPreferencesAskFirst)
{
    ASSERT_TRUE(Analyse());
    ChangeBehindTheResults();
    EXPECT_TRUE(ResultsRefused());

    ASSERT_TRUE(Analyse());
    ChangeBehindTheResults();
    bool offered = true;
    ui.dialogHandlers.push_back([&offered](QDialog* d) {
        auto* print = static_cast<frmPrint*>(d);
        print->tmrCheck_Timer();
        offered = print->chkTextHydraulic->isEnabled() || print->chkIRR->isEnabled();
        EXPECT_TRUE(print->chkGeneral->isEnabled());
        d->reject();
    });
    main_->mnuPrint->trigger();
    EXPECT_FALSE(offered);
    EXPECT_FALSE(ctx.store.ResultsValid);

    // Continue of a dialog whose results went stale runs the analysis again.
    ui.answers.push_back(MsgAnswer::No);
    int runs = 0;
    ui.dialogHandlers.push_back([&](QDialog* d) {
        auto* dialog = static_cast<frmAnalyse*>(d);
        dialog->tmrStopMatrix_Timer();
        dialog->sscAnalyse->click();
        ChangeBehindTheResults();
        const size_t pointers = ui.pointerChanges.size();
        dialog->sscAnalyse->click();
        runs = ui.pointerChanges.size() > pointers ? 2 : 1;
        EXPECT_TRUE(ctx.store.ResultsValid);
        d->reject();
    });
    main_->mnuAnalyse->trigger();
    EXPECT_EQ(runs, 2);

    // The currency changed in the preferences: the results in Rand go.
    ASSERT_TRUE(Analyse());
    ui.dialogHandlers.push_back([](QDialog* d) {
        auto* prefs = static_cast<frmPref*>(d);
        prefs->optDollars->click();
        prefs->sscOK->click();
    });
    main_->mnuPreferences->trigger();
    EXPECT_EQ(ctx.store.CurrencyCode, 1);
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_EQ(ctx.windows.results.Get(), nullptr);
    EXPECT_TRUE(ResultsRefused());
}

} // namespace
} // namespace vemora::test
