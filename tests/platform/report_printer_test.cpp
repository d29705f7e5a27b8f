// The printer model on the recording back end: print columns, the print
// position, rules, pictures, orientation per page and failures.
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/PrintNumber.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"

using namespace vemora;

namespace {

constexpr double kMm = 1e-6;

struct Printed : ::testing::Test
{
    RecordingPageDevice device;
    ReportPrinter printer{device};

    const RecordedPage& page(size_t i) { return device.pages().at(i); }
};

} // namespace

TEST_F(Printed, ColumnsAreAverageCharacterWidthsOfTheCurrentFont)
{
    printer.setFontName("Times New Roman");
    printer.setFontSize(12);
    // Times New Roman's average character width is 821/2048 of the em: the
    // header's page number at column 153 in 8 pt lands inside the page.
    const double em12 = 12.0 / 72 * 25.4;
    EXPECT_NEAR(printer.TabPosition(2), em12 * 821 / 2048, 0.005);
    printer.setFontSize(8);
    EXPECT_NEAR(printer.TabPosition(153), 152 * (8.0 / 72 * 25.4) * 821 / 2048, 0.5);
    EXPECT_LT(printer.TabPosition(153) + printer.TextWidth("Page 12"), printer.ScaleWidth());
    EXPECT_DOUBLE_EQ(printer.TabPosition(1), 0);
    EXPECT_DOUBLE_EQ(printer.TabPosition(0), 0);

    // In Courier New every character is one column wide, so numbers printed
    // at columns stay aligned under their headings.
    printer.setFontName("Courier New");
    printer.setFontSize(10);
    EXPECT_NEAR(printer.TabPosition(11), 10 * (10.0 / 72 * 25.4) * 1229 / 2048, 0.005);
    EXPECT_NEAR(printer.TextWidth("Accumulated"), printer.TabPosition(12), 0.005);

    printer.Print({{7, "Designer : "}, {22, "J. Smith"}});
    const PageText* label = page(0).findText("Designer : ");
    const PageText* value = page(0).findText("J. Smith");
    ASSERT_TRUE(label && value);
    EXPECT_EQ(label->tab, 7);
    EXPECT_EQ(value->tab, 22);
    EXPECT_NEAR(label->pos.x(), printer.TabPosition(7), kMm);
    EXPECT_NEAR(value->pos.x(), printer.TabPosition(22), kMm);
    EXPECT_DOUBLE_EQ(label->pos.y(), value->pos.y());
}

// A blank font name or a size that is not a positive number leaves the font
// as it was.
TEST_F(Printed, BadFontValuesAreRefused)
{
    printer.setFontSize(12);
    printer.setFontSize(std::nan(""));
    printer.setFontSize(-3);
    printer.setFontSize(0);
    printer.setFontName("  ");
    printer.Print({{0, "x"}});
    const PageText* x = page(0).findText("x");
    ASSERT_TRUE(x);
    EXPECT_EQ(x->font.size, 12);
    EXPECT_EQ(x->font.name, "Times New Roman");
}

TEST_F(Printed, ColumnLeftOfThePositionContinuesOnTheNextLine)
{
    printer.setFontSize(12);
    printer.Print({{5, "A text that runs past column ten"}, {10, "next"}, {40, "same"}});
    const RecordedPage& p = page(0);
    const PageText* first = p.findTextStartingWith("A text");
    const PageText* next = p.findText("next");
    const PageText* same = p.findText("same");
    ASSERT_TRUE(first && next && same);
    EXPECT_NEAR(next->pos.y(), first->pos.y() + printer.TextHeight(), kMm);
    EXPECT_NEAR(next->pos.x(), printer.TabPosition(10), kMm);
    EXPECT_DOUBLE_EQ(same->pos.y(), next->pos.y()); // column 40 is still ahead
    EXPECT_EQ(p.textLines(), QStringList({"A text that runs past column ten", "next same"}));

    // Tabbing to the column the position already stands on stays on the line.
    printer.Print({{3, "ab"}}, LineEnd::Keep);
    const double y = printer.CurrentY();
    printer.setCurrentX(printer.TabPosition(20));
    printer.Print({{20, "here"}});
    EXPECT_DOUBLE_EQ(page(0).findText("here")->pos.y(), y);

    // After a rule the print position is at the rule's end, so the next
    // column starts below it.
    const double ruleY = printer.CurrentY() + 1;
    printer.Rule();
    printer.Print({{7, "below"}});
    EXPECT_NEAR(page(0).findText("below")->pos.y(), ruleY + printer.TextHeight(), kMm);
}

