// Where the style puts a part of a scroll bar (thumb, groove, arrows, page
// areas), in the bar's own coordinates, as the bar itself draws and hits it.
#pragma once

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

namespace vemora::test {

inline QRect ScrollBarPart(const QScrollBar* bar, QStyle::SubControl part)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
}

} // namespace vemora::test
