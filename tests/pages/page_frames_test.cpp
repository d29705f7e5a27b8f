// The frames of printed pages on a recording printer: what the header and
// footer hold, the two-line file and description values, the page count per
// header, and the wider landscape frame of graph pages.
#include <gtest/gtest.h>

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "app/ProjectLoading.h"
#include "pages/PageFrames.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "support/CheckedUi.h"
#include "support/FakeMainWindow.h"

namespace vemora {
namespace {

class PageFramesTest : public ::testing::Test
{
  protected:
    PageFramesTest()
    {
        ctx.store.ProjectName = "Upper Dam Pipeline";
        ctx.store.Designer = "  A. Engineer  ";
        ctx.store.ProjectDate = "16/05/2005";
        ctx.store.ProjectFilePath = "/data/upper.kpj";
        ctx.store.ProjectDescription = "Transfer to the town";
    }

    // The pages' run, numbering on from page to page, with the store's
    // header texts as they stand now.
    PageRun& StoreRun()
    {
        run.header = HeaderTextsOf(ctx.store);
        return run;
    }

    // One framed page: header, a line of text and the footer at 240 mm.
    const RecordedPage& PrintPage(bool graph = false)
    {
        if (graph) {
            PrintGraphPageHeader(ctx, StoreRun(), printer);
            printer.Print({{1, QStringLiteral("body")}});
            printer.setCurrentY(165);
            PrintGraphPageFooter(printer);
        } else {
            ReportPages pages(ctx, StoreRun(), printer);
            pages.PrintPageHeader();
            printer.Print({{1, QStringLiteral("body")}});
            pages.PrintPageFooter(kReportBodyEnd);
        }
        return device.pages().back();
    }

