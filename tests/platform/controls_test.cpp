// The small controls: scroll bars, tab control, date picker, status panels
// and picture buttons.
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

#include "platform/DatePicker.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/StatusPanels.h"
#include "platform/TabControl.h"
#include "platform/Twips.h"
#include "support/WaitLimit.h"

using namespace vemora;

TEST(ScrollBar, ChangeFollowsCodeAndKeysWithinRange)
{
    QWidget owner;
    ScrollBar hsc(Qt::Horizontal, &owner);
    hsc.setMin(2);
    hsc.setMax(100);
    hsc.setSmallChange(1);
    hsc.setLargeChange(5);
    QSignalSpy change(&hsc, &ScrollBar::Change);
    hsc.setValue(30);
    EXPECT_EQ(change.count(), 1);
    hsc.setValue(30); // same value: no event
    EXPECT_EQ(change.count(), 1);
    hsc.setValue(500); // kept inside the range
    EXPECT_EQ(hsc.Value(), 100);
    hsc.setValue(31);
    hsc.triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(hsc.Value(), 26);
    hsc.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(hsc.Value(), 27);
    EXPECT_EQ(change.count(), 5);
    ScrollBar flat(Qt::Horizontal, &owner, true);
    EXPECT_TRUE(flat.flat());
}

// Each arrow key steps the way it points on both kinds of bar, as the arrow
// button at that end does; the wheel turned towards the user still raises
// the value.
TEST(ScrollBar, ArrowKeysStepTheWayTheyPoint)
{
    QWidget owner;
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        ScrollBar bar(o, &owner);
        bar.setMin(1);
        bar.setMax(100);
        bar.setValue(50);
        QSignalSpy change(&bar, &ScrollBar::Change);
        const std::pair<Qt::Key, int> steps[] = {
            {Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_Up, -1}, {Qt::Key_Down, 1}};
        for (const auto& [key, step] : steps) {
            bar.setValue(50);
            change.clear();
            QTest::keyClick(&bar, key);
            EXPECT_EQ(bar.Value(), 50 + step) << o << " key " << key;
            EXPECT_EQ(change.count(), 1);
        }
        bar.setValue(50);
        QWheelEvent down(QPointF(5, 5), bar.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&bar, &down);
        EXPECT_GT(bar.Value(), 50) << o;
    }
}

TEST(TabControl, TabsSwitchOffOneByOneAndClickReportsThePreviousTab)
{
    QWidget owner;
    TabControl sst(&owner);
    for (const char* name : {"General Data", "Profile Data", "Energy Data", "Rates and Sales"})
        sst.addTab(new QWidget(&sst), name);
    std::vector<int> previous;
    QObject::connect(&sst, &TabControl::Click, &owner, [&](int p) { previous.push_back(p); });
    sst.setTabEnabled(2, false);
    sst.setTabEnabled(9, false); // ignored
    EXPECT_FALSE(sst.TabEnabled(2));
    EXPECT_TRUE(sst.TabEnabled(3));
    sst.setTab(3);
    sst.setTab(1);
    EXPECT_EQ(sst.Tab(), 1);
    EXPECT_EQ(previous, (std::vector<int>{0, 3}));
    EXPECT_EQ(sst.TabCaption(2), "Energy Data");
}

TEST(DatePicker, AnInvalidDateKeepsThePreviousDate)
{
    QWidget owner;
    DatePicker dtp(&owner);
    dtp.setValue(QDate(2022, 3, 5));
    EXPECT_EQ(dtp.text(), "5 March 2022");
    dtp.setValue(QDate()); // a stored date that does not read
    EXPECT_EQ(dtp.Value(), QDate(2022, 3, 5));
}

TEST(StatusPanels, FourPanelsWithTheFixedLastPanel)
{
    QWidget owner;
    StatusPanels bar(&owner);
    bar.resize(800, 24);
    bar.setPanelText(3, "Open a project or start a new project");
    bar.setPanelText(4, "Vemora");
    bar.setPanelText(5, "ignored");
    EXPECT_EQ(bar.panelText(3), "Open a project or start a new project");
    EXPECT_EQ(bar.panelText(5), "");
    EXPECT_EQ(bar.panel(4)->width(), twipsToPixels(5203));
    bar.showClock(QDateTime(QDate(2024, 6, 1), QTime(14, 5)));
    EXPECT_TRUE(bar.panelText(1).contains("5"));
    EXPECT_TRUE(bar.panelText(2).contains("24"));
}

// A window's hint lasts while the window shows and no other text replaced
// it: hiding or deleting the window takes it away.
TEST(StatusPanels, AWindowsHintGoesWithTheWindow)
{
    QWidget owner;
    StatusPanels bar(&owner);
    QWidget first;
    auto second = std::make_unique<QWidget>();
    first.show();
    second->show();
    bar.showHint(&first, "Enter the project name");
    first.hide();
    EXPECT_EQ(bar.panelText(3), "");
    first.show();
    bar.showHint(&first, "Enter the project name");
    bar.showHint(second.get(), "Select the components to print");
    first.hide();
    EXPECT_EQ(bar.panelText(3), "Select the components to print");
    second.reset();
    EXPECT_EQ(bar.panelText(3), "");
    bar.showHint(&first, "Enter the designer");
    bar.setPanelText(3, "Open a project or start a new project");
    first.show();
    first.hide();
    EXPECT_EQ(bar.panelText(3), "Open a project or start a new project");
}

TEST(PictureButton, HoverClickAndLook)
{
    QWidget owner;
    owner.resize(200, 80);
    auto* ssc = new PictureButton(&owner);
    setTwipsGeometry(ssc, 60, 60, 375, 375);
    QPixmap pic(16, 16);
    pic.fill(Qt::darkBlue);
    ssc->setPicture(pic);
    ssc->setToolTip("Start a new project");
    auto* caption = new PictureButton(&owner);
    caption->setCaption("&Continue");
    caption->setGeometry(60, 4, 100, 28);
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner, test::WaitLimitMs()));

    // Start from a pointer outside the button.
    QEvent away(QEvent::Leave);
    QApplication::sendEvent(ssc, &away);
    QSignalSpy clicked(ssc, &PictureButton::clicked);
    QEnterEvent in(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(ssc, &in);
    EXPECT_TRUE(ssc->hovered());
    QEvent out(QEvent::Leave);
    QApplication::sendEvent(ssc, &out);
    EXPECT_FALSE(ssc->hovered());
    QTest::mouseClick(ssc, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(ssc->size(), QSize(25, 25));

    // The picture sits in the middle and the raised edge is light at the
    // top-left, dark at the bottom-right.
    const QImage img = ssc->grab().toImage();
    EXPECT_EQ(img.pixelColor(12, 12), QColor(Qt::darkBlue));
    EXPECT_GT(img.pixelColor(0, 0).lightness(), img.pixelColor(24, 24).lightness());

    QSignalSpy focus(caption, &PictureButton::GotFocus);
    QSignalSpy clickedCaption(caption, &PictureButton::clicked);
    EXPECT_EQ(caption->shortcut(), QKeySequence(Qt::ALT | Qt::Key_C));
    caption->setFocus();
    QTest::keyClick(ssc, Qt::Key_C, Qt::AltModifier);
    // A shortcut clicks the button after its short pressed look.
    EXPECT_TRUE(QTest::qWaitFor([&] { return clickedCaption.count() == 1; }, test::WaitLimitMs()));
    EXPECT_GE(focus.count(), 1);
    owner.grab().save("/tmp/platform_buttons.png");
}
