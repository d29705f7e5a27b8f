// Making a project current: New writes the defaults into the record, the load
// copies the record into the data store and shows it in the input window.
#pragma once

namespace vemora {

struct AppContext;

// Where a load takes the record from: the file at ProjectFilePath, or the
// store's record as New has just filled it with the defaults.
enum class LoadSource { File, NewProject };

// Blank project of the store's SystemType with the new-project defaults, then
// LoadProject from them; the windows of the project before go
// (ForgetPreviousProject). The file label reads "Vemora (New project file)".
void NewProject(AppContext& ctx);

// Reads the record from ProjectFilePath (not for a new project), copies it
// into the store and the input window, sets the state flags and shows the
// window; a new project's window starts on its first page. A file that
// cannot be read or fails the record check is refused with " Can't open
// project !" and, on a second line, the reason, and changes nothing; the
// result is then false.
bool LoadProject(AppContext& ctx, LoadSource source = LoadSource::File);

} // namespace vemora
