#include "app/ProjectFiles.h"

#include <unistd.h>

#include <QFileInfo>
#include <cerrno>

#include "app/AppContext.h"
#include "app/ForeignChange.h"
#include "app/ForgetPreviousProject.h"
#include "app/PendingEdits.h"
#include "app/ProjectLoading.h"
#include "app/SaveChecks.h"
#include "app/WorkingViews.h"
#include "files/FileReasons.h"
#include "files/PathWalk.h"
#include "project/ProjectFile.h"
#include "project/RecordStore.h"
#include "project/SystemType.h"
#include "project/TextCodec.h"

namespace vemora {

namespace {

const QString Title = QStringLiteral("Vemora");

void Message(AppContext& ctx, const QString& text, MsgIcon icon = MsgIcon::Exclamation,
             const QString& title = Title)
{
    ctx.ui.msgBox(text, MsgButtons::OK, icon, title, ctx.mainWindow().widget());
}

void HideProgressCaption(AppContext& ctx)
{
    ctx.mainWindow().setProgressCaptionVisible(false);
    ctx.mainWindow().setProgressCaption(QString());
}

FileDialogRequest ProjectDialog(AppContext& ctx, const QString& title, const QString& filter)
{
    FileDialogRequest req;
    req.title = title;
    req.initDir = ctx.paths.projectsPath();
    req.filter = filter;
    req.filterIndex = 2;
    return req;
}

// Checks, read-backs and copies into the store and the record; false when a
// check stopped them.
bool FillRecord(AppContext& ctx)
{
    ProjectStore& s = ctx.store;
    if (!CheckInputForSave(ctx)) return false;
    ctx.windows.input.Get()->CopyFieldsToStore(s);
    CopyStoreToRecord(s, s.ProjectRec);
    ctx.mainWindow().setProgressValue(70);
    return true;
}

// Writes the record to `path`; on failure says so, with the reason on a
// second line, and the file is as it was.
bool WriteRecord(AppContext& ctx, const std::string& path)
{
    int64_t number = 0;
    std::string why;
    if (WriteProjectFile(path, ctx.store.ProjectRec, number, &why) == FileStatus::Ok) return true;
    HideProgressCaption(ctx);
    Message(ctx, QStringLiteral("Can't Save the project !\n") + QString::fromStdString(why));
    return false;
}

// The file a Save As writes, from the name its dialog returned: a file of
// exactly that name, which the dialog asked to replace, as it is; any other
// name without blanks at its ends, and when that names a file, only after
// the dialog's own question ("... already exists." / "Do you want to replace
// it?") was answered Yes. Nothing when it was answered No.
std::optional<std::string> PathToSaveAt(AppContext& ctx, const FileDialogRequest& req,
                                        const QString& chosen)
{
    if (QFileInfo::exists(chosen)) return chosen.toStdString();
    const std::string trimmed = TrimBlanks(chosen.toStdString());
    const QFileInfo file(QString::fromStdString(trimmed));
    if (!file.exists()) return trimmed;
    const QString question = QStringLiteral("%1 already exists.\nDo you want to replace it?");
    if (ctx.ui.msgBox(question.arg(file.fileName()), MsgButtons::YesNo, MsgIcon::Exclamation,
                      req.title, ctx.mainWindow().widget()) != MsgAnswer::Yes)
        return std::nullopt;
    return trimmed;
}

} // namespace

bool HasFileOfItsOwn(const AppContext& ctx)
{
    return !ctx.store.ProjectFilePath.empty();
}

QString FileLabelText(const AppContext& ctx)
{
    if (!HasFileOfItsOwn(ctx)) return QString::fromLatin1(NewProjectFileLabel);
    return QString::fromStdString(ctx.store.ProjectFilePath);
}

bool CheckInputForSave(AppContext& ctx)
{
    InputWindow* w = ctx.windows.input.Get();
    if (!w) return false;
    StoreOptionCodes(ctx.store, w->Options());
    return RunSaveChecks(ctx, *w);
}

void OpenProject(AppContext& ctx)
{
    FileDialogRequest req =
        ProjectDialog(ctx, QStringLiteral("OPEN AN EXISTING VEMORA PROJECT"),
                      QStringLiteral("All Files (*.*)|*.*|Vemora Files (*.kpj)|*.kpj"));
    const std::optional<QString> file = ctx.ui.openFile(req, ctx.mainWindow().widget());
    if (!file) {
        HideProgressCaption(ctx);
        return;
    }
    ProjectStore& s = ctx.store;
    const std::string previous = s.ProjectFilePath;
    s.ProjectFilePath = file->toStdString();
    if (LoadProject(ctx))
        ForgetPreviousProject(ctx);
    else
        s.ProjectFilePath = previous;
}

SaveOutcome SaveProject(AppContext& ctx)
{
    ProjectStore& s = ctx.store;
    if (!FillRecord(ctx)) {
        HideProgressCaption(ctx);
        return SaveOutcome::StoppedByCheck;
    }
    if (const std::optional<SaveOutcome> instead = AskBeforeOverwrite(ctx)) {
        HideProgressCaption(ctx);
        return *instead;
    }
    if (!WriteRecord(ctx, s.ProjectFilePath)) return SaveOutcome::Failed;
    return LoadProject(ctx) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

SaveOutcome SaveProjectAs(AppContext& ctx)
{
    ProjectStore& s = ctx.store;
    MainWindow& main = ctx.mainWindow();
    main.setProgressValue(0);
    FileDialogRequest req =
        ProjectDialog(ctx, QStringLiteral("SAVE THE VEMORA PROJECT"),
                      QStringLiteral("All Files (*.*)|*.* |Vemora Files (*.kpj)|*.kpj"));
    req.overwritePrompt = true;
    main.setProgressValue(10);

    if (!FillRecord(ctx)) {
        HideProgressCaption(ctx);
        return SaveOutcome::StoppedByCheck;
    }
    const std::optional<QString> file = ctx.ui.saveFile(req, main.widget());
    if (!file) {
        HideProgressCaption(ctx);
        return SaveOutcome::Cancelled;
    }
    const std::optional<std::string> path = PathToSaveAt(ctx, req, *file);
    if (!path) {
        HideProgressCaption(ctx);
        return SaveOutcome::Cancelled;
    }
    main.setProgressValue(80);
    if (!WriteRecord(ctx, *path)) return SaveOutcome::Failed;
    main.setProgressValue(100);
    s.ProjectFilePath = *path;
    if (InputWindow* w = ctx.windows.input.Get()) w->ShowFileName(FileLabelText(ctx));
    main.setProgressCaption(QStringLiteral("Opening project"));
    main.setProgressCaptionVisible(true);
    main.setProgressValue(0);
    return LoadProject(ctx) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool DeleteProject(AppContext& ctx)
{
    ProjectStore& s = ctx.store;
    InputWindow* w = ctx.windows.input.Get();
    if (!s.ProjectOpen) {
        Message(ctx, QStringLiteral("First open the project that you want to delete"));
        return false;
    }
    if (!HasFileOfItsOwn(ctx) || EditsPending(ctx)) {
        Message(ctx, QStringLiteral("The project has not been saved and thus cannot be deleted"),
                MsgIcon::None);
        return false;
    }
    if (ctx.ui.msgBox(QStringLiteral("Are you sure you want to delete the current project ?"),
                      MsgButtons::YesNo, MsgIcon::Question, Title,
                      ctx.mainWindow().widget()) != MsgAnswer::Yes) {
        ShowWorkingWindow(ctx, w);
        return false;
    }
    if (std::string why; !DeleteFile(s.ProjectFilePath, why)) {
        Message(ctx,
                QStringLiteral("Could not delete the project.\n") + QString::fromStdString(why),
                MsgIcon::None, QStringLiteral("Error !"));
        return false;
    }
    s.ProjectOpen = false;
    HideWorkingWindow(ctx, w);
    ForgetPreviousProject(ctx);
    ctx.mainWindow().setCaption(QStringLiteral("  Vemora")); // no project's name
    Message(ctx, QStringLiteral("The current project was successfully deleted"));
    return true;
}

} // namespace vemora
