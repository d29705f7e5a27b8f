// A file-local helper, a free function declared in an unnamed namespace of
// a file in src/ (or in a namespace nested in one), is named in PascalCase
// like every other function of its folder. Members of classes and structs,
// operators, lambdas held in variables and functions of named namespaces
// are not helpers; a function template in an unnamed namespace is one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path SourceDir = VEMORA_SOURCE_DIR;

struct Token
{
    std::string text;
    int line;
    bool word; // an identifier or a keyword
};

// Length of the comment, literal or directive starting at `i`, or 0.
size_t SkippedLength(const std::string& s, size_t i, bool lineStart)
{
    auto upTo = [&](const std::string& end, size_t from) {
        const size_t at = s.find(end, from);
        return at == std::string::npos ? s.size() - i : at + end.size() - i;
    };
    if (s.compare(i, 2, "//") == 0) return upTo("\n", i) - 1;
    if (s.compare(i, 2, "/*") == 0) return upTo("*/", i + 2);
    if (lineStart && s[i] == '#') {
        size_t end = i;
        while ((end = s.find('\n', end)) != std::string::npos && end > 0 && s[end - 1] == '\\')
            ++end;
        return (end == std::string::npos ? s.size() : end) - i;
    }
    if (s[i] == 'R' && i + 1 < s.size() && s[i + 1] == '"') {
        const size_t open = s.find('(', i);
        return upTo(")" + s.substr(i + 2, open - i - 2) + "\"", open);
    }
    if (s[i] == '"' || s[i] == '\'') {
        size_t j = i + 1;
        while (j < s.size() && s[j] != s[i] && s[j] != '\n')
            j += s[j] == '\\' ? 2 : 1;
        return std::min(j + 1, s.size()) - i - (j < s.size() && s[j] == '\n' ? 1 : 0);
    }
    return 0;
}

// The tokens of C++ source, without its comments, directives and literals
// (a literal stays as the one token "0").
std::vector<Token> Tokens(const std::string& s)
{
    std::vector<Token> tokens;
    int line = 1;
    bool lineStart = true;
    for (size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (c == '\n' || std::isspace(static_cast<unsigned char>(c))) {
            if (c == '\n') ++line, lineStart = true;
            ++i;
            continue;
        }
        const bool rawString = c == 'R' && i + 1 < s.size() && s[i + 1] == '"';
        const bool wordStart = std::isalpha(static_cast<unsigned char>(c)) || c == '_';
        if (const size_t n = (wordStart && !rawString) ? 0 : SkippedLength(s, i, lineStart)) {
            const bool literal = s[i] == '"' || s[i] == '\'' || s[i] == 'R';
            if (literal) tokens.push_back({"0", line, false});
            for (size_t k = i; k < i + n; ++k)
                line += s[k] == '\n';
            i += n;
            continue;
        }
        lineStart = false;
        size_t n = 1;
        if (wordStart || std::isdigit(static_cast<unsigned char>(c))) {
            // A number takes its dots and digit separators: 1.5, 4'000'000.
            auto inNumber = [&](size_t k) {
                return !wordStart &&
                       (s[k] == '.' || (s[k] == '\'' && k + 1 < s.size() &&
                                        std::isalnum(static_cast<unsigned char>(s[k + 1]))));
            };
            while (i + n < s.size() && (std::isalnum(static_cast<unsigned char>(s[i + n])) ||
                                        s[i + n] == '_' || inNumber(i + n)))
                ++n;
        } else if (s.compare(i, 2, "::") == 0 || s.compare(i, 2, "->") == 0) {
            n = 2;
        }
        tokens.push_back({s.substr(i, n), line, wordStart});
        i += n;
    }
    return tokens;
}

struct FoundHelper
{
    std::string name;
    int line;
};

bool IsKeyword(const std::string& w)
{
    static const std::vector<std::string> keywords = {
        "decltype", "alignas", "sizeof",   "noexcept", "static_assert", "return",
        "if",       "while",   "for",      "switch",   "catch",         "requires",
        "throw",    "const",   "volatile", "override", "final"};
    return std::find(keywords.begin(), keywords.end(), w) != keywords.end();
}

// The first token of t[first, last) after its `template <...>` heads.
size_t AfterTemplateHeads(const std::vector<Token>& t, size_t first, size_t last)
{
    while (first + 1 < last && t[first].text == "template" && t[first + 1].text == "<") {
        int angle = 0;
        for (++first; first < last; ++first) {
            if (t[first].text == "<") ++angle;
            if (t[first].text == ">" && --angle == 0) break;
        }
        ++first;
    }
    return first;
}

