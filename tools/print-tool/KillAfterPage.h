// For the tests of a print cut short: with PRINT_TOOL_KILL_AFTER_PAGE=N the
// tool kills itself (SIGKILL, as kill -9 does) once page N is written and
// page N + 1 begins; with PRINT_TOOL_KILL_AFTER_PAGE=whole, once the whole
// PDF is on disk and not yet moved into place. Unset, it prints as ever.
#pragma once

#include <csignal>

#include "files/SafeReplace.h"
#include "platform/PageDevice.h"

namespace vemora {

class KillAfterPage : public PageDevice
{
  public:
    // The device that prints, kept the caller's.
    explicit KillAfterPage(PageDevice& device) : device_(device)
    {
        const QByteArray when = qgetenv("PRINT_TOOL_KILL_AFTER_PAGE");
        if (when == "whole")
            TestSeams().tempFileWritten = [] { std::raise(SIGKILL); };
        else if (!when.isEmpty())
            page_ = when.toInt();
    }
    PageStatus open(PageOrientation orientation) override { return device_.open(orientation); }
    PageStatus nextPage(PageOrientation orientation, int page) override
    {
        const PageStatus status = device_.nextPage(orientation, page);
        if (page - 1 == page_) std::raise(SIGKILL);
        return status;
    }
    PageStatus close() override { return device_.close(); }
    QSizeF pageSize(PageOrientation orientation) const override
    {
        return device_.pageSize(orientation);
    }
    void drawText(const PageText& text) override { device_.drawText(text); }
    void drawLine(const PageLine& line) override { device_.drawLine(line); }
    void drawPicture(const QRectF& rect, const QImage& image) override
    {
        device_.drawPicture(rect, image);
    }
    void paintVector(const QRectF& rect, const VectorPainter& paint) override
    {
        device_.paintVector(rect, paint);
    }

  private:
    PageDevice& device_;
    int page_ = 0; // none
};

} // namespace vemora