TEST_F(Printed, PrintPositionAfterTextsAndEmptyLines)
{
    printer.setFontName("Times New Roman");
    printer.setFontSize(12);
    const double h12 = printer.TextHeight();
    // Times New Roman's line height: ascent and descent, 2268/2048 of the em.
    EXPECT_NEAR(h12, 12.0 / 72 * 25.4 * 2268 / 2048, 0.01);

    printer.Print({{0, "abc"}}, LineEnd::Keep);
    EXPECT_NEAR(printer.CurrentX(), printer.TextWidth("abc"), kMm);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 0);
    printer.Print({{0, "def"}}, LineEnd::Keep);
    EXPECT_NEAR(page(0).findText("def")->pos.x(), printer.TextWidth("abc"), kMm);
    printer.EndLine();
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 0);
    EXPECT_NEAR(printer.CurrentY(), h12, kMm);

    // Empty lines move down by the height of the font current at the time.
    printer.Print();
    printer.setFontSize(6);
    const double h6 = printer.TextHeight();
    EXPECT_NEAR(h6 * 2, h12, 0.01);
    printer.Print();
    EXPECT_NEAR(printer.CurrentY(), 2 * h12 + h6, kMm);

    // A text printed at a set position is recorded there, with its font.
    printer.setCurrentY(240);
    printer.setFontBold(true);
    printer.setFontUnderline(true);
    printer.setForeColor(QColor(0, 0, 128));
    printer.Print({{8, "Footer"}});
    const PageText* footer = page(0).findText("Footer");
    ASSERT_TRUE(footer);
    EXPECT_DOUBLE_EQ(footer->pos.y(), 240);
    EXPECT_EQ(footer->font, (PageFont{"Times New Roman", 6, true, true}));
    EXPECT_EQ(footer->color, QColor(0, 0, 128));

    // A new page starts at the top left and keeps the font.
    printer.setCurrentX(50);
    printer.EndPage();
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 0);
    printer.Print({{0, "Top"}});
    ASSERT_EQ(device.pages().size(), 2u);
    EXPECT_EQ(page(1).findText("Top")->pos, QPointF(0, 0));
    EXPECT_TRUE(page(1).findText("Top")->font.bold);
}

TEST_F(Printed, TextsStayInsideThePageBody)
{
    printer.setFontSize(12);
    // A text that would pass the end of the rules carries on at its column,
    // broken at blanks; a word wider than a line is cut where it fills one.
    const QString words = QStringLiteral("pump ").repeated(60).trimmed();
    printer.Print({{7, "Configuration:"}, {20, words}});
    printer.Print({{7, QString(120, 'W')}});
    const RecordedPage& p = page(0);
    QString carried;
    double y = -1;
    for (const PageText& t : p.texts) {
        EXPECT_LE(t.pos.x() + t.width, printer.RightEnd() + kMm) << t.text.toStdString();
        if (t.text == "Configuration:") continue;
        EXPECT_GT(t.pos.y(), y); // each piece on a line of its own
        y = t.pos.y();
        if (t.text.startsWith("pump")) {
            EXPECT_NEAR(t.pos.x(), printer.TabPosition(20), kMm);
            carried += (carried.isEmpty() ? "" : " ") + t.text;
        }
    }
    EXPECT_EQ(carried, words);
    EXPECT_DOUBLE_EQ(printer.RightEnd(), 193);
    EXPECT_EQ(printer.BreakLines(QString(120, 'W'), 100).join(""), QString(120, 'W'));

    // A line that would reach below the body's end turns the page first and
    // then prints in its own font, colour and column; so does a block kept
    // together.
    int turns = 0;
    auto turn = [&] {
        ++turns;
        printer.setFontSize(20);
        printer.setForeColor(Qt::red);
        printer.EndPage();
        printer.Print({{1, "Heading"}});
    };
    printer.setBodyEnd(100, turn);
    printer.setCurrentY(100 - printer.TextHeight());
    printer.Print({{10, "last"}});
    EXPECT_EQ(turns, 0);
    printer.setFontBold(true);
    printer.Print({{10, "over"}});
    EXPECT_EQ(turns, 1);
    const PageText* over = page(1).findText("over");
    ASSERT_TRUE(over);
    EXPECT_EQ(over->font, (PageFont{"Times New Roman", 12, true, false}));
    EXPECT_EQ(over->color, QColor(Qt::black));
    EXPECT_NEAR(over->pos.x(), printer.TabPosition(10), kMm);
    EXPECT_GT(over->pos.y(), page(1).findText("Heading")->pos.y());
    EXPECT_EQ(page(0).findText("over"), nullptr);

    printer.setBodyEnd(100, turn);
    printer.setCurrentY(80);
    printer.KeepTogether(19);
    EXPECT_EQ(turns, 1);
    printer.KeepTogether(21);
    EXPECT_EQ(turns, 2);
    // The page's end forgets the body's end.
    printer.EndPage();
    printer.setCurrentY(200);
    printer.Print({{1, "free"}});
    EXPECT_EQ(turns, 2);
}

