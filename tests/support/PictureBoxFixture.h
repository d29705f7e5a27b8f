// A picture box of 400 x 200 pixels inside its border, in a shown window,
// with no mouse button held from an earlier test.
#pragma once

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/PictureBox.h"
#include "support/WaitLimit.h"

namespace vemora::test {

struct PictureBoxTest : ::testing::Test
{
    QWidget window;
    PictureBox* pic = new PictureBox(&window);

    void SetUp() override
    {
        window.resize(500, 300);
        pic->setGeometry(10, 10, 404, 204); // 400 x 200 inside the border
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, WaitLimitMs()));
        // QTest keeps the buttons of earlier tests held; let them go.
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(490, 290));
    }
};

} // namespace vemora::test
