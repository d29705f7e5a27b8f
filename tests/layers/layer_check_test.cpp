// The layers the build relies on: every #include "folder/..." in src/ must
// name the file's own folder or one its row of the README's layout table
// lets it use. The table is the one place the rule is written; a folder
// without a row fails too. The plain C++ folders include no Qt header, and
// the engine names no window or control. The system-type, currency and
// unit-system codes are read and written only through their helpers outside
// the project folder. Only TimesFont.h names the Times face in code. No file
// in src/ is over 600 lines and no function over 80, and every file-local
// helper is named in PascalCase.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path SourceDir = VEMORA_SOURCE_DIR;

using LayerTable = std::map<std::string, std::set<std::string>>;

// Rows of the README's layout table that name a source folder: "| `src/x` |
// what it holds | `a`, `b` |". Folders a row may use are the backticked
// names of its last cell.
LayerTable ReadLayerTable()
{
    std::ifstream readme(SourceDir / "README.md");
    LayerTable table;
    const std::regex row(R"(^\|\s*`src/([a-z]+)`\s*\|.*\|([^|]*)\|\s*$)");
    const std::regex name("`([a-z]+)`");
    std::string line;
    while (std::getline(readme, line)) {
        std::smatch m;
        if (!std::regex_match(line, m, row)) continue;
        std::set<std::string>& uses = table[m[1].str()];
        const std::string cell = m[2].str();
        for (std::sregex_iterator it(cell.begin(), cell.end(), name), end; it != end; ++it)
            uses.insert((*it)[1].str());
    }
    return table;
}

std::vector<fs::path> SourceFiles(const fs::path& dir)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp"))
            files.push_back(entry.path());
    }
    return files;
}

// The first folder below src/ of a source file.
std::string FolderOf(const fs::path& file)
{
    return fs::relative(file, SourceDir / "src").begin()->string();
}

// Each line of a file that matches `pattern`, as "file:line: text".
std::vector<std::string> Matches(const fs::path& file, const std::regex& pattern,
                                 const std::function<bool(const std::smatch&)>& wrong)
{
    std::vector<std::string> found;
    std::ifstream in(file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::smatch m;
        if (std::regex_search(line, m, pattern) && wrong(m))
            found.push_back(fs::relative(file, SourceDir).string() + ":" + std::to_string(number) +
                            ": " + line);
    }
    return found;
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::ostringstream out;
    for (const std::string& l : lines)
        out << "\n  " << l;
    return out.str();
}

TEST(Layers, TheTableNamesEveryFolderAndHasNoCycle)
{
    const LayerTable table = ReadLayerTable();
    ASSERT_GE(table.size(), 5u) << "no layout table found in README.md";
    for (const auto& entry : fs::directory_iterator(SourceDir / "src")) {
        if (!entry.is_directory()) continue;
        const std::string folder = entry.path().filename().string();
        EXPECT_TRUE(table.count(folder)) << "src/" << folder << " has no row in the layout table";
    }

    // A folder must not reach itself through the folders it may use.
    std::function<bool(const std::string&, const std::string&, std::set<std::string>&)> reaches =
        [&](const std::string& from, const std::string& target, std::set<std::string>& seen) {
            const auto row = table.find(from);
            if (row == table.end()) return false;
            for (const std::string& next : row->second) {
                if (next == target) return true;
                if (seen.insert(next).second && reaches(next, target, seen)) return true;
            }
            return false;
        };
    for (const auto& [folder, uses] : table) {
        std::set<std::string> seen;
        EXPECT_FALSE(reaches(folder, folder, seen)) << folder << " may use itself in a cycle";
    }
}

TEST(Layers, NoFolderIncludesOneItMayNotUse)
{
    const LayerTable table = ReadLayerTable();
    const std::regex include(R"(^\s*#\s*include\s+"([a-z]+)/)");
    std::vector<std::string> wrong;
    for (const fs::path& file : SourceFiles(SourceDir / "src")) {
        const std::string folder = FolderOf(file);
        const auto row = table.find(folder);
        for (const std::string& w : Matches(file, include, [&](const std::smatch& m) {
                 const std::string used = m[1].str();
                 return used != folder && (row == table.end() || !row->second.count(used));
             }))
            wrong.push_back(w);
    }
    EXPECT_TRUE(wrong.empty()) << "includes against the layout table:" << Lines(wrong);
}

