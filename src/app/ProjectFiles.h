// The File commands' operations on the project file: open, save with the
// input checks, save under a new name, delete. Each ends, after a write or
// an open, with the ordinary load that shows the project from its file.
#pragma once

#include <QString>

namespace vemora {

struct AppContext;

// The caption of the file label while the project has no file of its own.
inline constexpr const char* NewProjectFileLabel = "Vemora (New project file)";

// Whether the project has a file of its own: it was opened from one or saved
// into one since New (which clears the path). The file label, the page
// headers, the PDF's name, Save, Save As and Delete all ask this.
bool HasFileOfItsOwn(const AppContext& ctx);
// What the file label and the page headers show: the project file's path,
// or NewProjectFileLabel for a project without a file of its own.
QString FileLabelText(const AppContext& ctx);

// Asks for a project file and loads it; the windows of the project before
// then go (ForgetPreviousProject). Cancelled, or a file that will not open:
// the progress caption is hidden and cleared, and the project, its path,
// flags, caption and windows stay as they were. Never creates a file.
void OpenProject(AppContext& ctx);

// How a save ended: written and loaded again, stopped by an input check
// (which showed its message), cancelled at a dialog or question, or the file
// could not be written (which said why).
enum class SaveOutcome {
    Saved,
    StoppedByCheck,
    Cancelled,
    Failed,
};

// The save's option codes and checks of the input window, with their
// messages (RunSaveChecks); the grids read back go into the store. False
// when a check stopped them or there is no input window. Writes no file.
bool CheckInputForSave(AppContext& ctx);

// Checks the input window, reads its grids and fields into the store and the
// store into the record, writes the record atomically at the file's record
// number and loads the project again from the file. A write that fails
// leaves the file as it was and says "Can't Save the project !" with the
// reason on a second line. Whenever the save ends without writing, the
// "Saving project" caption is hidden and cleared.
SaveOutcome SaveProject(AppContext& ctx);

// The checks and copies of SaveProject, then the file name asked, the write
// and the load. A name with blanks at its ends that names no file is saved
// without them, after asking before it replaces a file of that shorter name.
// ProjectFilePath takes the name written only once the write has succeeded,
// and every later read, write, stamp, delete and file label uses it as it
// is; a cancelled dialog or question, or a failed check, writes nothing.
SaveOutcome SaveProjectAs(AppContext& ctx);

// Deletes the project's file after the checks and the question; its windows
// and results go with it (ForgetPreviousProject) and its name leaves the
// main window's caption. A project without a file of its own (New, never
// saved), or with edits pending (the save question's comparison), is
// refused. Returns whether the file was deleted.
bool DeleteProject(AppContext& ctx);

} // namespace vemora
