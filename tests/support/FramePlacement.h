// How a working window sits in the main window's work area as the user sees
// it: by its frame, never by the window inside the frame.
#pragma once

#include <QMdiSubWindow>
#include <QWidget>
#include <gtest/gtest.h>

namespace vemora::test {

// The frame that holds a working window in the work area, or nullptr.
inline QMdiSubWindow* FrameOf(const QWidget* window)
{
    return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

// The frame's top-left corner at the work area's, and the window filling
// the frame below its title bar: nothing covers the title bar and no empty
// strip is left at the bottom.
inline void ExpectFramedAtCorner(const QWidget* window)
{
    const QMdiSubWindow* frame = FrameOf(window);
    ASSERT_TRUE(frame) << "the window has no frame";
    EXPECT_EQ(frame->frameGeometry().topLeft(), QPoint(0, 0));
    EXPECT_GT(frame->contentsMargins().top(), 0) << "no title bar";
    EXPECT_EQ(window->geometry(), frame->contentsRect());
}

} // namespace vemora::test