TEST(Layers, PlainFoldersIncludeNoQt)
{
    const std::regex qt(R"(^\s*#\s*include\s+<Q)");
    std::vector<std::string> wrong;
    for (const char* folder : {"files", "project", "engine"})
        for (const fs::path& file : SourceFiles(SourceDir / "src" / folder))
            for (const std::string& w : Matches(file, qt, [](const std::smatch&) { return true; }))
                wrong.push_back(w);
    EXPECT_TRUE(wrong.empty()) << "Qt in a plain C++ folder:" << Lines(wrong);
}

TEST(Layers, TheEngineNamesNoWindowOrControl)
{
    // The control prefixes of the windows, followed by a capital: lblIRR, frmResults, ...
    const std::regex control(
        R"(\b(lbl|ssc|sso|fra|frm|txt|com|msg|opt|chk|hsc|hsb|fsb|pic|img|tmr|mnu|dtp|sst|pro)[A-Z])");
    std::vector<std::string> wrong;
    for (const fs::path& file : SourceFiles(SourceDir / "src" / "engine"))
        for (const std::string& w : Matches(file, control, [](const std::smatch&) { return true; }))
            wrong.push_back(w);
    EXPECT_TRUE(wrong.empty()) << "the engine names a window or control:" << Lines(wrong);
}

// The codes of the project's system type, currency, unit system and options,
// which outside the project folder are read only through their helpers
// (IsPumping, CurrencySymbol, IsDollar, IsMetric, IsUS, HasVaryingDemand,
// HasPumpCurve, HasMortarLining) and written only as their named values
// (PipelineSystem, Currencies, UnitSystems, DemandOption, PumpingOption,
// LiningOption).
const std::string ProjectCode =
    "(SystemType|CurrencyCode|UnitSystem|DemandMode|PumpCurveGiven|LiningSystem)";

// A comparison of one of those codes with a number, on either side:
// `s.SystemType == 1`, `0 != CurrencyCode`.
const std::regex
    RawCodeComparison(R"(\b)" + ProjectCode +
                      R"(\s*(==|!=|<=|>=|<|>)\s*[-+(]*\d|\d\s*(==|!=|<=|>=|<|>)\s*[\w.>()-]*\b)" +
                      ProjectCode + R"(\b)");

// A write of a number into one of them: `s.UnitSystem = metric ? 0 : 1;`.
const std::regex RawCodeWrite(R"(\b)" + ProjectCode + R"(\s*=(?!=)([^;]*\W)?\d)");

bool OutsideComment(const std::smatch& m)
{
    return m.prefix().str().find("//") == std::string::npos;
}

// Whether a line of src/ outside the project folder uses a code raw.
bool RawCodeUse(const std::string& line)
{
    std::smatch m;
    for (const std::regex* raw : {&RawCodeComparison, &RawCodeWrite})
        if (std::regex_search(line, m, *raw) && OutsideComment(m)) return true;
    return false;
}

