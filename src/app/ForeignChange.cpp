#include "app/ForeignChange.h"

#include "app/AppContext.h"
#include "app/ProjectFiles.h"

namespace vemora {

void NoteProjectFile(AppContext& ctx, bool hasFile)
{
    const std::string& path = ctx.store.ProjectFilePath;
    const std::optional<FileStamp> stamp = hasFile ? StampOfFile(path) : std::nullopt;
    ctx.projectFile = stamp ? std::optional<NotedProjectFile>({path, *stamp}) : std::nullopt;
}

std::optional<SaveOutcome> AskBeforeOverwrite(AppContext& ctx)
{
    const std::string& path = ctx.store.ProjectFilePath;
    const std::optional<FileStamp> now = StampOfFile(path);
    const std::optional<NotedProjectFile>& noted = ctx.projectFile;
    if (!now || !noted || noted->path != path || *now == noted->stamp) return std::nullopt;
    const MsgAnswer answer = ctx.ui.msgBox(
        QStringLiteral("The project file has been changed by another program since it was "
                       "opened.\nDo you want to overwrite it ?"),
        MsgButtons::YesNoCancel, MsgIcon::Exclamation, QStringLiteral("Vemora"),
        ctx.mainWindow().widget());
    if (answer == MsgAnswer::Yes) return std::nullopt;
    if (answer == MsgAnswer::No) return SaveProjectAs(ctx);
    return SaveOutcome::Cancelled;
}

} // namespace vemora