TEST_F(Printed, RulesPicturesAndPaintings)
{
    printer.setCurrentY(50);
    printer.setCurrentX(3);
    printer.Rule();
    ASSERT_EQ(page(0).lines.size(), 1u);
    EXPECT_EQ(page(0).lines[0].from, QPointF(11, 51));
    EXPECT_EQ(page(0).lines[0].to, QPointF(196, 51));
    EXPECT_EQ(page(0).lines[0].color, QColor(Qt::black));
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 196);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 51);

    printer.LineStep(QPointF(-10, 2), QPointF(0, 5), QColor(Qt::red));
    EXPECT_EQ(page(0).lines[1].from, QPointF(186, 53));
    EXPECT_EQ(page(0).lines[1].to, QPointF(186, 58));
    EXPECT_EQ(page(0).lines[1].color, QColor(Qt::red));

    // A swatch of 14 by 15 pixels at its own size (15 twips a pixel).
    QImage swatch(14, 15, QImage::Format_RGB32);
    swatch.fill(Qt::blue);
    printer.PaintPicture(swatch, QPointF(30, 155));
    printer.PaintPicture(swatch, QRectF(10, 57, 220, 98));
    ASSERT_EQ(page(0).pictures.size(), 2u);
    EXPECT_NEAR(page(0).pictures[0].rect.width(), 14 * 25.4 / 96, kMm);
    EXPECT_NEAR(page(0).pictures[0].rect.height(), 15 * 25.4 / 96, kMm);
    EXPECT_EQ(page(0).pictures[0].rect.topLeft(), QPointF(30, 155));
    EXPECT_EQ(page(0).pictures[1].rect, QRectF(10, 57, 220, 98));
    printer.PaintPicture(QImage(), QRectF(0, 0, 10, 10)); // nothing to paste
    EXPECT_EQ(page(0).pictures.size(), 2u);

    QRectF target;
    printer.PaintDrawing(QRectF(50, 55, 190, 100), [&](QPainter& p, const QRectF& r) {
        target = r;
        p.drawLine(r.topLeft(), r.bottomRight());
    });
    ASSERT_EQ(page(0).paintings.size(), 1u);
    EXPECT_EQ(page(0).paintings[0].rect, QRectF(50, 55, 190, 100));
    EXPECT_NEAR(target.width(), 190 * RecordingPageDevice::kDotsPerMm, 1e-6);
    EXPECT_FALSE(page(0).paintings[0].picture.boundingRect().isEmpty());
}

TEST_F(Printed, OrientationBelongsToEachPage)
{
    printer.Print({{0, "portrait"}});
    printer.setOrientation(PageOrientation::Landscape); // for the next page
    EXPECT_GT(printer.ScaleHeight(), printer.ScaleWidth());
    printer.Rule();
    EXPECT_NEAR(page(0).lines[0].to.x() - page(0).lines[0].from.x(), 185, kMm);
    printer.EndPage();
    EXPECT_GT(printer.ScaleWidth(), printer.ScaleHeight());
    printer.Print({{0, "landscape"}});
    printer.Rule();
    EXPECT_NEAR(page(1).lines[0].to.x() - page(1).lines[0].from.x(), 265, kMm);
    printer.EndPage();
    printer.setOrientation(PageOrientation::Portrait);
    printer.EndPage(); // a page ended with nothing on it still counts
    EXPECT_TRUE(printer.EndDoc());

    ASSERT_EQ(device.pages().size(), 3u);
    EXPECT_EQ(page(0).orientation, PageOrientation::Portrait);
    EXPECT_EQ(page(1).orientation, PageOrientation::Landscape);
    EXPECT_EQ(page(2).orientation, PageOrientation::Portrait);
    EXPECT_EQ(page(1).size, page(0).size.transposed());
    EXPECT_TRUE(page(0).findText("portrait") && !page(0).findText("landscape"));
    EXPECT_TRUE(page(1).findText("landscape"));
    EXPECT_EQ(device.documentsOpened(), 1);
    EXPECT_EQ(device.documentsClosed(), 1);
}

