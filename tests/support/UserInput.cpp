#include "support/UserInput.h"
#include "support/WaitLimit.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace vemora::test {

namespace {

QPoint PointIn(QWidget* target, QPoint at)
{
    return at == QPoint(-1, -1) ? target->rect().center() : at;
}

// The window-system window of `target` and the point in it.
QWindow* WindowOf(QWidget* target, QPoint& at)
{
    QWidget* top = target->window();
    at = target->mapTo(top, at);
    return top->windowHandle();
}

} // namespace

bool ShowActive(QWidget* w)
{
    QWidget* top = w->window();
    top->show();
    QApplication::setActiveWindow(top);
    top->activateWindow();
    return QTest::qWaitForWindowActive(top, WaitLimitMs());
}

void TurnWheel(QWidget* over, int notches, QPoint at)
{
    QPoint p = PointIn(over, at);
    QWindow* window = WindowOf(over, p);
    QWindowSystemInterface::handleWheelEvent(window, QPointF(p), window->mapToGlobal(QPointF(p)),
                                             QPoint(), QPoint(0, 120 * notches));
    QWindowSystemInterface::flushWindowSystemEvents();
    QApplication::processEvents();
}

void ClickOn(QWidget* target, Qt::MouseButton button, QPoint at)
{
    QPoint p = PointIn(target, at);
    QWindow* window = WindowOf(target, p);
    QTest::mouseClick(window, button, Qt::NoModifier, p);
}

void DoubleClickOn(QWidget* target, QPoint at)
{
    QPoint p = PointIn(target, at);
    QWindow* window = WindowOf(target, p);
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, p);
}

void DragOn(QWidget* target, QPoint from, QPoint to)
{
    QPoint a = from, b = to;
    QWindow* window = WindowOf(target, a);
    WindowOf(target, b);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, a);
    const int steps = 8;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(window, a + (b - a) * i / steps);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, b);
}

void MoveMouseTo(QWidget* target, QPoint at)
{
    QPoint p = PointIn(target, at);
    QWindow* window = WindowOf(target, p);
    QTest::mouseMove(window, p);
}

void PressKey(QWidget* inWindow, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(inWindow->window()->windowHandle(), key, modifiers);
}

} // namespace vemora::test
