// What a printed page is made of, in millimetres from the top left corner of
// the printable area: texts, lines, pictures and vector paintings, each as the
// page layer hands it to a back end (the printer, a PDF file or a recording).
#pragma once

#include <QColor>
#include <QImage>
#include <QPicture>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

#include "files/FileReasons.h"
#include "platform/TimesFont.h"

class QPainter;

namespace vemora {

// The printer's page orientation codes.
enum class PageOrientation { Portrait = 1, Landscape = 2 };

// A font as a report asks for it: the face name it names ("Times New Roman"),
// the size in points, bold and underline.
struct PageFont
{
    QString name = TimesNewRoman();
    double size = 12.0;
    bool bold = false;
    bool underline = false;

    bool operator==(const PageFont&) const = default;
};

// A text as printed: `pos` is the top left corner of its line cell (the
// print position when it was printed), `ascent` the distance from there to
// the baseline, `width` its advance. `tab` is the print column that placed
// it, 0 when it followed the print position.
struct PageText
{
    QString text;
    QPointF pos;
    double ascent = 0;
    double width = 0;
    PageFont font;
    QColor color;
    int tab = 0;
};

struct PageLine
{
    QPointF from;
    QPointF to;
    QColor color;
};

// A picture stretched into a rectangle.
struct PagePicture
{
    QRectF rect;
    QImage image;
};

// Paints a vector drawing into `target`, a rectangle in the device units of
// the painter (printer dots), so the drawing comes out at full resolution.
using VectorPainter = std::function<void(QPainter& painter, const QRectF& target)>;

// A vector painting as recorded: its rectangle and what it painted.
struct PagePainting
{
    QRectF rect;
    QPicture picture;
};

// What failed while printing. `page` is the page that could not be started
// (counted from 1 in the document); `detail` says what failed in words.
enum class PageFailure { None, Open, StartPage, End };

struct PageStatus
{
    PageFailure failure = PageFailure::None;
    int page = 0;
    QString detail;
    int systemError = 0; // the system's error number (errno) behind the failure, if any
    QString reason = {}; // the system's reason in words, where the device has it
    bool onFile = false; // the document goes to a file, which `detail` names, not to a printer

    bool ok() const { return failure == PageFailure::None; }
    // The system's reason behind the failure, in words; the error number is
    // read as that of a file used as `use`. Empty when the system gave none.
    QString systemReason(FileUse use) const
    {
        if (!reason.isEmpty() || systemError == 0) return reason;
        return QString::fromStdString(SystemErrorReason(systemError, use));
    }
};

} // namespace vemora