TEST(PrintFailures, PageThatCannotStartKeepsThePagesBefore)
{
    RecordingPageDevice device;
    device.failAtPage(2);
    ReportPrinter printer(device);
    printer.Print({{7, "page one"}});
    printer.EndPage();
    EXPECT_TRUE(printer.ok());
    printer.Print({{7, "page two"}});
    printer.Rule();
    printer.EndPage();
    printer.Print({{7, "page three"}});

    EXPECT_FALSE(printer.ok());
    EXPECT_EQ(printer.status().failure, PageFailure::StartPage);
    EXPECT_EQ(printer.status().page, 2);
    ASSERT_EQ(device.pages().size(), 1u);
    EXPECT_EQ(device.pages()[0].textLines(), QStringList{"page one"});
    EXPECT_TRUE(device.pages()[0].lines.empty());
    // The document is still ended, so the finished page prints.
    EXPECT_FALSE(printer.EndDoc());
    EXPECT_EQ(device.documentsClosed(), 1);
    EXPECT_EQ(printer.status().failure, PageFailure::StartPage); // the first failure stays
}

TEST(PrintFailures, OpenAndEndFailuresAreReported)
{
    {
        RecordingPageDevice device;
        device.failAtOpen();
        ReportPrinter printer(device);
        EXPECT_FALSE(printer.Begin());
        EXPECT_EQ(printer.status().failure, PageFailure::Open);
        EXPECT_FALSE(printer.status().detail.isEmpty());
        printer.Print({{1, "lost"}});
        EXPECT_TRUE(device.pages().empty());
        EXPECT_FALSE(printer.EndDoc());
        EXPECT_EQ(device.documentsClosed(), 0); // nothing was opened
    }
    {
        RecordingPageDevice device;
        device.failAtEnd();
        {
            ReportPrinter printer(device);
            printer.Print({{1, "printed"}});
            EXPECT_FALSE(printer.EndDoc());
            EXPECT_EQ(printer.status().failure, PageFailure::End);
        }
        EXPECT_EQ(device.documentsClosed(), 1); // not closed again on destruction
        EXPECT_EQ(device.pages().size(), 1u);
    }
    {
        // A printer left without EndDoc ends its document when destroyed.
        RecordingPageDevice device;
        {
            ReportPrinter printer(device);
            printer.Print({{1, "x"}});
        }
        EXPECT_EQ(device.documentsClosed(), 1);
    }
    {
        // Nothing printed: no document at all.
        RecordingPageDevice device;
        ReportPrinter printer(device);
        EXPECT_TRUE(printer.EndDoc());
        EXPECT_EQ(device.documentsOpened(), 0);
    }
}

TEST(PrintNumber, PrintNumberForm)
{
    EXPECT_EQ(printNumberText(12.5f), " 12.5 ");
    EXPECT_EQ(printNumberText(-0.25f), "-.25 ");
    EXPECT_EQ(printNumberText(0.5f), " .5 ");
    EXPECT_EQ(printNumberText(0.0f), " 0 ");
    EXPECT_EQ(printNumberText(1234567.0f), " 1234567 ");
    EXPECT_EQ(printNumberText(12345678.0f), " 1.234568E+07 ");
    EXPECT_EQ(printNumberText(-150000000.0f), "-1.5E+08 ");
    EXPECT_EQ(printNumberText(0.0001f), " .0001 ");
    EXPECT_EQ(printNumberText(0.00001f), " 1E-05 ");
    EXPECT_EQ(printNumberText(999999.9f), " 999999.9 ");
    EXPECT_EQ(printNumberText(1.0f / 3.0f), " .3333333 ");
}
