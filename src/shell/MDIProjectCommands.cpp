// The main window's welcome animation and the commands built so far: New,
// Exit and help. The other menu items and buttons do nothing yet.
#include <QTimer>

#include "app/AppContext.h"
#include "app/WorkingViews.h"
#include "platform/Ui.h"
#include "shell/MDIProject.h"
#include "shell/frmLCCType.h"

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

void MDIProject::mnuNew_Click()
{
    StopWelcome();
    HideWorkingWindow(ctx, ctx.windows.input.Get());
    if (ctx.store.ProjectOpen == 1) {
        if (ctx.ui.msgBox(QStringLiteral("Do you want to save the project ?"), MsgButtons::YesNo,
                          MsgIcon::Question, QStringLiteral("Vemora"), this) == MsgAnswer::Yes)
            mnuSave_Click();
        HideWorkingWindow(ctx, ctx.windows.input.Get());
        if (ctx.store.ResultsValid == 1) HideWorkingWindow(ctx, ctx.windows.results.Get());
    }
    frmLCCType dialog(ctx, this);
    ctx.ui.execDialog(&dialog);
}

void MDIProject::mnuSave_Click()
{
    // Saving is not built yet: the item does nothing.
}

void MDIProject::mnuExit_Click()
{
    if (ctx.ui.msgBox(QStringLiteral("Are you sure you want to quit ?"), MsgButtons::YesNo,
                      MsgIcon::Question, QStringLiteral("Vemora"), this) != MsgAnswer::Yes)
        return;
    hide();
    close();
}

void MDIProject::mnuContents_Click()
{
    ctx.ui.showHelp(HelpContents);
}

void MDIProject::mnuHelpOn_Click()
{
    ctx.ui.showHelp(HelpContents);
}

void MDIProject::mnuMethod_Click()
{
    ctx.ui.showHelp(HelpMethodology);
}

} // namespace vemora
