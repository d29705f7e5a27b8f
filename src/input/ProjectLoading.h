// Making a project current: New writes the defaults into the record, the load
// copies the record into the data store and shows it in the input window.
#pragma once

namespace vemora {

class MDIProject;

// Blank project of the store's SystemType, then LoadProject.
void NewProject(MDIProject& main);

// Reads the record from ProjectFilePath (unless the project is new), copies it
// into the store and the input window, and sets the state flags.
void LoadProject(MDIProject& main);

} // namespace vemora
