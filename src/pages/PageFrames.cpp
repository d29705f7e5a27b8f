#include "pages/PageFrames.h"

#include <QLocale>
#include <algorithm>

#include "app/AppContext.h"
#include "app/ProjectFiles.h"
#include "app/ReadProjectDate.h"
#include "platform/ReportPrinter.h"
#include "platform/TimesFont.h"
#include "project/TextCodec.h"

#ifndef VEMORA_VERSION_TEXT
#define VEMORA_VERSION_TEXT "0.0.0"
#endif

namespace vemora {
namespace {

QString Trimmed(const std::string& text)
{
    return QString::fromStdString(TrimBlanks(text)).trimmed();
}

// The texts of the input the page's body reads.
PageHeaderTexts HeaderTexts(const AppContext& ctx)
{
    return ctx.keptPageHeader ? *ctx.keptPageHeader : HeaderTextsOf(ctx.store);
}

// Where the frames of the two page forms differ.
struct FrameLayout
{
    int titleColumn;  // "Vemora"
    double titleSize; // its size in points
    double nameSize;  // the project-name and designer lines
    int valueColumn;  // designer, file and date values
    int pageColumn;   // "Page n"
};

constexpr FrameLayout kReportFrame{24, 21, 13, 22, 153};
constexpr FrameLayout kGraphFrame{55, 16, 12, 21, 215};

const QString kDots = QStringLiteral("...");

// Millimetres between the description's last line and the "Printed:" line
// below it, taken from the empty line above the designer.
constexpr double kDescriptionClearance = 0.6;

// The room a value at tab `column` has up to the end of the line.
double RoomFrom(const ReportPrinter& p, int column)
{
    return p.RightEnd() - p.TabPosition(column);
}

// The longest beginning of `text` at most `width` mm wide, never ending
// inside a character's surrogate pair.
QString FittingBeginning(const ReportPrinter& p, const QString& text, double width)
{
    qsizetype fits = 0, tooWide = text.size() + 1;
    while (tooWide - fits > 1) {
        const qsizetype n = (fits + tooWide) / 2;
        (p.TextWidth(text.left(n)) <= width ? fits : tooWide) = n;
    }
    if (fits > 0 && text[fits - 1].isHighSurrogate()) --fits;
    return text.left(fits);
}

QString WithoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

// `text` whole when it is at most `width` mm wide, otherwise as much of its
// beginning as fits before "...": cut at the last blank there when that keeps
// at least half the room, inside the word otherwise, so that one long word
// after a short one does not leave the line nearly empty.
QString ElidedAtTheEnd(const ReportPrinter& p, const QString& text, double width)
{
    if (p.TextWidth(text) <= width) return text;
    const double room = width - p.TextWidth(kDots);
    const QString fits = FittingBeginning(p, text, room);
    const bool endsAWord = fits.size() < text.size() && text[fits.size()].isSpace();
    const QString atBlank = WithoutTrailingBlanks(
        endsAWord ? fits : fits.left(std::max<qsizetype>(fits.lastIndexOf(' '), 0)));
    if (!atBlank.isEmpty() && p.TextWidth(atBlank) >= room / 2) return atBlank + kDots;
    return WithoutTrailingBlanks(fits) + kDots;
}

// `text` whole when it is at most `width` mm wide, otherwise its beginning
// and end around "..." in as much of that width as they fill.
QString ElidedInTheMiddle(const ReportPrinter& p, const QString& text, double width,
                          qsizetype lines = 1)
{
    auto fitsIn = [&](const QString& t) { return p.BreakLines(t, width).size() <= lines; };
    if (fitsIn(text)) return text;
    auto keeping = [&](qsizetype n) { return text.left(n - n / 2) + kDots + text.right(n / 2); };
    qsizetype fits = 0, tooWide = text.size();
    while (tooWide - fits > 1) {
        const qsizetype n = (fits + tooWide) / 2;
        (fitsIn(keeping(n)) ? fits : tooWide) = n;
    }
    return keeping(fits);
}

// A label and a value that takes two lines: its one line and an empty line,
// or its two lines (`lines`, at most two) after the label without its
// trailing blanks.
void PrintTwoLineValue(ReportPrinter& p, const QString& label, const QStringList& lines, int column)
{
    if (lines.size() <= 1) {
        p.Print({{7, label}, {column, lines.value(0)}});
        p.Print();
        return;
    }
    p.Print({{7, WithoutTrailingBlanks(label)}, {column, lines[0]}});
    p.Print({{column, lines[1]}});
}

// The file path in two lines at most, shortened in the middle.
QStringList PathLines(const ReportPrinter& p, const QString& path, int column)
{
    const double width = RoomFrom(p, column);
    return p.BreakLines(ElidedInTheMiddle(p, path, width, 2), width);
}

// The description broken at blanks, in two lines at most: the second ends
// in "..." when the text goes on.
QStringList DescriptionLines(const ReportPrinter& p, const QString& text, int column)
{
    const double width = RoomFrom(p, column);
    const QStringList lines = p.BreakLines(text, width);
    if (lines.size() <= 2) return lines;
    // The first line is where the text begins; the rest follows it.
    const QString rest = text.mid(lines[0].size()).trimmed();
    return {lines[0], ElidedAtTheEnd(p, rest, width)};
}

void PrintTitleLines(AppContext& ctx, ReportPrinter& p, const FrameLayout& f)
{
    ++ctx.PageNumber;
    p.setFontName(TimesNewRoman());
    p.setFontSize(12);
    p.Print();
    p.Print();
    p.setFontSize(f.titleSize);
    p.setFontBold(true);
    p.setForeColor(kPrintDarkBlue);
    p.setFontUnderline(true);
    p.Print({{f.titleColumn, QStringLiteral("Vemora")}});
    p.setFontSize(16);
    p.Print();
    p.setForeColor(Qt::black);
    const QPixmap logo = ctx.mainWindow().logo();
    if (!logo.isNull()) p.PaintPicture(logo.toImage(), QRectF(15, 5, 20, 20));
    p.setFontSize(f.nameSize);
    p.Print();
    p.Print(
        {{7, ElidedAtTheEnd(p, Trimmed(HeaderTexts(ctx).ProjectName).toUpper(), RoomFrom(p, 7))}});
    p.setFontUnderline(false);
}

void PrintDesigner(AppContext& ctx, ReportPrinter& p, const FrameLayout& f)
{
    p.Print({{7, QStringLiteral("Designer : ")},
             {f.valueColumn,
              ElidedAtTheEnd(p, Trimmed(HeaderTexts(ctx).Designer), RoomFrom(p, f.valueColumn))}});
}

void PrintDateAndPage(AppContext& ctx, ReportPrinter& p, const FrameLayout& f)
{
    p.setFontSize(8);
    p.Print({{10, QStringLiteral("Printed: ") + PrintedDate(QDate::currentDate())},
             {f.pageColumn, QStringLiteral("Page %1").arg(ctx.PageNumber)}});
    p.setForeColor(Qt::black);
    p.Rule();
}

// The disclaimer every footer prints, as one text.
const QString kDisclaimer = QStringLiteral(
    "The software program was developed for the convenience of its users.  Although every "
    "reasonable effort has been made to ensure that the results are correct and accurate, the "
    "developers assume no responsibility for any results, interpretation thereof or any use made "
    "of the results obtained with this program.  This program is not presented nor is it "
    "intended to be used as a complete study and the use of this software program or output "
    "shall be made under the direction of trained engineers exercising their independent "
    "judgement regarding the proposed optimized design.");

// Where each page form breaks the disclaimer: the words that end each of its
// lines but the last (four lines on portrait pages, three on landscape ones).
const QStringList kPortraitLineEnds{QStringLiteral("results are"), QStringLiteral("obtained"),
                                    QStringLiteral("output")};
const QStringList kLandscapeLineEnds{QStringLiteral("assume no"), QStringLiteral("complete study")};

QStringList DisclaimerLines(const QStringList& lineEnds)
{
    QStringList lines;
    qsizetype from = 0;
    for (const QString& end : lineEnds) {
        const qsizetype to = kDisclaimer.indexOf(end + ' ', from) + end.size();
        lines << kDisclaimer.mid(from, to - from);
        from = to + 1;
    }
    return lines << kDisclaimer.mid(from);
}

void PrintFooter(ReportPrinter& p, const QStringList& disclaimer)
{
    p.setFontName(TimesNewRoman());
    p.setFontSize(10);
    p.setFontBold(false);
    p.setForeColor(Qt::black);
    p.Rule();
    p.setFontSize(6);
    p.Print();
    p.setFontSize(8);
    p.setFontBold(true);
    for (const QString& line : disclaimer)
        p.Print({{10, line}});
    p.setFontSize(6);
    p.Print();
    p.setFontSize(9);
    p.setForeColor(kPrintDarkBlue);
    p.Print({{8, QStringLiteral("Vemora : VERSION: " VEMORA_VERSION_TEXT)}});
    p.Print({{8, QStringLiteral("Vemora is provided as it is, without warranty of any kind.")}});
    p.Print({{8, QStringLiteral("Its help pages and user's guide come with the program.")}});
    p.setForeColor(Qt::black);
    p.Rule();
    p.EndPage();
}

// A blank line at `points`, then `title` underlined at tab 7; leaves
// `points`, not underlined.
void PrintTitleAfterBlankLine(ReportPrinter& p, double points, const QString& title)
{
    p.setFontSize(points);
    p.Print();
    p.setFontUnderline(true);
    p.Print({{7, title}});
    p.setFontUnderline(false);
}

} // namespace

QString PrintedDate(const QDate& date)
{
    return QLocale::c().toString(date, QStringLiteral("d MMMM yyyy"));
}

QString PrintedProjectDate(const AppContext& ctx)
{
    const std::string text = HeaderTexts(ctx).ProjectDate;
    const QDate date = ReadProjectDate(text);
    return date.isValid() ? PrintedDate(date) : Trimmed(text);
}

ReportPages::ReportPages(AppContext& ctx, ReportPrinter& printer, std::function<void()> heading)
    : ctx_(ctx), printer_(printer), heading_(std::move(heading))
{
}

ReportPages::~ReportPages()
{
    printer_.setBodyEnd(0, nullptr);
}

void ReportPages::PrintPageHeader()
{
    ReportPrinter& p = printer_;
    const FrameLayout& f = kReportFrame;
    PrintTitleLines(ctx_, p, f);
    p.setFontSize(13);
    p.Print();
    // The lines from the designer to the description stand a little higher,
    // so that the description's descenders keep clear of the "Printed:"
    // line while that line and the body below it stay where they are.
    p.setCurrentY(p.CurrentY() - kDescriptionClearance);
    PrintDesigner(ctx_, p, f);
    PrintTwoLineValue(p, QStringLiteral("Filename :"),
                      PathLines(p, FileLabelText(ctx_), f.valueColumn), f.valueColumn);
    p.Print({{7, QStringLiteral("Date : ")}, {f.valueColumn, PrintedProjectDate(ctx_)}});
    PrintTwoLineValue(
        p, QStringLiteral("Description : "),
        DescriptionLines(p, Trimmed(HeaderTexts(ctx_).ProjectDescription), f.valueColumn),
        f.valueColumn);
    p.setCurrentY(p.CurrentY() + kDescriptionClearance);
    PrintDateAndPage(ctx_, p, f);
    if (heading_) heading_();
    p.setBodyEnd(kReportBodyEnd, [this] { Turn(); });
}

void ReportPages::Turn()
{
    PrintPageFooter(kReportBodyEnd);
    PrintPageHeader();
}

void ReportPages::PrintPageFooter(double footerTop)
{
    printer_.setBodyEnd(0, nullptr); // the footer lies below the body's end
    printer_.setCurrentY(footerTop);
    PrintFooter(printer_, DisclaimerLines(kPortraitLineEnds));
}

void PrintGraphPageHeader(AppContext& ctx, ReportPrinter& p)
{
    const FrameLayout& f = kGraphFrame;
    p.setOrientation(PageOrientation::Landscape);
    PrintTitleLines(ctx, p, f);
    PrintDesigner(ctx, p, f);
    p.Print({{7, QStringLiteral("Date : ")}, {f.valueColumn, PrintedProjectDate(ctx)}});
    // One line, whatever the path's length, so the header never reaches
    // down into the page's title and graph.
    p.Print(
        {{7, QStringLiteral("Filename :")},
         {f.valueColumn, ElidedInTheMiddle(p, FileLabelText(ctx), RoomFrom(p, f.valueColumn))}});
    PrintDateAndPage(ctx, p, f);
}

void PrintGraphPageFooter(ReportPrinter& p)
{
    PrintFooter(p, DisclaimerLines(kLandscapeLineEnds));
}

void PrintGraphPageTitle(ReportPrinter& p, const QString& title)
{
    PrintTitleAfterBlankLine(p, 12, title);
    p.setFontSize(11);
}

void PrintPlotPageTitle(ReportPrinter& p, const QString& title)
{
    PrintTitleAfterBlankLine(p, 13, title);
    p.Print();
}

void PrintReportTitle(ReportPrinter& p, int column, const QString& title)
{
    p.setFontSize(13);
    p.setFontUnderline(true);
    p.Print({{column, title}});
    p.setFontUnderline(false);
}

void PrintLegendCaption(ReportPrinter& p, double top)
{
    p.setFontSize(9);
    p.setCurrentY(top);
    p.setFontUnderline(true);
    p.Print({{8, QStringLiteral("LEGEND:")}});
    p.setFontUnderline(false);
    p.Print();
}

} // namespace vemora
