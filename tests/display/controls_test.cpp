// The controls as a keyboard user meets them: arrow keys on every scroll bar
// of a window, Return and Esc in the analysis dialog and the OK dialogs, and the page
// a new project opens on.
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionSlider>

#include "display/DisplayFixture.h"
#include "engine/AnalysisRun.h"
#include "engine/EngineProjects.h"
#include "input/frmLCC.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "project/SystemType.h"
#include "project/UnitSystem.h"
#include "reports/frmPrint.h"
#include "reports/frmSelectYear.h"
#include "results/frmIRRView.h"
#include "results/frmResults.h"
#include "shell/frmAnalyse.h"
#include "shell/frmLCCType.h"
#include "shell/frmPref.h"
#include "support/UserInput.h"

namespace vemora::test {
namespace {

// The thumb of a scroll bar, in the bar's coordinates.
QPoint Thumb(const ScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    if (bar->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar)
        .center();
}

// A click on the bar's thumb gives it the focus; then Left and Up lower the
// value by one step and Right and Down raise it, as the arrow buttons at
// those ends do.
void ExpectArrowKeysStepTheWayTheyPoint(ScrollBar* bar)
{
    const std::string name = bar->objectName().toStdString();
    if (bar->Value() - bar->Min() < 2) bar->setValue(bar->Min() + 2);
    if (bar->Max() - bar->Value() < 2) bar->setValue(bar->Max() - 2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, Thumb(bar));
    ASSERT_TRUE(WaitFor([&] { return bar->hasFocus(); })) << name;
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_Up, -1}, {Qt::Key_Down, 1}};
    for (const auto& [key, step] : steps) {
        const int before = bar->Value();
        QTest::keyClick(bar, key);
        EXPECT_EQ(bar->Value(), before + step) << name << " key " << key;
    }
}

// The analysis dialog with its button up, enabled and bearing `caption`.
ModalScript::Match AnalysisDialogAt(const QString& caption)
{
    return [caption](QWidget* w) {
        auto* dialog = qobject_cast<frmAnalyse*>(w);
        return dialog && dialog->sscAnalyse->isVisible() && dialog->sscAnalyse->isEnabled() &&
               dialog->sscAnalyse->Caption() == caption;
    };
}

ModalScript::Act Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    return [key, modifiers](QWidget* w) { QTest::keyClick(w, key, modifiers); };
}

// A key pressed where the focus stands in the dialog, as a user presses it.
ModalScript::Act PressOnFocus(Qt::Key key)
{
    return [key](QWidget* w) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && w->isAncestorOf(focus) ? focus : w, key);
    };
}

class ControlsTest : public DisplayTest
{
  protected:
    // Every scroll bar of the window, each on its page of `tabs` when it
    // stands on one; a bar that the project's options hide is passed over.
    // Returns how many were pressed.
    static int ExpectEveryBarStepsTheWayItsKeysPoint(QWidget* window, TabControl* tabs)
    {
        int pressed = 0;
        for (ScrollBar* bar : window->findChildren<ScrollBar*>()) {
            if (tabs && tabs->isAncestorOf(bar)) ShowPageOf(tabs, bar);
            if (!bar->isVisibleTo(window)) continue; // hidden by the project's options
            if (!WaitShown(bar)) {
                ADD_FAILURE() << bar->objectName().toStdString() << " never showed";
                continue;
            }
            ExpectArrowKeysStepTheWayTheyPoint(bar);
            ++pressed;
        }
        return pressed;
    }

    void RunAnalysisDialog(ModalScript& script)
    {
        Run(script, [&] { ChooseMenuBarItem(main_->mnuAnalyse); });
    }
};

TEST_F(ControlsTest, InputWindowBarsStepTheWayTheArrowKeysPoint)
{
    OpenPumpingProject(QStringLiteral("InputKeys"));
    EXPECT_GE(ExpectEveryBarStepsTheWayItsKeysPoint(Input(), Input()->sstInput), 8);
}

TEST_F(ControlsTest, ResultsWindowBarsStepTheWayTheArrowKeysPoint)
{
    OpenPumpingProject(QStringLiteral("ResultKeys"));
    AnalyseAndContinue();
    frmResults* results = Results();
    // The duty-point frame, with its year bar, stands over the profile's.
    EXPECT_EQ(ExpectEveryBarStepsTheWayItsKeysPoint(results, results->sstResults), 2);
    ShowPageOf(results->sstResults, results->sscDutypoint);
    Click(results->sscDutypoint);
    ASSERT_TRUE(WaitFor([&] { return Shown(results->hscDuty); }));
    ExpectArrowKeysStepTheWayTheyPoint(results->hscDuty);
    Click(results->sscHideDuty);

    // The year under the profile goes down with Left.
    ASSERT_TRUE(WaitFor([&] { return Shown(results->hscYears); }));
    results->hscYears->setValue(5);
    const QString year = results->lblYear->text();
    QTest::mouseClick(results->hscYears, Qt::LeftButton, {}, Thumb(results->hscYears));
    QTest::keyClick(results->hscYears, Qt::Key_Left);
    EXPECT_EQ(results->lblYear->text().toInt(), year.toInt() - 1);
}

