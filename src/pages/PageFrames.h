// The frames of every printed page. Portrait report pages are framed by a
// ReportPages object (PrintPageHeader, PrintPageFooter); landscape graph
// pages by the wider PrintGraphPageHeader and PrintGraphPageFooter. Each header
// counts the page in its PageRun (at 0 before every copy) and prints the
// logo, the project's name, designer, file, date (and, on report pages,
// description), the texts as the run holds them, the print date and the
// page number above a rule. Each
// footer prints a rule, the disclaimer, the program line and a second rule
// at the position the report has reached, then ends the page.
#pragma once

#include <QColor>
#include <QDate>
#include <QString>
#include <functional>

namespace vemora {

struct AppContext;
struct PageHeaderTexts;
struct PageRun;
class ReportPrinter;

// The dark blue of titles and the program line: RGB(0, 0, 128).
inline const QColor kPrintDarkBlue{0, 0, 128};

// Where the body of a portrait report page ends: the top of the footer of a
// page that goes on (a report's last page has its footer at 245 mm).
constexpr double kReportBodyEnd = 240;

// Where the footer of a report's last page begins.
constexpr double kReportLastFooter = 245;

// The pages of one portrait report, one after another. PrintPageHeader prints a page's
// header: it leaves the printer in Times New Roman 8 pt bold, black, not
// underlined, with the print position below the header rule, and then
// prints the report's `heading` (its title block), if any. The header keeps
// its height whatever the texts: the project name and the designer take one
// line each, cut at the end of the line with "..." (at a blank where that
// keeps half the line, inside the word otherwise); the file path two lines
// at most, broken after a '/' or shortened in the middle with "..." on the
// first line; the description two lines, each cut as the name is, the
// second ending in "..." when the text goes on. While a page is open, a line that would reach below
// kReportBodyEnd turns the page first (Turn). PrintPageFooter prints the page's footer
// (a rule, the disclaimer, the program line and a second rule) with its top
// at `footerTop` and ends the page; it leaves 9 pt bold black. A report
// stopped by a PrintFailure leaves its page open: the object then takes its
// page turns back from the printer as it goes.
class ReportPages
{
  public:
    ReportPages(AppContext& ctx, PageRun& run, ReportPrinter& printer,
                std::function<void()> heading = {});
    ~ReportPages();
    ReportPages(const ReportPages&) = delete;
    ReportPages& operator=(const ReportPages&) = delete;

    void PrintPageHeader();
    // Ends the page with its footer at kReportBodyEnd and begins the next.
    void Turn();
    void PrintPageFooter(double footerTop = kReportLastFooter);

  private:
    AppContext& ctx_;
    PageRun& run_;
    ReportPrinter& printer_;
    std::function<void()> heading_;
};

// Switches to landscape first; no description; the name and designer as on
// report pages; the file line shows the input window's file label
// (FileLabelText) on one line, shortened in the middle
// ("/data/pro...ject.kpj") when it is wider than the line.
void PrintGraphPageHeader(AppContext& ctx, PageRun& run, ReportPrinter& printer);
void PrintGraphPageFooter(ReportPrinter& printer);

// A graph page's title below its header: a blank 12 pt line, then `title`
// underlined at tab 7; leaves 11 pt, not underlined.
void PrintGraphPageTitle(ReportPrinter& printer, const QString& title);

// The title of a portrait page of plots, of a table copied from a window or
// of the profile data, below the page header: a blank 13 pt line, `title` underlined at tab 7 and
// a blank line; leaves 13 pt, not underlined.
void PrintPlotPageTitle(ReportPrinter& printer, const QString& title);

// A report's title in 13 pt underlined at tab column `column`; leaves 13 pt,
// not underlined.
void PrintReportTitle(ReportPrinter& printer, int column, const QString& title);

// The "LEGEND:" caption of a graph page in 9 pt underlined at tab 8, `top`
// millimetres down the page, and a blank line under it; leaves 9 pt.
void PrintLegendCaption(ReportPrinter& printer, double top);

// A date as "d mmmm yyyy": 16 May 2005.
QString PrintedDate(const QDate& date);
// The project date of the header texts as "d mmmm yyyy", or its text
// trimmed when it is not a date.
QString PrintedProjectDate(const PageHeaderTexts& header);
} // namespace vemora
