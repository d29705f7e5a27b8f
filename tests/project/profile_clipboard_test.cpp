#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>

#include "project/ProfileClipboard.h"
#include "project/ProjectStore.h"

namespace vemora {
namespace {

using Status = ClipboardProfileStatus;

// `rows` rows of six numbered cells, each row ended by `eol`.
std::string SixColumnText(int rows, const std::string& eol)
{
    std::string text;
    for (int r = 1; r <= rows; ++r)
        text += std::to_string(100 - r) + "\t" + std::to_string(r * 100) + "\t500\t10\t" +
                "1200.50\t0.2" + eol;
    return text;
}

// A table from an earlier paste, to see that a refusal leaves it alone.
ClipboardProfileTable EarlierTable()
{
    ClipboardProfileTable table;
    ParseClipboardProfile("1\t2\t3\t4\t5\t6\r\n", table);
    return table;
}

bool SameTable(const ClipboardProfileTable& a, const ClipboardProfileTable& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t r = 0; r < a.size(); ++r)
        if (a[r].cells != b[r].cells || a[r].values != b[r].values) return false;
    return true;
}

TEST(ProfileClipboard, EveryLineEndEndsARow)
{
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        ClipboardProfileTable table;
        const auto outcome = ParseClipboardProfile(SixColumnText(3, eol), table);
        ASSERT_EQ(outcome.status, Status::Ok) << outcome.message;
        EXPECT_TRUE(outcome.message.empty());
        ASSERT_EQ(table.size(), 3u); // the final line end makes no extra row
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(table[r].cells[0], std::to_string(99 - r)); // no first character lost
            EXPECT_EQ(table[r].values[0], 99 - r);
            EXPECT_EQ(table[r].values[1], (r + 1) * 100);
            EXPECT_EQ(table[r].values[4], 1200.5f);
            EXPECT_EQ(table[r].cells[4], "1200.50");
            EXPECT_EQ(table[r].values[5], 0.2f);
        }
    }
}

TEST(ProfileClipboard, AtMostAHundredRowsAndSixColumns)
{
    ClipboardProfileTable table;
    EXPECT_EQ(ParseClipboardProfile(SixColumnText(100, "\r\n"), table).status, Status::Ok);
    EXPECT_EQ(table.size(), 100u);

    for (const std::string extra : {"1\r\n", "1", "\t", "\r\n"}) {
        table = EarlierTable();
        const auto outcome = ParseClipboardProfile(SixColumnText(100, "\r\n") + extra, table);
        if (extra == "1") { // text after the last line end is not a row
            EXPECT_EQ(outcome.status, Status::Ok);
            EXPECT_EQ(table.size(), 100u);
            continue;
        }
        EXPECT_EQ(outcome.status, Status::NothingPasted);
        EXPECT_EQ(outcome.message, NothingCouldBePastedMessage);
        EXPECT_TRUE(SameTable(table, EarlierTable()));
    }

    // Six cells and a trailing TAB is a seventh cell.
    table = EarlierTable();
    auto outcome = ParseClipboardProfile("1\t2\t3\t4\t5\t6\t\r\n", table);
    EXPECT_EQ(outcome.status, Status::TooManyColumns);
    EXPECT_EQ(outcome.message, "Row 1 of the selection " + std::string(TooManyColumnsMessage));
    EXPECT_TRUE(SameTable(table, EarlierTable()));
    outcome = ParseClipboardProfile(SixColumnText(5, "\n") + "1\t2\t3\t4\t5\t6\t7\n", table);
    EXPECT_EQ(outcome.status, Status::TooManyColumns);
    EXPECT_EQ(outcome.row, 6); // the row too wide is named
    EXPECT_EQ(outcome.message.rfind("Row 6 of the selection", 0), 0u) << outcome.message;
}

TEST(ProfileClipboard, ShortRowsBlankLinesAndUnendedText)
{
    ClipboardProfileTable table;
    // Fewer cells: the missing ones are empty and 0. A blank line is a row of
    // empty cells. The last row has no line end and is left out.
    auto outcome = ParseClipboardProfile("10\t0\r\n\r\n  \t 250 \t\t7\r\n12\t900", table);
    ASSERT_EQ(outcome.status, Status::Ok);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].values[0], 10);
    EXPECT_EQ(table[0].cells[1], "0");
    for (int c = 2; c < 6; ++c) {
        EXPECT_EQ(table[0].cells[c], "");
        EXPECT_EQ(table[0].values[c], 0);
    }
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(table[1].values[c], 0);
    EXPECT_EQ(table[2].cells[0], ""); // blanks only: empty
    EXPECT_EQ(table[2].cells[1], "250");
    EXPECT_EQ(table[2].values[1], 250);
    EXPECT_EQ(table[2].values[3], 7);

    // No row ended at all, or nothing.
    for (const char* text : {"", "1\t2\t3", "   "}) {
        table = EarlierTable();
        outcome = ParseClipboardProfile(text, table);
        EXPECT_EQ(outcome.status, Status::NothingPasted) << text;
        EXPECT_EQ(outcome.message, NothingCouldBePastedMessage);
        EXPECT_TRUE(SameTable(table, EarlierTable()));
    }
}

