// The wheel over unit lists, the date and the scroll bars, quick double
// clicks on the tariff hours and dragging a year bar's thumb, given as a user
// gives them.
#include <QDate>
#include <QLabel>
#include <QRadioButton>

#include "InputWindowUserFixture.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/ScrollBar.h"
#include "platform/TabControl.h"
#include "platform/Twips.h"
#include "support/ScrollBarParts.h"

namespace vemora::test {

namespace {

QRect BarPart(const ScrollBar* bar, QStyle::SubControl part)
{
    return ScrollBarPart(bar, part);
}

} // namespace

// With the focus in Project name, the wheel over a list, the date or a
// scroll bar changes nothing and leaves the focus where it was.
TEST_F(InputWindowUserTest, WheelOverControlsWithoutTheFocusChangesNothing)
{
    NewOfType(0);
    ClickOn(w->optGCalculatedFlowrate); // the varying demand's list is enabled
    PretendResults();
    FocusByClick(w->txtProject);
    const QDate date = w->dtpDate->Value();

    TurnWheel(w->comTRWLUnits, -1);
    TurnWheel(w->comVaryingDemandUnits, -3);
    TurnWheel(w->dtpDate, 1);
    TurnWheel(w->dtpDate, -2);
    TurnWheel(w->hscLife, -2);
    TurnWheel(w->hscBaseYear, 1);

    EXPECT_EQ(w->comTRWLUnits->currentText(), QStringLiteral("m"));
    EXPECT_EQ(w->comVaryingDemandUnits->currentText(), QStringLiteral("Mega liters/day"));
    EXPECT_EQ(w->dtpDate->Value(), date);
    EXPECT_EQ(w->hscLife->Value(), 30);
    EXPECT_EQ(ctx.store.DesignLife, 30);
    EXPECT_EQ(ctx.store.BaseYear, 2001);
    EXPECT_TRUE(w->txtProject->hasFocus());
    EXPECT_TRUE(ctx.store.ResultsValid);
}

// Once the user has put the focus on a control, by Tab or a click, the wheel
// works it.
TEST_F(InputWindowUserTest, WheelWorksTheControlTheUserFocused)
{
    NewOfType(0);
    FocusByClick(w->txtTRWL);
    PressKey(w, Qt::Key_Tab);
    ASSERT_TRUE(w->comTRWLUnits->hasFocus());
    TurnWheel(w->comTRWLUnits, -1);
    EXPECT_EQ(w->comTRWLUnits->currentText(), QStringLiteral("km"));

    // A click on the bar's right arrow moves it one year and gives it the focus.
    const QRect right = BarPart(w->hscLife, QStyle::SC_ScrollBarAddLine);
    ClickOn(w->hscLife, Qt::LeftButton, right.center());
    ASSERT_TRUE(w->hscLife->hasFocus());
    EXPECT_EQ(w->hscLife->Value(), 31);
    TurnWheel(w->hscLife, -1);
    EXPECT_GT(w->hscLife->Value(), 31);
    EXPECT_EQ(ctx.store.DesignLife, w->hscLife->Value());

    const QDate date = w->dtpDate->Value();
    FocusByClick(w->dtpDate);
    TurnWheel(w->dtpDate, 1);
    EXPECT_NE(w->dtpDate->Value(), date);
}

// The second click of a quick pair arrives as a double click; it moves the
// hour on too.
TEST_F(InputWindowUserTest, EachClickOfADoubleClickMovesAnHourOn)
{
    NewOfType(1);
    w->sstInput->setTab(2);
    QLabel* hour = w->lblSummerHour[1];
    ASSERT_EQ(frmLCC::HourColour(hour), vbcolor::Yellow);
    DoubleClickOn(hour);
    EXPECT_EQ(frmLCC::HourColour(hour), vbcolor::Green);
    ClickOn(hour);
    EXPECT_EQ(frmLCC::HourColour(hour), vbcolor::Yellow);
    DoubleClickOn(w->lblWinterHour[23]);
    EXPECT_EQ(frmLCC::HourColour(w->lblWinterHour[23]), vbcolor::Green);
    EXPECT_EQ(frmLCC::HourColour(w->lblWinterHour[22]), vbcolor::Yellow);
}

// The design-life thumb is small, stands out from its track and can be
// dragged from one end of the range to the other, finely enough to pick a
// year.
TEST_F(InputWindowUserTest, YearBarThumbDragsThroughItsRange)
{
    NewOfType(0);
    ScrollBar* bar = w->hscLife;
    const QRect groove = BarPart(bar, QStyle::SC_ScrollBarGroove);
    QRect thumb = BarPart(bar, QStyle::SC_ScrollBarSlider);
    EXPECT_LE(thumb.width(), bar->height());
    const int travel = groove.width() - thumb.width();
    EXPECT_GE(travel * 2, bar->Max() - bar->Min()) << "at most two years a pixel";

    // The thumb is drawn apart from the track beside it.
    const QImage look = bar->grab().toImage();
    const QRect track = BarPart(bar, QStyle::SC_ScrollBarAddPage);
    EXPECT_NE(QColor(look.pixel(thumb.center())), QColor(look.pixel(track.center())));

    DragOn(bar, thumb.center(), QPoint(groove.right() + 30, thumb.center().y()));
    EXPECT_EQ(bar->Value(), bar->Max());
    EXPECT_EQ(ctx.store.DesignLife, 100);
    EXPECT_EQ(w->msgDemand->Rows(), 101);

    thumb = BarPart(bar, QStyle::SC_ScrollBarSlider);
    DragOn(bar, thumb.center(), QPoint(groove.left() - 30, thumb.center().y()));
    EXPECT_EQ(bar->Value(), bar->Min());

    // Ten pixels to the right from the start move the life on by a few years.
    thumb = BarPart(bar, QStyle::SC_ScrollBarSlider);
    DragOn(bar, thumb.center(), thumb.center() + QPoint(10, 0));
    EXPECT_GT(bar->Value(), bar->Min());
    EXPECT_LE(bar->Value(), bar->Min() + 20);
    EXPECT_EQ(ctx.store.DesignLife, bar->Value());
}

} // namespace vemora::test
