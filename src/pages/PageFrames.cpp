#include "pages/PageFrames.h"

#include <QLocale>
#include <algorithm>

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "app/ProjectFiles.h"
#include "app/ReadProjectDate.h"
#include "platform/ReportPrinter.h"
#include "platform/TextBox.h"
#include "platform/TimesFont.h"
#include "project/TextCodec.h"

#ifndef VEMORA_VERSION_TEXT
#define VEMORA_VERSION_TEXT "0.0.0"
#endif

namespace vemora {
namespace {

// A project text as the header prints it: trimmed, on one line (a
// description's line breaks are blanks there).
QString Trimmed(const std::string& text)
{
    return SingleLineText(QString::fromStdString(TrimBlanks(text)).trimmed());
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

// The largest n from 0 to `most` for which `fits` holds, where it holds
// for every number below one it holds for.
qsizetype MostThatFit(qsizetype most, const std::function<bool(qsizetype)>& fits)
{
    qsizetype fit = 0, tooMany = most + 1;
    while (tooMany - fit > 1) {
        const qsizetype n = (fit + tooMany) / 2;
        (fits(n) ? fit : tooMany) = n;
    }
    return fit;
}

// The longest beginning of `text` at most `width` mm wide, never ending
// inside a character's surrogate pair.
QString FittingBeginning(const ReportPrinter& p, const QString& text, double width)
{
    qsizetype n =
        MostThatFit(text.size(), [&](qsizetype k) { return p.TextWidth(text.left(k)) <= width; });
    if (n > 0 && text[n - 1].isHighSurrogate()) --n;
    return text.left(n);
}

// The longest end of `text` at most `width` mm wide, never beginning inside
// a character's surrogate pair.
QString FittingEnd(const ReportPrinter& p, const QString& text, double width)
{
    qsizetype n =
        MostThatFit(text.size(), [&](qsizetype k) { return p.TextWidth(text.right(k)) <= width; });
    if (n > 0 && text[text.size() - n].isLowSurrogate()) --n;
    return text.right(n);
}

QString WithoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

// As much of the beginning of `text` as fits in `width` mm: cut at the last
// blank there when that keeps at least half the room, inside the word
// otherwise, so that one long word after a short one does not leave the line
// nearly empty.
QString FittingWords(const ReportPrinter& p, const QString& text, double width)
{
    const QString fits = FittingBeginning(p, text, width);
    if (fits.size() == text.size()) return fits;
    const bool endsAWord = text[fits.size()].isSpace();
    const QString atBlank = WithoutTrailingBlanks(
        endsAWord ? fits : fits.left(std::max<qsizetype>(fits.lastIndexOf(' '), 0)));
    if (!atBlank.isEmpty() && p.TextWidth(atBlank) >= width / 2) return atBlank;
    return WithoutTrailingBlanks(fits);
}

// `text` whole when it is at most `width` mm wide, otherwise as much of its
// words as fit before "...".
QString ElidedAtTheEnd(const ReportPrinter& p, const QString& text, double width)
{
    if (p.TextWidth(text) <= width) return text;
    return FittingWords(p, text, width - p.TextWidth(kDots)) + kDots;
}

// `text` whole when it is at most `width` mm wide, otherwise its beginning
// and end around "..." in as much of that width as they fill.
QString ElidedInTheMiddle(const ReportPrinter& p, const QString& text, double width)
{
    auto fitsIn = [&](const QString& t) { return p.TextWidth(t) <= width; };
    if (fitsIn(text)) return text;
    auto keeping = [&](qsizetype n) { return text.left(n - n / 2) + kDots + text.right(n / 2); };
    return keeping(MostThatFit(text.size() - 1, [&](qsizetype n) { return fitsIn(keeping(n)); }));
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

// The file path in two lines at most. A path that fits in two lines is
// printed whole, broken after the last '/' that leaves the rest one line
// (not after the leading one), or inside a name longer than a line. A
// longer one is shortened in the middle: as much of its beginning as fits
// before "..." on the first line, as much of its end as fits on the second,
// so that the mark stays whole on the first line.
QStringList PathLines(const ReportPrinter& p, const QString& path, int column)
{
    const double width = RoomFrom(p, column);
    auto fitsIn = [&](const QString& t) { return p.TextWidth(t) <= width; };
    if (fitsIn(path)) return {path};
    const QString head = FittingBeginning(p, path, width);
    if (!fitsIn(path.mid(head.size())))
        return {FittingBeginning(p, path, width - p.TextWidth(kDots)) + kDots,
                FittingEnd(p, path, width)};
    const qsizetype slash = head.lastIndexOf('/');
    if (slash > 0 && fitsIn(path.mid(slash + 1)))
        return {path.left(slash + 1), path.mid(slash + 1)};
    return {head, path.mid(head.size())};
}

// The description in two lines at most, each cut as the name is: the first
// at its last blank that keeps half the room, the second ending in "..."
// when the text goes on.
QStringList DescriptionLines(const ReportPrinter& p, const QString& text, int column)
{
    const double width = RoomFrom(p, column);
    if (p.TextWidth(text) <= width) return {text};
    const QString first = FittingWords(p, text, width);
    return {first, ElidedAtTheEnd(p, text.mid(first.size()).trimmed(), width)};
}

void PrintTitleLines(const AppContext& ctx, PageRun& run, ReportPrinter& p, const FrameLayout& f)
{
    ++run.pageNumber;
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
    p.Print({{7, ElidedAtTheEnd(p, Trimmed(run.header.ProjectName).toUpper(), RoomFrom(p, 7))}});
    p.setFontUnderline(false);
}

void PrintDesigner(const PageRun& run, ReportPrinter& p, const FrameLayout& f)
{
    p.Print({{7, QStringLiteral("Designer : ")},
             {f.valueColumn,
              ElidedAtTheEnd(p, Trimmed(run.header.Designer), RoomFrom(p, f.valueColumn))}});
}

void PrintDateAndPage(const PageRun& run, ReportPrinter& p, const FrameLayout& f)
{
    p.setFontSize(8);
    p.Print({{10, QStringLiteral("Printed: ") + PrintedDate(QDate::currentDate())},
             {f.pageColumn, QStringLiteral("Page %1").arg(run.pageNumber)}});
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

QString PrintedProjectDate(const PageHeaderTexts& header)
{
    const std::string& text = header.ProjectDate;
    const QDate date = ReadProjectDate(text);
    return date.isValid() ? PrintedDate(date) : Trimmed(text);
}

ReportPages::ReportPages(AppContext& ctx, PageRun& run, ReportPrinter& printer,
                         std::function<void()> heading)
    : ctx_(ctx), run_(run), printer_(printer), heading_(std::move(heading))
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
    PrintTitleLines(ctx_, run_, p, f);
    p.setFontSize(13);
    p.Print();
    // The lines from the designer to the description stand a little higher,
    // so that the description's descenders keep clear of the "Printed:"
    // line while that line and the body below it stay where they are.
    p.setCurrentY(p.CurrentY() - kDescriptionClearance);
    PrintDesigner(run_, p, f);
    PrintTwoLineValue(p, QStringLiteral("Filename :"),
                      PathLines(p, FileLabelText(ctx_), f.valueColumn), f.valueColumn);
    p.Print({{7, QStringLiteral("Date : ")}, {f.valueColumn, PrintedProjectDate(run_.header)}});
    PrintTwoLineValue(p, QStringLiteral("Description : "),
                      DescriptionLines(p, Trimmed(run_.header.ProjectDescription), f.valueColumn),
                      f.valueColumn);
    p.setCurrentY(p.CurrentY() + kDescriptionClearance);
    PrintDateAndPage(run_, p, f);
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

void PrintGraphPageHeader(AppContext& ctx, PageRun& run, ReportPrinter& p)
{
    const FrameLayout& f = kGraphFrame;
    p.setOrientation(PageOrientation::Landscape);
    PrintTitleLines(ctx, run, p, f);
    PrintDesigner(run, p, f);
    p.Print({{7, QStringLiteral("Date : ")}, {f.valueColumn, PrintedProjectDate(run.header)}});
    // One line, whatever the path's length, so the header never reaches
    // down into the page's title and graph.
    p.Print(
        {{7, QStringLiteral("Filename :")},
         {f.valueColumn, ElidedInTheMiddle(p, FileLabelText(ctx), RoomFrom(p, f.valueColumn))}});
    PrintDateAndPage(run, p, f);
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
