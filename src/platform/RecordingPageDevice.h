// A back end that keeps what every page holds, for tests of the reports:
// texts with their positions, fonts and colours, lines, pictures, vector
// paintings and the page's orientation. It can be told to fail at the start
// of the document, at the start of page n or at the end, as a printer would.
#pragma once

#include <QStringList>
#include <vector>

#include "platform/PageDevice.h"

namespace vemora {

struct RecordedPage
{
    PageOrientation orientation = PageOrientation::Portrait;
    QSizeF size; // printable area, millimetres
    std::vector<PageText> texts;
    std::vector<PageLine> lines;
    std::vector<PagePicture> pictures;
    std::vector<PagePainting> paintings;

    // The first text that reads exactly `text`, or nullptr.
    const PageText* findText(const QString& text) const;
    // The first text that starts with `prefix`, or nullptr.
    const PageText* findTextStartingWith(const QString& prefix) const;
    // The page's lines of text from top to bottom: the texts that share a
    // line, left to right, joined by one blank.
    QStringList textLines() const;
};

class RecordingPageDevice : public PageDevice
{
  public:
    // Resolution of the device rectangle handed to vector paintings.
    static constexpr double kDotsPerMm = 1200 / 25.4;

    // Printable area of an A4 page with a 4.2 mm border, by default.
    explicit RecordingPageDevice(QSizeF portraitSize = QSizeF(201.6, 288.6));

    // Failures to play: the document cannot be opened; page n (2, 3, ...)
    // cannot be started; the printer is in error after the end.
    void failAtOpen() { failOpen_ = true; }
    void failAtPage(int page) { failPage_ = page; }
    void failAtEnd() { failEnd_ = true; }

    const std::vector<RecordedPage>& pages() const { return pages_; }
    int documentsOpened() const { return opened_; }
    int documentsClosed() const { return closed_; }

    PageStatus open(PageOrientation orientation) override;
    PageStatus nextPage(PageOrientation orientation, int page) override;
    PageStatus close() override;
    QSizeF pageSize(PageOrientation orientation) const override;
    void drawText(const PageText& text) override;
    void drawLine(const PageLine& line) override;
    void drawPicture(const QRectF& rect, const QImage& image) override;
    void paintVector(const QRectF& rect, const VectorPainter& paint) override;

  private:
    void startPage(PageOrientation orientation);
    RecordedPage& current();

    QSizeF portraitSize_;
    std::vector<RecordedPage> pages_;
    bool failOpen_ = false;
    int failPage_ = 0;
    bool failEnd_ = false;
    int opened_ = 0;
    int closed_ = 0;
};

} // namespace vemora
