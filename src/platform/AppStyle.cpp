#include "platform/AppStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "platform/ScrollBar.h"

namespace vemora {

namespace {

// The caption starts this far in from the frame's left edge, in pixels.
constexpr int CaptionIndent = 6;
// Blank room on either side of the caption, where the border line stops.
constexpr int CaptionPad = 2;

bool Checkable(const QStyleOptionComplex* option)
{
    return (option->subControls & QStyle::SC_GroupBoxCheckBox) != 0;
}

} // namespace

AppStyle::AppStyle() : QProxyStyle() {}

// Caption: one line at the top left. Border: from the caption's middle line
// down. Contents: inside the border, below the caption.
QRect AppStyle::frameRect(const QStyleOptionComplex* option, SubControl part) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    const QRect all = option->rect;
    const bool captioned = frame && !frame->text.isEmpty();
    const int lineHeight = option->fontMetrics.height();
    const QRect caption =
        captioned
            ? QRect(all.left() + CaptionIndent, all.top(),
                    option->fontMetrics.horizontalAdvance(frame->text) + 2 * CaptionPad, lineHeight)
            : QRect();
    const QRect border = all.adjusted(0, captioned ? lineHeight / 2 : 0, 0, 0);
    switch (part) {
    case SC_GroupBoxLabel:
        return caption.intersected(all);
    case SC_GroupBoxFrame:
        return border;
    case SC_GroupBoxContents:
        return all.adjusted(3, captioned ? lineHeight : 3, -3, -3);
    default:
        return QRect();
    }
}

// The thumb is a square as thick as the bar; the page areas fill the groove
// on either side of it.
QRect AppStyle::valueBarRect(const QStyleOptionComplex* option, SubControl part,
                             const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const QRect groove =
        QProxyStyle::subControlRect(CC_ScrollBar, option, SC_ScrollBarGroove, widget);
    const bool horizontal = bar->orientation == Qt::Horizontal;
    const int length = horizontal ? groove.width() : groove.height();
    const int thickness = horizontal ? groove.height() : groove.width();
    const int thumb = std::min(length, thickness);
    const int offset = sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition,
                                               length - thumb, bar->upsideDown);
    // Start and length along the bar, turned into a rectangle of the groove.
    const auto along = [&](int start, int size) {
        return horizontal ? QRect(groove.left() + start, groove.top(), size, groove.height())
                          : QRect(groove.left(), groove.top() + start, groove.width(), size);
    };
    switch (part) {
    case SC_ScrollBarSlider:
        return along(offset, thumb);
    case SC_ScrollBarSubPage:
        return along(0, offset);
    case SC_ScrollBarAddPage:
        return along(offset + thumb, length - offset - thumb);
    default:
        return QProxyStyle::subControlRect(CC_ScrollBar, option, part, widget);
    }
}

QRect AppStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                               SubControl part, const QWidget* widget) const
{
    if (control == CC_GroupBox && !Checkable(option)) return frameRect(option, part);
    if (control == CC_ScrollBar && qobject_cast<const ScrollBar*>(widget) &&
        qstyleoption_cast<const QStyleOptionSlider*>(option))
        return valueBarRect(option, part, widget);
    return QProxyStyle::subControlRect(control, option, part, widget);
}

// An etched border (a dark line with a light one inside it) broken where the
// caption stands on it, and the caption in the frame's text colour.
void AppStyle::drawFrame(const QStyleOptionComplex* option, QPainter* painter) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    const QRect caption = frameRect(option, SC_GroupBoxLabel);
    painter->save();
    if (option->subControls & SC_GroupBoxFrame) {
        QRegion outside(option->rect);
        outside -= caption;
        painter->setClipRegion(outside);
        const QRect border = frameRect(option, SC_GroupBoxFrame);
        const QPalette& pal = option->palette;
        painter->setPen(pal.color(QPalette::Dark));
        painter->drawRect(border.adjusted(0, 0, -2, -2));
        painter->setPen(pal.color(QPalette::Light));
        painter->drawRect(border.adjusted(1, 1, -1, -1));
    }
    painter->restore();
    if ((option->subControls & SC_GroupBoxLabel) && frame && !frame->text.isEmpty()) {
        QPalette pal = option->palette;
        if (frame->textColor.isValid()) pal.setColor(QPalette::WindowText, frame->textColor);
        drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, pal,
                     option->state & State_Enabled, frame->text, QPalette::WindowText);
    }
}

void AppStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                  QPainter* painter, const QWidget* widget) const
{
    if (control == CC_GroupBox && !Checkable(option)) {
        drawFrame(option, painter);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void InstallAppStyle()
{
    QApplication::setStyle(new AppStyle);
}

} // namespace vemora