// Whether the head t[first, brace) of a '{' at namespace or class scope
// opens a function body: it has a parameter list that no '=' comes before.
bool OpensFunction(const std::vector<Token>& t, size_t first, size_t brace)
{
    int angle = 0;
    for (size_t i = AfterTemplateHeads(t, first, brace); i < brace; ++i) {
        const std::string& x = t[i].text;
        if (x == "<") ++angle;
        if (x == ">" && angle > 0) --angle;
        if (angle > 0) continue;
        if (x == "=") return false;
        if (x == "(") return true;
    }
    return false;
}

// Whether the parentheses t(open, close) of a statement ending in ';' hold
// values, as a variable's `QColor c(1, 2, 3);` does, not parameters.
bool HoldsValues(const std::vector<Token>& t, size_t open, size_t close)
{
    if (close == open + 2 && t[open + 1].text != "void") return true; // `Thing t(other);`
    bool defaultValue = false;
    for (size_t k = open + 1; k < close; ++k) {
        const std::string& x = t[k].text;
        if (x == "=") defaultValue = true;
        if (x == ",") defaultValue = false;
        if (!defaultValue && (x == "0" || std::isdigit(static_cast<unsigned char>(x[0]))))
            return true;
    }
    return false;
}

// The function a namespace-scope statement t[first, last) declares, when it
// is a free function named without a qualifier. `last` is the '{' of its body
// or its ';'.
std::optional<FoundHelper> FreeFunction(const std::vector<Token>& t, size_t first, size_t last)
{
    int angle = 0;
    first = AfterTemplateHeads(t, first, last);
    for (size_t i = first; i < last; ++i) {
        const std::string& x = t[i].text;
        if (x == "class" || x == "struct" || x == "union" || x == "enum" || x == "namespace" ||
            x == "using" || x == "typedef" || x == "operator" || x == "friend" ||
            (x == "=" && angle == 0))
            return std::nullopt;
        if (x == "<") ++angle;
        if (x == ">" && angle > 0) --angle;
        if (x != "(" || angle > 0) continue;
        // The '(' that closes this one, and what follows it.
        size_t close = i;
        for (int depth = 0; close < last; ++close) {
            depth += t[close].text == "(" ? 1 : t[close].text == ")" ? -1 : 0;
            if (depth == 0) break;
        }
        const Token& name = t[i - (i > first ? 1 : 0)];
        if (i == first || !name.word || IsKeyword(name.text)) {
            if (name.text != "decltype") return std::nullopt;
            i = close; // a return type of decltype(...)
            continue;
        }
        if (close + 1 < last && t[close + 1].word && !IsKeyword(t[close + 1].text)) {
            first = close + 1; // a macro without its ';': the statement starts after it
            i = close;
            continue;
        }
        if (i >= first + 2 && t[i - 2].text == "::") return std::nullopt; // a member's definition
        if (t[last].text == ";" && HoldsValues(t, i, close)) return std::nullopt;
        return FoundHelper{name.text, name.line};
    }
    return std::nullopt;
}

enum class Scope { File, Named, Unnamed, Class, Other };

// What the '{' at t[brace] opens, from the statement t[first, brace) before it.
Scope Opened(const std::vector<Token>& t, size_t first, size_t brace)
{
    for (size_t i = AfterTemplateHeads(t, first, brace); i < brace; ++i) {
        const std::string& x = t[i].text;
        if (x == "namespace") return i + 1 == brace ? Scope::Unnamed : Scope::Named;
        if (x == "extern" && i + 2 == brace && t[i + 1].text == "0") return Scope::Named;
        if (x == "(" || x == "=") break;
        if (x == "class" || x == "struct" || x == "union" || x == "enum") return Scope::Class;
    }
    return Scope::Other;
}

