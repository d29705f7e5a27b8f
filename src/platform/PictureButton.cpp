#include "platform/PictureButton.h"

#include <QEnterEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionFocusRect>

#include "platform/KeyCodes.h"
#include "platform/Twips.h"

namespace vemora {

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, true);
}

void PictureButton::setPicture(const QPixmap& p)
{
    picture_ = p;
    updateGeometry();
    update();
}

void PictureButton::setCaption(const QString& s)
{
    setText(s);
    updateGeometry();
    update();
}

QSize PictureButton::sizeHint() const
{
    QSize s(8, 8);
    if (!picture_.isNull()) s += picture_.deviceIndependentSize().toSize();
    if (!text().isEmpty()) {
        const QSize t = fontMetrics().size(Qt::TextShowMnemonic, text());
        s.setWidth(std::max(s.width(), t.width() + 16));
        s.setHeight(s.height() + t.height() + (picture_.isNull() ? 4 : 2));
    }
    return s;
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown() || isChecked();
    const QPalette& pal = palette();

    // Face, a little lighter while the mouse is over the button.
    QColor face = pal.color(QPalette::Button);
    if (hovered_ && isEnabled() && !down) face = face.lighter(106);
    p.fillRect(r, face);

    // Two-pixel bevel: light top-left and dark bottom-right, reversed when
    // pressed.
    const QColor light = pal.color(QPalette::Light);
    const QColor mid = pal.color(QPalette::Mid);
    const QColor dark = pal.color(QPalette::Shadow);
    const QColor tl1 = down ? dark : light;
    const QColor tl2 = down ? mid : face.lighter(103);
    const QColor br1 = down ? light : dark;
    const QColor br2 = down ? face : mid;
    const int x1 = r.left(), y1 = r.top(), x2 = r.right(), y2 = r.bottom();
    p.setPen(tl1);
    p.drawLine(x1, y1, x2 - 1, y1);
    p.drawLine(x1, y1, x1, y2 - 1);
    p.setPen(br1);
    p.drawLine(x1, y2, x2, y2);
    p.drawLine(x2, y1, x2, y2);
    p.setPen(tl2);
    p.drawLine(x1 + 1, y1 + 1, x2 - 2, y1 + 1);
    p.drawLine(x1 + 1, y1 + 1, x1 + 1, y2 - 2);
    p.setPen(br2);
    p.drawLine(x1 + 1, y2 - 1, x2 - 1, y2 - 1);
    p.drawLine(x2 - 1, y1 + 1, x2 - 1, y2 - 1);

    const int shift = down ? 1 : 0;
    const QRect inner = r.adjusted(3 + shift, 3 + shift, -3 + shift, -3 + shift);
    const bool hasText = !text().isEmpty();
    const int textH = hasText ? fontMetrics().height() : 0;

    if (!picture_.isNull()) {
        const QSize ps = picture_.deviceIndependentSize().toSize();
        QRect area = inner;
        if (hasText) area.setBottom(inner.bottom() - textH - 1);
        QSize drawn = ps;
        if (drawn.width() > area.width() || drawn.height() > area.height())
            drawn.scale(area.size(), Qt::KeepAspectRatio);
        const QRect target(area.center().x() - drawn.width() / 2 + 1,
                           area.center().y() - drawn.height() / 2 + 1, drawn.width(),
                           drawn.height());
        if (isEnabled()) {
            p.drawPixmap(target, picture_);
        } else {
            // The style greys the picture against this button's own palette.
            QStyleOption option;
            option.initFrom(this);
            const QPixmap gray = style()->generatedIconPixmap(QIcon::Disabled, picture_, &option);
            p.drawPixmap(target, gray.isNull() ? picture_ : gray);
        }
    }
    if (hasText) {
        QRect tr = inner;
        if (!picture_.isNull()) tr.setTop(inner.bottom() - textH);
        p.setPen(isEnabled() ? pal.color(QPalette::ButtonText)
                             : pal.color(QPalette::Disabled, QPalette::ButtonText));
        p.drawText(tr, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.rect = r.adjusted(4, 4, -4, -4);
        opt.backgroundColor = face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
}

void PictureButton::enterEvent(QEnterEvent* e)
{
    QAbstractButton::enterEvent(e);
    if (!hovered_) {
        hovered_ = true;
        update();
    }
}

void PictureButton::leaveEvent(QEvent* e)
{
    QAbstractButton::leaveEvent(e);
    if (hovered_) {
        hovered_ = false;
        update();
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* e)
{
    QAbstractButton::mouseMoveEvent(e);
    int button = 0;
    if (e->buttons() & Qt::LeftButton) button |= mousebutton::Left;
    if (e->buttons() & Qt::RightButton) button |= mousebutton::Right;
    const int shift = shiftOfModifiers(e->modifiers());
    const QPoint pos = e->position().toPoint();
    emit MouseMove(button, shift, pixelsToTwips(pos.x()), pixelsToTwips(pos.y()));
}

void PictureButton::focusInEvent(QFocusEvent* e)
{
    QAbstractButton::focusInEvent(e);
    emit GotFocus();
}

} // namespace vemora
