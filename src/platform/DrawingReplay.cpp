// Replay of a Drawing onto a painter, in the two styles: whole pixels for
// the screen, scaled vectors for printers.
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/ClipSegment.h"
#include "platform/Drawing.h"
#include "platform/Twips.h"

namespace vemora {

namespace {

// How far beyond the drawing's edges primitives are still replayed, twips:
// enough for the widest pen, small enough to keep every coordinate tame.
constexpr double kReplayMargin = 1500;

using Bounds = ClipBounds;

bool Finite(const Primitive& p)
{
    return std::isfinite(p.x1) && std::isfinite(p.y1) && std::isfinite(p.x2) &&
           std::isfinite(p.y2) && std::isfinite(p.radius);
}

// The rectangle of two corners cut to the bounds, or nothing when it lies
// wholly outside them.
std::optional<QRectF> ClipRect(double x1, double y1, double x2, double y2, const Bounds& b)
{
    const double l = std::max(std::min(x1, x2), b.left), r = std::min(std::max(x1, x2), b.right);
    const double t = std::max(std::min(y1, y2), b.top), d = std::min(std::max(y1, y2), b.bottom);
    if (l > r || t > d) return std::nullopt;
    return QRectF(QPointF(l, t), QPointF(r, d));
}

// Dash patterns of the line styles, in pen widths.
QList<qreal> DashPattern(DrawStyle s)
{
    switch (s) {
    case DrawStyle::Dash:
        return {18, 6};
    case DrawStyle::Dot:
        return {3, 3};
    case DrawStyle::DashDot:
        return {9, 6, 3, 6};
    case DrawStyle::DashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

// A pen for a primitive; `width` in painter units, 0 for a cosmetic pixel pen.
QPen PenFor(const Primitive& p, double width, bool cosmetic)
{
    QPen pen(vbColor(p.color));
    pen.setCosmetic(cosmetic);
    pen.setWidthF(width);
    pen.setCapStyle(p.width > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    const QList<qreal> dashes = p.width > 1 ? QList<qreal>{} : DashPattern(p.style);
    if (!dashes.isEmpty()) pen.setDashPattern(dashes);
    return pen;
}

// The rectangle of a picture that keeps its shape: its own rectangle scaled
// about its centre by (sx, sy), the factors that undo the replay's stretch.
QRectF KeptShape(const Primitive& p, double sx, double sy)
{
    const QRectF own(QPointF(p.x1, p.y1), QPointF(p.x2, p.y2));
    QRectF kept(0, 0, own.width() * sx, own.height() * sy);
    kept.moveCenter(own.center());
    return kept;
}

bool Invisible(const Primitive& p)
{
    return p.style == DrawStyle::Transparent &&
           (p.kind == PrimitiveKind::Line || p.kind == PrimitiveKind::Box ||
            p.kind == PrimitiveKind::Circle);
}

// Screen: every coordinate becomes a whole pixel of the target.
class ScreenReplay
{
  public:
    ScreenReplay(QPainter& painter, const QRectF& target, const Drawing& d)
        : p_(painter), target_(target), w_(d.width()), h_(d.height())
    {
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
        uniform_ = std::min(target.width() / w_, target.height() / h_);
        fontScale_ = uniform_ * kTwipsPerPixel;
    }

    int px(double x) const
    {
        return static_cast<int>(std::floor(target_.left() + x * target_.width() / w_ + 0.5));
    }
    int py(double y) const
    {
        return static_cast<int>(std::floor(target_.top() + y * target_.height() / h_ + 0.5));
    }

    void line(const Primitive& pr, const QLineF& l)
    {
        p_.setPen(PenFor(pr, pr.width, true));
        p_.drawLine(QPoint(px(l.x1()), py(l.y1())), QPoint(px(l.x2()), py(l.y2())));
    }

    void box(const Primitive& pr, const QRectF& r)
    {
        p_.setPen(PenFor(pr, pr.width, true));
        p_.setBrush(Qt::NoBrush);
        const QPoint a(px(r.left()), py(r.top())), b(px(r.right()), py(r.bottom()));
        p_.drawRect(QRect(a, QSize(b.x() - a.x(), b.y() - a.y())));
    }

    void filledBox(const Primitive& pr, const QRectF& r)
    {
        p_.fillRect(QRect(QPoint(px(r.left()), py(r.top())), QPoint(px(r.right()), py(r.bottom()))),
                    vbColor(pr.color));
    }

    void circle(const Primitive& pr)
    {
        p_.setPen(PenFor(pr, pr.width, true));
        p_.setBrush(Qt::NoBrush);
        p_.drawEllipse(QPointF(px(pr.x1), py(pr.y1)), pr.radius * uniform_, pr.radius * uniform_);
    }

    void text(const Primitive& pr)
    {
        QFont f = screenFont(pr.font);
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * fontScale_))));
        p_.setFont(f);
        p_.setPen(vbColor(pr.color));
        const int ascent = static_cast<int>(std::lround(QFontMetricsF(f).ascent()));
        p_.drawText(QPoint(px(pr.x1), py(pr.y1) + ascent), pr.text);
    }