// Every free function declared in an unnamed namespace of the source text.
std::vector<FoundHelper> Helpers(const std::string& source)
{
    const std::vector<Token> t = Tokens(source);
    std::vector<FoundHelper> helpers;
    struct Level
    {
        Scope scope;
        bool unnamed;     // inside an unnamed namespace
        bool resumes;     // the statement around it goes on after its '}'
        size_t statement; // where that statement starts
    };
    std::vector<Level> levels{{Scope::File, false, false, 0}};
    size_t statement = 0;
    int paren = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const std::string& x = t[i].text;
        const Level here = levels.back();
        const bool declarative = here.scope != Scope::Other;
        const bool helperScope =
            (here.scope == Scope::Named || here.scope == Scope::Unnamed) && here.unnamed;
        if (x == "(" || x == "[") ++paren;
        if (x == ")" || x == "]") --paren;
        if (x == "{") {
            const bool head = declarative && paren == 0;
            const Scope opened = head ? Opened(t, statement, i) : Scope::Other;
            const bool function = head && opened == Scope::Other && OpensFunction(t, statement, i);
            if (function && helperScope)
                if (const auto helper = FreeFunction(t, statement, i)) helpers.push_back(*helper);
            const bool resumes =
                !head || opened == Scope::Class || (opened == Scope::Other && !function);
            levels.push_back(
                {opened, here.unnamed || opened == Scope::Unnamed, resumes, statement});
            statement = i + 1;
        } else if (x == "}" && levels.size() > 1) {
            statement = levels.back().resumes ? levels.back().statement : i + 1;
            levels.pop_back();
        } else if (x == ";" && paren == 0 && declarative) {
            if (helperScope)
                if (const auto helper = FreeFunction(t, statement, i)) helpers.push_back(*helper);
            statement = i + 1;
        } else if (x == ":" && here.scope == Scope::Class && i > 0 &&
                   (t[i - 1].text == "public" || t[i - 1].text == "private" ||
                    t[i - 1].text == "protected")) {
            statement = i + 1;
        }
    }
    return helpers;
}

bool IsPascalCase(const std::string& name)
{
    static const std::regex pascal("[A-Z][A-Za-z0-9]*");
    return std::regex_match(name, pascal);
}

std::vector<std::string> Names(const std::vector<FoundHelper>& helpers)
{
    std::vector<std::string> names;
    for (const FoundHelper& h : helpers)
        names.push_back(h.name + ":" + std::to_string(h.line));
    return names;
}

TEST(HelperNames, HelpersAreTheFreeFunctionsOfUnnamedNamespaces)
{
    const std::string source = R"(#include "app/Thing.h"
#define DECLARE(x) \
    void x##Made();
namespace vemora {
void publicFunction() { }
namespace {
// freeInComment(
const char* text = "notAFunction(";
const std::regex pattern(R"x(^notOne\(\)$)x");
QColor colour(255, 0, 0);
int declared(const Thing& t);
template <class T>
T largest(const std::vector<T>& values)
{
    return *std::max_element(values.begin(), values.end());
}
struct Box
{
    static Box make(int side) { return Box{side}; }
    int area() const;
    int side;
};
int Box::area() const { return side * side; }
bool operator==(const Box& a, const Box& b) { return a.side == b.side; }
const auto isWide = [](const Box& b) { return b.side > 10; };
const int Widths[] = {1, 2};
enum class Kind { plain, bold };
namespace inner {
std::vector<std::pair<int, int>> pairsOf(int n)
{
    auto twice = [](int v) { return 2 * v; };
    return {{n, twice(n)}};
}
} // namespace inner
Q_DECLARE_METATYPE(Box)
QString Caption(int i, char c = '{') { return QString::number(i) + c; }
} // namespace
void laterPublic() { }
} // namespace vemora
)";
    EXPECT_EQ(Names(Helpers(source)),
              (std::vector<std::string>{"declared:11", "largest:13", "pairsOf:29", "Caption:36"}));
}

TEST(HelperNames, OnlyPascalCaseNamesPass)
{
    for (const char* good : {"Caption", "ReadPumpCurve", "V2Record", "X"})
        EXPECT_TRUE(IsPascalCase(good)) << good;
    for (const char* bad : {"caption", "readPumpCurve", "Read_Curve", "_Hidden", "lineAtPx2_"})
        EXPECT_FALSE(IsPascalCase(bad)) << bad;
}

TEST(HelperNames, EveryFileLocalHelperIsPascalCase)
{
    std::vector<std::string> wrong;
    size_t checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(SourceDir / "src")) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        for (const FoundHelper& h : Helpers(text.str())) {
            ++checked;
            if (!IsPascalCase(h.name))
                wrong.push_back(fs::relative(entry.path(), SourceDir).string() + ":" +
                                std::to_string(h.line) + ": " + h.name);
        }
    }
    std::sort(wrong.begin(), wrong.end());
    // The sources hold a few hundred helpers: finding none means the scan is broken.
    EXPECT_GE(checked, 200u);
    std::ostringstream list;
    for (const std::string& w : wrong)
        list << "\n  " << w;
    EXPECT_TRUE(wrong.empty()) << "file-local helpers not named in PascalCase:" << list.str();
}

} // namespace