TEST_F(ControlsTest, IrrWindowBarsStepTheWayTheArrowKeysPoint)
{
    OpenPumpingProject(QStringLiteral("IrrKeys"));
    AnalyseAndContinue();
    ShowPageOf(Results()->sstResults, Results()->sscIRR);
    Click(Results()->sscIRR);
    auto* irr = static_cast<frmIRRView*>(ctx.windows.irrView.Get());
    ASSERT_TRUE(irr && WaitFor([&] { return Shown(irr); }));
    EXPECT_EQ(ExpectEveryBarStepsTheWayItsKeysPoint(irr, nullptr), 2);
}

// Return runs Analyse and then Continue; Esc and Alt+N cancel; Alt+C
// continues, Continue and Cancel each with a key of its own.
TEST_F(ControlsTest, AnalysisDialogRunsAndCancelsFromTheKeyboard)
{
    OpenPumpingProject(QStringLiteral("DialogKeys"));
    ModalScript byReturn;
    byReturn
        .then("Return on Analyse", AnalysisDialogAt(QStringLiteral("&Analyse")),
              [](QWidget* w) {
                  EXPECT_EQ(static_cast<frmAnalyse*>(w)->sscCancel->Caption(), "Ca&ncel");
                  QTest::keyClick(w, Qt::Key_Return);
              })
        .then("Return on Continue", AnalysisDialogAt(QStringLiteral("&Continue")),
              Press(Qt::Key_Return));
    RunAnalysisDialog(byReturn);
    EXPECT_TRUE(ctx.store.ResultsValid);
    EXPECT_TRUE(WaitFor([&] { return Shown(Results()); }));

    ModalScript byEscape;
    byEscape.then("Esc", AnalysisDialogAt(QStringLiteral("&Analyse")), Press(Qt::Key_Escape));
    RunAnalysisDialog(byEscape);
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_TRUE(WaitFor([&] { return Shown(Input()); }));

    ModalScript byAlt;
    byAlt
        .then("Alt+A", AnalysisDialogAt(QStringLiteral("&Analyse")),
              Press(Qt::Key_A, Qt::AltModifier))
        .then("Alt+C", AnalysisDialogAt(QStringLiteral("&Continue")),
              Press(Qt::Key_C, Qt::AltModifier));
    RunAnalysisDialog(byAlt);
    EXPECT_TRUE(ctx.store.ResultsValid);
    EXPECT_TRUE(WaitFor([&] { return Shown(Results()); }));

    ModalScript byAltN;
    byAltN.then("Alt+N", AnalysisDialogAt(QStringLiteral("&Analyse")),
                Press(Qt::Key_N, Qt::AltModifier));
    RunAnalysisDialog(byAltN);
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_TRUE(WaitFor([&] { return Shown(Input()); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Return, wherever the focus stands in a dialog with an OK button, runs OK:
// About and the disclaimer close; Preferences keeps the option chosen; the year of the printed
// hydraulic table is the one chosen in its list.
TEST_F(ControlsTest, DialogsRunTheirOkOnReturn)
{
    OpenPumpingProject(QStringLiteral("Return"));
    const std::pair<QString, QAction*> closers[] = {
        {QStringLiteral("frmAbout"), main_->mnuAbout},
        {QStringLiteral("frmDisclaimer"), main_->mnuDisclaimer}};
    for (const auto& [name, item] : closers) {
        ModalScript script;
        script.then(name, Named(name), PressOnFocus(Qt::Key_Return));
        Run(script, [&] { ChooseMenu(main_->mnuHelp, item); });
        EXPECT_TRUE(WaitFor([&] { return QApplication::activeModalWidget() == nullptr; }))
            << name.toStdString();
        EXPECT_TRUE(WaitFor([&] { return Shown(Input()); })) << name.toStdString();
    }

    ASSERT_EQ(ctx.store.UnitSystem, UnitSystems::Metric);
    ModalScript preferences;
    preferences.then("preferences", Named("frmPref"), [](QWidget* w) {
        auto* pref = static_cast<frmPref*>(w);
        pref->optUS->setFocus();
        pref->optUS->setChecked(true);
        PressOnFocus(Qt::Key_Return)(w);
    });
    Run(preferences, [&] { ChooseMenuBarItem(main_->mnuPreferences); });
    EXPECT_EQ(ctx.store.UnitSystem, UnitSystems::US);

    int chosenYear = 0;
    ModalScript year;
    year.then("the print window", Named("frmPrint"),
              [](QWidget* w) {
                  auto* print = static_cast<frmPrint*>(w);
                  ASSERT_TRUE(WaitFor([&] { return print->chkTextHydraulic->isEnabled(); },
                                      QStringLiteral("the print boxes enabled")));
                  Click(print->chkTextHydraulic);
              })
        .then("the year of the hydraulic table", Named("frmSelectYear"),
              [](QWidget* w) {
                  auto* dialog = static_cast<frmSelectYear*>(w);
                  dialog->comYear->setFocus();
                  dialog->comYear->setCurrentIndex(2);
                  PressOnFocus(Qt::Key_Return)(w);
              })
        .then("the print window again", Named("frmPrint"), [&](QWidget* w) {
            auto* print = static_cast<frmPrint*>(w);
            chosenYear = print->HydraulicYear();
            Click(print->sscCancel);
        });
    Run(year, [&] { ChooseMenu(main_->mnuFile, main_->mnuPrint); });
    EXPECT_EQ(chosenYear, 3);
}

TEST_F(ControlsTest, ANewProjectOpensOnGeneralData)
{
    OpenPumpingProject(QStringLiteral("Pages"));
    ClickTab(Input()->sstInput, 1);
    ASSERT_EQ(Input()->sstInput->currentIndex(), 1);
    ModalScript script;
    script.then("the system type", Named("frmLCCType"),
                [](QWidget* w) { Click(static_cast<frmLCCType*>(w)->sscContinue); });
    Run(script, [&] { ChooseMenu(main_->mnuFile, main_->mnuNew); });
    ASSERT_TRUE(WaitFor([&] { return Shown(Input()); }));
    EXPECT_EQ(Input()->sstInput->currentIndex(), 0);
    EXPECT_EQ(Input()->sstInput->tabText(0), QStringLiteral("General Data"));
}

// F2 on a profile cell holding 1041, 9, the wheel over the grid, 8: one
// notch (three rows) keeps the cell in view and moves the open editor with it,
// two (a page) take it out of view and hide the editor; either way the 8 goes on the end of what
// was typed, in the editor over its cell.
TEST_F(ControlsTest, TheWheelOverTheProfileLeavesItsCellEditorOpen)
{
    std::vector<Node> nodes;
    for (int i = 0; i < 40; ++i)
        nodes.push_back(
            {i == 3 ? 1041.0f : 100.0f - static_cast<float>(i), 100.0f * static_cast<float>(i)});
    StartUp();
    OpenThroughMenu(SaveProjectFile(*GravityProject(120, 80, nodes), QStringLiteral("Wheel")));
    ASSERT_TRUE(WaitFor([&] { return Shown(Input()); }));
    FlexGrid* grid = Input()->msgProfile;
    TextBox* editor = Input()->txtCell;
    ShowPageOf(Input()->sstInput, grid);
    const auto typeKey = [](Qt::Key key) {
        ASSERT_TRUE(WaitFor([] { return QGuiApplication::focusWindow() != nullptr; }));
        QTest::keyClick(QGuiApplication::focusWindow(), key);
    };
    const int row = 4;
    for (const int notches : {1, 2}) {
        SCOPED_TRACE(notches);
        const int col = notches; // elevation 1041, then accumulated length 300
        ASSERT_EQ(grid->TopRow(), 1);
        const QString held = grid->TextMatrix(row, col);
        ClickGridCell(grid, row, col);
        ASSERT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
        typeKey(Qt::Key_F2);
        typeKey(Qt::Key_9);
        ASSERT_EQ(editor->Text(), held + QStringLiteral("9"));
        TurnWheel(grid, -notches);
        ASSERT_TRUE(WaitFor([&] { return grid->TopRow() > 1; }));
        EXPECT_EQ(grid->cellRect(row, col).isEmpty(), notches == 2);
        EXPECT_EQ(editor->isVisible(), notches == 1);
        EXPECT_EQ(QApplication::focusWidget(), notches == 1 ? editor : static_cast<QWidget*>(grid));
        typeKey(Qt::Key_8);
        ASSERT_TRUE(WaitFor([&] { return editor->hasFocus() && editor->isVisible(); }));
        EXPECT_EQ(editor->Text(), held + QStringLiteral("98"));
        EXPECT_EQ(grid->TextMatrix(row, col), held + QStringLiteral("98"));
        EXPECT_EQ(editor->geometry(),
                  grid->cellRect(row, col).translated(grid->pos()).adjusted(0, 0, -1, -1));
        typeKey(Qt::Key_Return);
        EXPECT_EQ(grid->TextMatrix(row, col), held + QStringLiteral("98"));
        TurnWheel(grid, 3);
        ASSERT_TRUE(WaitFor([&] { return grid->TopRow() == 1; }));
    }
    EXPECT_EQ(grid->TextMatrix(row, 1), QStringLiteral("104198"));
}

// The system-type dialog from the keyboard: Alt+C continues and Alt+N
// cancels, each of the two buttons with a key of its own; Return runs the focused
// button, and Continue while an option button has the focus; Esc cancels.
TEST_F(ControlsTest, SystemTypeDialogRunsItsButtonsFromTheKeyboard)
{
    OpenPumpingProject(QStringLiteral("TypeKeys"));
    struct Case
    {
        const char* name;
        QWidget* (*focus)(frmLCCType&);
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool continues;
    };
    const auto gravity = [](frmLCCType& d) -> QWidget* { return d.optGravity; };
    const auto pumping = [](frmLCCType& d) -> QWidget* { return d.optPumping; };
    const auto cancel = [](frmLCCType& d) -> QWidget* { return d.sscCancel; };
    const auto next = [](frmLCCType& d) -> QWidget* { return d.sscContinue; };
    const Case cases[] = {
        {"Alt+N", gravity, Qt::Key_N, Qt::AltModifier, false},
        {"Return on Cancel", cancel, Qt::Key_Return, {}, false},
        {"Esc", pumping, Qt::Key_Escape, {}, false},
        {"Alt+C", gravity, Qt::Key_C, Qt::AltModifier, true},
        {"Return on Pumping", pumping, Qt::Key_Return, {}, true},
        {"Return on Gravity", gravity, Qt::Key_Return, {}, true},
        {"Return on Continue", next, Qt::Key_Return, {}, true},
    };
    for (const Case& c : cases) {
        ctx.store.ProjectName = "Kept";
        bool pumpingChosen = false;
        ModalScript script;
        script.then(c.name, Named("frmLCCType"), [&](QWidget* w) {
            auto* dialog = static_cast<frmLCCType*>(w);
            EXPECT_EQ(dialog->sscCancel->Caption(), "Ca&ncel");
            QWidget* focus = c.focus(*dialog);
            focus->setFocus();
            ASSERT_TRUE(WaitFor([&] { return focus->hasFocus(); }, QString::fromUtf8(c.name)));
            if (auto* option = qobject_cast<QRadioButton*>(focus)) option->setChecked(true);
            pumpingChosen = dialog->optPumping->isChecked();
            QTest::keyClick(focus, c.key, c.modifiers);
        });
        Run(script, [&] { ChooseMenu(main_->mnuFile, main_->mnuNew); });
        EXPECT_TRUE(WaitFor([] { return QApplication::activeModalWidget() == nullptr; })) << c.name;
        if (c.continues) {
            EXPECT_NE(ctx.store.ProjectName, "Kept") << c.name;
            EXPECT_EQ(IsPumping(ctx.store), pumpingChosen) << c.name;
            EXPECT_TRUE(WaitFor([&] { return Shown(Input()); })) << c.name;
        } else {
            EXPECT_EQ(ctx.store.ProjectName, "Kept") << c.name;
        }
    }
}

// A refused run: the bar stands at 0 % when the refusal shows, and after it.
TEST_F(ControlsTest, ARefusedRunEmptiesTheProgressBar)
{
    auto project = GravityProject(100, 50, {{100, 0}, {50, 1000}});
    project->DesignLife = 100;
    project->SupplyStartYear = static_cast<int16_t>(project->BaseYear + 3);
    StartUp();
    OpenThroughMenu(SaveProjectFile(*project, QStringLiteral("Refused")));
    ASSERT_TRUE(WaitFor([&] { return Shown(Input()); }));
    frmAnalyse* dialog = nullptr;
    int barAtRefusal = -1;
    ModalScript script;
    script
        .then("Analyse", AnalysisDialogAt(QStringLiteral("&Analyse")),
              [&](QWidget* w) {
                  dialog = static_cast<frmAnalyse*>(w);
                  Click(dialog->sscAnalyse);
              })
        .then("the refusal", MessageBox(QString::fromUtf8(ProjectPeriodMessage)),
              [&](QWidget* w) {
                  barAtRefusal = dialog->proBar->value();
                  ClickButton(QStringLiteral("OK"))(w);
              })
        .then("the dialog after it", AnalysisDialogAt(QStringLiteral("&Analyse")), [&](QWidget* w) {
            EXPECT_EQ(dialog->proBar->value(), 0);
            Press(Qt::Key_Escape)(w);
        });
    RunAnalysisDialog(script);
    EXPECT_EQ(barAtRefusal, 0);
    EXPECT_FALSE(ctx.store.ResultsValid);
}

} // namespace
} // namespace vemora::test