    void picture(const Primitive& pr)
    {
        const QRectF r = pr.keepShape ? KeptShape(pr, uniform_ * w_ / target_.width(),
                                                  uniform_ * h_ / target_.height())
                                      : QRectF(QPointF(pr.x1, pr.y1), QPointF(pr.x2, pr.y2));
        const QPoint a(px(r.left()), py(r.top())), b(px(r.right()), py(r.bottom()));
        p_.drawImage(QRect(a, QSize(b.x() - a.x(), b.y() - a.y())), pr.image);
    }

  private:
    QPainter& p_;
    QRectF target_;
    double w_, h_;
    double uniform_ = 1; // the smaller of the two scales, pixels a twip
    double fontScale_ = 1;
};

// Print: the painter works in twips, scaled into the target.
class PrintReplay
{
  public:
    PrintReplay(QPainter& painter, const QRectF& target, const Drawing& d) : p_(painter)
    {
        kx_ = target.width() / d.width();
        ky_ = target.height() / d.height();
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p_.translate(target.topLeft());
        p_.scale(kx_, ky_);
    }

    static double penWidth(const Primitive& pr) { return pr.width * kTwipsPerPixel; }

    void line(const Primitive& pr, const QLineF& l)
    {
        p_.setPen(PenFor(pr, penWidth(pr), false));
        p_.drawLine(l);
    }

    void box(const Primitive& pr, const QRectF& r)
    {
        p_.setPen(PenFor(pr, penWidth(pr), false));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(r);
    }

    void filledBox(const Primitive& pr, const QRectF& r)
    {
        Primitive solid = pr;
        solid.style = DrawStyle::Solid;
        p_.setPen(PenFor(solid, penWidth(pr), false));
        p_.setBrush(vbColor(pr.color));
        p_.drawRect(r);
    }

    void circle(const Primitive& pr)
    {
        p_.setPen(PenFor(pr, penWidth(pr), false));
        p_.setBrush(Qt::NoBrush);
        const double s = std::min(kx_, ky_);
        p_.drawEllipse(QPointF(pr.x1, pr.y1), pr.radius * s / kx_, pr.radius * s / ky_);
    }

    void text(const Primitive& pr)
    {
        // A font in twips (15 to the screen pixel), scaled uniformly.
        QFont f = screenFont(pr.font);
        f.setPixelSize(f.pixelSize() * kTwipsPerPixel);
        const double s = std::min(kx_, ky_);
        p_.save();
        p_.translate(pr.x1, pr.y1);
        p_.scale(s / kx_, s / ky_);
        p_.setFont(f);
        p_.setPen(vbColor(pr.color));
        p_.drawText(QPointF(0, QFontMetricsF(f).ascent()), pr.text);
        p_.restore();
    }

    void picture(const Primitive& pr)
    {
        const double s = std::min(kx_, ky_);
        p_.drawImage(pr.keepShape ? KeptShape(pr, s / kx_, s / ky_)
                                  : QRectF(QPointF(pr.x1, pr.y1), QPointF(pr.x2, pr.y2)),
                     pr.image);
    }

  private:
    QPainter& p_;
    double kx_ = 1, ky_ = 1;
};

template <class Replay>
void ReplayAll(Replay& r, const std::vector<Primitive>& primitives, const Bounds& b)
{
    for (const Primitive& pr : primitives) {
        if (!Finite(pr) || Invisible(pr)) continue;
        switch (pr.kind) {
        case PrimitiveKind::Line:
            if (auto l = clipSegment(pr.x1, pr.y1, pr.x2, pr.y2, b)) r.line(pr, *l);
            break;
        case PrimitiveKind::Box:
            if (auto rc = ClipRect(pr.x1, pr.y1, pr.x2, pr.y2, b)) r.box(pr, *rc);
            break;
        case PrimitiveKind::FilledBox:
            if (auto rc = ClipRect(pr.x1, pr.y1, pr.x2, pr.y2, b)) r.filledBox(pr, *rc);
            break;
        case PrimitiveKind::Circle:
            if (b.contains(pr.x1, pr.y1)) r.circle(pr);
            break;
        case PrimitiveKind::Text:
            if (b.contains(pr.x1, pr.y1)) r.text(pr);
            break;
        case PrimitiveKind::Picture:
            if (!pr.image.isNull() && b.contains(pr.x1, pr.y1) && b.contains(pr.x2, pr.y2))
                r.picture(pr);
            break;
        }
    }
}

} // namespace

void Drawing::replay(QPainter& painter, const QRectF& target, ReplayStyle style) const
{
    if (!(width_ > 0) || !(height_ > 0) || !target.isValid()) return;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.fillRect(target, vbColor(backColor_));
    const Bounds bounds{-kReplayMargin, -kReplayMargin, width_ + kReplayMargin,
                        height_ + kReplayMargin};
    if (style == ReplayStyle::Screen) {
        ScreenReplay r(painter, target, *this);
        ReplayAll(r, primitives_, bounds);
    } else {
        PrintReplay r(painter, target, *this);
        ReplayAll(r, primitives_, bounds);
    }
    painter.restore();
}

} // namespace vemora
