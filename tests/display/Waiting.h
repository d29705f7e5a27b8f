// Waiting on a real display: every wait waits for a condition, ends as soon as
// it holds, and gives up only after the long limit of a busy machine
// (support/WaitLimit.h). A wait that gives up says what it waited for, and
// leaves a picture of the whole screen in the build's display-failures folder.
#pragma once

#include <QString>
#include <functional>
#include <gtest/gtest.h>

class QWidget;

namespace vemora::test {

// Where a failed wait leaves its screenshot:
// <build>/display-failures/<Suite>.<Test>-<n>.png.
QString DisplayFailuresFolder();

// Saves a picture of the whole screen, the program's windows drawn in, under
// the running test's name; returns its path, or "(no screenshot)".
QString SaveScreen();

// Handles events until `condition` holds or the wait limit has passed; on
// failure the result names `what` and the screenshot.
::testing::AssertionResult WaitFor(const std::function<bool()>& condition,
                                   const QString& what = QString());

// The widget is on the screen, with its window mapped by the window manager.
bool Shown(const QWidget* w);

// Waits until the widget is shown, named by its object name.
::testing::AssertionResult WaitShown(const QWidget* w);

// A step with no effect of its own (opening a menu, raising a window) that
// may not take on a busy display: `step` is done, and done again whenever
// `taken` does not hold a while later, until it holds or the limit passes.
::testing::AssertionResult Retry(const std::function<void()>& step,
                                 const std::function<bool()>& taken, const QString& what);

} // namespace vemora::test
