// The File menu's commands and their toolbar buttons: New, Open, Save,
// Save As, Delete, Import Profile, Print and Exit.
#include <QDialog>
#include <QTimer>

#include "app/AppContext.h"
#include "app/PendingEdits.h"
#include "app/ProjectFiles.h"
#include "app/WorkingViews.h"
#include "platform/Ui.h"
#include "shell/MDIProject.h"
#include "shell/frmLCCType.h"

namespace vemora {

namespace {
const QString OpenFirst = QStringLiteral("First open an existing project or start a new project");
} // namespace

// Edits pending are offered for saving first, as at Open: Cancel, or a save
// that did not complete, ends the command with the project, its windows and
// its caption as they were. The blank project that Continue makes has no
// name in the title until its first save gives it one.
void MDIProject::mnuNew_Click()
{
    ShownWorkspace before = ShowingWorkspace();
    StopWelcome();
    if (!before.caption.isEmpty()) setWindowTitle(before.caption); // the project's name stays
    if (!SaveEditsFirst()) return;
    before = ShowingWorkspace(); // a saved project shows under its new caption
    HideWorkingWindow(ctx, ctx.windows.input.Get());
    if (ctx.store.ResultsValid) HideWorkingWindow(ctx, ctx.windows.results.Get());
    frmLCCType dialog(ctx, this);
    if (ctx.ui.execDialog(&dialog) == QDialog::Accepted) {
        StopWelcome(); // the title settles on "  Vemora"
        return;
    }
    // Cancelled: the project stays, and so does what showed of it.
    BringBackWorkspace(before);
}

bool MDIProject::SaveEditsFirst(bool checkOnNo)
{
    if (!EditsPending(ctx)) return true;
    const MsgAnswer answer =
        ctx.ui.msgBox(QStringLiteral("Do you want to save the project ?"), MsgButtons::YesNoCancel,
                      MsgIcon::Question, QStringLiteral("Vemora"), this);
    if (answer == MsgAnswer::No) return !checkOnNo || CheckInputForSave(ctx);
    if (answer != MsgAnswer::Yes) return false;
    return SaveCommand() == SaveOutcome::Saved;
}

MDIProject::ShownWorkspace MDIProject::ShowingWorkspace() const
{
    ShownWorkspace shown;
    shown.input = IsWorkingWindowShowing(ctx, ctx.windows.input.Get()) ||
                  IsWorkingWindowShowing(ctx, ctx.windows.profileView.Get()) ||
                  IsWorkingWindowShowing(ctx, ctx.windows.pumpView.Get());
    shown.results = IsWorkingWindowShowing(ctx, ctx.windows.results.Get());
    if (!tmrWelcome->isActive()) shown.caption = windowTitle();
    return shown;
}

void MDIProject::BringBackWorkspace(const ShownWorkspace& before)
{
    if (!ctx.store.ProjectOpen) return; // deleted: nothing to show
    InputWindow* input = ctx.windows.input.Get();
    ResultsWindow* results = ctx.windows.results.Get();
    // A load, or a save stopped at a check, has shown the input window.
    if (IsWorkingWindowShowing(ctx, input) || IsWorkingWindowShowing(ctx, results)) return;
    // Results that the command discarded leave the input window in their place.
    const bool resultsKept = before.results && ctx.store.ResultsValid;
    if (before.input || (before.results && !resultsKept)) ShowWorkingWindow(ctx, input);
    if (resultsKept) ShowWorkingWindow(ctx, results);
    if (!before.caption.isEmpty()) setWindowTitle(before.caption);
}

void MDIProject::mnuOpen_Click()
{
    if (!SaveEditsFirst()) return;
    const ShownWorkspace before = ShowingWorkspace();
    StopWelcome();
    HideWorkspace();
    setProgressCaption(QStringLiteral("Opening project"));
    setProgressCaptionVisible(true);
    OpenProject(ctx);
    BringBackWorkspace(before);
}

SaveOutcome MDIProject::SaveCommand()
{
    const ShownWorkspace before = ShowingWorkspace();
    HideWorkspace();
    if (!RequireOpenProject(OpenFirst)) return SaveOutcome::Cancelled;
    setProgressCaption(QStringLiteral("Saving project"));
    setProgressCaptionVisible(true);
    const SaveOutcome outcome = HasFileOfItsOwn(ctx) ? SaveProject(ctx) : SaveProjectAs(ctx);
    BringBackWorkspace(before);
    return outcome;
}

void MDIProject::mnuSaveAs_Click()
{
    const ShownWorkspace before = ShowingWorkspace();
    HideWorkspace();
    if (!RequireOpenProject(OpenFirst)) return;
    setProgressCaption(QStringLiteral("Saving project"));
    setProgressCaptionVisible(true);
    SaveProjectAs(ctx);
    BringBackWorkspace(before);
}

void MDIProject::mnuDelete_Click()
{
    const ShownWorkspace before = ShowingWorkspace();
    HideWorkspace();
    if (DeleteProject(ctx))
        setSystemTypeCaption(QString());
    else
        BringBackWorkspace(before);
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

// With edits pending the save question stands in for "Are you sure you want
// to quit ?".
void MDIProject::mnuExit_Click()
{
    if (EditsPending(ctx)) {
        if (!SaveEditsFirst()) return;
    } else if (ctx.ui.msgBox(QStringLiteral("Are you sure you want to quit ?"), MsgButtons::YesNo,
                             MsgIcon::Question, QStringLiteral("Vemora"), this) != MsgAnswer::Yes) {
        return;
    }
    exitAnswered_ = true;
    hide();
    close();
}

} // namespace vemora
