// The start of the program: agreement, screen-size advice, splash and its
// gradient, and the main window it brings up.
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "ShellFixture.h"
#include "platform/PictureButton.h"
#include "shell/Startup.h"
#include "shell/frmAgree.h"
#include "shell/frmIntro.h"
#include "support/WaitLimit.h"

namespace vemora::test {
namespace {

bool anyWindowVisible()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) return true;
    return false;
}

// Ends the splash with Esc while it is shown.
void pressEscInSplash(QDialog* d)
{
    QTest::keyClick(d, Qt::Key_Escape);
}

// The version the build declares for the project, "major.minor.revision".
QString projectVersion()
{
    QFile file(QDir::cleanPath(QString(VEMORA_TEST_DATA_DIR) + "/../../CMakeLists.txt"));
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(no CMakeLists.txt)");
    const QString text = QString::fromUtf8(file.readAll());
    const QRegularExpressionMatch m =
        QRegularExpression(R"(project\(\s*Vemora\s+VERSION\s+(\d+)\.(\d+)\.(\d+))").match(text);
    if (!m.hasMatch()) return QStringLiteral("(no project version)");
    return m.captured(1) + "." + m.captured(2) + "." + m.captured(3);
}

using StartupTest = ShellTest;

TEST_F(StartupTest, AgreementTexts)
{
    frmAgree agree(ctx);
    EXPECT_EQ(agree.windowTitle(), "  Vemora  -  AGREEMENT");
    EXPECT_EQ(agree.Label1->text(), "Agreement:");
    EXPECT_EQ(agree.Label2->text(),
              "Please read the following agreement and if you accept the terms thereof continue "
              "to the program by clicking on the I accept button");
    EXPECT_EQ(agree.lblT1->text(),
              "The software program was developed for the convenience of its users. Although "
              "every reasonable effort has been made to ensure that the program is accurate and "
              "reliable the program developers accept no liability of any kind for any results, "
              "interpretation thereof or any use made of the results obtained with this program. "
              "All users of this program do so entirely at their own risk.");
    EXPECT_EQ(agree.lblT1->parentWidget(), agree.Frame1);
    EXPECT_EQ(agree.sscAccept->Caption(), "I accept");
    EXPECT_EQ(agree.sscAccept->toolTip(), "I accept the agreement");
    EXPECT_EQ(agree.sscCancel->Caption(), "I do not accept");
    EXPECT_EQ(agree.sscCancel->toolTip(), "I do not accept the agreement");
    EXPECT_FALSE(agree.imgLCC->pixmap().isNull());
}

TEST_F(StartupTest, ButtonCaptionsFollowTheMouse)
{
    frmAgree agree(ctx);
    agree.sscButton_MouseMove(agree.sscCancel);
    EXPECT_EQ(captionColour(agree.sscCancel), QColor(0, 0, 255));
    EXPECT_EQ(captionColour(agree.sscAccept), QColor(0, 0, 128));
    agree.sscButton_MouseMove(agree.sscAccept);
    EXPECT_EQ(captionColour(agree.sscAccept), QColor(0, 0, 255));
    EXPECT_EQ(captionColour(agree.sscCancel), QColor(0, 0, 128));
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), QPointF(3, 3), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(agree.Frame1, &move);
    EXPECT_EQ(captionColour(agree.sscAccept), QColor(0, 0, 128));
    EXPECT_EQ(captionColour(agree.sscCancel), QColor(0, 0, 128));
}

TEST_F(StartupTest, DecliningEndsWithNoOtherWindow)
{
    frmAgree agree(ctx);
    agree.show();
    QTest::mouseClick(agree.sscCancel, Qt::LeftButton);
    EXPECT_FALSE(agree.isVisible());
    EXPECT_FALSE(anyWindowVisible());
    EXPECT_TRUE(mainWindows().empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.dialogsShown.empty());
}

TEST_F(StartupTest, AcceptingOnALargerScreenGivesTheAdviceThenTheSplash)
{
    ctx.screen.setSizeOverride(QSize(1024, 768));
    frmAgree agree(ctx);
    agree.show();
    bool agreementHiddenDuringSplash = false;
    ui.dialogHandlers.push_back([&](QDialog* d) {
        agreementHiddenDuringSplash = !agree.isVisible();
        pressEscInSplash(d);
    });
    QTest::mouseClick(agree.sscAccept, Qt::LeftButton);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The recommended screen size is 800 x 600 !");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::OK);
    EXPECT_EQ(ui.messages[0].title, "Vemora");
    ASSERT_EQ(ui.dialogsShown.size(), 1u);
    EXPECT_EQ(ui.dialogsShown[0], "frmIntro");
    EXPECT_TRUE(agreementHiddenDuringSplash);
    EXPECT_FALSE(agree.isVisible());
    ASSERT_EQ(mainWindows().size(), 1u);
    EXPECT_TRUE(mainWindows()[0]->isVisible());
    EXPECT_TRUE(coversScreen(*mainWindows()[0], QSize(1024, 768)));
}

TEST_F(StartupTest, AcceptingOnAnExact800By600ScreenGivesNoAdvice)
{
    frmAgree agree(ctx);
    agree.show();
    ui.dialogHandlers.push_back(pressEscInSplash);
    QTest::mouseClick(agree.sscAccept, Qt::LeftButton);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(mainWindows().size(), 1u);
    EXPECT_TRUE(coversScreen(*mainWindows()[0], QSize(800, 600)));
}

