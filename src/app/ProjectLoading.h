// Making a project current: New writes the defaults into the record, the load
// copies the record into the data store and shows it in the input window.
#pragma once

namespace vemora {

struct AppContext;

// Blank project of the store's SystemType with the new-project defaults, then
// LoadProject; the windows of the project before go (ForgetPreviousProject).
// The file label reads "Vemora (New project file)".
void NewProject(AppContext& ctx);

// Reads the record from ProjectFilePath (unless the project is new), copies it
// into the store and the input window, sets the state flags and shows the
// window. A file that cannot be read or fails the record check is refused
// with " Can't open project !" and, on a second line, the reason, and
// changes nothing; the result is then false.
bool LoadProject(AppContext& ctx);

} // namespace vemora