TEST(Layers, ProjectCodesAreReadAndWrittenThroughTheirHelpers)
{
    for (const char* raw : {"if (s.SystemType == 1)",
                            "pumping = store.SystemType != 0;",
                            "ctx.store.CurrencyCode == 0 ? \"R\" : \"$\"",
                            "0 != p->CurrencyCode",
                            "s.SystemType > 0",
                            "const bool metric = ctx.store.UnitSystem == 0;",
                            "s.UnitSystem != 0 ? QStringLiteral(\"ft\") : QStringLiteral(\"m\")",
                            "s.CurrencyCode = optRand->isChecked() ? 0 : 1;",
                            "store.UnitSystem = 1;",
                            "r.SystemType=0;",
                            "return s.DemandMode == 1 ? s.YearDemand[y] : s.FixedDemand;",
                            "if (s.DemandMode != 0)",
                            "0 == store.DemandMode",
                            "if (s.PumpCurveGiven != 0) {",
                            "store.PumpCurveGiven == 1",
                            "if (s.LiningSystem == 1) {",
                            "s.LiningSystem != 0",
                            "s.DemandMode = chosen.varyingDemand ? 1 : 0;",
                            "s.PumpCurveGiven = chosen.pumpCurve ? 1 : 0;",
                            "s.LiningSystem = 0;"})
        EXPECT_TRUE(RawCodeUse(raw)) << raw;
    for (const char* fine :
         {"if (IsPumping(s))", "store.SystemType = PipelineSystem::Pumping;",
          "CurrencySymbol(s.CurrencyCode)", "// SystemType == 1 is pumping", "if (IsMetric(store))",
          "s.UnitSystem = optMetric->isChecked() ? UnitSystems::Metric : UnitSystems::US;",
          "t.UnitSystem = static_cast<int16_t>(f.UnitSystem);",
          "s.CurrencyCode = Currencies::Dollar; // 1 is the dollar",
          "return HasVaryingDemand(s) ? s.YearDemand[y] : s.FixedDemand;", "if (!HasPumpCurve(s))",
          "if (HasMortarLining(s)) {",
          "s.DemandMode = chosen.varyingDemand ? DemandOption::Varying : DemandOption::Fixed;",
          "s.LiningSystem = LiningOption::Epoxy;", "t.PumpCurveGiven = f.PumpCurveGiven;",
          "// LiningSystem 1 is cement mortar"})
        EXPECT_FALSE(RawCodeUse(fine)) << fine;

    std::vector<std::string> wrong;
    int namedLines = 0;
    const std::regex named(R"(\b)" + ProjectCode + R"(\b)");
    for (const fs::path& file : SourceFiles(SourceDir / "src")) {
        if (FolderOf(file) == "project") continue;
        for (const std::string& w : Matches(file, named, [&namedLines](const std::smatch& m) {
                 ++namedLines;
                 return RawCodeUse(m.prefix().str() + m.str() + m.suffix().str());
             }))
            wrong.push_back(w);
    }
    // The windows, reports and engine name these codes on many lines.
    EXPECT_GT(namedLines, 20);
    EXPECT_TRUE(wrong.empty()) << "a raw system-type, currency, unit-system or option code; use "
                                  "IsPumping, CurrencySymbol, IsDollar, IsMetric, IsUS, "
                                  "HasVaryingDemand, HasPumpCurve or HasMortarLining and the "
                                  "named values:"
                               << Lines(wrong);
}

// The face the windows, graphs and pages are laid out in; comments may name it.
TEST(Layers, OnlyTimesFontNamesTheFaceInCode)
{
    const std::regex face("\"Times New Roman\"");
    std::vector<std::string> wrong;
    for (const fs::path& file : SourceFiles(SourceDir / "src"))
        if (file.filename() != "TimesFont.h")
            for (const std::string& w : Matches(file, face, OutsideComment))
                wrong.push_back(w);
    EXPECT_TRUE(wrong.empty()) << "the face named outside TimesFont.h:" << Lines(wrong);
}

// ---- Sizes ---------------------------------------------------------------------

constexpr int MaxFileLines = 600;
constexpr int MaxFunctionLines = 80;

