#include "display/Waiting.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "support/WaitLimit.h"

namespace vemora::test {

namespace {

// How often a condition is looked at.
constexpr int kPollMs = 20;
// How long a step with no effect of its own is given to take before it is
// done again.
constexpr qint64 kRetryMs = 3000;

// The program's own windows drawn over a grab of the screen: the screen's
// image leaves out the dialogs and menus of this display, which are the ones
// a failed wait most needs to show. Main windows go first, then dialogs, then
// modal dialogs with the active one last, then menus and lists.
QPixmap ScreenWithWindows(QScreen* screen)
{
    QPixmap picture = screen->grabWindow(0);
    const auto layer = [](const QWidget* w) {
        if (w->windowType() == Qt::Popup) return 4;
        if (w == QApplication::activeModalWidget()) return 3;
        if (w->isModal()) return 2;
        return w->windowType() == Qt::Dialog ? 1 : 0;
    };
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->isMinimized()) windows.append(w);
    std::stable_sort(windows.begin(), windows.end(),
                     [&](QWidget* a, QWidget* b) { return layer(a) < layer(b); });
    QPainter painter(&picture);
    for (QWidget* w : windows)
        painter.drawPixmap(w->geometry().topLeft() - screen->geometry().topLeft(), w->grab());
    return picture;
}

} // namespace

// A picture of the whole screen, named after the running test.
QString SaveScreen()
{
    static int n = 0;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // A parameterised test's name holds a '/', which would name a folder.
    const QString name =
        test ? QStringLiteral("%1.%2")
                   .arg(QLatin1String(test->test_suite_name()), QLatin1String(test->name()))
                   .replace(u'/', u'_')
             : QStringLiteral("display");
    const QString folder = DisplayFailuresFolder();
    QDir().mkpath(folder);
    const QString path = QStringLiteral("%1/%2-%3.png").arg(folder, name).arg(++n);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !ScreenWithWindows(screen).save(path)) return QStringLiteral("(no screenshot)");
    return path;
}

QString DisplayFailuresFolder()
{
    return QStringLiteral(VEMORA_BINARY_DIR "/display-failures");
}

::testing::AssertionResult WaitFor(const std::function<bool()>& condition, const QString& what)
{
    QElapsedTimer clock;
    clock.start();
    const int limit = WaitLimitMs();
    while (!condition()) {
        if (clock.elapsed() > limit)
            return ::testing::AssertionFailure()
                   << "waited " << limit / 1000 << " s for "
                   << (what.isEmpty() ? std::string("the condition") : what.toStdString())
                   << "; the screen is in " << SaveScreen().toStdString();
        QTest::qWait(kPollMs);
    }
    return ::testing::AssertionSuccess();
}

bool Shown(const QWidget* w)
{
    return w && w->isVisible() && w->window()->windowHandle() &&
           w->window()->windowHandle()->isExposed();
}

::testing::AssertionResult WaitShown(const QWidget* w)
{
    if (!w) return ::testing::AssertionFailure() << "no widget to wait for";
    return WaitFor([w] { return Shown(w); }, w->objectName() + QStringLiteral(" on the screen"));
}

::testing::AssertionResult Retry(const std::function<void()>& step,
                                 const std::function<bool()>& taken, const QString& what)
{
    QElapsedTimer clock;
    clock.start();
    const int limit = WaitLimitMs();
    while (clock.elapsed() <= limit) {
        step();
        QElapsedTimer since;
        since.start();
        while (!taken() && since.elapsed() < kRetryMs)
            QTest::qWait(kPollMs);
        if (taken()) return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "tried " << limit / 1000 << " s to get " << what.toStdString()
           << "; the screen is in " << SaveScreen().toStdString();
}

} // namespace vemora::test
