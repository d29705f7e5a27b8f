#include "platform/RecordingPageDevice.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vemora {

// Texts whose tops lie this close share a line.
constexpr double kSameLineMm = 0.01;

const PageText* RecordedPage::findText(const QString& text) const
{
    for (const PageText& t : texts)
        if (t.text == text) return &t;
    return nullptr;
}

const PageText* RecordedPage::findTextStartingWith(const QString& prefix) const
{
    for (const PageText& t : texts)
        if (t.text.startsWith(prefix)) return &t;
    return nullptr;
}

QStringList RecordedPage::textLines() const
{
    std::vector<const PageText*> sorted;
    for (const PageText& t : texts)
        sorted.push_back(&t);
    std::stable_sort(sorted.begin(), sorted.end(), [](const PageText* a, const PageText* b) {
        if (std::fabs(a->pos.y() - b->pos.y()) > kSameLineMm) return a->pos.y() < b->pos.y();
        return a->pos.x() < b->pos.x();
    });
    QStringList lines;
    double lineTop = 0;
    for (const PageText* t : sorted) {
        if (lines.isEmpty() || std::fabs(t->pos.y() - lineTop) > kSameLineMm) {
            lines << t->text;
            lineTop = t->pos.y();
        } else {
            lines.last() += QLatin1Char(' ') + t->text;
        }
    }
    return lines;
}

RecordingPageDevice::RecordingPageDevice(QSizeF portraitSize) : portraitSize_(portraitSize) {}

void RecordingPageDevice::startPage(PageOrientation orientation)
{
    RecordedPage page;
    page.orientation = orientation;
    page.size = pageSize(orientation);
    pages_.push_back(page);
}

RecordedPage& RecordingPageDevice::current()
{
    if (pages_.empty()) startPage(PageOrientation::Portrait);
    return pages_.back();
}

PageStatus RecordingPageDevice::open(PageOrientation orientation)
{
    if (failOpen_) return {PageFailure::Open, 1, QStringLiteral("Could not open the printer.")};
    ++opened_;
    if (failPage_ == 1)
        return {PageFailure::StartPage, 1, QStringLiteral("Could not start page 1.")};
    startPage(orientation);
    return {};
}

PageStatus RecordingPageDevice::nextPage(PageOrientation orientation, int page)
{
    if (page == failPage_)
        return {PageFailure::StartPage, page, QStringLiteral("Could not start page %1.").arg(page)};
    startPage(orientation);
    return {};
}

PageStatus RecordingPageDevice::close()
{
    ++closed_;
    if (failEnd_)
        return {PageFailure::End, 0, QStringLiteral("The printer reported an error at the end.")};
    return {};
}

QSizeF RecordingPageDevice::pageSize(PageOrientation orientation) const
{
    return orientation == PageOrientation::Landscape ? portraitSize_.transposed() : portraitSize_;
}

void RecordingPageDevice::drawText(const PageText& text)
{
    current().texts.push_back(text);
}

void RecordingPageDevice::drawLine(const PageLine& line)
{
    current().lines.push_back(line);
}

void RecordingPageDevice::drawPicture(const QRectF& rect, const QImage& image)
{
    current().pictures.push_back(PagePicture{rect, image});
}

void RecordingPageDevice::paintVector(const QRectF& rect, const VectorPainter& paint)
{
    PagePainting painting;
    painting.rect = rect;
    QPainter painter(&painting.picture);
    paint(painter, QRectF(rect.topLeft() * kDotsPerMm, rect.size() * kDotsPerMm));
    painter.end();
    current().paintings.push_back(painting);
}

} // namespace vemora
