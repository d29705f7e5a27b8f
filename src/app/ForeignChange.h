// A project file that another program replaced or changed after this one
// opened or last saved it is not written over without the user's word.
#pragma once

#include <optional>
#include <string>

#include "app/ProjectFiles.h"

#include "files/FileStamp.h"

namespace vemora {

struct AppContext;

// The project file as this program last opened or saved it.
struct NotedProjectFile
{
    std::string path;
    FileStamp stamp;
};

// Notes the project file as it is now, after an open or a save of the
// program's own; a project without a file has nothing to note.
void NoteProjectFile(AppContext& ctx, bool hasFile);

// Before a save writes over the project file: nothing when it may write;
// otherwise how the save ended instead. When the file changed since it was
// noted (a file the program never noted under its name is not asked
// about), asks "The project file has been changed by another program since
// it was opened." / "Do you want to overwrite it ?": Yes writes; No saves
// under another name through Save As instead (its outcome, so the command
// goes on only when that saved); Cancel writes nothing (Cancelled). A file
// that no longer exists is written without a question.
std::optional<SaveOutcome> AskBeforeOverwrite(AppContext& ctx);

} // namespace vemora
