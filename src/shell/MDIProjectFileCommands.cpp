// The File menu's commands and their toolbar buttons: New, Open, Save,
// Save As, Delete, Import Profile, Print and Exit.
#include "app/AppContext.h"
#include "app/ProjectFiles.h"
#include "app/WorkingViews.h"
#include "platform/Ui.h"
#include "shell/MDIProject.h"
#include "shell/frmLCCType.h"

namespace vemora {

namespace {
const QString OpenFirst = QStringLiteral("First open an existing project or start a new project");
} // namespace

void MDIProject::mnuNew_Click()
{
    StopWelcome();
    ProjectStore& s = ctx.store;
    HideWorkingWindow(ctx, ctx.windows.input.Get());
    if (s.ProjectOpen == 1) {
        if (ctx.ui.msgBox(QStringLiteral("Do you want to save the project ?"), MsgButtons::YesNo,
                          MsgIcon::Question, QStringLiteral("Vemora"), this) == MsgAnswer::Yes) {
            // A save that did not complete keeps the user's work on screen.
            s.SaveSucceeded = 0;
            mnuSave_Click();
            if (s.SaveSucceeded != 1) {
                ShowWorkingWindow(ctx, ctx.windows.input.Get());
                return;
            }
        }
        HideWorkingWindow(ctx, ctx.windows.input.Get());
        if (s.ResultsValid == 1) HideWorkingWindow(ctx, ctx.windows.results.Get());
    }
    frmLCCType dialog(ctx, this);
    ctx.ui.execDialog(&dialog);
}

void MDIProject::mnuOpen_Click()
{
    StopWelcome();
    HideWorkspace();
    setProgressCaption(QStringLiteral("Opening project"));
    setProgressCaptionVisible(true);
    OpenProject(ctx);
}

void MDIProject::mnuSave_Click()
{
    HideWorkspace();
    if (!RequireOpenProject(OpenFirst)) return;
    setProgressCaption(QStringLiteral("Saving project"));
    setProgressCaptionVisible(true);
    InputWindow* input = ctx.windows.input.Get();
    if (!input || input->FileNameText() == QLatin1String(NewProjectFileLabel))
        SaveProjectAs(ctx);
    else
        SaveProject(ctx);
}

void MDIProject::mnuSaveAs_Click()
{
    HideWorkspace();
    if (!RequireOpenProject(OpenFirst)) return;
    setProgressCaption(QStringLiteral("Saving project"));
    setProgressCaptionVisible(true);
    SaveProjectAs(ctx);
}

void MDIProject::mnuDelete_Click()
{
    HideWorkspace();
    if (DeleteProject(ctx)) setSystemTypeCaption(QString());
}

void MDIProject::mnuImport_Click()
{
    HideWorkspace();
    if (!RequireOpenProject(
            QStringLiteral("First open an existing project or start a new project and then import "
                           "the profile")))
        return;
    ctx.windows.importWizard.Exec();
}

void MDIProject::mnuPrint_Click()
{
    HideWorkspace();
    if (!RequireOpenProject(QStringLiteral(
            "First open an existing project or start a new project and then print the data.")))
        return;
    ctx.windows.print.Exec();
}

void MDIProject::mnuExit_Click()
{
    if (ctx.ui.msgBox(QStringLiteral("Are you sure you want to quit ?"), MsgButtons::YesNo,
                      MsgIcon::Question, QStringLiteral("Vemora"), this) != MsgAnswer::Yes)
        return;
    hide();
    close();
}

} // namespace vemora
