#include "platform/ReportPrinter.h"

#include <algorithm>

#include "platform/Twips.h"

namespace vemora {

// Positions closer than this count as the same (rounding of text widths).
constexpr double kSameMm = 1e-6;
constexpr double kTwipsPerMm = 1440.0 / 25.4;

double ruleLength(PageOrientation orientation)
{
    return orientation == PageOrientation::Landscape ? 265.0 : 185.0;
}

ReportPrinter::ReportPrinter(PageDevice& device) : device_(device) {}

ReportPrinter::~ReportPrinter()
{
    EndDoc();
}

bool ReportPrinter::Begin()
{
    return ensurePage();
}

void ReportPrinter::Print(std::initializer_list<PrintItem> items, LineEnd end)
{
    for (const PrintItem& item : items) {
        if (item.tab > 0) Tab(item.tab);
        PrintText(item.text);
    }
    if (end == LineEnd::End) EndLine();
}

void ReportPrinter::Print()
{
    EndLine();
}

double ReportPrinter::TabPosition(int column) const
{
    return (std::max(column, 1) - 1) * font_.metrics().averageCharWidth();
}

void ReportPrinter::Tab(int column)
{
    const double x = TabPosition(column);
    if (x_ > x + kSameMm) EndLine();
    x_ = x;
    pendingTab_ = std::max(column, 1);
}

void ReportPrinter::PrintText(const QString& text)
{
    const int tab = pendingTab_;
    pendingTab_ = 0;
    if (text.isEmpty() || !ok()) return;
    // Trailing blanks (of a padded name) print nothing: they may pass the end.
    qsizetype shown = text.size();
    while (shown > 0 && text[shown - 1] == ' ')
        --shown;
    if (x_ + TextWidth(text.left(shown)) <= RightEnd() + kSameMm) {
        drawLineOfText(text, tab);
        return;
    }
    // Too little of the line left for even one letter: the next line.
    if (RightEnd() - x_ < TextWidth(QStringLiteral("W"))) EndLine();
    const double column = x_;
    const QStringList lines = BreakLines(text, RightEnd() - column);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            EndLine();
            x_ = column;
        }
        drawLineOfText(lines[i], tab);
    }
}

QStringList ReportPrinter::BreakLines(const QString& text, double width) const
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    auto fits = [&](qsizetype end) { return TextWidth(text.mid(start, end - start)) <= width; };
    while (start < n) {
        if (fits(n)) {
            lines << text.mid(start);
            break;
        }
        qsizetype end = -1; // the last blank the line can end at
        for (qsizetype b = text.indexOf(' ', start + 1); b > 0 && fits(b);
             b = text.indexOf(' ', b + 1))
            end = b;
        if (end < 0) { // one word wider than the line: as much of it as fits
            end = start + 1;
            while (end < n && fits(end + 1))
                ++end;
        }
        lines << text.mid(start, end - start).trimmed();
        start = end;
        while (start < n && text[start] == ' ')
            ++start;
    }
    return lines;
}

void ReportPrinter::drawLineOfText(const QString& text, int tab)
{
    if (passesBodyEnd(TextHeight())) turnPage();
    if (!ensurePage()) return;
    PageText item;
    item.text = text;
    item.pos = QPointF(x_, y_);
    item.ascent = font_.metrics().ascent();
    item.width = font_.metrics().width(text);
    item.font = font_.font();
    item.color = color_;
    item.tab = tab;
    device_.drawText(item);
    x_ += item.width;
}

bool ReportPrinter::passesBodyEnd(double height) const
{
    return turn_ && y_ + height > bodyEnd_ + kSameMm;
}

void ReportPrinter::turnPage()
{
    // The turn prints the footer and the next page's heading in their own
    // fonts; the text that turned the page keeps its font, colour and column.
    const PageFont font = font_.font();
    const QColor color = color_;
    const double x = x_;
    const std::function<void()> turn = std::move(turn_);
    turn_ = nullptr;
    turn();
    font_.set(font);
    color_ = color;
    x_ = x;
}

void ReportPrinter::setBodyEnd(double end, std::function<void()> turn)
{
    bodyEnd_ = end;
    turn_ = std::move(turn);
}

void ReportPrinter::KeepTogether(double height)
{
    if (passesBodyEnd(height)) {
        turnPage();
        x_ = 0;
    }
}

double ReportPrinter::RightEnd() const
{
    const PageOrientation o = pageOpen_ ? pageOrientation_ : orientation_;
    return std::min(8 + ruleLength(o), ScaleWidth());
}

void ReportPrinter::EndLine()
{
    x_ = 0;
    y_ += TextHeight();
    pendingTab_ = 0;
}

double ReportPrinter::TextWidth(const QString& text) const
{
    return font_.metrics().width(text);
}

double ReportPrinter::TextHeight() const
{
    return font_.metrics().height();
}

void ReportPrinter::LineStep(QPointF start, QPointF end, std::optional<QColor> color)
{
    const QPointF from = QPointF(x_, y_) + start;
    const QPointF to = from + end;
    if (ensurePage()) device_.drawLine(PageLine{from, to, color.value_or(color_)});
    x_ = to.x();
    y_ = to.y();
}

void ReportPrinter::Rule()
{
    const PageOrientation o = pageOpen_ ? pageOrientation_ : orientation_;
    LineStep(QPointF(8, 1), QPointF(ruleLength(o), 0));
}

void ReportPrinter::PaintPicture(const QImage& image, const QRectF& rect)
{
    if (image.isNull() || !ensurePage()) return;
    device_.drawPicture(rect, image);
}

void ReportPrinter::PaintPicture(const QImage& image, QPointF topLeft)
{
    PaintPicture(image, QRectF(topLeft, OwnSize(image)));
}

QSizeF ReportPrinter::OwnSize(const QImage& image)
{
    const double mmPerPixel = kTwipsPerPixel / kTwipsPerMm;
    return QSizeF(image.width(), image.height()) * mmPerPixel;
}

void ReportPrinter::PaintDrawing(const QRectF& rect, const VectorPainter& paint)
{
    if (!paint || !ensurePage()) return;
    device_.paintVector(rect, paint);
}

double ReportPrinter::ScaleWidth() const
{
    return device_.pageSize(pageOpen_ ? pageOrientation_ : orientation_).width();
}

double ReportPrinter::ScaleHeight() const
{
    return device_.pageSize(pageOpen_ ? pageOrientation_ : orientation_).height();
}

bool ReportPrinter::ensurePage()
{
    if (!ok()) return false;
    if (pageOpen_) return true;
    if (!opened_) pages_ = 0;
    const PageStatus started =
        opened_ ? device_.nextPage(orientation_, pages_ + 1) : device_.open(orientation_);
    opened_ = true;
    if (!started.ok()) {
        // A document that could not even be opened has nothing to close.
        if (started.failure == PageFailure::Open) opened_ = false;
        fail(started);
        return false;
    }
    ++pages_;
    pageOpen_ = true;
    pageOrientation_ = orientation_;
    return true;
}

void ReportPrinter::EndPage()
{
    turn_ = nullptr;
    if (!ensurePage()) return;
    pageOpen_ = false;
    x_ = 0;
    y_ = 0;
}

bool ReportPrinter::EndDoc()
{
    turn_ = nullptr;
    if (opened_) {
        const PageStatus closed = device_.close();
        if (!closed.ok()) fail(closed);
    }
    opened_ = false;
    pageOpen_ = false;
    x_ = 0;
    y_ = 0;
    return ok();
}

void ReportPrinter::fail(const PageStatus& status)
{
    if (status_.ok()) status_ = status;
}

} // namespace vemora
