// Whether the input window holds edits that the project file does not: the
// record a save would write now, compared with the one built right after the
// last load or save. Making a grid cell current changes neither.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace vemora {

struct AppContext;

// What a save would make of the input window: the record's bytes, and each
// box or grid cell that its checks would stop at, named with its text (such
// a field has no value in the record, so its text stands for it).
struct SaveImage
{
    std::string record;
    std::vector<QString> refusals;

    bool operator==(const SaveImage&) const = default;
};

// Builds it without a message, a focus move or a write to the store; empty
// when there is no input window.
SaveImage BuildSaveImage(AppContext& ctx);

// Takes the window as it now stands as the project's saved input; the load
// calls it once the window shows the project.
void NoteSavedInput(AppContext& ctx);

// The store's input becomes the input on screen, as every run, print and
// view reads it: with edits pending, each field the window fills takes the
// window's value as a save would read it, quietly (the record and the file
// stay as they are, so the edits stay pending); without, the input fields
// are filled again from the record by the load's copy, so that no value of
// an earlier take stays. Results, flags and the calibration stay as they
// are. Returns the window's image (BuildSaveImage): the run keeps it as
// the input its results describe (analysedInput); nothing else does.
SaveImage TakeInputOnScreen(AppContext& ctx);

// A project is open and a save would write something other than its file
// holds.
bool EditsPending(AppContext& ctx);

} // namespace vemora