std::vector<std::string> ReadLines(const fs::path& file)
{
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct FunctionBody
{
    int line;         // of the function's name, from 1
    std::string name; // as written: "frmLCC::BuildRatesPage"
    int length;       // lines from the opening brace to the closing one
};

// The name of the function whose signature ends just above `brace`: the
// name before the first "(" of the lines after a blank line, a comment, a
// directive, a statement or the end of a block. None for a class, a struct
// or a namespace, whose heads have no "(".
std::optional<std::pair<int, std::string>> SignatureName(const std::vector<std::string>& lines,
                                                         int brace)
{
    static const std::regex boundary(R"(^\s*(//|#|$)|^\}|[;{]\s*$)");
    static const std::regex name(R"(((?:[A-Za-z_]\w*::)*~?[A-Za-z_]\w*)\s*\()");
    int first = brace;
    while (first > 0 && !std::regex_search(lines[static_cast<size_t>(first - 1)], boundary))
        --first;
    for (int i = first; i < brace; ++i) {
        std::smatch m;
        if (std::regex_search(lines[static_cast<size_t>(i)], m, name))
            return std::make_pair(i + 1, m[1].str());
    }
    return std::nullopt;
}

// Every function body of a file, in this code base's style: the opening and
// closing braces of a definition stand alone at column 0. A block closed by
// "};" or "} name;" is a type or an initialiser, not a function.
std::vector<FunctionBody> FunctionBodies(const std::vector<std::string>& lines)
{
    static const std::regex closing(R"(^\}\s*(//.*)?$)");
    std::vector<FunctionBody> bodies;
    std::optional<int> open;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[static_cast<size_t>(i)];
        if (line.rfind('{', 0) == 0) {
            open = i;
        } else if (open && line.rfind('}', 0) == 0) {
            if (std::regex_match(line, closing))
                if (const auto signature = SignatureName(lines, *open))
                    bodies.push_back({signature->first, signature->second, i - *open + 1});
            open.reset();
        }
    }
    return bodies;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(Sizes, FunctionBodiesAreMeasuredFromBraceToBrace)
{
    const std::vector<FunctionBody> bodies = FunctionBodies(SplitLines(R"(namespace vemora {

// Three lines in all.
QWidget* frmLCC::BuildRatesPage()
{
    return nullptr;
}

class Panel : public QWidget
{
  public:
    void Show() { }
};

frmPrint::frmPrint(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_{ctx}
{
    if (ctx_.ready) {
        Fill();
    }
}

template <typename T> void CopyArray(const T& from,
                                     T& to)
{
}

const int Widths[] =
{
    1, 2,
};

} // namespace vemora
)"));
    ASSERT_EQ(bodies.size(), 3u);
    EXPECT_EQ(bodies[0].name, "frmLCC::BuildRatesPage");
    EXPECT_EQ(bodies[0].line, 4);
    EXPECT_EQ(bodies[0].length, 3);
    EXPECT_EQ(bodies[1].name, "frmPrint::frmPrint");
    EXPECT_EQ(bodies[1].line, 15);
    EXPECT_EQ(bodies[1].length, 5);
    EXPECT_EQ(bodies[2].name, "CopyArray");
    EXPECT_EQ(bodies[2].line, 23);
    EXPECT_EQ(bodies[2].length, 2);
}

TEST(Sizes, NoSourceFileIsOver600Lines)
{
    std::vector<std::string> wrong;
    for (const auto& entry : fs::recursive_directory_iterator(SourceDir / "src")) {
        if (!entry.is_regular_file()) continue;
        const int count = static_cast<int>(ReadLines(entry.path()).size());
        if (count > MaxFileLines)
            wrong.push_back(fs::relative(entry.path(), SourceDir).string() + ": " +
                            std::to_string(count) + " lines");
    }
    std::sort(wrong.begin(), wrong.end());
    EXPECT_TRUE(wrong.empty()) << "files over " << MaxFileLines << " lines:" << Lines(wrong);
}

TEST(Sizes, NoFunctionIsOver80Lines)
{
    std::vector<std::string> wrong;
    for (const fs::path& file : SourceFiles(SourceDir / "src"))
        for (const FunctionBody& body : FunctionBodies(ReadLines(file)))
            if (body.length > MaxFunctionLines)
                wrong.push_back(fs::relative(file, SourceDir).string() + ":" +
                                std::to_string(body.line) + ": " + body.name + ", " +
                                std::to_string(body.length) + " lines");
    std::sort(wrong.begin(), wrong.end());
    EXPECT_TRUE(wrong.empty()) << "functions over " << MaxFunctionLines
                               << " lines (brace to brace); cut them into named steps:"
                               << Lines(wrong);
}

// ---- Names ---------------------------------------------------------------------

// A line at column 0, where clang-format sets what a namespace declares, that
// names a function after its return type: a helper's head inside an unnamed
// namespace. A member is indented or follows "::", a lambda held in a
// variable follows "=", a macro has no return type, and the arguments of a
// variable made by a constructor start with a number or a quote.
const std::regex HelperHead(R"(^[A-Za-z_][\w:<>,\s*&]*[\s*&]([A-Za-z_]\w*)\s*\((?![\d"'-]))");

TEST(Names, FileLocalHelpersArePascalCase)
{
    const std::regex pascal("[A-Z][A-Za-z0-9]*");
    std::vector<std::string> wrong;
    int helpers = 0;
    for (const fs::path& file : SourceFiles(SourceDir / "src")) {
        const std::vector<std::string> lines = ReadLines(file);
        bool unnamed = false;
        for (size_t i = 0; i < lines.size(); ++i) {
            std::smatch m;
            if (lines[i] == "namespace {" || lines[i] == "} // namespace") {
                unnamed = lines[i] == "namespace {";
            } else if (unnamed && std::regex_search(lines[i], m, HelperHead)) {
                ++helpers;
                if (!std::regex_match(m[1].str(), pascal))
                    wrong.push_back(fs::relative(file, SourceDir).string() + ":" +
                                    std::to_string(i + 1) + ": " + m[1].str());
            }
        }
    }
    // The sources hold a few hundred helpers: finding none means the scan is broken.
    EXPECT_GE(helpers, 200);
    EXPECT_TRUE(wrong.empty()) << "file-local helpers not named in PascalCase:" << Lines(wrong);
}

} // namespace
