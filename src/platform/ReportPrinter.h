// The printer as the reports write on it: a current font (name, size, bold,
// underline) and colour, a print position (CurrentX, CurrentY) in
// millimetres from the top left of the printable area, print statements with
// items at tab columns, rules, pasted pictures, vector paintings, page
// orientation, page ends and the end of the document.
//
// Print model: a text prints at the print position, which then moves to the
// text's end. Column n of a line starts n - 1 average character widths of the
// current font from the left edge; a column left of the print position
// continues on the next line. A statement ends its line unless told not to:
// the position goes back to the left edge, one line height of the current
// font lower; an empty statement moves down one line height.
//
// Pages start when something is first put on them, in the orientation set
// at that moment; EndPage ends the page and puts the print position back at
// the top left. The first failure of the back end (the printer cannot be
// opened, a page cannot be started, the printer is in error after the end)
// is kept in status(); from then on nothing more is printed. EndDoc (or the
// destructor) still ends the document, so pages already finished print.
//
// Page body: the page layer tells the printer where the body of the page
// ends (the top of its footer) and how to turn the page. A text whose line
// would reach below that end first turns the page and then prints on the
// next one, in its own font, colour and column. A text that would run past
// the right end of the page's rules carries on at its column on the next
// lines, broken at blanks (inside a word only when the word alone is wider).
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>

#include "platform/CurrentFont.h"
#include "platform/PageDevice.h"
#include "platform/PageFonts.h"

namespace vemora {

// One item of a print statement: a text at print column `tab` (0: at the
// print position).
struct PrintItem
{
    int tab = 0;
    QString text;
};

enum class LineEnd { End, Keep };

// The length of a rule across a page in that orientation, in millimetres.
double ruleLength(PageOrientation orientation);

class ReportPrinter
{
  public:
    // The back end stays the caller's and must outlive the printer.
    explicit ReportPrinter(PageDevice& device);
    ~ReportPrinter();
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    // Opens the document now (otherwise the first output does), so that a
    // printer that cannot be opened is known before anything is printed.
    bool Begin();

    // Font and colour of what is printed next (a blank name or a size that
    // is not a positive number is ignored).
    void setFontName(const QString& name) { font_.setName(name); }
    void setFontSize(double points) { font_.setSize(points); }
    void setFontBold(bool bold) { font_.setBold(bold); }
    void setFontUnderline(bool underline) { font_.setUnderline(underline); }
    void setForeColor(const QColor& color) { color_ = color; }

    // The print position in millimetres.
    double CurrentX() const { return x_; }
    void setCurrentX(double mm) { x_ = mm; }
    double CurrentY() const { return y_; }
    void setCurrentY(double mm) { y_ = mm; }

    // A print statement; Print() alone is an empty line.
    void Print(std::initializer_list<PrintItem> items, LineEnd end = LineEnd::End);
    void Print();
    // The parts of a print statement.
    void Tab(int column);
    void PrintText(const QString& text);
    void EndLine();

    // Where column n starts in the current font, in millimetres.
    double TabPosition(int column) const;
    double TextWidth(const QString& text) const;
    // `text` broken at blanks into lines at most `width` millimetres wide in
    // the current font; a word wider than that alone is cut where it fills a
    // line.
    QStringList BreakLines(const QString& text, double width) const;
    // One line height of the current font.
    double TextHeight() const;

    // A line from the print position + `start` to that point + `end`, in the
    // colour (the ForeColor when none); the print position moves to its end.
    void LineStep(QPointF start, QPointF end, std::optional<QColor> color = std::nullopt);
    // A rule: from 8 mm right of the print position and 1 mm below it, across
    // the page (ruleLength) in the ForeColor.
    void Rule();

    // A picture stretched into a rectangle, or at its own size (a pixel being
    // 15 twips) with its top left corner at a point; millimetres.
    void PaintPicture(const QImage& image, const QRectF& rect);
    void PaintPicture(const QImage& image, QPointF topLeft);
    // The size a picture takes at its own size, millimetres.
    static QSizeF OwnSize(const QImage& image);
    // A vector drawing painted into a rectangle given in millimetres.
    void PaintDrawing(const QRectF& rect, const VectorPainter& paint);

    // The body of the current page ends `end` millimetres down; `turn` ends
    // the page and opens the next one, leaving the print position at the
    // start of a line of its body. The page's end forgets both.
    void setBodyEnd(double end, std::function<void()> turn);
    // Turns the page now when `height` millimetres below the print position
    // would reach past the body's end (a block that is to stay together).
    void KeepTogether(double height);
    // Where the texts of the current page must end on the right: the end of
    // its rules.
    double RightEnd() const;

    // The orientation of the pages started from now on.
    PageOrientation Orientation() const { return orientation_; }
    void setOrientation(PageOrientation orientation) { orientation_ = orientation; }
    // The printable area of the current page (or of the next one, when none
    // is started) in millimetres.
    double ScaleWidth() const;
    double ScaleHeight() const;

    // Ends the page (starting it first when nothing was put on it).
    void EndPage();
    // Ends the document: every page goes to the printer.
    bool EndDoc();

    // Pages started so far in this document.
    int pageCount() const { return pages_; }
    bool ok() const { return status_.ok(); }
    const PageStatus& status() const { return status_; }

  private:
    bool ensurePage();
    void fail(const PageStatus& status);
    bool passesBodyEnd(double height) const;
    void turnPage();
    void drawLineOfText(const QString& text, int tab);

    PageDevice& device_;
    CurrentFont<PageFont, PageFontMetrics> font_;
    QColor color_ = Qt::black;
    double x_ = 0;
    double y_ = 0;
    PageOrientation orientation_ = PageOrientation::Portrait;
    PageOrientation pageOrientation_ = PageOrientation::Portrait;
    bool opened_ = false;
    bool closed_ = false;
    bool pageOpen_ = false;
    int pendingTab_ = 0; // the column the next text was tabbed to
    double bodyEnd_ = 0; // 0: the page has no body end
    std::function<void()> turn_;
    int pages_ = 0;
    PageStatus status_;
};

} // namespace vemora
