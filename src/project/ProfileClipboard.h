// The profile table pasted from a spreadsheet: tab-separated cells, one row a
// line, read and checked before anything of the project is touched.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vemora {

struct ProjectStore;

constexpr int ClipboardProfileColumns = 6; // elevation, chainage, diameter, wall, cost, loss
constexpr int ClipboardProfileRows = 100;
constexpr int ClipboardCellLength = 30; // characters a cell keeps

// One pasted row, in the units selected in the input window.
struct ClipboardProfileRow
{
    // Each cell without its surrounding blanks, cut to 30 characters; empty
    // for a cell the row does not have.
    std::array<std::string, ClipboardProfileColumns> cells;
    // The cells as numbers; an empty cell is 0. In column order: node
    // elevation, accumulated length, pipe outside diameter, wall thickness,
    // pipe cost per metre, secondary loss coefficient.
    std::array<float, ClipboardProfileColumns> values{};
};

using ClipboardProfileTable = std::vector<ClipboardProfileRow>; // 1 to 100 rows

enum class ClipboardProfileStatus {
    Ok,
    TooManyColumns, // a row has a seventh cell (its row is named): select again and paste again
    NotANumber,     // a cell that is not a number; its row and column are named
    TooLarge,       // a number beyond a 4-byte real; its row and column are named
    EndOfProfile,   // a row of 999999 and 999999, the file's end-of-profile mark; its row is named
    NothingPasted,  // no complete row, more than 100 rows, or another fault
};

struct ClipboardProfileOutcome
{
    ClipboardProfileStatus status = ClipboardProfileStatus::Ok;
    std::string message; // the text to show (title "Error !"); empty when Ok
    int row = 0;         // 1-based row and column of a cell that is not read
    int column = 0;      // (the row alone for a row that holds the end mark or a seventh cell)
};

inline constexpr std::string_view NothingToPasteMessage =
    "There was nothing on the clipboard to paste";
inline constexpr std::string_view NoPastedDataMessage =
    "There was no data on the clipboard to paste.  Select the data and click on the paste button.";
// Follows "Row <n> of the selection ", which names the first row too wide.
inline constexpr std::string_view TooManyColumnsMessage =
    "copied from the spreadsheet has more than six columns.  Select at most six columns and "
    "paste again.";
inline constexpr std::string_view NothingCouldBePastedMessage =
    "Nothing could be pasted please check that your copied data is as specified in the help file.";

// Parses pasted text. Cells are separated by TAB; a CR LF pair, a lone LF or
// a lone CR ends a row, and only rows ended so count (text after the last
// line end is left out). A blank line is a row of empty cells. At most six
// cells a row and 100 rows. Every cell must be empty or a number as a
// spreadsheet writes it (ReadScientificNumber: a sign, a decimal point and an
// exponent are read; a comma, "inf" or "nan" are not) that a 4-byte real
// holds. On success `table` is
// replaced by the rows; on any refusal `table` is left exactly as it was.
ClipboardProfileOutcome ParseClipboardProfile(std::string_view text, ClipboardProfileTable& table);

// Replaces the store's profile by a parsed table. Every cell is read again
// first; a cell that is not a number or too large, a row holding the end mark (or an empty
// or over-long table) refuses the whole table and the store stays exactly as it was. On success
// node 1 to rows take the six columns and the node type "Node" (code 0), the elevation and
// accumulated length of every later node become the empty-node marker 999999 (their other values
// stay), NodeCount is the number of rows and no NodeNumber changes. Values keep the units selected
// in the input window.
ClipboardProfileOutcome ApplyClipboardProfile(const ClipboardProfileTable& table,
                                              ProjectStore& store);

} // namespace vemora