    test::CheckedUi ui;
    test::CheckedContext ctx{ui};
    test::FakeMainWindow main{ctx};
    RecordingPageDevice device;
    ReportPrinter printer{device};
    PageRun run;
};

TEST_F(PageFramesTest, TheReportHeaderAndFooterHoldTheProjectAndTheDisclaimer)
{
    const RecordedPage& page = PrintPage();
    const QStringList lines = page.textLines();
    EXPECT_TRUE(lines.contains("Vemora"));
    EXPECT_TRUE(lines.contains("UPPER DAM PIPELINE"));
    EXPECT_TRUE(lines.contains("Designer :  A. Engineer"));
    EXPECT_TRUE(lines.contains("Filename : /data/upper.kpj"));
    EXPECT_TRUE(lines.contains("Date :  16 May 2005"));
    EXPECT_TRUE(lines.contains("Description :  Transfer to the town"));
    EXPECT_NE(page.findTextStartingWith("Printed: "), nullptr);
    EXPECT_NE(page.findText("Page 1"), nullptr);
    EXPECT_NE(page.findTextStartingWith("shall be made under the direction"), nullptr);
    EXPECT_NE(page.findText("Vemora : VERSION: 1.0.0"), nullptr);
    EXPECT_NE(page.findTextStartingWith("Vemora is provided as it is, without warranty"), nullptr);

    // The title in 21 pt bold underlined dark blue; values at column 22.
    const PageText* title = page.findText("Vemora");
    EXPECT_EQ(title->font.size, 21);
    EXPECT_TRUE(title->font.bold && title->font.underline);
    EXPECT_EQ(title->color, QColor(0, 0, 128));
    EXPECT_EQ(page.findText("A. Engineer")->tab, 22);

    // Header rule, footer's two rules: 185 mm from 8 mm right of the edge.
    ASSERT_EQ(page.lines.size(), 3u);
    for (const PageLine& rule : page.lines) {
        EXPECT_DOUBLE_EQ(rule.from.x(), 8);
        EXPECT_DOUBLE_EQ(rule.to.x() - rule.from.x(), 185);
    }
    // The footer begins where the report left the position.
    EXPECT_DOUBLE_EQ(page.lines[1].from.y(), 241);
    EXPECT_EQ(run.pageNumber, 1);
}

// The disclaimer's lines as each footer prints them, at tab 10 in 8 pt bold
// (as is the header's print date).
QStringList DisclaimerLines(const RecordedPage& page)
{
    QStringList lines;
    for (const PageText& t : page.texts)
        if (t.tab == 10 && t.font.size == 8 && t.font.bold && !t.text.startsWith("Printed: "))
            lines << t.text;
    return lines;
}

TEST_F(PageFramesTest, PortraitAndLandscapeFootersBreakTheDisclaimerAtTheirOwnWords)
{
    EXPECT_EQ(DisclaimerLines(PrintPage()),
              QStringList({"The software program was developed for the convenience of its users.  "
                           "Although every reasonable effort has been made to ensure that the "
                           "results are",
                           "correct and accurate, the developers assume no responsibility for any "
                           "results, interpretation thereof or any use made of the results "
                           "obtained",
                           "with this program.  This program is not presented nor is it intended "
                           "to be used as a complete study and the use of this software program "
                           "or output",
                           "shall be made under the direction of trained engineers exercising "
                           "their independent judgement regarding the proposed optimized "
                           "design."}));
    EXPECT_EQ(DisclaimerLines(PrintPage(true)),
              QStringList({"The software program was developed for the convenience of its users.  "
                           "Although every reasonable effort has been made to ensure that the "
                           "results are correct and accurate, the developers assume no",
                           "responsibility for any results, interpretation thereof or any use "
                           "made of the results obtained with this program.  This program is not "
                           "presented nor is it intended to be used as a complete study",
                           "and the use of this software program or output shall be made under "
                           "the direction of trained engineers exercising their independent "
                           "judgement regarding the proposed optimized design."}));
}

// The texts of the page at tab `column`, top to bottom.
QStringList TextsAt(const RecordedPage& page, int column)
{
    QStringList texts;
    for (const PageText& t : page.texts)
        if (t.tab == column) texts << t.text;
    return texts;
}

TEST_F(PageFramesTest, LongTextsKeepTheHeaderInItsLinesAndAtItsHeight)
{
    const double shortRule = PrintPage().lines[0].from.y();
    const double shortGraphRule = PrintPage(true).lines[0].from.y();

    // A description of two lines breaks at a blank, never inside a word.
    const QString twoLines =
        QStringLiteral("Transfer from the hill reservoir to the town, ").repeated(3).trimmed();
    ctx.store.ProjectDescription = "  " + twoLines.toStdString() + "  ";
    const RecordedPage& page = PrintPage();
    EXPECT_NE(page.findText("Description :"), nullptr); // no blank before a long value
    const QStringList values = TextsAt(page, 22);
    ASSERT_GE(values.size(), 5);
    const QStringList lines = values.mid(values.size() - 2); // after designer, file, date
    EXPECT_EQ(lines.join(' '), twoLines);
    EXPECT_TRUE(twoLines.startsWith(lines[0] + ' '));
    EXPECT_DOUBLE_EQ(page.lines[0].from.y(), shortRule);

    // Texts longer than their lines: the name and designer on one line each,
    // the path and description on two, ending in (or shortened with) "...".
    const std::string path =
        "/data/projects/" + std::string(150, 'a') + "/" + std::string(150, 'z') + "/transfer.kpj";
    ctx.store.ProjectFilePath = path;
    ctx.store.ProjectName = std::string(80, 'w');
    ctx.store.Designer = std::string(80, 'W');
    const QString description = QStringLiteral("Pumps and reservoirs ").repeated(25).trimmed();
    ctx.store.ProjectDescription = description.toStdString();
    for (const bool graph : {false, true}) {
        SCOPED_TRACE(graph ? "graph page" : "report page");
        const RecordedPage& p = PrintPage(graph);
        for (const PageText& t : p.texts)
            EXPECT_LE(t.pos.x() + t.width, p.lines[0].to.x() + 0.01) << t.text.toStdString();
        int namesAndDesigners = 0; // each one line, cut with "..."
        for (const PageText& t : p.texts)
            if (t.text.startsWith("WWW")) {
                ++namesAndDesigners;
                EXPECT_TRUE(t.text.endsWith("...")) << t.text.toStdString();
            }
        EXPECT_EQ(namesAndDesigners, 2);
        EXPECT_DOUBLE_EQ(p.lines[0].from.y(), graph ? shortGraphRule : shortRule);

        QStringList pathParts;
        for (const PageText& t : p.texts)
            if (t.text.contains("aaa") || t.text.contains("zzz") || t.text.startsWith("/data"))
                pathParts << t.text;
        ASSERT_EQ(pathParts.size(), graph ? 1 : 2);
        const QString shortened = pathParts.join("");
        EXPECT_TRUE(shortened.startsWith("/data/projects/aaa"));
        EXPECT_TRUE(shortened.endsWith("zzz/transfer.kpj"));
        EXPECT_EQ(shortened.count("..."), 1);
    }
    const QStringList report = TextsAt(device.pages()[device.pages().size() - 2], 22);
    const QStringList described = report.mid(report.size() - 2);
    EXPECT_TRUE(described[1].endsWith("..."));
    EXPECT_TRUE(description.startsWith(described[0] + ' ' + described[1].chopped(3).trimmed()));
}

TEST_F(PageFramesTest, ALineThatWouldReachTheFooterTurnsThePage)
{
    ReportPages pages(ctx, StoreRun(), printer, [this] {
        printer.Print({{7, QStringLiteral("TITLE BLOCK")}});
    });
    pages.PrintPageHeader();
    printer.setFontSize(12);
    printer.setFontBold(false);
    const int line = 60; // more than a page holds
    for (int n = 1; n <= line; ++n)
        printer.Print({{9, QStringLiteral("line %1").arg(n)}});
    pages.PrintPageFooter();

    ASSERT_EQ(device.pages().size(), 2u);
    const RecordedPage& first = device.pages()[0];
    const RecordedPage& second = device.pages()[1];
    // The first page's body ends above its footer, which begins at 240 mm.
    EXPECT_DOUBLE_EQ(first.lines[1].from.y(), 241);
    int linesOnFirst = 0;
    for (const PageText& t : first.texts)
        if (t.text.startsWith("line ")) {
            ++linesOnFirst;
            EXPECT_LE(t.pos.y() + printer.TextHeight(), 240 + 1e-6);
        }
    int linesOnSecond = 0;
    for (const PageText& t : second.texts)
        linesOnSecond += t.text.startsWith("line ") ? 1 : 0;
    EXPECT_GT(linesOnFirst, 0);
    EXPECT_EQ(linesOnFirst + linesOnSecond, line);
    // The next page opens with the header and the heading, and goes on.
    EXPECT_NE(second.findText("Page 2"), nullptr);
    const PageText* title = second.findText("TITLE BLOCK");
    ASSERT_NE(title, nullptr);
    const PageText* next = nullptr;
    for (int n = 1; n <= line && !next; ++n)
        next = second.findText(QStringLiteral("line %1").arg(n));
    ASSERT_NE(next, nullptr);
    EXPECT_GT(next->pos.y(), title->pos.y());
    EXPECT_EQ(next->font.size, 12);
    EXPECT_FALSE(next->font.bold);
    EXPECT_EQ(first.findText(next->text), nullptr);
}

TEST_F(PageFramesTest, AReportStoppedOnAnOpenPageLeavesThePrinterNoPageTurn)
{
    {
        ReportPages pages(ctx, StoreRun(), printer);
        pages.PrintPageHeader(); // and a PrintFailure ends the report before its footer
    }
    printer.setFontSize(12);
    for (int n = 1; n <= 60; ++n)
        printer.Print({{9, QStringLiteral("line %1").arg(n)}});
    // No footer and no second header: the lines ran on down the one page.
    EXPECT_EQ(run.pageNumber, 1);
    EXPECT_TRUE(device.pages().empty() || device.pages().back().findText("Page 2") == nullptr);
}

TEST_F(PageFramesTest, TheGraphFrameIsLandscapeAndWiderWithTheFileLabel)
{
    PrintPage();     // a portrait page first, in the same document
    NewProject(ctx); // a project without a file of its own, as New makes it
    ctx.store.Designer = "A. Engineer";
    EXPECT_TRUE(PrintPage().textLines().contains("Filename : Vemora (New project file)"));
    const RecordedPage& page = PrintPage(true);
    EXPECT_EQ(page.orientation, PageOrientation::Landscape);
    EXPECT_EQ(device.pages().front().orientation, PageOrientation::Portrait);
    const QStringList lines = page.textLines();
    EXPECT_TRUE(lines.contains("Filename : Vemora (New project file)"));
    EXPECT_EQ(page.findText("Transfer to the town"), nullptr);
    EXPECT_EQ(page.findText("Vemora")->font.size, 16);
    EXPECT_EQ(page.findText("A. Engineer")->tab, 21);
    EXPECT_EQ(page.findText("Page 3")->tab, 215);
    ASSERT_EQ(page.lines.size(), 3u);
    EXPECT_DOUBLE_EQ(page.lines[0].to.x() - page.lines[0].from.x(), 265);
    EXPECT_NE(page.findTextStartingWith("and the use of this software program"), nullptr);

    // A label that fits its line prints whole, however many characters it has.
    ctx.store.ProjectFilePath = std::string(100, 'f');
    EXPECT_NE(PrintPage(true).findText(QString(100, 'f')), nullptr);
    ctx.store.ProjectFilePath = std::string(101, 'f');
    EXPECT_NE(PrintPage(true).findText(QString(101, 'f')), nullptr);
}

// Checks a page title printed underlined at tab 7 in `points` with its top
// at `top`, and that the line "after" it is not underlined; that line.
const PageText* TitleAndLineAfter(const RecordedPage& page, const char* text, double points,
                                  double top)
{
    const PageText* title = page.findText(text);
    EXPECT_NE(title, nullptr) << text;
    if (!title) return nullptr;
    EXPECT_EQ(title->tab, 7);
    EXPECT_EQ(title->font.size, points);
    EXPECT_TRUE(title->font.underline);
    EXPECT_NEAR(title->pos.y(), top, 1e-9);
    const PageText* after = page.findText("after");
    if (after) {
        EXPECT_FALSE(after->font.underline);
    }
    return after;
}

TEST_F(PageFramesTest, AGraphPageTitleFollowsABlankLineUnderlinedAndLeaves11Points)
{
    PrintGraphPageHeader(ctx, StoreRun(), printer);
    const double below = printer.CurrentY();
    printer.setFontSize(12);
    const double blank = printer.TextHeight();
    printer.setFontSize(8);
    PrintGraphPageTitle(printer, QStringLiteral("IRR GRAPH:"));
    printer.Print({{8, QStringLiteral("after")}});
    printer.setCurrentY(165);
    PrintGraphPageFooter(printer);

    const PageText* after =
        TitleAndLineAfter(device.pages().back(), "IRR GRAPH:", 12, below + blank);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->font.size, 11);
}

TEST_F(PageFramesTest, APlotPageTitleStandsBetweenTwoBlank13PointLines)
{
    ReportPages pages(ctx, StoreRun(), printer);
    pages.PrintPageHeader();
    const double below = printer.CurrentY();
    printer.setFontSize(13);
    const double blank = printer.TextHeight();
    printer.setFontSize(8);
    PrintPlotPageTitle(printer, QStringLiteral("PUMP CURVE:"));
    printer.Print({{8, QStringLiteral("after")}});
    pages.PrintPageFooter(kReportBodyEnd);

    const PageText* after =
        TitleAndLineAfter(device.pages().back(), "PUMP CURVE:", 13, below + blank);
    ASSERT_NE(after, nullptr);
    EXPECT_NEAR(after->pos.y(), below + 3 * blank, 1e-9);
    EXPECT_EQ(after->font.size, 13);
}

TEST_F(PageFramesTest, ALongPathIsShortenedInTheMiddleAndTheGraphHeaderKeepsItsHeight)
{
    const double shortRule = PrintPage(true).lines[0].from.y();
    const std::string head = "/data/projects/" + std::string(90, 'a');
    const std::string tail = std::string(90, 'z') + "/transfer.kpj";
    ctx.store.ProjectFilePath = head + std::string(20, 'm') + tail; // 228 characters
    const RecordedPage& page = PrintPage(true);

    const PageText* label = page.findText("Filename :");
    ASSERT_NE(label, nullptr);
    const PageText* path = nullptr;
    for (const PageText& t : page.texts)
        if (t.text.startsWith("/data/projects/")) path = &t;
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->pos.y(), label->pos.y());
    EXPECT_TRUE(path->text.contains("..."));
    EXPECT_TRUE(path->text.endsWith("/transfer.kpj"));
    EXPECT_TRUE(QString::fromStdString(head + std::string(20, 'm') + tail)
                    .startsWith(path->text.section("...", 0, 0)));
    // The line ends by the end of the rule, and nothing more of the path follows.
    EXPECT_LE(path->pos.x() + path->width, page.lines[0].to.x() + 0.01);
    for (const PageText& t : page.texts)
        EXPECT_FALSE(&t != path && t.text.contains("zzz")) << t.text.toStdString();
    EXPECT_DOUBLE_EQ(page.lines[0].from.y(), shortRule);
}

TEST_F(PageFramesTest, TheProjectDateReadsAsTheInputWindowReadsIt)
{
    const std::pair<const char*, const char*> cases[] = {
        {"16/05/2005", "Date :  16 May 2005"},  {"2001/06/11", "Date :  11 June 2001"},
        {"2001-06-11", "Date :  11 June 2001"}, {" 3 March 2010 ", "Date :  3 March 2010"},
        {"not a date", "Date :  not a date"},
    };
    for (const auto& [stored, line] : cases) {
        ctx.store.ProjectDate = stored;
        EXPECT_TRUE(PrintPage().textLines().contains(line)) << stored;
        EXPECT_TRUE(PrintPage(true).textLines().contains(line)) << stored;
    }
}

} // namespace
} // namespace vemora
