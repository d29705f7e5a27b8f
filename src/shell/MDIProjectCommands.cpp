// The main window's welcome animation, the commands' prelude and checks, and
// the commands of the View, Analyse, Roughness, Preferences and Help menus.
// The File commands are in MDIProjectFileCommands.cpp.
#include <QTimer>

#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "app/WorkingViews.h"
#include "platform/Screen.h"
#include "platform/Ui.h"
#include "shell/MDIProject.h"

namespace vemora {

namespace {
constexpr int HelpContents = 1000;
constexpr int HelpMethodology = 7000;
const QString SettledTitle = QStringLiteral("  Vemora");
} // namespace

void MDIProject::tmrWelcome_Timer()
{
    if (!tmrWelcome->isActive()) return; // stopped for good
    const QString caption = lblWelcome->text();
    WelcomeText = caption.left(WelcomeCharCount).leftJustified(WelcomeTextLength, u' ', true);
    setWindowTitle(WelcomeText);
    ++WelcomeCharCount;
    if (WelcomeCharCount > caption.length()) WelcomeCharCount = 0;
    ++WelcomeTick;
    if (WelcomeTick >= WelcomeLastTick) StopWelcome();
}

void MDIProject::StopWelcome()
{
    tmrWelcome->stop();
    setWindowTitle(SettledTitle);
}

void MDIProject::Message(const QString& text)
{
    ctx.ui.msgBox(text, MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Vemora"), this);
}

bool MDIProject::RequireOpenProject(const QString& message)
{
    if (ctx.store.ProjectOpen) return true;
    Message(message);
    return false;
}

// The profile and pump-curve views go when they are showing.
void MDIProject::UnloadProjectViews()
{
    if (IsWorkingWindowShowing(ctx, ctx.windows.profileView.Get()))
        ctx.windows.profileView.Unload();
    if (IsWorkingWindowShowing(ctx, ctx.windows.pumpView.Get())) ctx.windows.pumpView.Unload();
}

void MDIProject::HideWorkspace()
{
    if (ctx.store.ProjectOpen) {
        HideWorkingWindow(ctx, ctx.windows.input.Get());
        UnloadProjectViews();
    }
    if (ctx.store.ResultsValid) HideWorkingWindow(ctx, ctx.windows.results.Get());
}

void MDIProject::mnuGeneral_Click()
{
    if (!RequireOpenProject(QStringLiteral("No project has been opened."))) return;
    InputWindow* input = ctx.windows.input.Load();
    ShowWorkingWindow(ctx, input);
    UnloadProjectViews();
    if (ctx.store.ResultsValid) HideWorkingWindow(ctx, ctx.windows.results.Get());
    if (input) placeAtWorkAreaCorner(input->widget());
}

void MDIProject::mnuResults_Click()
{
    if (!DiscardStaleResults(ctx)) {
        Message(QStringLiteral("Project has not been analysed."));
        // Back to the input window as View > Input Data goes: the profile and
        // pump-curve views go, so none is left behind it.
        if (ctx.store.ProjectOpen) mnuGeneral_Click();
        return;
    }
    ResultsWindow* results = ctx.windows.results.Load();
    ShowWorkingWindow(ctx, results);
    if (results) placeAtWorkAreaCorner(results->widget());
    HideWorkingWindow(ctx, ctx.windows.input.Get());
    UnloadProjectViews();
}

void MDIProject::mnuAnalyse_Click()
{
    if (!RequireOpenProject(
            QStringLiteral("First open an existing project or start a new project")))
        return;
    // Pending edits are offered for saving; unsaved, they are analysed as
    // they stand once the save's checks pass.
    if (!SaveEditsFirst(true)) return;
    HideWorkingWindow(ctx, ctx.windows.input.Get());
    UnloadProjectViews();
    ctx.windows.analysis.Exec();
}

void MDIProject::mnuRoughness_Click()
{
    HideWorkingWindow(ctx, ctx.windows.profileView.Get());
    RoughnessWindow* calibration = ctx.windows.roughness.Load();
    ShowWorkingWindow(ctx, calibration);
    if (calibration) placeAtWorkAreaCorner(calibration->widget());
}

// The preferences travel with the project: results of other ones go.
void MDIProject::mnuPreferences_Click()
{
    ctx.windows.preferences.Exec();
    DiscardStaleResults(ctx);
}

void MDIProject::mnuContents_Click()
{
    ctx.ui.showHelp(HelpContents);
}

void MDIProject::mnuHelpOn_Click()
{
    ctx.ui.showHelp(HelpContents);
}

void MDIProject::mnuStep_Click()
{
    ctx.windows.guide.Exec();
}

void MDIProject::mnuConvert_Click()
{
    HideWorkspace();
    ctx.windows.converter.Exec();
}

void MDIProject::mnuMethod_Click()
{
    ctx.ui.showHelp(HelpMethodology);
}

void MDIProject::mnuDisclaimer_Click()
{
    HideWorkspace();
    ctx.windows.disclaimer.Exec();
}

void MDIProject::mnuAbout_Click()
{
    HideWorkspace();
    ctx.windows.about.Exec();
}

} // namespace vemora