// Whichever way the splash ends, the program's window comes up active with
// the input window as its active working window, ready for typing.
TEST_F(StartupTest, MainAndInputWindowComeUpActiveAfterTheSplash)
{
    frmAgree agree(ctx);
    agree.show();
    ui.dialogHandlers.push_back([](QDialog* splash) {
        splash->show();
        QApplication::setActiveWindow(splash);
        pressEscInSplash(splash);
    });
    QTest::mouseClick(agree.sscAccept, Qt::LeftButton);
    ASSERT_EQ(mainWindows().size(), 1u);
    MDIProject* main = mainWindows()[0];
    ASSERT_TRUE(QTest::qWaitForWindowActive(main, WaitLimitMs()));
    ASSERT_NE(main->mdiArea->activeSubWindow(), nullptr);
    EXPECT_EQ(main->mdiArea->activeSubWindow()->widget(), input());
    EXPECT_TRUE(input()->isActiveWindow());
}

TEST_F(StartupTest, ScreenSizeCheck)
{
    EXPECT_TRUE(IsScreenSize(ctx.screen, 800, 600));
    EXPECT_FALSE(IsScreenSize(ctx.screen, 600, 800));
    ctx.screen.setSizeOverride(QSize(640, 480));
    EXPECT_FALSE(IsScreenSize(ctx.screen, 800, 600));
    EXPECT_TRUE(IsScreenSize(ctx.screen, 640, 480));
    ctx.screen.setSizeOverride(QSize(800, 601));
    EXPECT_FALSE(IsScreenSize(ctx.screen, 800, 600));
}

TEST_F(StartupTest, SplashShowsNameAndVersion)
{
    frmIntro intro(ctx, nullptr);
    EXPECT_EQ(intro.Label4->text(), "VEMORA");
    EXPECT_EQ(intro.Label6->text(), "VEMORA");
    EXPECT_EQ(intro.Label6->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(intro.Label4->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(intro.Label6->pos() - intro.Label4->pos(), QPoint(1, 1)); // 20 twips
    EXPECT_EQ(intro.Label4->font().pointSizeF(), 36.0);
    EXPECT_EQ(intro.lblVersion1->text(), "Version: " + projectVersion());
    EXPECT_EQ(intro.lblVersion1->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(intro.Label1->text(), "Developed by:");
    EXPECT_FALSE(intro.imgWelcome->pixmap().isNull());
}

TEST_F(StartupTest, EscEndsTheSplashAtOnceAndTheTimerNeverBringsASecondWindow)
{
    frmIntro intro(ctx, nullptr);
    ASSERT_TRUE(intro.tmrIntro->isActive());
    EXPECT_EQ(intro.tmrIntro->interval(), 4000);
    EXPECT_TRUE(mainWindows().empty());
    QTest::keyClick(&intro, Qt::Key_Escape);
    EXPECT_EQ(mainWindows().size(), 1u);
    EXPECT_EQ(intro.mainWindow(), mainWindows()[0]);
    EXPECT_FALSE(intro.tmrIntro->isActive());
    EXPECT_FALSE(intro.isVisible());
    intro.tmrIntro_Timer(); // a late tick
    QTest::keyClick(&intro, Qt::Key_Escape);
    EXPECT_EQ(mainWindows().size(), 1u);
}

TEST_F(StartupTest, TimerTickEndsTheSplashOtherKeysDoNot)
{
    frmIntro intro(ctx, nullptr);
    QTest::keyClick(&intro, Qt::Key_Return);
    QTest::keyClick(&intro, Qt::Key_A);
    EXPECT_TRUE(mainWindows().empty());
    intro.tmrIntro_Timer();
    ASSERT_EQ(mainWindows().size(), 1u);
    EXPECT_TRUE(mainWindows()[0]->isVisible());
    EXPECT_EQ(mainWindows()[0]->panelText(3), "Open a project or start a new project");
}

TEST_F(StartupTest, SplashGradientRunsFromDarkToBrightBlue)
{
    frmIntro intro(ctx, nullptr);
    const QImage image = intro.grab().toImage();
    const int last = image.height() - 1;
    for (int x : {0, image.width() / 2, image.width() - 1}) {
        EXPECT_EQ(QColor(image.pixel(x, 0)), QColor(0, 0, 100)) << x;
        EXPECT_EQ(QColor(image.pixel(x, last)), QColor(0, 0, 255)) << x;
    }
    // The blue rises steadily down a bare column.
    int previous = 0;
    for (int y = 0; y <= last; ++y) {
        const QColor c(image.pixel(image.width() - 1, y));
        EXPECT_GE(c.blue(), previous) << y;
        EXPECT_EQ(c.red(), 0);
        EXPECT_EQ(c.green(), 0);
        previous = c.blue();
    }
}

TEST_F(StartupTest, GradientWithEqualColoursIsFlatAndBadInputIsHarmless)
{
    QWidget target;
    target.resize(40, 300);
    DrawGradientBackground(&target, 10, 20, 30, 10, 20, 30);
    const QImage flat = target.grab().toImage();
    EXPECT_EQ(QColor(flat.pixel(0, 0)), QColor(10, 20, 30));
    EXPECT_EQ(QColor(flat.pixel(39, 150)), QColor(10, 20, 30));
    EXPECT_EQ(QColor(flat.pixel(20, 299)), QColor(10, 20, 30));

    target.resize(10, 3); // fewer rows than bands
    DrawGradientBackground(&target, -5, 0, 0, 300, 0, 0);
    const QImage small = target.grab().toImage();
    EXPECT_EQ(QColor(small.pixel(0, 0)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(small.pixel(0, 2)), QColor(255, 0, 0));

    DrawGradientBackground(nullptr, 0, 0, 0, 1, 1, 1);
    QWidget empty;
    empty.resize(0, 0);
    DrawGradientBackground(&empty, 0, 0, 0, 1, 1, 1);
}

} // namespace
} // namespace vemora::test
