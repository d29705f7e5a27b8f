// The input window's boxes in one table: each box's name in the window, how
// its text reads, the store field that a save copies it into and a load shows
// it from, and the names the save's messages give it. The window finds,
// connects, reads and shows its boxes through this table and the save checks
// take their messages from it, so a box is one row here.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/InputBoxes.h"

namespace vemora {

struct ProjectStore;
class InputWindow;
class UnitList;

constexpr int PumpCurvePoints = 6;

// How a box's text is stored and shown.
enum class FieldKind {
    Number,   // a number: an empty box stores 0, a stored value shows in its shortest form
    Text,     // a text stored without the blanks around it
    KeptText, // a text stored as typed, shown without the record's padding from its start
};

// Which save copies a box into the store, and which load shows it.
enum class FieldUse {
    Always,    // every project
    Gravity,   // a gravity project; a pumping one keeps the store's value and the box's text
    Pumping,   // a pumping project; a gravity one keeps the store's value and the box's text
    PumpCurve, // copied as Pumping, shown for both (a gravity project shows what the store kept)
    PumpingOrZero, // as Pumping, but a gravity project's save stores 0
    MortarOrZero,  // copied with a cement mortar lining, 0 with an epoxy one; always shown
};

// What a printed input page prints of a box: its text as it stands in the
// window (edits not yet saved included, neither trimmed nor reformatted), or
// the value the store holds once the window's input is taken.
enum class PrintedAs { Text, StoredValue };

// A unit list: its name in the window, its entries and the store field of
// its code.
struct UnitColumn
{
    const char* name = nullptr;
    const UnitList* entries = nullptr;
    int16_t ProjectStore::*code = nullptr;
};

struct InputField
{
    InputBox box;
    const char* name; // the control's name in the window
    FieldKind kind = FieldKind::Number;
    FieldUse use = FieldUse::Always;
    float ProjectStore::*number = nullptr;     // the store field of a number box
    std::string ProjectStore::*text = nullptr; // the store field of a text box
    // A pump-curve point: the row of PumpCurve (1 head, 2 flow, 3 efficiency)
    // whose six points the six boxes of the name hold.
    int curveRow = 0;
    const char* numberName = nullptr;   // the box in "Enter a number for the ... !"
    const char* emptyMessage = nullptr; // the check's message for an empty box (none: unchecked)
    bool positive = false;              // the check asks for more than zero
    PrintedAs printed = PrintedAs::Text;
    UnitColumn unit{}; // the box's unit list; none without a name

    // The boxes under the name: the six points of a pump-curve row, else one.
    int Count() const { return curveRow != 0 ? PumpCurvePoints : 1; }
};

// One box: its row and its index among the boxes of the row's name.
struct FieldBox
{
    const InputField* field;
    int index;
};

// Every row, in the order of InputBox.
std::span<const InputField> InputFields();
const InputField& FieldOf(InputBox box);
// Every box in the order the save reads them: the single boxes in the
// table's order, then the pump-curve boxes point by point.
const std::vector<FieldBox>& EveryBox();

// One unit list of the window: a box's (`box`) or a grid's (`grid`), with
// the use of its box's row (a grid's list has its own).
struct UnitListRow
{
    const UnitColumn* unit;
    FieldUse use;
    std::optional<InputBox> box;
    GridUnit grid = GridUnit::VaryingDemand;
};

// Every unit list: the boxes' in the table's order, then the grids'. The
// window keeps its lists in this order and is asked for them by position.
const std::vector<UnitListRow>& EveryUnitList();

// Whether a save copies the box for a gravity (or pumping) project with a
// cement mortar (or epoxy) lining.
bool CopiedBySave(FieldUse use, bool gravity, bool mortarLining);
bool CopiedBySave(const InputField& f, bool gravity, bool mortarLining);
// Whether a load shows it for a gravity (or pumping) project.
bool ShownByLoad(FieldUse use, bool gravity);
bool ShownByLoad(const InputField& f, bool gravity);
// The name of a box in the window: a pump-curve point's carries its index,
// "txtH(2)".
QString ControlName(const InputField& f, int index);
// The box as the save's "Enter a number" message names it.
QString NumberName(const InputField& f, int index);

// The load's half: every box and unit list of the store's system type
// shows its field.
void ShowBoxes(InputWindow& window, const ProjectStore& s);
// The save's half: every box and unit list that the save copies for the
// store's system type and the lining goes into its field; an empty number box, or one that
// is not a number (the checks refuse it), gives 0.
void CopyBoxesToStore(const InputWindow& window, ProjectStore& s, bool mortarLining);

} // namespace vemora