TEST(ProfileClipboard, ALongCellKeepsItsFirst30Characters)
{
    ClipboardProfileTable table;
    const std::string cell35 = "1234.56789012345678901234567890123"; // 34 + 1 below
    ASSERT_EQ((cell35 + "4").size(), 35u);
    ASSERT_EQ(ParseClipboardProfile("  " + cell35 + "4\t1\n", table).status, Status::Ok);
    EXPECT_EQ(table[0].cells[0], cell35.substr(0, 30));
    EXPECT_FLOAT_EQ(table[0].values[0], 1234.5679f);

    // Thirty characters, not thirty bytes.
    ASSERT_EQ(ParseClipboardProfile(std::string(40, ' ') + "5\n", table).status, Status::Ok);
    EXPECT_EQ(table[0].values[0], 5);
    const std::string umlauts = "ääääääääääääääääääääääääääääääää"; // 32 characters
    EXPECT_EQ(ParseClipboardProfile(umlauts + "\n", table).status, Status::NotANumber);
}

TEST(ProfileClipboard, ACellThatIsNotANumberIsNamedAndNothingChanges)
{
    const struct
    {
        const char* text;
        int row, column;
        const char* cell;
    } cases[] = {
        {"Elevation\tChainage\n100\t0\n", 1, 1, "Elevation"},
        {"100\t0\n95\t1,250\n", 2, 2, "1,250"},
        {"100\t0\t1.2.3\n", 1, 3, "1.2.3"},
        {"100\t0\t500\t10\t1\tinf\n", 1, 6, "inf"},
        {"1 00\t0\n", 1, 1, "1 00"},
    };
    for (const auto& c : cases) {
        ClipboardProfileTable table = EarlierTable();
        const auto outcome = ParseClipboardProfile(c.text, table);
        EXPECT_EQ(outcome.status, Status::NotANumber) << c.text;
        EXPECT_EQ(outcome.row, c.row) << c.text;
        EXPECT_EQ(outcome.column, c.column) << c.text;
        const std::string where =
            "Row " + std::to_string(c.row) + ", column " + std::to_string(c.column) + " (";
        EXPECT_EQ(outcome.message.rfind(where, 0), 0u) << outcome.message;
        EXPECT_NE(outcome.message.find(std::string("\"") + c.cell + "\""), std::string::npos)
            << outcome.message;
        EXPECT_TRUE(SameTable(table, EarlierTable())) << c.text;
    }
    ClipboardProfileTable table;
    EXPECT_EQ(ParseClipboardProfile("-12.5\t0\n", table).status, Status::Ok);
    EXPECT_EQ(table[0].values[0], -12.5f);
}

// A cell reads as a number when it is a sign, digits with at most one point
// and an exponent, as a spreadsheet writes it, in every column; anything else
// is refused by its row and column, as too large where its 4-byte real would
// be infinite and as not a number otherwise.
struct CellCase
{
    const char* cell;
    Status status;
    float value; // when read
};

class ProfileClipboardCell : public ::testing::TestWithParam<CellCase>
{
};

TEST_P(ProfileClipboardCell, ReadsTheNumbersASpreadsheetWritesAndNamesTheRest)
{
    const CellCase& c = GetParam();
    const char* const names[] = {"Elevation",           "Accumulated length", "Pipe diameter",
                                 "Pipe wall thickness", "Pipe cost/metre",    "Secondary loss"};
    for (int column = 1; column <= ClipboardProfileColumns; ++column) {
        SCOPED_TRACE(column);
        std::string row;
        for (int k = 1; k <= ClipboardProfileColumns; ++k)
            row += (k == column ? std::string(c.cell) : std::to_string(k)) +
                   (k < ClipboardProfileColumns ? "\t" : "\r\n");
        ClipboardProfileTable table = EarlierTable();
        const auto outcome = ParseClipboardProfile("100\t0\t1\t2\t3\t4\r\n" + row, table);
        ASSERT_EQ(outcome.status, c.status) << outcome.message;
        if (c.status == Status::Ok) {
            EXPECT_EQ(table[1].values[static_cast<std::size_t>(column - 1)], c.value);
            continue;
        }
        EXPECT_EQ(outcome.row, 2);
        EXPECT_EQ(outcome.column, column);
        const std::string reason =
            c.status == Status::TooLarge ? "too large for the project file." : "not a number.";
        EXPECT_EQ(outcome.message.rfind("Row 2, column " + std::to_string(column) + " (" +
                                            names[column - 1] + ") holds \"" + c.cell +
                                            "\", which is " + reason,
                                        0),
                  0u)
            << outcome.message;
        EXPECT_TRUE(SameTable(table, EarlierTable()));
    }
}

