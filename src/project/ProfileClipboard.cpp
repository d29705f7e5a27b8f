#include "project/ProfileClipboard.h"

#include "project/ProfileNodes.h"
#include "project/ProjectStore.h"
#include "project/StrictNumber.h"
#include "project/TextCodec.h"

namespace vemora {
namespace {

constexpr std::array<std::string_view, ClipboardProfileColumns> ColumnNames = {
    "Elevation",           "Accumulated length", "Pipe diameter",
    "Pipe wall thickness", "Pipe cost/metre",    "Secondary loss"};

// The first `count` characters of UTF-8 text (a character is a byte that does
// not continue another).
std::string_view FirstCharacters(std::string_view text, int count)
{
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == count)
            return text.substr(0, i);
    return text;
}

ClipboardProfileOutcome Refusal(ClipboardProfileStatus status, std::string_view message)
{
    return {status, std::string(message), 0, 0};
}

// Cuts the text into rows of cells; only the form is checked here.
ClipboardProfileOutcome SplitRows(std::string_view text, ClipboardProfileTable& rows)
{
    ClipboardProfileRow row;
    int column = 0;
    std::size_t cellStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\t' && c != '\r' && c != '\n') continue;
        // A cell of a 101st row is one row too many.
        if (rows.size() == ClipboardProfileRows)
            return Refusal(ClipboardProfileStatus::NothingPasted, NothingCouldBePastedMessage);
        const std::string cell = TrimBlanks(std::string(text.substr(cellStart, i - cellStart)));
        row.cells[static_cast<std::size_t>(column)] = FirstCharacters(cell, ClipboardCellLength);
        if (c == '\t') {
            if (++column == ClipboardProfileColumns)
                return {ClipboardProfileStatus::TooManyColumns,
                        "Row " + std::to_string(rows.size() + 1) + " of the selection " +
                            std::string(TooManyColumnsMessage),
                        static_cast<int>(rows.size()) + 1, 0};
        } else {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i; // CR LF
            rows.push_back(std::move(row));
            row = ClipboardProfileRow();
            column = 0;
        }
        cellStart = i + 1;
    }
    if (rows.empty())
        return Refusal(ClipboardProfileStatus::NothingPasted, NothingCouldBePastedMessage);
    return {};
}

ClipboardProfileOutcome EndOfProfileRefusal(int row)
{
    return {ClipboardProfileStatus::EndOfProfile,
            "Row " + std::to_string(row) +
                " holds 999999 as both its elevation and its accumulated length, which a "
                "project file reads as the end of the profile.  Correct the data in the "
                "spreadsheet, copy it and paste again.",
            row, 0};
}

// Reads every cell; the first one that is not a number or too large, or the
// first row that holds the end mark, refuses the table.
ClipboardProfileOutcome ReadNumbers(ClipboardProfileTable& rows)
{
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < ColumnNames.size(); ++c) {
            const std::string& cell = rows[r].cells[c];
            float& value = rows[r].values[c];
            if (cell.empty()) {
                value = 0;
                continue;
            }
            const NumberReading reading = ReadScientificNumber(cell, value);
            if (reading == NumberReading::Read) continue;
            const bool tooLarge = reading == NumberReading::TooLarge;
            const int row = static_cast<int>(r) + 1;
            const int column = static_cast<int>(c) + 1;
            return {tooLarge ? ClipboardProfileStatus::TooLarge
                             : ClipboardProfileStatus::NotANumber,
                    "Row " + std::to_string(row) + ", column " + std::to_string(column) + " (" +
                        std::string(ColumnNames[c]) + ") holds \"" + cell + "\", which is " +
                        (tooLarge ? "too large for the project file" : "not a number") +
                        ".  Correct the data in the spreadsheet, copy it and paste again.",
                    row, column};
        }
        if (IsEndOfProfileMark(rows[r].values[0], rows[r].values[1]))
            return EndOfProfileRefusal(static_cast<int>(r) + 1);
    }
    return {};
}

} // namespace

ClipboardProfileOutcome ApplyClipboardProfile(const ClipboardProfileTable& table,
                                              ProjectStore& store)
{
    if (table.empty() || table.size() > static_cast<std::size_t>(ClipboardProfileRows))
        return Refusal(ClipboardProfileStatus::NothingPasted, NothingCouldBePastedMessage);
    ClipboardProfileTable rows = table;
    const auto outcome = ReadNumbers(rows);
    if (outcome.status != ClipboardProfileStatus::Ok) return outcome;

    for (int n = 1; n <= MaxNodes; ++n) {
        store.NodeElevation[static_cast<std::size_t>(n)] = UnusedNode;
        store.NodeAccumulatedLength[static_cast<std::size_t>(n)] = UnusedNode;
    }
    store.NodeCount = static_cast<int16_t>(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::size_t node = r + 1;
        const auto& v = rows[r].values;
        store.NodeElevation[node] = v[0];
        store.NodeAccumulatedLength[node] = v[1];
        store.PipeDiameter[node] = v[2];
        store.WallThickness[node] = v[3];
        store.PipeCostPerMetre[node] = v[4];
        store.SecondaryLoss[node] = v[5];
        store.NodeTypeCode[node] = 0;
    }
    return {};
}

ClipboardProfileOutcome ParseClipboardProfile(std::string_view text, ClipboardProfileTable& table)
{
    ClipboardProfileTable rows;
    auto outcome = SplitRows(text, rows);
    if (outcome.status == ClipboardProfileStatus::Ok) outcome = ReadNumbers(rows);
    if (outcome.status == ClipboardProfileStatus::Ok) table = std::move(rows);
    return outcome;
}

} // namespace vemora
