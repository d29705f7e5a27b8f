// Printed pages that can be read: printing every item of projects of many
// sizes and kinds into a PDF leaves, on no page (portrait or landscape), two
// words on top of each other, a word past the page's edge or below the top
// of the footer, no year labels run together into one word and no page of the income and
// expenditure table without rows. The projects: every design life
// from 2 to 100 years with a varying demand, for a gravity main and for a pumping main with a pump
// curve or an operating flow (VEMORA_SAMPLE_LIVES=1 takes only the lives at the edges of the demand
// table's pages); long texts in every field of the page header and the pump lines; a path of 240
// characters; and mains of many nodes and incomes.
#include <QFile>
#include <QRegularExpression>
#include <filesystem>

#include "ReportsFixture.h"
#include "project/RecordStore.h"
#include "results/AnalysedProjects.h"
#include "support/GrabDir.h"
#include "support/PdfPages.h"

namespace vemora::test {
namespace {

// A gravity main of `nodes` nodes, 100 m apart, for `years` years.
std::unique_ptr<ProjectStore> GravityOfNodes(int nodes, int years)
{
    std::vector<Node> profile;
    for (int i = 0; i < nodes; ++i)
        profile.push_back({200.0f - 150.0f * static_cast<float>(i) / (nodes - 1), 100.0f * i});
    auto s = GravityProject(220, 40, profile);
    AddCosts(*s);
    s->DesignLife = static_cast<int16_t>(years);
    return s;
}

std::unique_ptr<ProjectStore> CrestOfYears(int years)
{
    auto s = GravityCrestProject();
    s->DesignLife = static_cast<int16_t>(years);
    return s;
}

std::unique_ptr<ProjectStore> PumpingOfYears(int years)
{
    auto s = PumpingCurveProject();
    s->DesignLife = static_cast<int16_t>(years);
    return s;
}

// The three ways a main meets a varying demand.
enum class Main { Gravity, PumpCurve, OperatingFlow };

// A main of `years` years whose demand grows year by year, built within its
// first supply year so that every life up to 100 years fits the project's
// period.
std::unique_ptr<ProjectStore> VaryingDemand(Main main, int years)
{
    auto s = main == Main::Gravity ? GravityCrestProject() : PumpingCurveProject();
    if (main == Main::OperatingFlow) {
        s->PumpCurveGiven = 0;
        s->OperatingFlowRate = 180; // l/s
    }
    s->DesignLife = static_cast<int16_t>(years);
    s->BaseYear = s->SupplyStartYear;
    s->DemandMode = 1;
    s->YearDemandUnit = 3; // l/s
    for (int y = 1; y <= years; ++y)
        s->YearDemand[y] = 150 + 0.3f * y;
    return s;
}

// Words of `count` characters in all, wide letters first, broken by blanks
// every `word` characters (never, for 0).
std::string LongText(int count, int word)
{
    const std::string letters = "WMmwQ0Oo";
    std::string text;
    for (int i = 0; i < count; ++i)
        text += word > 0 && i % (word + 1) == word ? ' ' : letters[i % letters.size()];
    return text;
}

// The pumping project with every header field and pump line as long as the
// project file holds it: words, and a designer and pump type of one word.
std::unique_ptr<ProjectStore> LongTexts()
{
    auto s = PumpingOfYears(30);
    s->ProjectName = LongText(80, 9);
    s->Designer = LongText(80, 0);
    s->ProjectDescription = LongText(500, 7);
    s->PumpType = LongText(100, 0);
    s->PumpDescription = LongText(1000, 11);
    return s;
}

struct LegibilityCase
{
    std::string name;
    std::function<std::unique_ptr<ProjectStore>()> make;
    double largestIncome = 0; // the water price is set so that the income peaks here
    int pathLength = 0;       // the project file's path is this long
};

std::vector<LegibilityCase> GraphCases()
{
    return {
        {"gravity-500-nodes", [] { return GravityOfNodes(500, 50); }},
        {"century", CenturyGravityProject},
        {"crest-24-years", [] { return CrestOfYears(24); }},
        {"pumping-30-years", [] { return PumpingOfYears(30); }},
        {"crest-39-years", [] { return CrestOfYears(39); }},
        {"pumping-income", [] { return PumpingOfYears(20); }, 3.6e8},
        {"us-units", UsPumpingProject},
        {"long-path", [] { return CrestOfYears(30); }, 0, 240},
        {"long-texts", LongTexts},
    };
}

// The design lives to print: all of 2 to 100, or (VEMORA_SAMPLE_LIVES=1) the
// first and last of each run of lives whose demand table ends on the same
// page, and the lives on either side, and the lives that fill the income
// table's pages exactly.
std::vector<int> DesignLives()
{
    if (qEnvironmentVariableIntValue("VEMORA_SAMPLE_LIVES") == 1)
        return {2, 12, 13, 22, 23, 32, 33, 39, 40, 47, 48, 64, 65, 72, 73, 89, 90, 96, 97, 98, 100};
    std::vector<int> lives;
    for (int years = 2; years <= 100; ++years)
        lives.push_back(years);
    return lives;
}

// Two or more calendar years run together ("20032004").
const QRegularExpression kYearsRunTogether(QStringLiteral("^((19|20|21)\\d\\d){2,}$"));

// Whether two word boxes share more than a sliver (points): the boxes of
// neighbouring lines of text may touch at their edges.
bool overlap(const QRectF& a, const QRectF& b)
{
    const QRectF both = a.intersected(b);
    return both.width() > 0.1 && both.height() > 0.1;
}

// A row of the income and expenditure table: its year, then an amount.
bool IsIncomeRow(const std::vector<PdfWord>& on, size_t i)
{
    static const QRegularExpression year(QStringLiteral("^(19|20|21)\\d\\d$"));
    static const QRegularExpression amount(QStringLiteral("^[R$][0-9,]+$"));
    return i + 1 < on.size() && year.match(on[i].text).hasMatch() &&
           amount.match(on[i + 1].text).hasMatch();
}

// Whether a page of the income and expenditure table holds no row.
bool IncomePageWithoutRows(const PdfPage& page, const std::vector<PdfWord>& on)
{
    if (!page.text.contains(QStringLiteral("SYSTEM ANALYSIS (INCOME & EXPENDITURE)"))) return false;
    for (size_t i = 0; i < on.size(); ++i)
        if (IsIncomeRow(on, i)) return false;
    return true;
}

// The footer begins with a rule 1 mm below its top, a 6-pt empty line and
// then the disclaimer: its first line's words start this far (points) below
// the footer's top.
constexpr double kFooterLead = 9;

// The top of the page's footer in points: above the first line of its
// disclaimer ("The software program ..."); the page's height when none.
double FooterTop(const std::vector<PdfWord>& on, double lead = kFooterLead)
{
    for (size_t i = 0; i + 1 < on.size(); ++i)
        if (on[i].text == "The" && on[i + 1].text == "software") return on[i].box.top() - lead;
    return 1e9;
}

class LegiblePagesTest : public ReportsTest
{
  protected:
    // Saves, opens and analyses the case's project; with every item the
    // project allows ticked, prints it into a PDF and returns its path.
    QString PrintEveryItem(const LegibilityCase& c, std::optional<double> marginsMm = {})
    {
        std::unique_ptr<ProjectStore> project = c.make();
        const std::string name = FileName(c);
        Open(*project, name);
        Analyse();
        if (c.largestIncome > 0) {
            const auto first = ctx.results.YearIncome.begin() + 1;
            const float peak = *std::max_element(first, first + project->DesignLife);
            project->WaterPrice *= static_cast<float>(c.largestIncome / peak);
            Open(*project, name);
            Analyse();
        }
        if (c.pathLength > 0) {
            EXPECT_EQ(path.size(), static_cast<size_t>(c.pathLength));
        }

        PrintSelection ticked{};
        for (const ReportItem& item : ReportItems())
            ticked[static_cast<size_t>(item.step)] = ReportAvailable(ctx, item.box);
        const QString pdf = QString::fromStdString(folder.File(c.name + ".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(printer, pdf);
        if (marginsMm) // as Printer Setup sets them
            printer.setPageMargins(QMarginsF(*marginsMm, *marginsMm, *marginsMm, *marginsMm),
                                   QPageLayout::Millimeter);
        PrinterPageDevice pdfDevice(printer);
        const std::optional<QString> failure = RunPrint(ctx, pdfDevice, 1, ticked, 1);
        EXPECT_FALSE(failure) << failure.value_or(QString()).toStdString();
        if (qEnvironmentVariableIsSet("VEMORA_GRAB_DIR")) {
            const QString dir = GrabDir(QString());
            for (const QString& file : {QString::fromStdString(path), pdf}) {
                const QString to =
                    dir + "/" + QString::fromStdString(c.name) + "." + QFileInfo(file).suffix();
                QFile::remove(to);
                QFile::copy(file, to);
            }
        }
        return pdf;
    }

    // The project file's name in the test's folder: in folders that make
    // its whole path `pathLength` characters long, when the case asks so.
    std::string FileName(const LegibilityCase& c) const
    {
        std::string name = c.name + ".kpj";
        const int length = static_cast<int>(folder.Path().string().size() + 1 + name.size());
        if (c.pathLength <= length) return name;
        std::string folders;
        int left = c.pathLength - length;
        for (; left > 100; left -= 61)
            folders += std::string(60, 'd') + '/';
        std::filesystem::create_directories(folder.File(folders));
        return folders + std::string(static_cast<size_t>(left), 'p') + name;
    }

    // Prints the case and checks every page word by word; returns how many
    // graph pages (landscape, or the profile plot) it printed.
    int ExpectLegible(const LegibilityCase& c)
    {
        SCOPED_TRACE(c.name);
        const QString pdf = PrintEveryItem(c);
        const auto words = readPdfWords(pdf);
        const auto pages = readPdfPages(pdf);
        EXPECT_EQ(words.size(), pages.size());
        int graphPages = 0;
        for (size_t p = 0; p < std::min(pages.size(), words.size()); ++p) {
            graphPages += pages[p].landscape || pages[p].text.contains("PROFILE PLOT:");
            const std::string where = c.name + " page " + std::to_string(p + 1);
            ExpectLegiblePage(words[p], pages[p].size, where);
            EXPECT_FALSE(IncomePageWithoutRows(pages[p], words[p])) << where << ": no rows";
        }
        return graphPages;
    }

    // `margin` (points) is the border the printer's margins leave empty;
    // `scale` the factor the page was drawn at to fit between them.
    static void ExpectLegiblePage(const std::vector<PdfWord>& on, QSizeF size,
                                  const std::string& where, double margin = 0, double scale = 1)
    {
        const QRectF page =
            QRectF(QPointF(0, 0), size)
                .adjusted(margin - 0.01, margin - 0.01, 0.01 - margin, 0.01 - margin);
        const double lead = kFooterLead * scale;
        const double footer = FooterTop(on, lead);
        EXPECT_LT(footer, size.height()) << where << ": no footer";
        for (size_t i = 0; i < on.size(); ++i) {
            if (on[i].box.top() < footer + lead - 1) { // not a word of the footer
                EXPECT_LE(on[i].box.bottom(), footer)
                    << where << ": \"" << on[i].text.toStdString() << "\" reaches into the footer";
            }
            EXPECT_TRUE(page.contains(on[i].box))
                << where << ": \"" << on[i].text.toStdString() << "\" runs past the page's edge";
            EXPECT_FALSE(kYearsRunTogether.match(on[i].text).hasMatch())
                << where << ": " << on[i].text.toStdString();
            for (size_t j = i + 1; j < on.size(); ++j)
                EXPECT_FALSE(overlap(on[i].box, on[j].box))
                    << where << ": \"" << on[i].text.toStdString() << "\" and \""
                    << on[j].text.toStdString() << "\"";
        }
    }
};

TEST_F(LegiblePagesTest, NoWordOverlapsAnotherOrTheFooterOrPassesTheEdge)
{
    for (const LegibilityCase& c : GraphCases())
        EXPECT_EQ(ExpectLegible(c), 4) << c.name; // profile, demand, income and IRR graphs
}

// The page's words in reading order, without their places.
QStringList WordTexts(const std::vector<PdfWord>& on)
{
    QStringList texts;
    for (const PdfWord& w : on)
        texts << w.text;
    return texts;
}

// Printer Setup's margins: pages that would not fit between them are
// scaled down whole, so every word stays on the paper and out of the
// margins, the footer stays whole and no line breaks anew (each page reads
// word for word as at the PDF's own margins).
TEST_F(LegiblePagesTest, WideMarginsScaleThePagesDownWhole)
{
    constexpr double kPointsPerMm = 72 / 25.4;
    for (const LegibilityCase& c : {LegibilityCase{"pumping", [] { return PumpingOfYears(30); }},
                                    LegibilityCase{"long-texts", LongTexts}}) {
        const auto reference = readPdfWords(PrintEveryItem(c));
        ASSERT_FALSE(reference.empty()) << c.name;
        for (double margins : {0.0, 15.0, 40.0}) {
            const std::string name = c.name + " at " + std::to_string(int(margins)) + " mm";
            const QString pdf = PrintEveryItem(c, margins);
            const auto words = readPdfWords(pdf);
            const auto pages = readPdfPages(pdf);
            ASSERT_EQ(words.size(), reference.size()) << name;
            ASSERT_EQ(pages.size(), words.size()) << name;
            for (size_t p = 0; p < words.size(); ++p) {
                const std::string where = name + " page " + std::to_string(p + 1);
                // An A4 sheet less 4.2 mm a side is laid out; less room scales it down.
                const QSizeF room = pages[p].size - QSizeF(2, 2) * margins * kPointsPerMm;
                const QSizeF frame = pages[p].size - QSizeF(2, 2) * 4.2 * kPointsPerMm;
                const double scale =
                    std::min({1.0, room.width() / frame.width(), room.height() / frame.height()});
                ExpectLegiblePage(words[p], pages[p].size, where, margins * kPointsPerMm, scale);
                EXPECT_EQ(WordTexts(words[p]), WordTexts(reference[p])) << where;
            }
        }
    }
}

class LegibleLivesTest : public LegiblePagesTest, public ::testing::WithParamInterface<Main>
{
};

const char* const kMainNames[] = {"gravity", "pump-curve", "operating-flow"};

TEST_P(LegibleLivesTest, EveryDesignLifeWithAVaryingDemand)
{
    const std::string kind = kMainNames[static_cast<int>(GetParam())];
    for (int years : DesignLives())
        ExpectLegible({kind + "-" + std::to_string(years) + "-years",
                       [&] { return VaryingDemand(GetParam(), years); }});
}

// A project as its file holds it.
std::unique_ptr<ProjectStore> FromFile(const std::filesystem::path& file)
{
    auto s = std::make_unique<ProjectStore>();
    int64_t record = 0;
    EXPECT_EQ(ReadProjectFile(file.string(), s->ProjectRec, record), FileStatus::Ok) << file;
    StoreFromRecord(s->ProjectRec, *s);
    return s;
}

// The example projects the program ships in Projects/: each analyses with no
// warning and prints every item legibly.
TEST_F(LegiblePagesTest, EveryExampleProjectAnalysesAndPrintsLegibly)
{
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(VEMORA_SOURCE_DIR) / "Projects")) {
        if (entry.path().extension() != ".kpj") continue;
        ++examples;
        const std::string name = entry.path().stem().string();
        EXPECT_EQ(ExpectLegible({name, [&] { return FromFile(entry.path()); }}), 4) << name;
        EXPECT_TRUE(ctx.store.ResultsValid) << name;
        EXPECT_FALSE(ctx.store.HighPointFlag) << name;
        EXPECT_FALSE(ctx.store.GradelineFailed) << name;
    }
    EXPECT_EQ(examples, 3);
}

// The page header's texts shortened with "...": the project name, the
// designer and the description's second line; the description's first line
// cut as the name is.
enum class HeaderField { Name, Designer, Description };
enum class Cut { AtBlank, InsideWord };

struct HeaderCase
{
    const char* what;
    HeaderField field;
    std::string text;
    Cut cut;
    Cut firstLineCut = Cut::AtBlank; // the description's first line
    friend void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.what; }
};

class HeaderTextsTest : public LegiblePagesTest, public ::testing::WithParamInterface<HeaderCase>
{
};

constexpr double kPointsPerMm = 72 / 25.4;
// Where the header puts the "Printed:" line and the report's heading
// (points from the page's top) for any text: a long text never moves them.
constexpr double kPrintedTop = 209.14, kHeadingTop = 235.19;
// The right end of the header's lines, the end of its rules, in points.
constexpr double kRoomEnd = (4.2 + 8 + 185) * kPointsPerMm;
// How far a full line's right end may lie past it in the PDF, whose glyph
// advances run up to a tenth of a percent wider than the page layout
// measures them (points; a letter is four times as wide).
constexpr double kPdfWidthSlack = 1;

// The page's words on the line whose top is `top`, left to right.
std::vector<PdfWord> WordsOnLine(const std::vector<PdfWord>& on, double top)
{
    std::vector<PdfWord> line;
    for (const PdfWord& w : on)
        if (std::abs(w.box.top() - top) < 0.5) line.push_back(w);
    std::sort(line.begin(), line.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
    return line;
}

// A header line's value: its words after the label's `labelWords` joined by
// blanks, and where it begins and ends (points).
struct HeaderValue
{
    QString text;
    double left = 0, right = 0;
};

HeaderValue ValueOnLine(const std::vector<PdfWord>& on, double top, size_t labelWords = 0)
{
    std::vector<PdfWord> line = WordsOnLine(on, top);
    line.erase(line.begin(),
               line.begin() + static_cast<qsizetype>(std::min(labelWords, line.size())));
    HeaderValue value;
    if (line.empty()) return value;
    QStringList texts;
    for (const PdfWord& w : line)
        texts << w.text;
    return {texts.join(' '), line.front().box.left(), line.back().box.right()};
}

// The top of the first word that `is` takes; 0 when none.
double TopOf(const std::vector<PdfWord>& on, const std::function<bool(const PdfWord&)>& is)
{
    const auto w = std::find_if(on.begin(), on.end(), is);
    return w == on.end() ? 0 : w->box.top();
}

// A value that fills at least half of its line's room and ends by its end.
void ExpectFillsHalfItsRoom(const HeaderValue& v)
{
    EXPECT_GE(v.right - v.left, (kRoomEnd - v.left) / 2) << v.text.toStdString();
    EXPECT_LE(v.right, kRoomEnd + kPdfWidthSlack) << v.text.toStdString();
}

// A header text too long for its line keeps at least half of the line's
// room: it is cut at its last blank there when that keeps half the room,
// inside the word otherwise, the description's first line too; the
// description's last line keeps 0.5 mm clear of the "Printed:" line, which
// stays where it was, as does the body.
TEST_P(HeaderTextsTest, ShortenedTextsKeepHalfTheirRoomAndClearOfThePrintedLine)
{
    const HeaderCase& c = GetParam();
    auto project = PumpingOfYears(30);
    std::string& field = c.field == HeaderField::Name       ? project->ProjectName
                         : c.field == HeaderField::Designer ? project->Designer
                                                            : project->ProjectDescription;
    field = c.text;
    Open(*project);
    const QString pdf = PrintPdf({ReportBox::General});
    const auto words = readPdfWords(pdf);
    const auto pages = readPdfPages(pdf);
    ASSERT_FALSE(words.empty());
    ASSERT_EQ(words.size(), pages.size());
    for (size_t p = 0; p < words.size(); ++p)
        ExpectLegiblePage(words[p], pages[p].size, c.what + (" page " + std::to_string(p + 1)));
    const std::vector<PdfWord>& on = words[0];

    const auto printed =
        std::find_if(on.begin(), on.end(), [](const PdfWord& w) { return w.text == "Printed:"; });
    ASSERT_NE(printed, on.end());
    EXPECT_NEAR(printed->box.top(), kPrintedTop, 0.05);
    EXPECT_NEAR(TopOf(on, [](const PdfWord& w) { return w.text == "GENERAL"; }), kHeadingTop, 0.05);
    double above = 0; // the bottom of the line above "Printed:"
    for (const PdfWord& w : on)
        if (w.box.top() < printed->box.top() - 1) above = std::max(above, w.box.bottom());
    EXPECT_GE(printed->box.top() - above, 0.5 * kPointsPerMm);

    // The text as the header prints it: upper case for the name, its line
    // breaks and tabs blanks.
    QString source = QString::fromStdString(c.text).simplified();
    if (c.field == HeaderField::Name) source = source.toUpper();
    // The shortened line: the name's line under the title, the designer's
    // line, or the line above "Printed:".
    HeaderValue shortened;
    if (c.field == HeaderField::Name)
        shortened = ValueOnLine(
            on, TopOf(on, [&](const PdfWord& w) { return w.text.startsWith(source.left(4)); }));
    else if (c.field == HeaderField::Designer)
        shortened =
            ValueOnLine(on, TopOf(on, [](const PdfWord& w) { return w.text == "Designer"; }), 2);
    else
        shortened = ValueOnLine(on, TopOf(on, [&](const PdfWord& w) {
                                    return std::abs(w.box.bottom() - above) < 0.01;
                                }));
    const QString& shown = shortened.text;
    ASSERT_TRUE(shown.endsWith("...")) << shown.toStdString();
    const QString kept = shown.chopped(3);
    EXPECT_TRUE(source.contains(kept)) << shown.toStdString();
    EXPECT_EQ(source.contains(kept + ' '), c.cut == Cut::AtBlank) << shown.toStdString();
    ExpectFillsHalfItsRoom(shortened);

    if (c.field != HeaderField::Description) return;
    const HeaderValue first =
        ValueOnLine(on, TopOf(on, [](const PdfWord& w) { return w.text == "Description"; }), 2);
    ASSERT_TRUE(source.startsWith(first.text)) << first.text.toStdString();
    EXPECT_EQ(source[first.text.size()] == ' ', c.firstLineCut == Cut::AtBlank)
        << first.text.toStdString();
    ExpectFillsHalfItsRoom(first);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, HeaderTextsTest,
    ::testing::Values(
        HeaderCase{"name-early-blank", HeaderField::Name,
                   "Pipeline " + std::string("abcdefghijklmnopqrstuvwxyz").append(45, 'q'),
                   Cut::InsideWord},
        HeaderCase{"name-of-words", HeaderField::Name,
                   "Upper Dam pipeline to the town reservoir by way of the hills and the valley",
                   Cut::AtBlank},
        HeaderCase{"designer-early-blank", HeaderField::Designer, "A. " + std::string(77, 'W'),
                   Cut::InsideWord},
        HeaderCase{"description-descenders", HeaderField::Description,
                   QStringLiteral("Gravity pipeline bringing raw water by way of the hilly "
                                  "country past every village, going quietly ")
                       .repeated(6)
                       .toStdString(),
                   Cut::AtBlank},
        HeaderCase{"description-early-blank", HeaderField::Description,
                   "Route " + std::string(494, 'Y'), Cut::InsideWord, Cut::InsideWord},
        HeaderCase{
            "description-line-breaks", HeaderField::Description,
            QStringLiteral("Pumps\r\nand\treservoirs\rby the\nhills ").repeated(20).toStdString(),
            Cut::AtBlank}),
    [](const ::testing::TestParamInfo<HeaderCase>& info) {
        std::string name = info.param.what;
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        return name;
    });

struct PathCase
{
    const char* what;
    std::string path;
    bool shortened; // else whole, broken after a '/'
    friend void PrintTo(const PathCase& c, std::ostream* os) { *os << c.what; }
};

class HeaderPathTest : public LegiblePagesTest, public ::testing::WithParamInterface<PathCase>
{
};

// A path too long for one line takes two, each ending by the end of the
// rule: whole when it fits so, broken after a '/' where that serves,
// otherwise shortened in the middle with "..." whole at the end of the
// first line.
TEST_P(HeaderPathTest, ALongPathTakesTwoLinesAndKeepsItsMarkWhole)
{
    const PathCase& c = GetParam();
    auto project = PumpingOfYears(30);
    Open(*project);
    ctx.store.ProjectFilePath = c.path;
    const auto words = readPdfWords(PrintPdf({ReportBox::General}));
    ASSERT_FALSE(words.empty());
    const std::vector<PdfWord>& on = words[0];
    const double label = TopOf(on, [](const PdfWord& w) { return w.text == "Filename"; });
    const double date = TopOf(on, [](const PdfWord& w) { return w.text == "Date"; });
    const HeaderValue first = ValueOnLine(on, label, 2);
    double secondTop = 0;
    for (const PdfWord& w : on)
        if (w.box.top() > label + 1 && w.box.top() < date - 1) secondTop = w.box.top();
    const HeaderValue second = ValueOnLine(on, secondTop);
    ASSERT_NE(secondTop, 0);
    const QString path = QString::fromStdString(c.path);
    const std::string shown = (first.text + " | " + second.text).toStdString();
    EXPECT_LE(first.right, kRoomEnd + kPdfWidthSlack) << shown;
    EXPECT_LE(second.right, kRoomEnd + kPdfWidthSlack) << shown;
    if (!c.shortened) {
        EXPECT_EQ(first.text + second.text, path) << shown;
        EXPECT_TRUE(first.text.endsWith('/')) << shown;
        return;
    }
    ASSERT_TRUE(first.text.endsWith("...")) << shown;
    EXPECT_TRUE(path.startsWith(first.text.chopped(3))) << shown;
    EXPECT_TRUE(path.endsWith(second.text)) << shown;
    EXPECT_LT(first.text.size() - 3 + second.text.size(), path.size()) << shown;
    ExpectFillsHalfItsRoom(first);
    ExpectFillsHalfItsRoom(second);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, HeaderPathTest,
    ::testing::Values(
        PathCase{"at-a-slash",
                 "/data/projects/" + std::string(40, 'a') + "/" + std::string(30, 'b') +
                     "/upper-dam-transfer.kpj",
                 false},
        PathCase{"long-names",
                 "/home/engineer/projects/" +
                     QStringLiteral("long_name_rather_long_").repeated(10).toStdString() + ".kpj",
                 true},
        PathCase{"wide-letters",
                 "/data/" + std::string(120, 'W') + "/" + std::string(120, 'M') + ".kpj", true},
        PathCase{"narrow-letters", "/data/" + std::string(300, 'i') + ".kpj", true}),
    [](const ::testing::TestParamInfo<PathCase>& info) {
        std::string name = info.param.what;
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        return name;
    });

INSTANTIATE_TEST_SUITE_P(Mains, LegibleLivesTest,
                         ::testing::Values(Main::Gravity, Main::PumpCurve, Main::OperatingFlow),
                         [](const ::testing::TestParamInfo<Main>& info) {
                             std::string name = kMainNames[static_cast<int>(info.param)];
                             name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                             return name;
                         });

} // namespace
} // namespace vemora::test