constexpr Status Ok = Status::Ok;
constexpr Status NaN = Status::NotANumber;
constexpr Status Large = Status::TooLarge;
constexpr float Largest = std::numeric_limits<float>::max();

INSTANTIATE_TEST_SUITE_P(
    Cells, ProfileClipboardCell,
    ::testing::Values(CellCase{"+80", Ok, 80}, CellCase{"1e3", Ok, 1000}, CellCase{"-70", Ok, -70},
                      CellCase{".5", Ok, 0.5f}, CellCase{"5.", Ok, 5},
                      CellCase{"1.25E-2", Ok, 0.0125f}, CellCase{"-1.5e+2", Ok, -150},
                      CellCase{"+.5e1", Ok, 5}, CellCase{"-0", Ok, 0},
                      CellCase{"3.4e38", Ok, 3.4e38f}, CellCase{"3.40282356e38", Ok, Largest},
                      CellCase{"1e-50", Ok, 0}, CellCase{"0e999999", Ok, 0},
                      CellCase{"1e39", Large, 0}, CellCase{"-3.5e38", Large, 0},
                      CellCase{"3.4028236e38", Large, 0}, CellCase{"99999999999e28", Large, 0},
                      CellCase{"1e400", Large, 0},
                      CellCase{"-0.001e99999999999999999999", Large, 0}, CellCase{"1e-400", NaN, 0},
                      CellCase{"1e-99999999999999999999", NaN, 0}, CellCase{"1,5", NaN, 0},
                      CellCase{"1,250", NaN, 0}, CellCase{"1 250", NaN, 0},
                      CellCase{"0x1A", NaN, 0}, CellCase{"inf", NaN, 0}, CellCase{"-nan", NaN, 0},
                      CellCase{"1e", NaN, 0}, CellCase{"e5", NaN, 0}, CellCase{"1e+", NaN, 0},
                      CellCase{"1e2.5", NaN, 0}, CellCase{"+-1", NaN, 0}, CellCase{"+", NaN, 0},
                      CellCase{".", NaN, 0}, CellCase{"1.2.3", NaN, 0}));

// Random bytes and random tab-separated text: never a crash, never an index
// out of bounds, and every refusal leaves the caller's table as it was.
TEST(ProfileClipboard, FuzzedTextNeverBreaksTheParser)
{
    std::mt19937 random(20240611);
    const std::string alphabet = "0123456789.-\t\t\t\r\n\r\n e+,x";
    const ClipboardProfileTable earlier = EarlierTable();
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        std::string text(random() % 200, '\0');
        for (char& c : text)
            c = i % 2 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
        if (i % 1000 == 0) text = SixColumnText(static_cast<int>(random() % 120), "\r\n");
        ClipboardProfileTable table = earlier;
        const auto outcome = ParseClipboardProfile(text, table);
        if (outcome.status == Status::Ok) {
            ++accepted;
            ASSERT_GE(table.size(), 1u);
            ASSERT_LE(table.size(), 100u);
            for (const auto& row : table)
                for (const auto& cell : row.cells)
                    ASSERT_LE(cell.size(), 30u * 4);
        } else {
            ASSERT_FALSE(outcome.message.empty());
            ASSERT_TRUE(SameTable(table, earlier)) << "refusal changed the table";
            if (outcome.status == Status::NotANumber) {
                ASSERT_GE(outcome.row, 1);
                ASSERT_LE(outcome.row, 100);
                ASSERT_GE(outcome.column, 1);
                ASSERT_LE(outcome.column, 6);
            }
        }
    }
    EXPECT_GT(accepted, 100); // the random text does reach the accepting paths
}

// A store with a five-node profile, numbered and typed, to see what an
// applied table replaces and what it leaves.
ProjectStore FiveNodeStore()
{
    ProjectStore s;
    for (int n = 1; n <= MaxNodes; ++n) {
        const auto i = static_cast<std::size_t>(n);
        s.NodeNumber[i] = static_cast<int16_t>(n);
        s.NodeElevation[i] = n <= 5 ? 100.0f - n : UnusedNode;
        s.NodeAccumulatedLength[i] = n <= 5 ? 50.0f * n : UnusedNode;
        s.PipeDiameter[i] = 600;
        s.WallThickness[i] = 8;
        s.PipeCostPerMetre[i] = 900;
        s.SecondaryLoss[i] = 0.3f;
        s.NodeTypeCode[i] = 2;
    }
    s.NodeCount = 5;
    return s;
}

