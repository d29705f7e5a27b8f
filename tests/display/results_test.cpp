// Results describe the input on screen, on a real display: a value typed
// into a grid's cell editor after the results came up leaves View > Results
// refusing them.
#include <QGuiApplication>

#include "display/DisplayFixture.h"
#include "engine/EngineProjects.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"
#include "results/frmResults.h"

namespace vemora::test {
namespace {

class ResultsTest : public DisplayTest
{
  protected:
    frmLCC* Input() { return static_cast<frmLCC*>(ctx.windows.input.Get()); }
    frmResults* Results() { return static_cast<frmResults*>(ctx.windows.results.Get()); }

    // Keys as the keyboard sends them: to the active window, which hands
    // them to its focus.
    static void KeysAtFocus(const std::function<void(QWindow*)>& keys)
    {
        ASSERT_TRUE(WaitFor([] { return QGuiApplication::focusWindow() != nullptr; }));
        keys(QGuiApplication::focusWindow());
    }
};

// F2 on the profile cell that is current since the project opened (no click
// makes it current), a digit typed into the editor: the results are refused.
TEST_F(ResultsTest, ADigitTypedIntoTheCurrentCellLeavesNoResults)
{
    const QString path = SaveProjectFile(*GravityProject(100, 50, {{60, 0}, {55, 500}, {40, 1000}}),
                                         QStringLiteral("Typed"));
    StartUp();
    OpenThroughMenu(path);
    ASSERT_TRUE(WaitFor([&] { return Shown(Input()); }));
    AnalyseAndContinue();
    Click(Results()->sscInput); // "Input screen"
    ASSERT_TRUE(WaitFor([&] { return Shown(Input()); }));

    FlexGrid* grid = Input()->msgProfile;
    ShowPageOf(Input()->sstInput, grid);
    grid->setFocus(Qt::TabFocusReason); // as the Tab key brings it there
    ASSERT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
    KeysAtFocus([](QWindow* window) { QTest::keyClick(window, Qt::Key_F2); });
    ASSERT_TRUE(WaitFor([&] { return !grid->hasFocus(); })); // the editor has it
    KeysAtFocus([](QWindow* window) { QTest::keyClick(window, '7'); });

    ModalScript refusal;
    refusal.then("the refusal", MessageBox("Project has not been analysed."), ClickButton("OK"));
    Run(refusal, [&] { ChooseMenu(main_->mnuFile, main_->mnuView, main_->mnuResults); });
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_FALSE(ctx.windows.results.Loaded());
    EXPECT_TRUE(WaitFor([&] { return Shown(Input()); }));
}

} // namespace
} // namespace vemora::test