TEST(ProfileClipboardApply, ReplacesTheProfileRowsAndMarksTheNodesAfterThemEmpty)
{
    ClipboardProfileTable table;
    ASSERT_EQ(ParseClipboardProfile("-3.5\t0\t300\t6\t450\t1.5\n2\t125.5\n", table).status,
              Status::Ok);
    ProjectStore s = FiveNodeStore();
    ASSERT_EQ(ApplyClipboardProfile(table, s).status, Status::Ok);
    EXPECT_EQ(s.NodeCount, 2);
    EXPECT_EQ(s.NodeElevation[1], -3.5f);
    EXPECT_EQ(s.PipeDiameter[1], 300.0f);
    EXPECT_EQ(s.SecondaryLoss[1], 1.5f);
    EXPECT_EQ(s.NodeAccumulatedLength[2], 125.5f);
    EXPECT_EQ(s.PipeDiameter[2], 0.0f); // a missing cell is 0
    EXPECT_EQ(s.NodeTypeCode[1], 0);
    EXPECT_EQ(s.NodeTypeCode[2], 0);
    // Later nodes: empty by elevation and length, the rest kept.
    for (int n : {3, 5, MaxNodes}) {
        const auto i = static_cast<std::size_t>(n);
        EXPECT_EQ(s.NodeElevation[i], UnusedNode) << n;
        EXPECT_EQ(s.NodeAccumulatedLength[i], UnusedNode) << n;
        EXPECT_EQ(s.PipeDiameter[i], 600.0f) << n;
        EXPECT_EQ(s.NodeTypeCode[i], 2) << n;
    }
    for (int n : {1, 2, 3})
        EXPECT_EQ(s.NodeNumber[static_cast<std::size_t>(n)], n);
}

TEST(ProfileClipboardApply, ATableThatIsNotAllNumbersLeavesTheStoreAsItWas)
{
    ClipboardProfileTable table;
    ASSERT_EQ(ParseClipboardProfile("1\t2\n3\t4\n", table).status, Status::Ok);
    table[1].cells[3] = "12 mm"; // changed after the parse: the apply reads again
    const ProjectStore before = FiveNodeStore();
    ProjectStore s = before;
    const auto outcome = ApplyClipboardProfile(table, s);
    EXPECT_EQ(outcome.status, Status::NotANumber);
    EXPECT_EQ(outcome.row, 2);
    EXPECT_EQ(outcome.column, 4);
    EXPECT_NE(outcome.message.find("Row 2, column 4"), std::string::npos) << outcome.message;
    EXPECT_EQ(s.NodeElevation, before.NodeElevation);
    EXPECT_EQ(s.WallThickness, before.WallThickness);
    EXPECT_EQ(s.NodeCount, before.NodeCount);
    // No rows, or more than a hundred, are refused too.
    EXPECT_EQ(ApplyClipboardProfile({}, s).status, Status::NothingPasted);
    EXPECT_EQ(ApplyClipboardProfile(ClipboardProfileTable(101), s).status, Status::NothingPasted);
    EXPECT_EQ(s.NodeElevation, before.NodeElevation);
}

// A row of 999999 and 999999 is the project file's end-of-profile mark: the
// file would end the profile there and drop every row after it. Such a row
// is refused by its number, in whatever form the numbers are written.
TEST(ProfileClipboard, ARowHoldingTheEndOfProfileMarkIsNamedAndNothingChanges)
{
    for (const char* text : {"310\t0\n999999\t999999\t400\n280\t1000\n",
                             "310\t0\r\n999999.0\t999999.00\r\n280\t1000\r\n",
                             "310\t0\n9.99999E5\t9.99999E5\n", "310\t0\n+999999\t9.99999e+05\n"}) {
        ClipboardProfileTable table = EarlierTable();
        const auto outcome = ParseClipboardProfile(text, table);
        EXPECT_EQ(outcome.status, Status::EndOfProfile) << text;
        EXPECT_EQ(outcome.row, 2) << text;
        EXPECT_EQ(outcome.message,
                  "Row 2 holds 999999 as both its elevation and its accumulated length, which a "
                  "project file reads as the end of the profile.  Correct the data in the "
                  "spreadsheet, copy it and paste again.");
        EXPECT_TRUE(SameTable(table, EarlierTable())) << text;
    }
    // 999999 in one of the two is a node like any other.
    ClipboardProfileTable table;
    ASSERT_EQ(ParseClipboardProfile("999999\t0\n0\t999999\n", table).status, Status::Ok);
    // The apply reads the table again and refuses the mark as well.
    table[1].cells[0] = "999999";
    const ProjectStore before = FiveNodeStore();
    ProjectStore s = before;
    EXPECT_EQ(ApplyClipboardProfile(table, s).status, Status::EndOfProfile);
    EXPECT_EQ(s.NodeElevation, before.NodeElevation);
    EXPECT_EQ(s.NodeCount, before.NodeCount);
}

} // namespace
} // namespace vemora
